// A settings file of any bytes, then one write: the write is seen by the
// next read, in memory and on disk, a second identical write changes no
// byte, and every other line of the file and every other key keep theirs.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "FuzzFiles.h"
#include "platform/Text.h"
#include "settings/IniFile.h"

namespace {

using tv::fuzz::Check;

struct Line {
  std::string text, end;
  bool operator==(const Line&) const = default;
};

std::vector<Line> Lines(const std::string& bytes) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back({bytes.substr(start), ""});
      break;
    }
    const std::size_t len = bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    lines.push_back({bytes.substr(start, end - start), bytes.substr(end, len)});
    start = end + len;
  }
  return lines;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string OneLine(std::string_view text) {
  std::string one;
  for (char c : text)
    if (c != '\r' && c != '\n') one += c;
  return one;
}

// What a reader gets for a written value: one line, the blanks around it
// trimmed, one pair of matching quotes removed, at most 2047 characters.
std::string AsRead(std::string_view value) {
  const std::string one = OneLine(value);
  std::string_view v = Trim(one);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
  return std::string(v.substr(0, 2047));
}

// A key as the program names them: no line break or "=", and not starting
// like a comment or a section header.
std::string KeyName(std::string s) {
  std::erase_if(s, [](char c) { return c == '\r' || c == '\n' || c == '='; });
  const std::string_view t = Trim(s);
  if (t.empty() || t.front() == ';' || t.front() == '[') s = "K" + s;
  return s;
}

// Section and key names as they stand in the file, to compare reads before
// and after the write.
std::vector<std::pair<std::string, std::string>> Names(const std::vector<Line>& lines) {
  std::vector<std::pair<std::string, std::string>> names;
  std::string section;
  for (const Line& l : lines) {
    const std::string_view t = Trim(l.text);
    if (!t.empty() && t.front() == '[' && t.rfind(']') != std::string_view::npos) {
      section = t.substr(1, t.rfind(']') - 1);
    } else if (const std::size_t eq = t.find('='); eq != std::string_view::npos) {
      names.emplace_back(section, t.substr(0, eq));
    }
    if (names.size() == 64) break;
  }
  return names;
}

std::string ReadAll(tv::FileSystem& fs, const std::string& path) {
  return fs.ReadBytes(path, 0, std::size_t(std::max<std::int64_t>(0, fs.FileSize(path))));
}

// The ^Z end marks that end the file stay there; the lines are compared
// without them.
std::pair<std::string, std::string> SplitEndMark(const std::string& bytes) {
  const std::size_t mark = bytes.find_last_not_of('\x1A') + 1;
  return {bytes.substr(0, mark), bytes.substr(mark)};
}

bool SameLine(const Line& before, const Line& after, bool last) {
  // A last line without a line end gets one when a line follows it.
  return before == after || (last && before.end.empty() && before.text == after.text && after.end == "\r\n");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string section = in.ConsumeRandomLengthString(24);
  const std::string key = KeyName(in.ConsumeRandomLengthString(24));
  const std::string value = in.ConsumeRandomLengthString(64);
  const std::string original = in.ConsumeRemainingBytesAsString();
  const std::string path = tv::fuzz::WriteInput("Tarvolin.ini", original);

  tv::FileSystem fs(tv::fuzz::Folder());
  tv::IniFile ini(fs, path);
  const auto names = Names(Lines(original));
  std::vector<std::string> before;
  for (const auto& [s, k] : names) {
    before.push_back(ini.ReadString(s, k, "\x01"));
    (void)ini.ReadInteger(s, k, -1);
  }

  ini.WriteString(section, key, value);
  const std::string first = ReadAll(fs, path);
  tv::IniFile(fs, path).WriteString(section, key, value);
  const std::string bytes = ReadAll(fs, path);
  Check(bytes == first, "writing the same value again changes no byte");
  const tv::IniFile reread(fs, path);
  Check(ini.ReadString(section, key, "\x01") == AsRead(value), "the write is seen in memory");
  Check(reread.ReadString(section, key, "\x01") == AsRead(value), "the write is seen on disk");

  const auto [oldText, oldMark] = SplitEndMark(original);
  const auto [newText, newMark] = SplitEndMark(bytes);
  Check(oldMark == newMark, "an end mark stays at the end");
  const std::vector<Line> old = Lines(oldText), now = Lines(newText);
  std::size_t head = 0;
  while (head < old.size() && head < now.size() && SameLine(old[head], now[head], head + 1 == old.size())) ++head;
  std::size_t tail = 0;
  while (tail < old.size() - head && tail < now.size() - head &&
         old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
    ++tail;
  Check(old.size() - head - tail <= 1 && now.size() - head - tail <= 2, "only the written line changes");

  for (std::size_t i = 0; i < names.size(); ++i) {
    const auto& [s, k] = names[i];
    // Names lose their line breaks.
    if (tv::EqualsNoCase(Trim(s), Trim(OneLine(section))) && tv::EqualsNoCase(Trim(k), Trim(key))) continue;
    Check(ini.ReadString(s, k, "\x01") == before[i], "another key keeps its value in memory");
    Check(reread.ReadString(s, k, "\x01") == before[i], "another key keeps its value on disk");
  }
  return 0;
}
