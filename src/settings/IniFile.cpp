#include "settings/IniFile.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/RunTimeError.h"
#include "platform/Text.h"

namespace tv {
namespace {

constexpr std::size_t kMaxText = 2047;
constexpr const char* kNewLine = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kEndMark = '\x1A';  // ^Z: the bytes at the very end of the file

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// The section name of a header line ("[ name ]" runs to the last "]"), or
// nothing when the line is no header.
std::optional<std::string_view> HeaderName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

bool IsComment(std::string_view line) {
  line = Trim(line);
  return !line.empty() && line.front() == ';';
}

// Key name and raw value of a key line.
std::optional<std::pair<std::string_view, std::string_view>> KeyValue(std::string_view line) {
  if (IsComment(line) || HeaderName(line)) return std::nullopt;
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return std::make_pair(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
}

std::string_view Unquoted(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

// A value never carries a line break into the file.
std::string OneLine(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (char c : value)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

// A section or key name as written and looked up: a line break in a name
// (a TC's file name may hold one) must not start a line of its own.
std::string Name(std::string_view name) { return std::string(Trim(OneLine(name))); }

bool ParseInteger(std::string_view s, long& out) {
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    std::uint32_t v = 0;
    for (char c : s.substr(2)) {
      if (v > 0x0FFFFFFFu) return false;  // a ninth significant digit; leading zeros are fine
      const char u = UpperAZ(c);
      if (c >= '0' && c <= '9') v = v * 16 + std::uint32_t(c - '0');
      else if (u >= 'A' && u <= 'F') v = v * 16 + std::uint32_t(u - 'A' + 10);
      else return false;
    }
    out = long(std::int32_t(v));
    return true;
  }
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  if (i == s.size()) return false;
  long long v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
    if (v > 2147483648LL) return false;
  }
  if (negative) v = -v;
  if (v > 2147483647LL) return false;
  out = long(v);
  return true;
}

}  // namespace

IniFile::IniFile(FileSystem& fs, std::string path, Writes writes) : m_fs(fs), m_path(std::move(path)), m_writes(writes) {
  const FileReader file(m_fs, m_path);
  if (!file.IsOpen()) {
    m_unreadable = !file.Missing();
    return;
  }
  std::string bytes(std::size_t(file.Size()), '\0');
  bytes.resize(file.ReadAt(0, bytes.data(), bytes.size()));
  // A read cut short would write back a cut file.
  m_existed = bytes.size() == file.Size();
  m_unreadable = !m_existed;
  if (m_unreadable) return;
  if (bytes.starts_with(kByteOrderMark)) {
    m_head = kByteOrderMark;
    bytes.erase(0, m_head.size());
  }
  const std::size_t mark = bytes.find_last_not_of(kEndMark) + 1;  // npos + 1 == 0
  m_tail = bytes.substr(mark);
  bytes.resize(mark);
  // find_first_of would call memchr once per byte of the file.
  const auto lineEnd = [](char c) { return c == '\r' || c == '\n'; };
  std::size_t start = 0;
  while (start < bytes.size()) {
    const auto end = std::size_t(std::find_if(bytes.begin() + long(start), bytes.end(), lineEnd) - bytes.begin());
    if (end == bytes.size()) {
      m_lines.push_back({bytes.substr(start), ""});
      break;
    }
    const std::size_t endLen = (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
    m_lines.push_back({bytes.substr(start, end - start), bytes.substr(end, endLen)});
    start = end + endLen;
  }
}

long IniFile::FindSection(std::string_view section) const {
  const std::string wanted = Name(section);
  for (std::size_t i = 0; i < m_lines.size(); ++i)
    if (auto name = HeaderName(m_lines[i].text); name && EqualsNoCase(*name, wanted)) return long(i);
  return -1;
}

long IniFile::FindKey(long header, std::string_view key) const {
  const std::string wanted = Name(key);
  for (std::size_t i = std::size_t(header) + 1; i < m_lines.size(); ++i) {
    if (HeaderName(m_lines[i].text)) break;
    if (auto kv = KeyValue(m_lines[i].text); kv && EqualsNoCase(kv->first, wanted)) return long(i);
  }
  return -1;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  const long header = FindSection(section);
  const long line = header < 0 ? -1 : FindKey(header, key);
  if (line < 0) return std::string(def);
  std::string_view value = Unquoted(KeyValue(m_lines[std::size_t(line)].text)->second);
  return std::string(value.substr(0, kMaxText));
}

long IniFile::ReadInteger(std::string_view section, std::string_view key, long def) const {
  long value = 0;
  const long header = FindSection(section);
  const long line = header < 0 ? -1 : FindKey(header, key);
  if (line < 0) return def;
  return ParseInteger(ReadString(section, key, ""), value) ? value : def;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const std::string text = OneLine(value);
  const std::string keyName = Name(key);
  const long header = FindSection(section);
  if (header < 0) {
    if (!m_lines.empty() && m_lines.back().end.empty()) m_lines.back().end = kNewLine;
    m_lines.push_back({"[" + Name(section) + "]", kNewLine});
    m_lines.push_back({keyName + "=" + text, kNewLine});
    return Changed();
  }
  const long line = FindKey(header, key);
  if (line >= 0) {
    Line& l = m_lines[std::size_t(line)];
    const auto kv = KeyValue(l.text);
    if (kv->second == text) return;  // the file stays byte for byte as it was
    l.text = std::string(kv->first) + "=" + text;
    return Changed();
  }
  // A new key goes after the section's last key or comment line.
  std::size_t after = std::size_t(header);
  for (std::size_t i = after + 1; i < m_lines.size() && !HeaderName(m_lines[i].text); ++i)
    if (KeyValue(m_lines[i].text) || IsComment(m_lines[i].text)) after = i;
  if (m_lines[after].end.empty()) m_lines[after].end = kNewLine;
  m_lines.insert(m_lines.begin() + long(after) + 1, Line{keyName + "=" + text, kNewLine});
  Changed();
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, long value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  const long header = FindSection(section);
  const long line = header < 0 ? -1 : FindKey(header, key);
  if (line < 0) return;
  m_lines.erase(m_lines.begin() + line);
  Changed();
}

void IniFile::Changed() {
  m_dirty = true;
  if (m_writes == Writes::Immediate) Flush();
}

void IniFile::Flush() {
  if (!m_dirty) return;
  // A value written last that ends in ^Z is ended by a line end, so that it
  // is not read back as an end mark.
  if (!m_lines.empty() && m_lines.back().end.empty() && m_lines.back().text.ends_with(kEndMark))
    m_lines.back().end = kNewLine;
  std::string bytes = m_head;
  for (const Line& l : m_lines) bytes += l.text + l.end;
  bytes += m_tail;
  if (m_unreadable || !m_fs.ReplaceFile(m_path, bytes)) throw UnableToWrite(m_path);
  m_dirty = false;
  m_existed = true;
}

}  // namespace tv
