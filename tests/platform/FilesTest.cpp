#include "platform/Files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <tuple>

#include "fixture/Fixture.h"

namespace tv {
namespace {

using fixture::MakeFolder, fixture::ReadFile, fixture::WriteFile;
using Names = std::vector<std::string>;
bool IsLink(const std::string& path) { return std::filesystem::is_symlink(std::filesystem::symlink_status(path)); }
// Case is ignored at every level of a path, an exact name wins, a loose match is always the same one, and a new
// name lands in its folder as on disk.
TEST(Files, ResolutionIgnoresCaseAndPrefersTheExactName) {
  fixture::TempFolder dir;
  const std::string d = dir.Path();
  for (const char* name : {"Dir/x", "DIR/x", "dir/x", "Dir/ab.txt", "Dir/AB.txt", "Dir/aB.txt"})
    WriteFile(d + name, name);
  MakeFolder(d + "Games");
  FileSystem fs;
  for (const auto& [asked, found] : std::initializer_list<std::pair<const char*, const char*>>{
           {"Dir/x", "Dir/x"}, {"DIR/x", "DIR/x"}, {"dir/x", "dir/x"}, {"DIR/X", "DIR/x"}, {"dir/X", "dir/x"},
           {"Dir/ab.txt", "Dir/ab.txt"}, {"Dir/AB.txt", "Dir/AB.txt"}, {"Dir/aB.txt", "Dir/aB.txt"},
           {"nope/x", "nope/x"}, {"GAMES/New.ini", "Games/New.ini"}, {"MISSING/deep/a", "MISSING/deep/a"}})
    EXPECT_EQ(fs.Resolve(d + asked), d + found) << asked;
  const std::string loose = fs.Resolve(d + "Dir/Ab.TXT");
  EXPECT_EQ(ReadFile(loose), loose.substr(d.size()));
  for (const char* asked : {"Dir/AB.TXT", "Dir/ab.TxT", "Dir/aB.txT"}) EXPECT_EQ(fs.Resolve(d + asked), loose);
  for (const auto& [offset, count, bytes] : std::initializer_list<std::tuple<int, int, const char*>>{
           {0, 10, "DIR/x"}, {2, 10, "R/x"}, {4, 1, "x"}, {5, 1, ""}, {1, 0, ""}})
    EXPECT_EQ(fs.ReadBytes(d + "DIR/X", offset, count), bytes) << offset;
  EXPECT_TRUE(fs.FileSize(d + "Dir/AB.TXT") == 10 && fs.FileExists(d + "dIR/X") && fs.FolderExists(d + "GAMES"));
  EXPECT_FALSE(fs.FileExists(d + "GAMES") || fs.FolderExists(d + "dir/X"));
}
// Patterns ('*', '?', ';' between them) ignore ASCII case only; a listing holds regular, non-hidden files only, sorted
// without regard to case, and its folder becomes the current one.
TEST(Files, ListingMatchesFiltersSortsAndMovesTheCurrentFolder) {
  for (const auto& [name, patterns, matches] : std::initializer_list<std::tuple<const char*, const char*, bool>>{
           {"DUKE3D.GRP", "*.grp", true}, {"a.grp", "*.zip;*.grp", true}, {"a.grpx", "*.grp", false},
           {"grp", "*.grp", false}, {".grp", "*.grp", true}, {"ab", "a?", true}, {"game.sav", "game*.sav", true},
           {"egam1.sav", "game*.sav", false}, {"a", "a?", false}, {"a.b", "", false}, {"a.b", "*.c;", false},
           {"x\xC9.map", "X\xE9.map", false}})
    EXPECT_EQ(MatchesPattern(name, patterns), matches) << name << " " << patterns;
  fixture::TempFolder start, dir;
  const std::string f = dir.Path() + "Folder/";
  for (const char* name : {"b.MAP", "A.map", "c.map.bak", ".hidden.map", "map", "game1.sav", "GAME2.SAV", "Game10.sav"})
    WriteFile(f + name, name);
  MakeFolder(f + "folder.map");
  ASSERT_EQ(::symlink("loop.map", (f + "loop.map").c_str()) | ::mkfifo((f + "pipe.map").c_str(), 0600), 0);
  WriteFile(start.Path() + "game1.sav", "start");
  const std::string previous = ProcessFolder();
  ASSERT_EQ(::chdir(start.Path().c_str()), 0);
  FileSystem fs;
  EXPECT_EQ(fs.ReadBytes("game1.sav", 0, 10), "start");
  EXPECT_EQ(fs.List(dir.Path() + "FOLDER", "*.map"), (Names{"A.map", "b.MAP"}));
  EXPECT_EQ(fs.List(dir.Path() + "FOLDER", "*.exe;game*"), (Names{"game1.sav", "Game10.sav", "GAME2.SAV"}));
  for (const char* notFolder : {"Missing", "Folder/A.map"}) EXPECT_TRUE(fs.List(dir.Path() + notFolder, "*").empty());
  EXPECT_EQ(fs.CurrentFolder() + fs.ReadBytes("GAME1.SAV", 0, 10), f + "game1.sav");
  EXPECT_TRUE(fs.Delete("Game1.sav") && !fs.FileExists("game1.sav"));
  ASSERT_EQ(::chdir(previous.c_str()), 0);
  EXPECT_EQ(ReadFile(start.Path() + "game1.sav"), "start");
  EXPECT_TRUE(fs.FileExists(ProgramFolderOfExecutable() + "platform_tests"));
}
// No regular file reads as absent and is never opened: opening a FIFO would release a writer waiting on it, or block.
TEST(Files, OnlyRegularFilesAreReadAndNothingBlocks) {
  fixture::TempFolder dir;
  const std::string fifo = dir.Path() + "game0.sav";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_EQ(::symlink("Loop", (dir.Path() + "Loop").c_str()) | ::symlink("x/y", (dir.Path() + "Dangling").c_str()), 0);
  MakeFolder(dir.Path() + "Dir");
  const pid_t writer = ::fork();
  if (writer == 0) ::_exit(::open(fifo.c_str(), O_WRONLY) >= 0 ? 0 : 1);  // waits for a reader
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  FileSystem fs;
  ::alarm(20);  // a blocking open would otherwise hang the whole run
  for (const char* name : {"GAME0.SAV", "loop", "Dangling", "Dir"}) {
    const std::string path = dir.Path() + name;
    EXPECT_FALSE(fs.FileExists(path) || fs.ModifiedTime(path) || fs.SetModifiedTime(path, 1000)) << name;
    EXPECT_TRUE(fs.FileSize(path) == -1 && fs.ReadBytes(path, 0, 16).empty()) << name;
  }
  ::alarm(0);
  EXPECT_TRUE(!fs.FolderExists(dir.Path() + "loop") && fs.FolderExists(dir.Path() + "dir") &&
              fs.List(dir.Path(), "*").empty());
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(::waitpid(writer, nullptr, WNOHANG), 0) << "the FIFO was opened";
  ::kill(writer, SIGKILL), ::waitpid(writer, nullptr, 0);
}
// Renaming, deleting and setting the time (opinions: to the second, bytes untouched) resolve case; a planted link
// moves, never its target.
TEST(Files, RenameDeleteAndTimeResolveCaseAndLeaveLinkTargets) {
  fixture::TempFolder dir, elsewhere;
  const std::string g = dir.Path() + "Game/";
  WriteFile(g + "DUKE3D.DEF", "def"), MakeFolder(g + "Sub");
  WriteFile(elsewhere.Path() + "victim", "precious");
  for (const char* link : {"Link.def", "game1.sav"})
    ASSERT_EQ(::symlink((elsewhere.Path() + "victim").c_str(), (g + link).c_str()), 0);
  FileSystem fs;
  for (const std::time_t t : {1'000'000'000, 86'400}) {
    ASSERT_TRUE(fs.SetModifiedTime(dir.Path() + "GAME/duke3d.def", t));
    EXPECT_EQ(fs.ModifiedTime(dir.Path() + "game/Duke3d.def"), t);
    struct stat st {};
    EXPECT_TRUE(::stat((g + "DUKE3D.DEF").c_str(), &st) == 0 && st.st_mtim.tv_sec == t && st.st_mtim.tv_nsec == 0);
  }
  ASSERT_TRUE(fs.Rename(dir.Path() + "game/duke3d.def", dir.Path() + "GAME/Duke3d.def.bak"));
  EXPECT_FALSE(fs.Rename(g + "duke3d.def", g + "other"));
  EXPECT_TRUE(fs.Delete(dir.Path() + "GAME/DUKE3D.DEF.BAK"));
  EXPECT_FALSE(fs.Delete(g + "duke3d.def.bak") || fs.Delete(g + "sub"));
  EXPECT_TRUE(fs.Rename(g + "link.def", g + "Link.bak") && fs.Delete(g + "GAME1.SAV"));
  EXPECT_TRUE(ReadFile(elsewhere.Path() + "victim") == "precious" && IsLink(g + "Link.bak") &&
              fs.FolderExists(g + "Sub"));
  EXPECT_EQ(fs.List(g, "*"), Names{"Link.bak"});
}
// Replacing keeps the name, mode and owner, leaves no temporary file even for a name at the length limit, and puts
// the file in a planted link's place, never writing its target; a link to a folder is refused.
TEST(Files, ReplaceFileReplacesTheFileOnDisk) {
  fixture::TempFolder dir, elsewhere;
  const std::string path = dir.Path() + "Tarvolin.ini";
  WriteFile(path, "old");
  const bool root = ::geteuid() == 0;  // an administrator's run leaves another user's file theirs
  ASSERT_EQ(::chmod(path.c_str(), 0640) | (root ? ::chown(path.c_str(), 65534, 65534) : 0), 0);
  FileSystem fs;
  ASSERT_TRUE(fs.ReplaceFile(dir.Path() + "TARVOLIN.INI", "new bytes"));
  struct stat st {};
  EXPECT_TRUE(::stat(path.c_str(), &st) == 0 && ReadFile(path) == "new bytes" && (st.st_mode & 07777) == 0640 &&
              st.st_uid == (root ? 65534u : ::geteuid()));
  for (const std::size_t length : {244, 255}) {
    const std::string name = dir.Path() + std::string(length - 4, 'N') + ".ini";
    ASSERT_TRUE(fs.ReplaceFile(name, "[x]") && fs.ReplaceFile(name, "") && fs.Delete(name)) << length;
  }
  EXPECT_EQ(fs.List(dir.Path(), "*"), Names{"Tarvolin.ini"});
  WriteFile(elsewhere.Path() + "victim.txt", "precious"), MakeFolder(elsewhere.Path() + "folder");
  for (const auto& [target, replaced] :
       std::initializer_list<std::pair<const char*, bool>>{{"victim.txt", true}, {"new", true}, {"folder", false}}) {
    ASSERT_EQ(std::remove(path.c_str()) | ::symlink((elsewhere.Path() + target).c_str(), path.c_str()), 0);
    EXPECT_EQ(fs.ReplaceFile(dir.Path() + "tarvolin.ini", "[Tarvolin]"), replaced) << target;
    const std::string e = elsewhere.Path();
    EXPECT_TRUE(ReadFile(e + "victim.txt") == "precious" && fs.List(e, "*") == Names{"victim.txt"} &&
                fs.List(e + "folder", "*").empty()) << target << ": the link's target untouched, nothing made there";
    EXPECT_EQ(std::pair(IsLink(path), ReadFile(path)), std::pair(!replaced, std::string(replaced ? "[Tarvolin]" : "")))
        << target;
  }
}
// Within a pass a folder is read once: another writer's file shows after the pass, the program's own writes at once.
TEST(Files, PassScopeReadsEachFolderOnce) {
  fixture::TempFolder dir;
  const std::string f = dir.Path();
  FileSystem fs;
  {
    FileSystem::PassScope pass(fs);
    EXPECT_EQ(fs.List(f, "*"), Names{});
    WriteFile(f + "a", "");
    EXPECT_FALSE(fs.FileExists(f + "A"));
    ASSERT_TRUE(fs.ReplaceFile(f + "b", "mine"));
    EXPECT_EQ(fs.List(f, "*"), (Names{"a", "b"}));
    WriteFile(f + "c", ""), WriteFile(f + "e", "");
    ASSERT_TRUE(fs.Rename(f + "a", f + "d") && fs.Delete(f + "b"));
    EXPECT_EQ(fs.List(f, "*"), (Names{"c", "d", "e"}));
    WriteFile(f + "f", "");
    EXPECT_EQ(fs.List(f, "*").size(), 3u);
  }
  EXPECT_EQ(fs.List(f, "*").size(), 4u);
}
}  // namespace
}  // namespace tv
