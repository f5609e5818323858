// What the choosing windows offer: levels, batch files, saved games and read-me texts.
#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/stat.h>

#include "catalog/BatchFiles.h"
#include "catalog/LevelTable.h"
#include "catalog/ReadMe.h"
#include "catalog/SavedGames.h"
#include "fixture/Fixture.h"
#include "fixture/SavedGames.h"

namespace tv {
namespace {

using Names = std::vector<std::string>;
// A row starts the level it shows; a separator, no row or one past the end keeps the window; a TC's maps are sorted.
TEST(LevelChooser, EveryStockRowPicksTheLevelItShowsATcItsMapsSortedElseTheStockTableSorted) {
  LevelChooser w;
  w.PrepareStock(), w.Prepare();
  ASSERT_EQ(w.Rows().size(), 47u);
  int levels = 0;
  for (int row = -1; row <= 47; ++row) {
    w.Prepare();
    const std::string level = row >= 0 && row < 47 ? w.Rows()[std::size_t(row)].level : "";
    const bool picks = !level.empty() && level != kLevelSeparator;
    levels += picks ? 1 : 0;
    EXPECT_EQ(w.Select(row), picks) << row;
    const std::size_t l = level.find('L');
    const std::string n = picks ? level.substr(l + 1) : "";
    EXPECT_EQ(w.LevelSwitches() + w.MapFile(),
              picks ? " -v" + level.substr(1, l - 1) + " -l" + (n.size() == 1 ? "0" : "") + n + level + ".map" : "")
        << row;
  }
  EXPECT_EQ(levels, 44);
  EXPECT_TRUE(w.Select(0) && (w.Cancel(), w.LevelSwitches().empty()));
  w.PrepareTc({"E2L1", "E1L10", "FOO", "e1L2", "ABC"}), w.Prepare();
  ASSERT_TRUE(w.TcMode());
  Names shown;
  for (const LevelRow& r : w.Rows()) shown.push_back(r.level + r.title);
  EXPECT_EQ(shown, (Names{"ABC", "E1L10", "e1L2", "E2L1", "FOO"}));
  EXPECT_TRUE(w.Select(4) && w.MapFile() == "FOO.map");
  // No maps of its own: the separators first.
  for (int before = 0; before < 2; ++before) {
    before ? w.PrepareStock() : w.PrepareTc({"E1L2", "E1L1"});
    w.Prepare(), w.PrepareTc({}), w.Prepare();
    ASSERT_EQ(w.Rows().size(), 47u);
    EXPECT_EQ(w.Rows()[0].level + w.Rows()[3].level + w.Rows()[3].title + w.Rows()[46].level,
              "  E1L1Hollywood HolocaustE4L9");
    EXPECT_EQ(std::pair(w.Select(0), w.MapFile()), std::pair(false, std::string()));
    EXPECT_EQ(std::pair(w.Select(3), w.MapFile()), std::pair(true, std::string("E1L1.map")));
  }
  w.PrepareStock(), w.Prepare();  // back in the stock table's own order
  EXPECT_TRUE(!w.TcMode() && w.Rows()[0].level == "E1L1");
}
TEST(BatchChooser, ListsTheProgramFoldersBatchFilesAndReturnsThePathChosen) {
  // clang-format off
  const struct { bool withFiles; int row; bool closes; const char* result; } cases[] = {  // row -2: Cancel
      {true, 1, true, "start.bat"}, {true, 0, true, "Net Game.BAT"}, {true, -1, true, ""}, {true, -2, true, ""},
      {false, 0, false, ""}, {false, -1, false, ""}, {false, -2, true, ""}};
  for (const auto& c : cases) {
    fixture::TempFolder folder;
    FileSystem fs(folder.Path());
    if (c.withFiles)
      for (const char* f : {"start.bat", "Net Game.BAT", "readme.txt", "Maps/inner.bat", "a.bat.txt", "dir.bat/x"})
        fixture::WriteFile(folder.Path() + f, "@echo off");
    BatchChooser w;
    w.Show(fs, folder.Path());
    EXPECT_EQ(w.Files(), c.withFiles ? (Names{"Net Game.BAT", "start.bat"}) : Names());
    const bool closes = c.row == -2 ? (w.Cancel(), true) : w.Select(c.row);
    EXPECT_EQ(std::pair(closes, w.Result()), std::pair(c.closes, *c.result ? folder.Path() + c.result : ""))
        << c.withFiles << " " << c.row;
    if (c.withFiles && closes && *c.result) w.Show(fs, folder.Path());  // every showing starts with an empty result
    EXPECT_TRUE(!c.withFiles || !closes || !*c.result || w.Result().empty()) << c.row;
  }
}
TEST(SavedGames, TheTitleIsUpToThirtyTwoBytesAtTheEnginesOffsetAndTheSlotInTheName) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  const std::string at49 = fixture::SavedGameBytes("Hollywood", 49);
  const struct { std::string bytes; std::uint64_t offset; std::string title; } cases[] = {
      {fixture::SavedGameBytes("Hollywood", 26), 26, "Hollywood"}, {at49, 49, "Hollywood"},
      {at49, 26, std::string(23, 'H') + "Hollywood"},  // the wrong offset
      {fixture::SavedGameBytes(std::string(32, 'T'), 26), 26, std::string(32, 'T')},
      {fixture::SavedGameBytes("", 26), 26, ""},
      {std::string(30, 'H'), 26, "HHHH"},  // a file cut inside its title gives what it has
      {at49.substr(0, 53), 49, "Holl"}, {at49.substr(0, 49), 49, ""}};
  for (const auto& c : cases) {
    fixture::WriteFile(dir.Path() + "game0.sav", c.bytes);
    EXPECT_EQ(SavedGameTitle(fs, dir.Path() + "game0.sav", c.offset), c.title) << c.bytes.size();
  }
  EXPECT_EQ(SavedGameTitle(fs, dir.Path() + "missing.sav", 26), "");
  const std::pair<const char*, std::optional<int>> slots[] = {{"game0.sav", 0}, {"game9.sav", 9}, {"egam3.sav", 3},
      {"GAME7.SAV", 7}, {"game12.sav", 12}, {"game.sav", {}}, {"game01.sav", {}}, {"game-1.sav", {}},
      {"game1a.sav", {}}, {"game1.sa", {}}, {"game9999999999.sav", {}}};
  for (const auto& [name, slot] : slots) EXPECT_EQ(SavedGameSlot(name), slot) << name;
}
TEST(SavedGames, TheNewestListedFileIsMarkedAfterTwoSecondSteps) {
  using Entries = std::vector<std::pair<std::string, int>>;  // text, slot
  using Files = std::vector<std::tuple<const char*, const char*, std::time_t>>;  // name, title, time
  const std::time_t t = 1796520000;  // an even second
  EXPECT_TRUE(PackedFileTime(t) == PackedFileTime(t + 1) && PackedFileTime(t + 1) < PackedFileTime(t + 2) &&
              PackedFileTime(t) < PackedFileTime(t + 86400 * 40) && PackedFileTime(0) == 0);  // 0: before 1980
  const struct { const char* rule; Files files; Entries entries; } cases[] = {
      {"the last written", {{"game0.sav", "A", t}, {"game1.sav", "B", t + 10}, {"game2.sav", "C", t + 60},
       {"game3.sav", "D", t + 20}}, {{"A", 0}, {"B", 1}, {"C ***", 2}, {"D", 3}}},
      {"of equal times the lower slot", {{"game0.sav", "A", t}, {"game1.sav", "B", t + 9}, {"game2.sav", "C", t + 9}},
       {{"A", 0}, {"B ***", 1}, {"C", 2}}},
      {"within two seconds are equal", {{"game1.sav", "B", t + 1}, {"game2.sav", "C", t}}, {{"B ***", 1}, {"C", 2}}},
      {"a gap keeps each file's slot", {{"game0.sav", "A", t}, {"game2.sav", "C", t + 60}}, {{"A", 0}, {"C ***", 2}}},
      {"a save without title has no entry", {{"game0.sav", "A", t}, {"game1.sav", "", t}, {"game2.sav", "C", t}},
       {{"A ***", 0}, {"C", 2}}},
      {"a newest save without title marks nothing", {{"game0.sav", "A", t}, {"game1.sav", "", t + 60}}, {{"A", 0}}},
      {"names the game never writes", {{"game0.sav", "A", t}, {"gamebak.sav", "X", t + 60}}, {{"A ***", 0}}}};
  for (const auto& c : cases) {
    fixture::TempFolder dir;
    Names listing = {"game7.sav"};
    const std::string cut = dir.Path() + "game7.sav";  // cut before its title
    fixture::WriteFile(cut, "cut"), fixture::SetFileTime(cut, t - 60);
    for (const auto& [name, title, time] : c.files)
      fixture::WriteSavedGame(dir.Path() + name, title, time), listing.push_back(name);
    FileSystem fs(dir.Path());
    Entries got;
    for (const SavedGameEntry& e : ReadSavedGames(fs, dir.Path(), listing, 26)) got.emplace_back(e.text, e.slot);
    EXPECT_EQ(got, c.entries) << c.rule;
  }
}
TEST(ReadMe, OfAMapIsLookedForBesideTheProgramTheMapAndInHelp) {
  const struct { const char* row; Names files; std::optional<std::string> folder; const char* name; } cases[] = {
      {"Foo.map", {"Foo.txt", "Maps/Foo.txt", "Help/Foo.txt"}, "", "Foo.txt"},  // folder: under the program folder
      {"Foo.map", {"Maps/Foo.txt", "Help/Foo.txt"}, "Maps/", "Foo.txt"}, {"Foo", {"Foo.txt"}, std::nullopt, ""},
      {"Foo.map", {"Help/Foo.txt"}, "Help/", "Foo.txt"},
      {"Foo.map", {"Maps1/Foo.txt"}, "Text/", "Foo.txt"}, {"FOO.MAP", {"Maps/foo.TXT"}, "Maps/", "FOO.txt"},
      {"Dm.maps.map", {}, "Text/", "Dm.txt"}, {"", {}, std::nullopt, ""}};
  for (const auto& c : cases) {
    fixture::TempFolder folder;
    FileSystem fs(folder.Path());
    for (const std::string& f : c.files) fixture::WriteFile(folder.Path() + f, "read me");
    const std::optional<ReadMeFile> found = FindReadMe(fs, folder.Path(), "Maps", c.row);
    EXPECT_EQ(found ? found->folder + found->name : "-", c.folder ? folder.Path() + *c.folder + c.name : "-") << c.row;
  }
}
// Only a regular file (a pipe would wait for a writer), up to the limit, read as Windows-1252.
TEST(ReadMe, ShowsARegularFileUpToTheLimitElseSaysItWasNotFound) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  const std::string d = dir.Path(), limit(kReadMeLimit, '\0');
  fixture::WriteFile(d + "FOO.TXT", "Line one\r\n\tTabbed \x80\r\n"), fixture::MakeFolder(d + "Folder.txt");
  ASSERT_EQ(::mkfifo((d + "Pipe.txt").c_str(), 0644), 0);
  fixture::WriteSparseFile(d + "Big.txt", 44'000'000), fixture::WriteSparseFile(d + "Limit.txt", kReadMeLimit);
  const std::string big = limit + "\r\n\r\n[Only the first 4 MB of 44000000 bytes are shown.]";
  const auto missing = [](const std::string& name) { return "The file: " + name + " was not found!"; };
  const BeepKind info = BeepKind::Information, none = BeepKind::Default;
  const struct { const char* name; std::string caption, text; BeepKind beep; } cases[] = {
      {"Foo.txt", "Foo", "Line one\r\n\tTabbed \u20AC\r\n", info}, {"Big.txt", "Big", big, info},
      {"Limit.txt", "Limit", limit, info}, {"Missing.v2.txt", "Missing", missing("Missing.v2.txt"), none},
      {"Folder.txt", "Folder", missing("Folder.txt"), none}, {"Pipe.txt", "Pipe", missing("Pipe.txt"), none},
      {"Caf\xE9.txt", "Caf\u00E9", missing("Caf\u00E9.txt"), none}, {"README", "", missing("README"), none}};
  // clang-format on
  for (const auto& c : cases) {
    const ReadMeView v = LoadReadMe(fs, {dir.Path(), c.name});
    EXPECT_TRUE(v.caption == "Text Information for: " + c.caption && v.text == c.text && v.beep == c.beep)
        << c.name << ": " << v.caption << " " << v.text.substr(0, 80);
  }
}
// glibc's own code page table is the reference; it rejects the five bytes the code page leaves undefined.
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
  EXPECT_TRUE(undefined == 5 && Cp1252ToUtf8(all) == expectedAll) << undefined;
  // Names keep valid UTF-8; overlong forms, a surrogate, a cut sequence or a lone continuation byte are none.
  const char* const names[][2] = {{"R\u00E9sum\u00E9.txt", "R\u00E9sum\u00E9.txt"},
      {"R\xE9sum\xE9.txt", "R\u00E9sum\u00E9.txt"}, {"\xC0\xAF", "\u00C0\u00AF"}, {"\xE0\x80\xAF", "\u00E0\u20AC\u00AF"},
      {"\xED\xA0\x80", "\u00ED\u00A0\u20AC"}, {"end\xC3", "end\u00C3"}, {"\x80.txt", "\u20AC.txt"},
      {"\u20AC.txt", "\u20AC.txt"}};
  for (const auto& c : names) EXPECT_EQ(NameToUtf8(c[0]), c[1]) << c[0];
}
}  // namespace
}  // namespace tv
