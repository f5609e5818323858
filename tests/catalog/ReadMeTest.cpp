#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/stat.h>

#include "catalog/ReadMe.h"
#include "fixture/Fixture.h"

namespace tv {
namespace {

TEST(ReadMeCaption, IsTheNameBeforeItsFirstDot) {
  const struct {
    const char* name;
    const char* caption;
  } cases[] = {
      {"Foo.txt", "Text Information for: Foo"},
      {"My Map.v2.txt", "Text Information for: My Map"},
      {"README", "Text Information for: "},
      {".txt", "Text Information for: "},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadMeCaption(c.name), c.caption) << c.name;
}

class ReadMeTest : public ::testing::Test {
 protected:
  ReadMeTest() : pf(dir.Path() + "Duke 3D/"), fs(pf) { fixture::MakeFolder(pf); }

  fixture::TempFolder dir;
  std::string pf;
  FileSystem fs;
};

TEST_F(ReadMeTest, FoundFileIsShownWithTheInformationBeep) {
  fixture::WriteFile(pf + "Maps/FOO.TXT", "Line one\r\n\tTabbed\r\n");
  const ReadMeView v = LoadReadMe(fs, {pf + "Maps/", "Foo.txt"});
  EXPECT_EQ(v.caption, "Text Information for: Foo");
  EXPECT_EQ(v.text, "Line one\r\n\tTabbed\r\n");
  EXPECT_EQ(v.beep, BeepKind::Information);
}

TEST_F(ReadMeTest, AnythingButARegularFileIsNotFound) {
  fixture::MakeFolder(pf + "Text/Folder.txt");
  ASSERT_EQ(::mkfifo((pf + "Text/Pipe.txt").c_str(), 0644), 0);  // reading it would wait for a writer
  for (const char* name : {"Missing.txt", "Folder.txt", "Pipe.txt"}) {
    const ReadMeView v = LoadReadMe(fs, {pf + "Text/", name});
    EXPECT_EQ(v.text, std::string("The file: ") + name + " was not found!");
    EXPECT_EQ(v.beep, BeepKind::Default);
  }
}

TEST_F(ReadMeTest, AHugeFileIsShownUpToTheLimitWithANote) {
  fixture::WriteSparseFile(pf + "Big.txt", 44'000'000);
  const ReadMeView v = LoadReadMe(fs, {pf, "Big.txt"});
  const std::string note = "\r\n\r\n[Only the first 4 MB of 44000000 bytes are shown.]";
  ASSERT_EQ(v.text.size(), kReadMeLimit + note.size());
  EXPECT_EQ(v.text.substr(kReadMeLimit), note);
  EXPECT_EQ(v.beep, BeepKind::Information);
}

TEST_F(ReadMeTest, EightBitTextIsReadAsWindows1252) {
  std::string bytes;
  for (int b = 0x80; b <= 0xFF; ++b) bytes += char(b);
  fixture::WriteFile(pf + "High.txt", bytes);
  const std::string text = LoadReadMe(fs, {pf, "High.txt"}).text;
  EXPECT_EQ(text.substr(0, 9), "\u20AC\uFFFD\u201A");       // 0x80 0x81 0x82
  EXPECT_EQ(text.substr(text.size() - 4), "\u00FE\u00FF");  // 0xFE 0xFF
  EXPECT_EQ(text, Cp1252ToUtf8(bytes));
}

// glibc's own code page table is the reference; the bytes it rejects are the
// five the code page leaves undefined.
TEST(Cp1252ToUtf8, AgreesWithTheSystemsCodePageForEveryByte) {
  iconv_t cd = ::iconv_open("UTF-8", "CP1252");
  ASSERT_NE(cd, iconv_t(-1));
  int undefined = 0;
  for (int b = 0; b < 256; ++b) {
    char in[1] = {char(b)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const bool ok = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != std::size_t(-1);
    const std::string expected = ok ? std::string(out, sizeof out - outLeft) : "\uFFFD";
    undefined += ok ? 0 : 1;
    EXPECT_EQ(Cp1252ToUtf8(std::string(1, char(b))), expected) << "byte " << b;
  }
  ::iconv_close(cd);
  EXPECT_EQ(undefined, 5);
}

TEST(Cp1252ToUtf8, KnownBytes) {
  const struct {
    const char* bytes;
    const char* utf8;
  } cases[] = {
      {"plain\ttext\r\n", "plain\ttext\r\n"},
      {"\x80", "\u20AC"},
      {"\x8A", "\u0160"},
      {"\x99", "\u2122"},
      {"\x9F", "\u0178"},
      {"\x81\x8D\x8F\x90\x9D", "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"\xA0", "\u00A0"},
      {"R\xE9sum\xE9", "R\u00E9sum\u00E9"},
  };
  for (const auto& c : cases) EXPECT_EQ(Cp1252ToUtf8(c.bytes), c.utf8) << c.bytes;
}

TEST(NameToUtf8, KeepsValidUtf8AndReadsTheRestAsWindows1252) {
  const struct {
    const char* name;
    const char* shown;
  } cases[] = {
      {"Foo.txt", "Foo.txt"},
      {"R\u00E9sum\u00E9.txt", "R\u00E9sum\u00E9.txt"},
      {"R\xE9sum\xE9.txt", "R\u00E9sum\u00E9.txt"},
      {"\xC0\xAF", "\u00C0\u00AF"},            // an overlong slash is no UTF-8
      {"\xED\xA0\x80", "\u00ED\u00A0\u20AC"},  // nor is a surrogate
      {"end\xC3", "end\u00C3"},                // nor a cut sequence
  };
  for (const auto& c : cases) EXPECT_EQ(NameToUtf8(c.name), c.shown) << c.name;
}

TEST_F(ReadMeTest, MissingFileNameIsShownReadably) {
  const ReadMeView v = LoadReadMe(fs, {pf, "Caf\xE9.txt"});
  EXPECT_EQ(v.caption, "Text Information for: Caf\u00E9");
  EXPECT_EQ(v.text, "The file: Caf\u00E9.txt was not found!");
}

TEST_F(ReadMeTest, ReadMeOfAMapIsLookedForBesideTheProgramTheMapAndInHelp) {
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
    FileSystem local(folder.Path());
    fixture::MakeFolder(folder.Path() + "Maps");
    for (const std::string& f : c.files) fixture::WriteFile(folder.Path() + f, "read me");
    const std::optional<ReadMeFile> found = FindReadMe(local, folder.Path(), "Maps", c.row);
    ASSERT_EQ(found.has_value(), c.folder.has_value()) << c.row;
    if (!found) continue;
    EXPECT_EQ(found->folder, folder.Path() + *c.folder) << c.row;
    EXPECT_EQ(found->name, c.name) << c.row;
  }
}

}  // namespace
}  // namespace tv
