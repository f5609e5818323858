#include "settings/IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "fixture/Fixture.h"
#include "platform/RunTimeError.h"

namespace tv {
namespace {

using fixture::ReadFile;
using fixture::WriteFile;
using namespace std::string_literals;

constexpr const char* kDef = "<default>";

struct EditCase {
  std::string original;
  const char* section;
  const char* key;
  const char* value;
  std::string expected;
};

class IniFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return m_dir.Path() + "Tarvolin.ini"; }
  // Lays down bytes as the settings file and opens it afresh.
  IniFile Open(const std::string& bytes, IniFile::Writes writes = IniFile::Writes::Immediate) {
    WriteFile(Path(), bytes);
    return IniFile(m_fs, Path(), writes);
  }
  // Writes each value into a fresh file and compares every byte.
  void ExpectWrites(const char* rule, std::span<const EditCase> cases) {
    for (const EditCase& c : cases) {
      IniFile ini = Open(c.original);
      ini.WriteString(c.section, c.key, c.value);
      EXPECT_EQ(ReadFile(Path()), c.expected) << rule << ": " << c.original;
    }
  }
  ino_t Inode() const {
    struct stat st {};
    return ::stat(Path().c_str(), &st) == 0 ? st.st_ino : 0;
  }

  fixture::TempFolder m_dir;
  FileSystem m_fs;
};

struct ReadCase {
  const char* rule;
  std::string file;
  const char* section;
  const char* key;
  std::string expected;
};

