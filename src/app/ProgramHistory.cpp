// The play history.
#include "app/Program.h"

namespace tv {

void Program::ShowHistory1Click() {}

}  // namespace tv
