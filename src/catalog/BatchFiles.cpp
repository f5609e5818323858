#include "catalog/BatchFiles.h"

namespace tv {

void BatchChooser::Show(FileSystem& fs, const std::string& programFolder) {
  m_folder = programFolder;
  m_files = fs.List(programFolder, "*.bat");
  m_result.clear();
}

bool BatchChooser::Select(int selectedRow) {
  if (m_files.empty()) return false;
  const bool chosen = selectedRow >= 0 && selectedRow < int(m_files.size());
  m_result = chosen ? m_folder + m_files[std::size_t(selectedRow)] : "";
  return true;
}

}  // namespace tv