TEST_F(IniFileTest, ReadsTheWayWindowsDoes) {
  const ReadCase cases[] = {
      {"names ignore case", "[Tarvolin]\r\nDukeFilename=x\r\n", "TARVOLIN", "dukefilename", "x"},
      {"names ignore case", "[tarvolin]\r\ndukefilename=x\r\n", "Tarvolin", "DukeFilename", "x"},
      {"case of A-Z only", "[S\xC9]\r\nK=x\r\n", "S\xE9", "K", kDef},
      {"case of A-Z only", "[S]\r\n\xC9=x\r\n", "S", "\xE9", kDef},
      {"8-bit names match exactly", "[S\xC9]\r\n\xC9=x\r\n", "s\xC9", "\xC9", "x"},
      {"asked names are trimmed", "[S]\r\nK=x\r\n", " \tS \t", "\t K ", "x"},
      {"header names are trimmed", "[  S \t]\r\nK=x\r\n", "S", "K", "x"},
      {"inner spaces must match", "[a b]\r\nk l=x\r\n", "a  b", "k l", kDef},
      {"inner spaces must match", "[a b]\r\nk l=x\r\n", "a b", "k  l", kDef},
      {"inner spaces must match", "[a b]\r\nk l=x\r\n", "a b", "k l", "x"},
      {"missing section", "[S]\r\nK=x\r\n", "T", "K", kDef},
      {"missing key", "[S]\r\nK=x\r\n", "S", "J", kDef},
      {"present empty key", "[S]\r\nK=\r\n", "S", "K", ""},
      {"present blank key", "[S]\r\nK=  \t \r\n", "S", "K", ""},
      {"a line without = is no key", "[S]\r\nK\r\n", "S", "K", kDef},
      {"spaces around key and value", "[S]\r\n  Name  =  padded value  \r\n", "S", "Name", "padded value"},
      {"tabs around key and value", "[S]\r\n\tName\t=\tv\t\r\n", "S", "name", "v"},
      {"double quotes removed", "[S]\r\nK=\"x\"\r\n", "S", "K", "x"},
      {"single quotes removed", "[S]\r\nK='x'\r\n", "S", "K", "x"},
      {"empty quotes", "[S]\r\nK=\"\"\r\n", "S", "K", ""},
      {"quoted spaces kept", "[S]\r\nK=  \"  p  \"  \r\n", "S", "K", "  p  "},
      {"only the outer quotes go", "[S]\r\nK=\"a\"b\"\r\n", "S", "K", "a\"b"},
      {"mismatched quotes stay", "[S]\r\nK=\"mismatch'\r\n", "S", "K", "\"mismatch'"},
      {"lone quote stays", "[S]\r\nK=\"\r\n", "S", "K", "\""},
      {"quote at one end stays", "[S]\r\nK=x'\r\n", "S", "K", "x'"},
      {"first = splits", "[S]\r\na=b=c\r\n", "S", "a", "b=c"},
      {"first = splits", "[S]\r\nk = = v\r\n", "S", "k", "= v"},
      {"; and # belong to a value", "[S]\r\nk=x;y#z\r\n", "S", "k", "x;y#z"},
      {"; starts a comment", "[S]\r\n;K=x\r\n", "S", "K", kDef},
      {"; starts a comment", "[S]\r\n;K=x\r\n", "S", ";K", kDef},
      {"# is an ordinary key", "[S]\r\n#K=x\r\n", "S", "#K", "x"},
      {"first duplicate key wins", "[S]\r\nK=1\r\nK=2\r\n", "S", "k", "1"},
      {"first section only", "[S]\r\nK=1\r\n[T]\r\n[s]\r\nK=2\r\nJ=3\r\n", "S", "K", "1"},
      {"first section only", "[S]\r\nK=1\r\n[T]\r\n[s]\r\nK=2\r\nJ=3\r\n", "S", "J", kDef},
      {"keys before a section are in none", "K=1\r\n[S]\r\nJ=2\r\n", "S", "K", kDef},
      {"keys before a section are in none", "K=1\r\n[S]\r\nJ=2\r\n", "", "K", kDef},
      {"header to the last ]", "[a]b]\r\nK=1\r\n", "a]b", "K", "1"},
      {"text after the header", "[x] text\r\nK=1\r\n", "x", "K", "1"},
      {"[ without ] is no header", "[S]\r\nA=1\r\n[broken\r\nB=2\r\n", "S", "B", "2"},
      {"[ without ] is no header", "[broken\r\nB=2\r\n", "broken", "B", kDef},
      {"bytes are not re-encoded", "[S]\r\nK=\xE9\x80\xFF\r\n", "S", "K", "\xE9\x80\xFF"},
      {"a NUL byte is a byte", "[S]\r\nK=a\0b\r\n"s, "S", "K", "a\0b"s},
      {"a byte-order mark is no part of the first line", "\xEF\xBB\xBF[S]\r\nK=x\r\n", "S", "K", "x"},
      {"a byte-order mark only at the start", "[S]\r\n\xEF\xBB\xBFK=1\r\n", "S", "K", kDef},
      {"^Z ends the file", "[S]\r\nK=x\x1A", "S", "K", "x"},
      {"^Z ends the file", "[S]\r\nK=x \x1A\x1A", "S", "K", "x"},
      {"^Z ends the file", "[S]\r\nK=x\r\n\x1A", "S", "K", "x"},
      {"^Z before more text is a byte", "[S]\r\nK=x\x1Ay\r\n", "S", "K", "x\x1Ay"},
      {"^Z before more text is a byte", "[S]\r\nK=x\x1A\r\n", "S", "K", "x\x1A"},
  };
  for (const ReadCase& c : cases) {
    IniFile ini = Open(c.file);
    EXPECT_EQ(ini.ReadString(c.section, c.key, kDef), c.expected) << c.rule << ": " << c.file;
  }
}

TEST_F(IniFileTest, EveryLineEndReadsTheSame) {
  const char* lines[] = {"; comment", "[S]", "A = 1", "B=two", "", "[T]", "C=3"};
  const char* ends[][3] = {{"\n", "\n", "\n"}, {"\r\n", "\r\n", "\r\n"}, {"\r", "\r", "\r"}, {"\r\n", "\n", "\r"}};
  for (const auto& end : ends) {
    for (const bool finalEnd : {true, false}) {
      std::string bytes;
      for (std::size_t i = 0; i < std::size(lines); ++i)
        bytes += lines[i] + std::string(i + 1 < std::size(lines) || finalEnd ? end[i % 3] : "");
      IniFile ini = Open(bytes);
      EXPECT_EQ(ini.ReadString("S", "A", kDef), "1") << bytes;
      EXPECT_EQ(ini.ReadString("S", "B", kDef), "two") << bytes;
      EXPECT_EQ(ini.ReadString("T", "C", kDef), "3") << bytes;
      EXPECT_EQ(ini.ReadString("S", "C", kDef), kDef) << bytes;
      EXPECT_EQ(ini.ReadString("S", "", kDef), kDef) << bytes;
    }
  }
}

