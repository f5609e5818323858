// The read-me viewer: which file a map's read-me is, and what is shown of it.
#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/stat.h>

#include "catalog/ReadMe.h"
#include "fixture/Fixture.h"

namespace tv {
namespace {

TEST(ReadMe, OfAMapIsLookedForBesideTheProgramTheMapAndInHelp) {
  const struct {
    const char* row;
    std::vector<std::string> files;
    std::optional<std::string> folder;  // relative to the program folder
    const char* name;
  } cases[] = {
      {"Foo.map", {"Foo.txt", "Maps/Foo.txt", "Help/Foo.txt"}, "", "Foo.txt"},
      {"Foo.map", {"Maps/Foo.txt", "Help/Foo.txt"}, "Maps/", "Foo.txt"},
      {"Foo.map", {"Help/Foo.txt"}, "Help/", "Foo.txt"},
      {"Foo.map", {"Maps1/Foo.txt"}, "Text/", "Foo.txt"},
      {"FOO.MAP", {"Maps/foo.TXT"}, "Maps/", "FOO.txt"},
      {"Dm.maps.map", {}, "Text/", "Dm.txt"},
      {"Foo", {"Foo.txt"}, std::nullopt, ""},
      {"", {}, std::nullopt, ""},
  };
  for (const auto& c : cases) {
    fixture::TempFolder folder;
    FileSystem fs(folder.Path());
    fixture::MakeFolder(folder.Path() + "Maps");
    for (const std::string& f : c.files) fixture::WriteFile(folder.Path() + f, "read me");
    const std::optional<ReadMeFile> found = FindReadMe(fs, folder.Path(), "Maps", c.row);
    EXPECT_EQ(found ? found->folder + found->name : "-", c.folder ? folder.Path() + *c.folder + c.name : "-") << c.row;
  }
}

// Only a regular file is read (a pipe would wait for a writer), never more
// than the limit of it; its bytes are Windows-1252 text.
TEST(ReadMe, ShowsARegularFileUpToTheLimitElseSaysItWasNotFound) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  fixture::WriteFile(dir.Path() + "FOO.TXT", "Line one\r\n\tTabbed \x80\r\n");
  fixture::MakeFolder(dir.Path() + "Folder.txt");
  ASSERT_EQ(::mkfifo((dir.Path() + "Pipe.txt").c_str(), 0644), 0);
  fixture::WriteSparseFile(dir.Path() + "Big.txt", 44'000'000);
  fixture::WriteSparseFile(dir.Path() + "Limit.txt", kReadMeLimit);
  const std::string big =
      std::string(kReadMeLimit, '\0') + "\r\n\r\n[Only the first 4 MB of 44000000 bytes are shown.]";
  const struct {
    const char* name;
    std::string caption, text;
    BeepKind beep;
  } cases[] = {
      {"Foo.txt", "Foo", "Line one\r\n\tTabbed \u20AC\r\n", BeepKind::Information},
      {"Big.txt", "Big", big, BeepKind::Information},
      {"Limit.txt", "Limit", std::string(kReadMeLimit, '\0'), BeepKind::Information},
      {"Missing.v2.txt", "Missing", "The file: Missing.v2.txt was not found!", BeepKind::Default},
      {"Folder.txt", "Folder", "The file: Folder.txt was not found!", BeepKind::Default},
      {"Pipe.txt", "Pipe", "The file: Pipe.txt was not found!", BeepKind::Default},
      {"Caf\xE9.txt", "Caf\u00E9", "The file: Caf\u00E9.txt was not found!", BeepKind::Default},
      {".txt", "", "The file: .txt was not found!", BeepKind::Default},
      {"README", "", "The file: README was not found!", BeepKind::Default},
  };
  for (const auto& c : cases) {
    const ReadMeView v = LoadReadMe(fs, {dir.Path(), c.name});
    EXPECT_EQ(v.caption, "Text Information for: " + c.caption) << c.name;
    EXPECT_TRUE(v.text == c.text) << c.name << ": " << v.text.substr(0, 80);
    EXPECT_EQ(v.beep, c.beep) << c.name;
  }
}

// glibc's own code page table is the reference; the bytes it rejects are the
// five the code page leaves undefined.
TEST(Cp1252ToUtf8, AgreesWithTheSystemsCodePageForEveryByte) {
  iconv_t cd = ::iconv_open("UTF-8", "CP1252");
  ASSERT_NE(cd, iconv_t(-1));
  int undefined = 0;
  std::string all, expectedAll;
  for (int b = 0; b < 256; ++b) {
    char in[1] = {char(b)}, out[8] = {};
    char *inPtr = in, *outPtr = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const bool ok = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != std::size_t(-1);
    const std::string expected = ok ? std::string(out, sizeof out - outLeft) : "\uFFFD";
    undefined += ok ? 0 : 1;
    EXPECT_EQ(Cp1252ToUtf8(std::string(1, char(b))), expected) << "byte " << b;
    all += char(b), expectedAll += expected;
  }
  ::iconv_close(cd);
  EXPECT_EQ(undefined, 5);
  EXPECT_EQ(Cp1252ToUtf8(all), expectedAll);
}

TEST(NameToUtf8, KeepsValidUtf8AndReadsTheRestAsWindows1252) {
  const char* const cases[][2] = {
      {"R\u00E9sum\u00E9.txt", "R\u00E9sum\u00E9.txt"},
      {"R\xE9sum\xE9.txt", "R\u00E9sum\u00E9.txt"},
      {"\xC0\xAF", "\u00C0\u00AF"},            // an overlong slash is no UTF-8
      {"\xED\xA0\x80", "\u00ED\u00A0\u20AC"},  // nor is a surrogate
      {"end\xC3", "end\u00C3"},                // nor a cut sequence
  };
  for (const auto& c : cases) EXPECT_EQ(NameToUtf8(c[0]), c[1]) << c[0];
}

}  // namespace
}  // namespace tv
