// Whatever lies in the program folder, the pass finishes without an error, lists what can be played and leaves
// every other thing as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <numeric>

#include "support/ProgramFixture.h"
#include "catalog/History.h"
#include "fixture/Groups.h"
#include "fixture/SavedGames.h"
#include "platform/Text.h"

namespace tv::test {
namespace {

class BadInput : public ProgramTest {
 public:
  BadInput() { ::alarm(60); }  // a pass that blocks ends the test program instead of hanging CI
  ~BadInput() override { ::alarm(0); }
  std::vector<std::string> Errors() const {
    std::vector<std::string> errors;
    for (const auto& s : ui.shown)
      if (s.kind == "error") errors.push_back(s.text);
    return errors;
  }
};

// FIFOs, a device and link loops under the names the program looks at: none is opened, listed or changed.
TEST_F(BadInput, FifosDevicesAndLinkLoopsAreSkipped) {
  enum Kind { F, D, L };  // a FIFO, a link to /dev/zero, a link to itself
  const std::pair<const char*, Kind> traps[] = {
      {"Duke3d.grp", F}, {"Duke3dw.exe", D}, {"EDuke32.exe", F}, {"Maps/fifo.map", F}, {"Maps/zero.map", D},
      {"Maps/loop.map", L}, {"Maps1", L}, {"Maps2", F}, {"Maps3", D}, {"Games/Trap.grp", F}, {"Games/Zero.zip", D},
      {"Games/Loop.grp", L}, {"Games/Real.con", F}, {"game0.sav", F}, {"game1.sav", D}, {"game2.sav", L},
      {"Duke3d.def", F}, {"Duke3d_hrp.zip", D}, {"Autoload", L}, {"Maps/a.txt", F}};
  Map("Maps/a.map");
  fixture::WriteGroupFile(Path("Games/Real.grp"), {{"REAL.MAP", fixture::FillerBytes(400)}});
  for (const auto& [name, kind] : traps) {
    const std::string path = Path(name), leaf = path.substr(path.rfind('/') + 1);
    ASSERT_EQ(kind == F ? ::mkfifo(path.c_str(), 0600) : ::symlink(kind == D ? "/dev/zero" : leaf.c_str(), path.c_str()), 0);
  }
  Program& p = Started();
  p.Maps().Select({0});
  p.Maps().OpenReadMe();  // looks for the read-me beside the map
  p.Catalog().ListLevels(0);
  p.Saves().Fill();
  p.Activate();
  using Names = std::vector<std::string>;
  EXPECT_EQ(std::tuple(MapRows(), TcRows(), p.Catalog().LevelNames(), p.View().savedEntries, Errors()),
            std::tuple(Names{"A.map"}, Names{"Real"}, Names{"REAL"}, Names{}, Names{}));
  for (const auto& [name, kind] : traps) {
    struct stat st {};
    ASSERT_EQ(::lstat(Path(name).c_str(), &st), 0) << name;
    EXPECT_TRUE(kind == F ? S_ISFIFO(st.st_mode) : S_ISLNK(st.st_mode)) << name;
  }
}

// Names as users and old archives make them: listed, rated and exported as they are; the history keeps them whole
// but for a line break, which a settings value cannot hold.
TEST_F(BadInput, MapNamesWithAnyCharacterAreListedRatedAndRemembered) {
  const std::vector<std::string> names = {"a b.map",  "it's \"q\".map", "$(touch pwned).map", "x;y.map",
                                          "100%.map", "`id`.map", "new\nline.map", "\xff\xfe\xe9.map",
                                          std::string(251, 'l') + ".map"};
  for (const std::string& n : names) Map("Maps/" + n);
  Program& p = Started();
  std::vector<std::string> expected, rows = MapRows(), bytes;
  for (const std::string& n : names) expected.push_back(Capitalized(n)), bytes.push_back(fixture::ReadFile(Path("Maps/" + n)));
  std::sort(rows.begin(), rows.end()), std::sort(expected.begin(), expected.end());
  EXPECT_EQ(rows, expected);
  p.Maps().ToggleMultiSelect();
  std::vector<int> all(names.size());
  std::iota(all.begin(), all.end(), 0);
  p.Maps().Select(all);
  AnswerOpinion(3);  // "Played and was Bad"
  p.Maps().OpenOpinion();
  EXPECT_EQ(MapCodes(), std::vector<int>(names.size(), 3));
  for (std::size_t i = 0; i < names.size(); ++i)
    EXPECT_EQ(fixture::ReadFile(Path("Maps/" + names[i])), bytes[i]) << names[i];
  EXPECT_TRUE(fixture::Exists(Path("TarvolinMaps0.txt")));
  EXPECT_FALSE(fixture::Exists(Path("pwned")) || fixture::Exists(Path("Maps/pwned")));

  for (const std::string& n : names) AddToHistory(fs, Path("Tarvolin.ini"), "-map " + n + " /s3");
  std::vector<std::string> remembered = names;
  for (std::string& n : remembered) std::erase(n, '\n');
  EXPECT_EQ(ReadHistory(fs, Path("Tarvolin.ini")), remembered);
  EXPECT_EQ(Errors(), std::vector<std::string>{});
}

// Empty and cut-off group files are TCs by their names, with nothing found inside; each gets its settings file.
TEST_F(BadInput, EmptyOrTruncatedGroupFiles) {
  const std::string grp = fixture::GroupFileBytes({{"TRUNC.CON", "c"}, {"E1L1.MAP", std::string(300, 'm')}});
  const std::string zip = fixture::ZipBytes({{"CUT.CON", std::string(20000, 'c')}, {"CUT.MAP", "m"}});
  Put("Games/Empty.grp", "");
  Put("Games/Short.grp", "KenSil");
  Put("Games/Trunc.grp", grp.substr(0, 40));  // the directory breaks off
  Put("Games/Empty.zip", "");
  Put("Games/Cut.zip", zip.substr(0, 12000));  // the central directory is gone
  Program& p = Started();
  EXPECT_EQ(TcRows(), (std::vector<std::string>{"Cut", "Empty", "Empty", "Short", "Trunc"}));
  for (const TcRecord& tc : p.Catalog().Records()) {
    EXPECT_EQ(tc.mapFile, "") << tc.groupFile;
    // The scans read what is there: a name in the first bytes still counts.
    const bool named = tc.groupFile == "Cut.zip" || tc.groupFile == "Trunc.grp";
    EXPECT_EQ(tc.scriptFile, named ? tc.groupFile.substr(0, tc.groupFile.size() - 4) + ".con" : "") << tc.groupFile;
  }
  for (int row = 0; row < 5; ++row) p.Catalog().ListLevels(row);
  EXPECT_EQ(Errors(), std::vector<std::string>{});
  EXPECT_EQ(fs.List(Path("Games"), "*.ini"), (std::vector<std::string>{"Cut.ini", "Empty.ini", "Short.ini", "Trunc.ini"}));
}

// Regression: a TC whose name fills the 255 bytes of a file name could not get its settings file, and the error
// stopped every pass; a line break in a TC's name wrote a header of two lines.
TEST_F(BadInput, TcNamesAtTheLengthLimitOrWithALineBreak) {
  const std::string longName = std::string(251, 'T');
  Put("Games/" + longName + ".grp", fixture::GroupFileBytes({{"X.CON", "c"}}));
  Put("Games/Two\nLines.grp", fixture::GroupFileBytes({{"X.CON", "c"}}));
  Program& p = Started();
  EXPECT_EQ(Errors(), std::vector<std::string>{});
  EXPECT_EQ(p.View().tcRows.size(), 2u);
  EXPECT_FALSE(p.View().mapRows.empty() && p.View().mapHeading.empty()) << "the pass went on";
  // Named after the group files as listed: the first letter upper case, the rest lower case.
  const std::string longIni = Path("Games/" + Capitalized(longName) + ".ini");
  const std::string twoIni = Path("Games/Two\nlines.ini");
  EXPECT_EQ(fixture::ReadFile(longIni).rfind("[" + Capitalized(longName) + ".Options]\r\n", 0), 0u);
  EXPECT_EQ(fixture::ReadFile(twoIni).rfind("[Twolines.Options]\r\nGameName=Twolines\r\n", 0), 0u)
      << fixture::ReadFile(twoIni);
}

// Regression: a zip larger than memory, read whole, ended the program. It is read a piece at a time, no further
// than its 72nd map; the scans for the TC's files stop once all are found.
TEST_F(BadInput, AZipLargerThanMemory) {
  const std::string path = Path("Games/Huge.zip");
  fixture::WriteSparseFile(path, std::uint64_t(64) << 30);
  std::string head = " huge.con huge.def huge.map";
  for (int i = 0; i < 80; ++i) head += " L" + std::to_string(i) + ".map";
  const int fd = ::open(path.c_str(), O_WRONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::pwrite(fd, head.data(), head.size(), 0), ssize_t(head.size()));
  ::close(fd);
  Program& p = Started();
  ASSERT_EQ(TcRows(), std::vector<std::string>{"Huge"});
  p.Catalog().ListLevels(0);
  const std::vector<std::string>& levels = p.Catalog().LevelNames();
  ASSERT_EQ(levels.size(), 72u);
  EXPECT_EQ(levels[0] + " " + levels[71], "HUGE L70");
}

// Links planted under the names of every file the program writes: each write puts the program's file in the
// link's place, and nothing elsewhere is changed or made.
TEST_F(BadInput, PlantedLinksAreReplacedNeverFollowed) {
  fixture::TempFolder elsewhere;
  const std::string settings = "[Tarvolin]\r\nInitialized=True\r\n";
  fixture::WriteFile(elsewhere.Path() + "settings", settings);
  for (const char* file : {"export", "desktop"}) fixture::WriteFile(elsewhere.Path() + file, "precious");
  // Games/Mytc.ini points at no file yet: the TC gets its settings file written.
  const std::pair<const char*, const char*> links[] = {
      {"Tarvolin.ini", "settings"}, {"TarvolinMaps0.txt", "export"}, {"Games/Mytc.ini", "new.ini"}};
  Map("Maps/a.map");
  fixture::WriteGroupFile(Path("Games/Mytc.grp"), {{"MYTC.CON", "c"}});
  fixture::MakeFolder(home.Path() + "Desktop");
  ASSERT_EQ(::symlink((elsewhere.Path() + "desktop").c_str(), (home.Path() + "Desktop/Tarvolin.desktop").c_str()), 0);
  for (const auto& [name, target] : links) ASSERT_EQ(::symlink((elsewhere.Path() + target).c_str(), Path(name).c_str()), 0);

  Program& p = Start();
  p.Activate();
  p.Maps().Select({0});
  AnswerOpinion(3);  // rated, and the opinions exported
  p.Maps().OpenOpinion();
  p.Install().AddDesktopIcon();
  p.Quit();

  EXPECT_EQ(Errors(), std::vector<std::string>{});
  EXPECT_EQ(fixture::ReadFile(elsewhere.Path() + "settings"), settings);
  for (const char* file : {"export", "desktop"}) EXPECT_EQ(fixture::ReadFile(elsewhere.Path() + file), "precious");
  EXPECT_FALSE(fixture::Exists(elsewhere.Path() + "new.ini"));
  for (const std::string& written : {Path("Tarvolin.ini"), Path("TarvolinMaps0.txt"), Path("Games/Mytc.ini"),
                                     home.Path() + "Desktop/Tarvolin.desktop"}) {
    struct stat st {};
    ASSERT_EQ(::lstat(written.c_str(), &st), 0) << written;
    EXPECT_TRUE(S_ISREG(st.st_mode)) << written;
  }
  EXPECT_TRUE(Contains(fixture::ReadFile(Path("Tarvolin.ini")), "SkillLevel=") &&
              Contains(fixture::ReadFile(Path("TarvolinMaps0.txt")), "A.map") &&
              Contains(fixture::ReadFile(Path("Games/Mytc.ini")), "[Mytc.Options]"));
}

// A program folder whose path holds spaces, quotes, "%" and shell syntax works as any other.
TEST_F(BadInput, AProgramFolderPathWithShellCharacters) {
  const std::string folder = Path("Duke \"3D\" 100% $(touch pwned) `id`;'x'/");
  fixture::WriteMap(folder + "Maps/a.map");
  fixture::WriteGroupFile(folder + "Games/Mytc.grp", {{"MYTC.CON", "c"}});
  fixture::WriteSavedGame(folder + "game0.sav", "Hollywood", 1600000000);
  fixture::MakeFolder(home.Path() + "Desktop");
  FileSystem folderFs(folder);
  Program p(folderFs, ui, {folder, {"dd/MM/yyyy", "HH:mm:ss"}});
  p.Activate();
  p.Activate();  // the second pass of a first run makes the shortcut
  p.Maps().Select({0});
  AnswerOpinion(4);  // "Confusing or  stuck"
  p.Maps().OpenOpinion();
  p.Quit();

  EXPECT_EQ(Codes(p.View().mapRows), std::vector<int>{4});
  EXPECT_EQ(Texts(p.View().tcRows), std::vector<std::string>{"Mytc"});
  EXPECT_EQ(p.View().savedEntries, std::vector<std::string>{"Hollywood ***"});
  EXPECT_TRUE(fixture::Exists(folder + "Tarvolin.ini") && fixture::Exists(folder + "Games/Mytc.ini"));
  EXPECT_NE(fixture::ReadFile(home.Path() + "Desktop/Tarvolin.desktop").find("\nPath=" + folder + "\n"),
            std::string::npos);
  EXPECT_EQ(Errors(), std::vector<std::string>{});
  EXPECT_FALSE(fixture::Exists(Path("pwned")) || fixture::Exists(folder + "pwned"));
}

}  // namespace
}  // namespace tv::test
