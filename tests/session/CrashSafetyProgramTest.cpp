// The player's own files are touched only where an action names them, as the file system itself reports it.
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <set>

#include "support/ProgramFixture.h"
#include "catalog/Opinion.h"
#include "fixture/Groups.h"
#include "fixture/SavedGames.h"
#include "platform/Text.h"

namespace tv::test {
namespace {

using Events = std::vector<std::string>;

// What happens to the entries of one folder, as "kind name" in order; a replacement's temporary file is "temporary".
// kContent leaves out changes of times and modes: a write of bytes shows when it closes.
class FolderWatch {
 public:
  static constexpr std::uint32_t kAll =
      IN_MODIFY | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB;
  static constexpr std::uint32_t kContent = kAll & ~(IN_MODIFY | IN_ATTRIB);
  explicit FolderWatch(const std::string& folder, std::uint32_t mask = kAll)
      : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    ::inotify_add_watch(m_fd, folder.c_str(), mask);
  }
  ~FolderWatch() { ::close(m_fd); }
  bool Watching() const { return m_fd >= 0; }
  Events Take() {
    static const std::pair<std::uint32_t, const char*> kKinds[] = {
        {IN_MODIFY, "modify"}, {IN_CLOSE_WRITE, "written"},   {IN_CREATE, "create"},     {IN_DELETE, "delete"},
        {IN_MOVED_FROM, "moved-from"}, {IN_MOVED_TO, "moved-to"}, {IN_ATTRIB, "attrib"}};
    Events events;
    alignas(inotify_event) std::array<char, 65536> buffer{};
    for (ssize_t n; (n = ::read(m_fd, buffer.data(), buffer.size())) > 0;)
      for (const char* at = buffer.data(); at < buffer.data() + n;) {
        const auto* e = reinterpret_cast<const inotify_event*>(at);
        const std::string name = e->len ? e->name : "";
        const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds), [&](auto k) { return e->mask & k.first; });
        events.push_back(std::string(kind->second) + " " + (Contains(name, ".tmp-") ? "temporary" : name));
        at += sizeof(inotify_event) + e->len;
      }
    return events;
  }
  // The names touched since the last call, each once, sorted, without temporary files.
  Events Touched() {
    std::set<std::string> names;
    for (const std::string& e : Take())
      if (!e.ends_with(" temporary")) names.insert(e.substr(e.find(' ') + 1));
    return {names.begin(), names.end()};
  }

 private:
  int m_fd;
};

using CrashSafety = ProgramTest;

// Every opinion, on one map or several, sets file times: no map file is opened for writing, made, moved or removed.
TEST_F(CrashSafety, OpinionsChangeOnlyTheTimesOfMapFiles) {
  std::string bytes;
  for (const char* map : {"Maps/a.map", "Maps/b.map", "Maps/c.map"}) Map(map), bytes += fixture::ReadFile(Path(map));
  Program& p = Started();
  FolderWatch watch(Path("Maps"), FolderWatch::kContent);
  ASSERT_TRUE(watch.Watching());
  for (const bool multi : {false, true}) {
    if (multi) p.Maps().ToggleMultiSelect();
    for (const OpinionRow& row : kOpinionRows) {
      p.Maps().Select({0, 2});
      AnswerOpinion(row.code);
      p.Maps().OpenOpinion();
      EXPECT_EQ(MapCodes(), (std::vector<int>{row.code, 0, multi ? row.code : 0})) << "the times were set";
      EXPECT_EQ(watch.Take(), Events{}) << "code " << row.code << (multi ? ", several maps" : ", one map");
    }
  }
  EXPECT_EQ(fixture::ReadFile(Path("Maps/a.map")) + fixture::ReadFile(Path("Maps/b.map")) +
                fixture::ReadFile(Path("Maps/c.map")), bytes);
}

