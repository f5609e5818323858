// The TC opinions in [TarvolinTC]: packing, reading (and converting the older
// form), and recording a new opinion.
#include <gtest/gtest.h>

#include "catalog/Tcs.h"
#include "fixture/Fixture.h"

namespace tv {
namespace {

TcRecord Tc(const std::string& displayName, const std::string& groupFile) {
  TcRecord tc;
  tc.displayName = displayName;
  tc.groupFile = groupFile;
  return tc;
}

class TcOpinions : public ::testing::Test {
 protected:
  TcOpinions() : fs(dir.Path()) {}
  void Write(const std::string& section) { fixture::WriteFile(path, "[TarvolinTC]\r\n" + section); }
  std::string Section() const {
    const std::string text = fixture::ReadFile(path);
    return text.substr(std::min(text.size(), std::string("[TarvolinTC]\r\n").size()));
  }

  fixture::TempFolder dir;
  FileSystem fs;
  std::string path = dir.Path() + "Tarvolin.ini";
  // Display names and group files; the rows are the display names.
  std::vector<TcRecord> tcs = {Tc("Alpha", "A.grp"), Tc("My Great TC", "Mytc.grp"), Tc("Other", "Other.zip")};
  std::vector<std::string> rows = {"Alpha", "My Great TC", "Other"};
};

TEST_F(TcOpinions, KeysHaveTwoDigitsAtLeast) {
  EXPECT_EQ(TcOpinionKey(0), "TC_00");
  EXPECT_EQ(TcOpinionKey(9), "TC_09");
  EXPECT_EQ(TcOpinionKey(10), "TC_10");
  EXPECT_EQ(TcOpinionKey(299), "TC_299");
}

TEST_F(TcOpinions, PackingDropsTheNoOpinionsAndClosesTheGaps) {
  const struct {
    const char* before;
    const char* after;
  } cases[] = {
      {"TC_00=3 A.grp\r\nTC_01=0 B.grp\r\nTC_02=0 C.grp\r\nTC_03=5 D.grp\r\n", "TC_00=3 A.grp\r\nTC_01=5 D.grp\r\n"},
      {"TC_00=0 A.grp\r\n", ""},
      // Reading ends at the first empty value: what lies beyond stays.
      {"TC_00=0 A.grp\r\nTC_01=2 B.grp\r\nTC_03=0 D.grp\r\n", "TC_03=0 D.grp\r\nTC_00=2 B.grp\r\n"},
      {"TC_00=3 A.grp\r\nTC_01=5 D.grp\r\n", "TC_00=3 A.grp\r\nTC_01=5 D.grp\r\n"},
  };
  for (const auto& c : cases) {
    Write(c.before);
    IniFile ini(fs, path);
    PackTCOpinions(ini);
    EXPECT_EQ(Section(), c.after) << c.before;
  }
}

TEST_F(TcOpinions, APackedSectionIsNotWrittenAgain) {
  Write("TC_00=3 A.grp\r\nTC_01=5 D.grp\r\n");
  fixture::SetFileTime(path, 1600000000);
  IniFile ini(fs, path);
  PackTCOpinions(ini);
  EXPECT_EQ(fixture::FileTime(path), 1600000000);
}

TEST_F(TcOpinions, PackingAMissingFileCreatesNothing) {
  IniFile ini(fs, path);
  PackTCOpinions(ini);
  EXPECT_FALSE(fixture::Exists(path));
}

TEST_F(TcOpinions, ReadingColoursTheRowsTheEntriesName) {
  const struct {
    const char* entries;
    std::vector<std::pair<std::size_t, char>> opinions;
    const char* rewritten;  // the section afterwards
  } cases[] = {
      {"TC_00=3 A.grp\r\n", {{0, '3'}}, "TC_00=3 A.grp\r\n"},
      {"TC_00=3 a.GRP\r\n", {{0, '3'}}, "TC_00=3 a.GRP\r\n"},
      {"TC_00=4 Mytc.grp\r\nTC_01=7 Other.zip\r\n", {{1, '4'}, {2, '7'}}, "TC_00=4 Mytc.grp\r\nTC_01=7 Other.zip\r\n"},
      {"TC_00=4 My Great TC\r\n", {{1, '4'}}, "TC_00=4 Mytc.grp\r\n"},
      {"TC_00=4 my great tc\r\n", {{1, '4'}}, "TC_00=4 Mytc.grp\r\n"},
      // A group file of no TC names the row of its base name, if any.
      {"TC_00=2 Alpha.zip\r\n", {{0, '2'}}, "TC_00=2 Alpha.zip\r\n"},
      {"TC_00=2 Gone.grp\r\nTC_05=6 Nobody\r\n", {}, "TC_00=2 Gone.grp\r\nTC_05=6 Nobody\r\n"},
  };
  for (const auto& c : cases) {
    Write(c.entries);
    IniFile ini(fs, path);
    std::vector<std::pair<std::size_t, char>> got;
    for (const TcRowOpinion& o : LoadTCOpinions(ini, tcs, rows)) got.emplace_back(o.row, o.code);
    EXPECT_EQ(got, c.opinions) << c.entries;
    EXPECT_EQ(Section(), c.rewritten) << c.entries;
  }
}

TEST_F(TcOpinions, RecordingUpdatesTheTCsEntryOrTakesTheFirstFreeKey) {
  const struct {
    const char* before;
    const char* text;
    const char* after;
  } cases[] = {
      {"", "5 My Great TC", "TC_00=5 Mytc.grp\r\n"},
      {"TC_00=3 A.grp\r\nTC_01=2 Mytc.grp\r\n", "5 my great tc", "TC_00=3 A.grp\r\nTC_01=5 Mytc.grp\r\n"},
      {"TC_00=3 A.grp\r\nTC_01=0\r\nTC_02=\r\n", "1 Other", "TC_00=3 A.grp\r\nTC_01=1 Other.zip\r\nTC_02=\r\n"},
      {"TC_00=3 A.grp\r\nTC_02=2 B.grp\r\n", "1 Other", "TC_00=3 A.grp\r\nTC_02=2 B.grp\r\nTC_01=1 Other.zip\r\n"},
      // The entry search covers as many keys as the list has rows.
      {"TC_00=3 A.grp\r\nTC_01=1 B.grp\r\nTC_02=1 C.grp\r\nTC_03=2 Other.zip\r\n", "6 Other",
       "TC_00=3 A.grp\r\nTC_01=1 B.grp\r\nTC_02=1 C.grp\r\nTC_03=2 Other.zip\r\nTC_04=6 Other.zip\r\n"},
      // A name of no TC is recorded as it is.
      {"", "4 -------------", "TC_00=4 -------------\r\n"},
  };
  for (const auto& c : cases) {
    Write(c.before);
    IniFile ini(fs, path);
    StoreTCOpinion(ini, tcs, rows.size(), c.text);
    EXPECT_EQ(Section(), c.after) << c.text;
  }
}

}  // namespace
}  // namespace tv
