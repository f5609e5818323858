#pragma once
// The window "Play Batch File": the batch files of the program folder, and the
// full path of the one chosen.
#include <string>
#include <vector>

#include "platform/Files.h"

namespace tv {

class BatchChooser {
 public:
  // Every showing re-reads "*.bat" of the program folder and empties the result.
  void Show(FileSystem& fs, const std::string& programFolder);
  // selectedRow -1 for none. An empty list ignores the button (returns false);
  // otherwise the result is set and the window closes (returns true).
  bool Select(int selectedRow);
  void Cancel() { m_result.clear(); }

  const std::vector<std::string>& Files() const { return m_files; }
  // The chosen file's full path, empty when none was chosen.
  const std::string& Result() const { return m_result; }

 private:
  std::string m_folder;
  std::vector<std::string> m_files;
  std::string m_result;
};

}  // namespace tv
