#include "catalog/TcFolder.h"

#include "platform/Text.h"

namespace tv {

// The folder as it is on disk ("games" for "Games"): every path made from it
// then names a file that exists.
TcFolder::TcFolder(FileSystem& fs, std::string path) : m_path(fs.Resolve(path)) {
  m_exists = fs.FolderExists(m_path);
  if (!m_exists) return;
  for (const std::string& name : fs.List(m_path, "*")) {
    m_upper.emplace(Upper(name), name);
    m_exact.insert(name);
  }
}

bool TcFolder::Holds(std::string_view name) const {
  return m_exact.contains(std::string(name)) || m_upper.contains(Upper(name));
}

std::string TcFolder::PathOf(std::string_view name) const {
  std::string key(name);
  if (m_exact.contains(key)) return m_path + kSep + key;
  const auto loose = m_upper.find(Upper(name));
  return m_path + kSep + (loose == m_upper.end() ? key : loose->second);
}

}  // namespace tv
