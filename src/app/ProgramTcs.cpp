// Total conversions: discovery, the TC list and its opinions.
#include "app/Program.h"

namespace tv {

void Program::ClearTcTable() {}
void Program::ClearTcOpinions() {}
void Program::ListGroupFiles() {}
void Program::DiscoverTCs() {}
void Program::FillTCList() {}
void Program::PackAndLoadTCOpinions() {}
void Program::ListBox1Click(int) {}
void Program::ListBox1MouseUp() {}
void Program::ListBox1RightDown() {}
void Program::StoreTCOpinion(const std::string&) {}
void Program::SetTCRowOpinion(int, int) {}

}  // namespace tv