// A TC without a settings file gets one at the first pass; after that, no pass, opinion, level listing or quit
// writes to the Games folder again, not even over a file that is damaged or lacks every key.
TEST_F(CrashSafety, PerTcSettingsFilesAreWrittenOnceAndNeverRewritten) {
  Put("Games/Damaged.grp", fixture::GroupFileBytes({{"DAMAGED.CON", "c"}}));
  const std::string damaged("\0\xff[Damaged.Options\r\nGameName", 27);
  Put("Games/Damaged.ini", damaged);
  Put("Games/Keyless.grp", fixture::GroupFileBytes({{"KEYLESS.MAP", fixture::FillerBytes(400)}}));
  Put("Games/Keyless.ini", "[Keyless.Options]\r\n");
  Put("Games/New.zip", fixture::ZipBytes({{"NEW.MAP", fixture::FillerBytes(20000)}}));
  Settings("");
  FolderWatch watch(Path("Games"));
  ASSERT_TRUE(watch.Watching());
  Program& p = Start();
  p.Activate();
  EXPECT_EQ(watch.Touched(), Events{"New.ini"});
  p.Activate();
  for (int row = 0; row < 3; ++row) {
    p.Catalog().Select(row);
    AnswerOpinion(row + 2);
    p.Catalog().OpenOpinion();
    p.Catalog().ListLevels(row);
  }
  p.Quit();
  EXPECT_EQ(watch.Touched(), Events{});
  EXPECT_EQ(fixture::ReadFile(Path("Games/Damaged.ini")) + fixture::ReadFile(Path("Games/Keyless.ini")),
            damaged + "[Keyless.Options]\r\n");
}

// The switch renames the loose definition files it names, and only those: not a folder of that name, a near name,
// or the same name in other folders.
TEST_F(CrashSafety, TheHighResolutionSwitchTouchesOnlyTheFilesItNames) {
  fixture::WriteFile(Path("Duke3d_hrp.zip"), "z");
  fixture::MakeFolder(Path("Duke3d.def"));
  fixture::WriteFile(Path("DUKE3D_HRP.DEF"), "h");
  const char* const nearNames[] = {"Duke3d.def.txt",      "Duke3d.deff", "Duke3d_hrp.de", "Maps/Duke3d.def",
                                   "Autoload/Duke3d.def", "Games/Duke3d_hrp.def"};
  for (const char* near : nearNames) fixture::WriteFile(Path(near), near);
  Settings("");
  FolderWatch watch(Path(""));
  ASSERT_TRUE(watch.Watching());
  Start().Activate();
  program->Activate();
  EXPECT_EQ(watch.Touched(), (Events{"DUKE3D_HRP.DEF", "Duke3d_hrp.def.bak", "Tarvolin.ini"}));
  for (const char* near : nearNames) EXPECT_EQ(fixture::ReadFile(Path(near)), near);
  EXPECT_TRUE(fs.FolderExists(Path("Duke3d.def")));
}

// Deleting a saved game asks first, then removes the file of its entry and nothing else: not its twin in another
// letter case, the other engine's save of the slot, a longer slot or a copy.
TEST_F(CrashSafety, DeletingASavedGameAsksAndRemovesOnlyItsFile) {
  const char* const others[] = {"GAME2.SAV", "egam2.sav", "game20.sav", "game2.sav.bak", "Maps/game2.sav"};
  for (const char* name : others) fixture::WriteSavedGame(Path(name), "other", 1600000000);
  fixture::WriteSavedGame(Path("game1.sav"), "", 1600000000);  // no title, no entry: the entries skip slot 1
  fixture::WriteSavedGame(Path("game2.sav"), "Death Row", 1600000060);
  Program& p = Started();
  p.Saves().Delete();  // nothing chosen: nothing asked
  const auto& entries = p.View().savedEntries;
  const int chosen = int(std::find(entries.begin(), entries.end(), "Death Row ***") - entries.begin());
  ASSERT_LT(chosen, int(entries.size())) << ::testing::PrintToString(entries);
  FolderWatch watch(Path(""));
  for (const int answer : {kNo, kYes}) {
    p.Saves().Choose(chosen);
    ui.answers = {answer};
    p.Saves().Delete();
    EXPECT_EQ(p.Saves().Mode(), answer == kNo);
  }
  EXPECT_EQ(watch.Take(), Events{"delete game2.sav"});
  EXPECT_EQ(ui.beeps, std::vector<BeepKind>(2, BeepKind::Exclamation));
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[1].title + ": " + ui.shown[1].text + " " + ui.shown[1].buttons,
            "Warning: Delete the saved game: Death Row *** ?\nGame Filename: game2.sav mbYes,mbNo");
  EXPECT_EQ(std::count(entries.begin(), entries.end(), "Death Row ***"), 0);
  for (const char* name : others) EXPECT_TRUE(fixture::Exists(Path(name))) << name;
}

}  // namespace
}  // namespace tv::test
