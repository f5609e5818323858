#include "catalog/ReadMe.h"

#include <array>
#include <cstdint>

#include "platform/Text.h"

namespace tv {
namespace {

// 0x80 to 0x9F of Windows-1252; 0 marks the bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto lead = std::uint8_t(s[i]);
    std::size_t more = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      more = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      more = 2;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      more = 3;
    } else if (lead >= 0x80) {
      return false;
    }
    if (i + more >= s.size() && more > 0) return false;
    char32_t c = lead & (0x7F >> more);
    for (std::size_t k = 1; k <= more; ++k) {
      const auto b = std::uint8_t(s[i + k]);
      if ((b & 0xC0) != 0x80) return false;
      c = (c << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond U+10FFFF.
    if ((more == 2 && c < 0x800) || (more == 3 && c < 0x10000) || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
      return false;
    i += more + 1;
  }
  return true;
}

}  // namespace

std::optional<ReadMeFile> FindReadMe(FileSystem& fs, const std::string& programFolder, const std::string& mapFolder,
                                     const std::string& row) {
  const std::size_t ending = FindNoCase(row, ".map");
  if (ending == std::string::npos) return std::nullopt;
  const std::string name = row.substr(0, ending + 1) + "txt";
  for (const std::string& folder : {programFolder, programFolder + mapFolder + kSep, programFolder + "Help" + kSep})
    if (fs.FileExists(folder + name)) return ReadMeFile{folder, name};
  return ReadMeFile{programFolder + "Text" + kSep, name};
}

std::string ReadMeCaption(std::string_view fileName) {
  const std::size_t dot = fileName.find('.');
  return "Text Information for: " + std::string(dot == std::string_view::npos ? "" : fileName.substr(0, dot));
}

ReadMeView LoadReadMe(FileSystem& fs, const ReadMeFile& file) {
  ReadMeView view;
  view.caption = NameToUtf8(ReadMeCaption(file.name));
  const std::string path = file.folder + file.name;
  const std::int64_t size = fs.FileSize(path);
  if (size < 0) {
    view.text = NameToUtf8("The file: " + file.name + " was not found!");
    return view;
  }
  view.text = Cp1252ToUtf8(fs.ReadBytes(path, 0, kReadMeLimit));
  if (std::uint64_t(size) > kReadMeLimit)
    view.text += "\r\n\r\n[Only the first " + Dec(kReadMeLimit >> 20) + " MB of " + Dec(size) + " bytes are shown.]";
  view.beep = BeepKind::Information;
  return view;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto b = std::uint8_t(byte);
    if (b >= 0x80 && b <= 0x9F) {
      const char16_t c = kHighControls[b - 0x80];
      AppendUtf8(out, c ? c : 0xFFFD);
    } else {
      AppendUtf8(out, b);
    }
  }
  return out;
}

std::string NameToUtf8(std::string_view name) { return IsValidUtf8(name) ? std::string(name) : Cp1252ToUtf8(name); }

}  // namespace tv