TEST_F(IniFileTest, TextsAreCutTo2047Characters) {
  struct Case {
    std::string stored;
    std::size_t length;
  } cases[] = {
      {std::string(2046, 'x'), 2046},
      {std::string(2047, 'x'), 2047},
      {std::string(2048, 'x'), 2047},
      {std::string(5000, 'x'), 2047},
      {"\"" + std::string(3000, 'x') + "\"", 2047},
  };
  for (const Case& c : cases) {
    IniFile ini = Open("[S]\r\nK=" + c.stored + "\r\nJ=after\r\n");
    EXPECT_EQ(ini.ReadString("S", "K", kDef), std::string(c.length, 'x')) << c.stored.size();
    EXPECT_EQ(ini.ReadString("S", "J", kDef), "after");
  }
}

// Decimal with a sign, "0x"/"0X" hexadecimal when longer than two characters;
// any other text gives the default (the program's rule, stricter than Windows').
TEST_F(IniFileTest, IntegersFollowTheProgramsRule) {
  struct Case {
    std::string stored;
    long expected;
  } cases[] = {
      {"42", 42},
      {"-7", -7},
      {"+5", 5},
      {"0", 0},
      {"007", 7},
      {"  12  ", 12},
      {"\"42\"", 42},
      {"0x2", 2},
      {"0X1f", 31},
      {"0xFF", 255},
      {"0x7FFFFFFF", 2147483647},
      {"0x000000010", 16},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647L - 1},
      {"0x", 77},
      {"0X", 77},
      {"0x1G", 77},
      {"0x-1", 77},
      {"0x100000000", 77},
      {"12abc", 77},
      {"1.5", 77},
      {"two", 77},
      {"", 77},
      {"-", 77},
      {"+", 77},
      {"1 2", 77},
      {"-0x10", 77},
      {"2147483648", 77},
      {"-2147483649", 77},
      {"99999999999999999999", 77},
  };
  for (const Case& c : cases) {
    IniFile ini = Open("[S]\r\nK=" + c.stored + "\r\n");
    EXPECT_EQ(ini.ReadInteger("S", "K", 77), c.expected) << "'" << c.stored << "'";
  }
  IniFile ini = Open("[S]\r\n");
  EXPECT_EQ(ini.ReadInteger("S", "K", 77), 77);
  EXPECT_EQ(ini.ReadInteger("T", "K", -3), -3);
}

TEST_F(IniFileTest, BooleansAreIntegers) {
  struct Case {
    std::string stored;
    bool whenDefaultFalse;
    bool whenDefaultTrue;
  } cases[] = {
      {"0", false, false},  {"1", true, true},    {"-3", true, true}, {"0x0", false, false},
      {"0x10", true, true}, {"two", false, true}, {"", false, true},  {"True", false, true},
  };
  for (const Case& c : cases) {
    IniFile ini = Open("[S]\r\nK=" + c.stored + "\r\n");
    EXPECT_EQ(ini.ReadBool("S", "K", false), c.whenDefaultFalse) << c.stored;
    EXPECT_EQ(ini.ReadBool("S", "K", true), c.whenDefaultTrue) << c.stored;
  }
}

TEST_F(IniFileTest, ReadingNeverCreatesTheFile) {
  IniFile ini(m_fs, Path());
  EXPECT_FALSE(ini.FileExisted());
  EXPECT_EQ(ini.ReadString("S", "K", kDef), kDef);
  EXPECT_EQ(ini.ReadInteger("S", "K", 5), 5);
  ini.DeleteKey("S", "K");
  ini.Flush();
  EXPECT_FALSE(fixture::Exists(Path()));
}

TEST_F(IniFileTest, AMissingFileIsCreated) {
  IniFile ini(m_fs, Path());
  ini.WriteString("Tarvolin", "DukeFilename", "Duke3dw.exe");
  EXPECT_TRUE(ini.FileExisted());
  EXPECT_EQ(ReadFile(Path()), "[Tarvolin]\r\nDukeFilename=Duke3dw.exe\r\n");
  ini.WriteString("Tarvolin", "LastPlayedTC", "");
  ini.WriteInteger("Tarvolin", "LastMapFolder", -12);
  ini.WriteBool("Tarvolin", "NoMonsters", true);
  EXPECT_EQ(ReadFile(Path()),
            "[Tarvolin]\r\nDukeFilename=Duke3dw.exe\r\nLastPlayedTC=\r\nLastMapFolder=-12\r\nNoMonsters=1\r\n");
  IniFile again(m_fs, Path());
  EXPECT_EQ(again.ReadString("tarvolin", "lastplayedtc", kDef), "");
}

