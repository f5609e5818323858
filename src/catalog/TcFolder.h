#pragma once
// The Games folder as one listing: discovery asks it whether hundreds of
// companion files exist, which must cost neither a system call nor a walk
// through the folder each.
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "platform/Files.h"

namespace tv {

class TcFolder {
 public:
  // Lists the folder (path without a separator at the end); a folder that
  // does not exist holds nothing.
  TcFolder(FileSystem& fs, std::string path);

  const std::string& Path() const { return m_path; }
  bool Exists() const { return m_exists; }
  // A regular, non-hidden file of that name, letter case ignored.
  bool Holds(std::string_view name) const;
  // The file's path with its name as on disk, or with name as given when the
  // folder does not hold it.
  std::string PathOf(std::string_view name) const;

 private:
  std::string m_path;
  bool m_exists = false;
  std::unordered_set<std::string> m_exact;
  std::unordered_map<std::string, std::string> m_upper;  // upper-case name -> first name of that spelling
};

}  // namespace tv