// The name is matched without regard to case: the existing file is read and replaced.
TEST_F(IniFileTest, TheFileNameIgnoresCase) {
  WriteFile(Path(), "[S]\r\nK=1\r\n");
  IniFile ini(m_fs, m_dir.Path() + "TARVOLIN.INI");
  EXPECT_TRUE(ini.FileExisted());
  EXPECT_EQ(ini.ReadString("S", "K", kDef), "1");
  ini.WriteString("S", "K", "2");
  EXPECT_EQ(ReadFile(Path()), "[S]\r\nK=2\r\n");
  EXPECT_EQ(m_fs.List(m_dir.Path(), "*"), std::vector<std::string>{"Tarvolin.ini"});
}

TEST_F(IniFileTest, AFileThatCannotBeWrittenIsAnError) {
  fixture::MakeFolder(m_dir.Path() + "Folder.ini");
  WriteFile(m_dir.Path() + "plain.txt", "x");
  const char* paths[] = {"Missing/Tarvolin.ini", "Folder.ini", "plain.txt/Tarvolin.ini"};
  for (const char* name : paths) {
    const std::string path = m_dir.Path() + name;
    for (const auto writes : {IniFile::Writes::Immediate, IniFile::Writes::Deferred}) {
      IniFile ini(m_fs, path, writes);
      try {
        ini.WriteString("S", "K", "v");
        ini.Flush();
        ADD_FAILURE() << "no error for " << name;
      } catch (const RunTimeError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
      }
    }
  }
  EXPECT_FALSE(fixture::Exists(m_dir.Path() + "Missing"));
  EXPECT_TRUE(m_fs.FolderExists(m_dir.Path() + "Folder.ini"));
  EXPECT_EQ(ReadFile(m_dir.Path() + "plain.txt"), "x");
}

TEST_F(IniFileTest, ReplacingAValueRewritesOnlyItsLine) {
  const EditCase cases[] = {
      {"[S]\r\nA=1\r\nB=2\r\n", "S", "B", "3", "[S]\r\nA=1\r\nB=3\r\n"},
      {"; top\n[S]\nA = 1\n\n[T]\nA=1", "S", "A", "9", "; top\n[S]\nA=9\n\n[T]\nA=1"},
      {"[S]\rA=1\rB=2\r", "S", "A", "x", "[S]\rA=x\rB=2\r"},
      {"[S]\r\nA=1\nB=2\rC=3", "S", "C", "4", "[S]\r\nA=1\nB=2\rC=4"},
      {"[tarvolin]\r\ndukefilename=x\r\n", "Tarvolin", "DukeFilename", "y", "[tarvolin]\r\ndukefilename=y\r\n"},
      {"[S]\r\nK=1\r\nK=2\r\n[S]\r\nK=3\r\n", "s", "k", "9", "[S]\r\nK=9\r\nK=2\r\n[S]\r\nK=3\r\n"},
      {"[S]\r\nA=\xE9\r\n  B=2  \r\n\xFF\r\n[T]\r\nX=a\0b\r\n"s, "S", "A", "new",
       "[S]\r\nA=new\r\n  B=2  \r\n\xFF\r\n[T]\r\nX=a\0b\r\n"s},
      {"[S]\r\nA=1\r\n", "S", "A", "", "[S]\r\nA=\r\n"},
      {"[S]\r\nA=\"x\"\r\n", "S", "A", "y", "[S]\r\nA=y\r\n"},
      {"[S]\r\nA=1\r\n", "S", "A", "\xE9 ;#=\"", "[S]\r\nA=\xE9 ;#=\"\r\n"},
      {"\xEF\xBB\xBF[S]\r\nA=1\r\n", "S", "A", "2", "\xEF\xBB\xBF[S]\r\nA=2\r\n"},
      {"[S]\r\nA=1\x1A", "S", "A", "2", "[S]\r\nA=2\x1A"},
      {"[S]\r\nA=1\r\n\x1A", "S", "A", "2", "[S]\r\nA=2\r\n\x1A"},
  };
  ExpectWrites("replace", cases);
}

// The value already there: the file is not touched at all.
TEST_F(IniFileTest, WritingTheSameValueLeavesTheFileAlone) {
  struct Case {
    std::string original;
    const char* key;
    const char* value;
  } cases[] = {
      {"[S]\r\nA=1\r\n", "A", "1"},        {"[S]\nA  =  1  \n;end", "a", "1"},         {"[s]\r\nA=\r\n", "A", ""},
      {"[S]\r\nA=1\r\nA=2\r\n", "A", "1"}, {"[S]\rA=Duke3dw.exe", "A", "Duke3dw.exe"},
  };
  for (const Case& c : cases) {
    IniFile ini = Open(c.original);
    fixture::SetFileTime(Path(), 1'000'000'000);
    const ino_t inode = Inode();
    ini.WriteString("S", c.key, c.value);
    EXPECT_EQ(ReadFile(Path()), c.original);
    EXPECT_EQ(Inode(), inode) << c.original;
    EXPECT_EQ(fixture::FileTime(Path()), 1'000'000'000) << c.original;
  }
  IniFile ini = Open("[S]\r\nN=-5\r\nB=1\r\n");
  const ino_t inode = Inode();
  ini.WriteInteger("S", "N", -5);
  ini.WriteBool("S", "B", true);
  EXPECT_EQ(Inode(), inode);
}

TEST_F(IniFileTest, NewKeysGoAfterTheSectionsLastKeyOrComment) {
  const EditCase cases[] = {
      {"[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n", "S", "C", "3", "[S]\r\nA=1\r\nC=3\r\n\r\n[T]\r\nB=2\r\n"},
      {"[S]\r\nA=1\r\n;note\r\n\r\n[T]\r\n", "S", "C", "3", "[S]\r\nA=1\r\n;note\r\nC=3\r\n\r\n[T]\r\n"},
      {"[S]\r\n\r\n[T]\r\n", "S", "C", "3", "[S]\r\nC=3\r\n\r\n[T]\r\n"},
      {"[S]\nA=1", "S", "C", "3", "[S]\nA=1\r\nC=3\r\n"},
      {"[S]", "S", "C", "3", "[S]\r\nC=3\r\n"},
      {"[S]\nA=1\nnot a key\n\n[T]\n", "S", "C", "3", "[S]\nA=1\nC=3\r\nnot a key\n\n[T]\n"},
      {"[S]\nA=1\n[T]\n[S]\nB=1\n", "S", "C", "3", "[S]\nA=1\nC=3\r\n[T]\n[S]\nB=1\n"},
      {"[ s ]\r\n", "S", " C ", "3", "[ s ]\r\nC=3\r\n"},
      {"[S]\r\n;K=1\r\n", "S", "K", "2", "[S]\r\n;K=1\r\nK=2\r\n"},
      {"[S]\r\nA=1\r\n", "S", "E", "", "[S]\r\nA=1\r\nE=\r\n"},
      {"\xEF\xBB\xBF[S]\r\nA=1\x1A", "S", "C", "3", "\xEF\xBB\xBF[S]\r\nA=1\r\nC=3\r\n\x1A"},
  };
  ExpectWrites("new key", cases);
}

TEST_F(IniFileTest, NewSectionsGoAtTheEnd) {
  const EditCase cases[] = {
      {"[S]\r\nA=1\r\n", "T", "B", "2", "[S]\r\nA=1\r\n[T]\r\nB=2\r\n"},
      {"[S]\r\nA=1", "T", "B", "2", "[S]\r\nA=1\r\n[T]\r\nB=2\r\n"},
      {"", "T", "B", "2", "[T]\r\nB=2\r\n"},
      {"K=1\n", "T", "B", "2", "K=1\n[T]\r\nB=2\r\n"},
      {"[S]\nA=1\n\n", "T", "B", "2", "[S]\nA=1\n\n[T]\r\nB=2\r\n"},
      {"[broken\n", "broken", "B", "2", "[broken\n[broken]\r\nB=2\r\n"},
      {"[S]\r\n", "  T ", "B", "", "[S]\r\n[T]\r\nB=\r\n"},
      {"\xEF\xBB\xBF", "T", "B", "2", "\xEF\xBB\xBF[T]\r\nB=2\r\n"},
      {"[S]\r\nA=1\r\n\x1A", "T", "B", "2", "[S]\r\nA=1\r\n[T]\r\nB=2\r\n\x1A"},
  };
  ExpectWrites("new section", cases);
}

TEST_F(IniFileTest, DeletingAKeyRemovesItsLineOnly) {
  struct Case {
    std::string original;
    const char* section;
    const char* key;
    std::string expected;
  } cases[] = {
      {"[S]\r\nA=1\r\nB=2\r\n", "S", "A", "[S]\r\nB=2\r\n"},
      {"[S]\nA=1\nA=2\n", "s", "a", "[S]\nA=2\n"},
      {"[S]\nA=1\nB=2", "S", "B", "[S]\nA=1\n"},
      {"[S]\r\nA=1\r\n", "S", "Z", "[S]\r\nA=1\r\n"},
      {"[S]\r\nA=1\r\n", "T", "A", "[S]\r\nA=1\r\n"},
      {"[S]\r\n;A=1\r\n", "S", "A", "[S]\r\n;A=1\r\n"},
      {"A=1\r\n[S]\r\n", "S", "A", "A=1\r\n[S]\r\n"},
  };
  for (const Case& c : cases) {
    IniFile ini = Open(c.original);
    const ino_t inode = Inode();
    ini.DeleteKey(c.section, c.key);
    EXPECT_EQ(ReadFile(Path()), c.expected) << c.original;
    if (c.expected == c.original) {
      EXPECT_EQ(Inode(), inode) << c.original;
    }
  }
}

// A line break in a value must never turn into a line of the file.
TEST_F(IniFileTest, AValueNeverInjectsALine) {
  const char* values[] = {"a\r\nB=evil", "a\nB=evil", "a\rB=evil", "\n[T]\nB=evil\n", "\r\n"};
  const char* originals[] = {"", "[S]\r\nK=old\r\n", "[S]\r\nA=1\r\n", "[X]\r\n"};
  for (const char* original : originals) {
    for (const char* value : values) {
      IniFile ini = Open(original);
      ini.WriteString("S", "K", value);
      IniFile after(m_fs, Path());
      const std::string stored = after.ReadString("S", "K", kDef);
      EXPECT_EQ(stored.find_first_of("\r\n"), std::string::npos) << original << "|" << value;
      EXPECT_EQ(after.ReadString("S", "B", kDef), kDef) << original << "|" << value;
      EXPECT_EQ(after.ReadString("T", "B", kDef), kDef) << original << "|" << value;
      const std::string bytes = ReadFile(Path());
      for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        const std::string_view line(bytes.data() + start, end - start);
        EXPECT_FALSE(line.starts_with("B=") || line.starts_with("[T]")) << original << "|" << value;
        start = end + 1;
      }
    }
  }
}

// Deferred writes reach the file together at Flush(), in one replacement.
TEST_F(IniFileTest, DeferredWritesWaitForFlush) {
  {
    IniFile ini(m_fs, Path(), IniFile::Writes::Deferred);
    ini.WriteString("S", "A", "1");
    ini.WriteInteger("S", "B", 2);
    EXPECT_FALSE(fixture::Exists(Path()));
    EXPECT_EQ(ini.ReadString("S", "B", kDef), "2");
    ini.Flush();
    EXPECT_EQ(ReadFile(Path()), "[S]\r\nA=1\r\nB=2\r\n");
  }
  IniFile ini(m_fs, Path(), IniFile::Writes::Deferred);
  const ino_t inode = Inode();
  ini.WriteString("S", "A", "x");
  ini.DeleteKey("S", "B");
  ini.WriteBool("T", "C", false);
  EXPECT_EQ(ReadFile(Path()), "[S]\r\nA=1\r\nB=2\r\n");
  EXPECT_EQ(Inode(), inode);
  ini.Flush();
  EXPECT_EQ(ReadFile(Path()), "[S]\r\nA=x\r\n[T]\r\nC=0\r\n");
  const ino_t flushed = Inode();
  ini.Flush();
  ini.WriteString("S", "A", "x");
  ini.Flush();
  EXPECT_EQ(Inode(), flushed);
}

}  // namespace
}  // namespace tv
