#include "platform/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "fixture/Fixture.h"

namespace tv {
namespace {

using fixture::MakeFolder;
using fixture::ReadFile;
using fixture::TempFolder;
using fixture::WriteFile;
using Names = std::vector<std::string>;

TEST(Files, NamesAreMatchedWithoutRegardToLetterCase) {
  TempFolder dir;
  WriteFile(dir.Path() + "Maps/FOO.MAP", "abc");
  FileSystem fs;
  EXPECT_TRUE(fs.FileExists(dir.Path() + "maps/foo.map"));
  EXPECT_TRUE(fs.FolderExists(dir.Path() + "MAPS"));
  EXPECT_FALSE(fs.FileExists(dir.Path() + "MAPS"));
  EXPECT_FALSE(fs.FolderExists(dir.Path() + "maps/foo.map"));
  EXPECT_EQ(fs.FileSize(dir.Path() + "Maps/Foo.map"), 3);
  EXPECT_EQ(fs.ReadBytes(dir.Path() + "mApS/fOo.MaP", 1, 10), "bc");
  EXPECT_EQ(fs.Resolve(dir.Path() + "maps/foo.map"), dir.Path() + "Maps/FOO.MAP");
}

// Names that differ only by case: the exact one wins, at every level of the path,
// and a loose match is the same one on every call.
TEST(Files, ResolutionPrefersTheExactName) {
  TempFolder dir;
  for (const char* name : {"Dir/x", "DIR/x", "dir/x", "Dir/ab.txt", "Dir/AB.txt", "Dir/aB.txt"})
    WriteFile(dir.Path() + name, name);
  FileSystem fs;
  struct Case {
    const char* asked;
    const char* found;
  } cases[] = {
      {"Dir/x", "Dir/x"}, {"DIR/x", "DIR/x"},           {"dir/x", "dir/x"},           {"DIR/X", "DIR/x"},
      {"dir/X", "dir/x"}, {"Dir/ab.txt", "Dir/ab.txt"}, {"Dir/AB.txt", "Dir/AB.txt"}, {"Dir/aB.txt", "Dir/aB.txt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fs.Resolve(dir.Path() + c.asked), dir.Path() + c.found) << c.asked;
    EXPECT_EQ(fs.ReadBytes(dir.Path() + c.asked, 0, 100), c.found) << c.asked;
  }
  const std::string looseFile = fs.Resolve(dir.Path() + "Dir/Ab.TXT");
  const std::string looseFolder = fs.Resolve(dir.Path() + "dIr/X");
  EXPECT_EQ(ReadFile(looseFile), looseFile.substr(dir.Path().size()));
  EXPECT_EQ(ReadFile(looseFolder), looseFolder.substr(dir.Path().size()));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(fs.Resolve(dir.Path() + "Dir/AB.TXT"), looseFile);
    EXPECT_EQ(fs.Resolve(dir.Path() + "Dir/ab.TxT"), looseFile);
    EXPECT_EQ(fs.Resolve(dir.Path() + "DiR/X"), looseFolder);
  }
  EXPECT_EQ(fs.Resolve(dir.Path() + "nope/x"), dir.Path() + "nope/x");
}

// A name that does not exist yet still lands in its folder as that folder is on disk.
TEST(Files, NewNamesGoIntoTheFolderAsItIsOnDisk) {
  TempFolder dir;
  MakeFolder(dir.Path() + "Games");
  FileSystem fs;
  EXPECT_EQ(fs.Resolve(dir.Path() + "GAMES/New.ini"), dir.Path() + "Games/New.ini");
  ASSERT_TRUE(fs.ReplaceFile(dir.Path() + "GAMES/New.ini", "x"));
  EXPECT_EQ(ReadFile(dir.Path() + "Games/New.ini"), "x");
  EXPECT_EQ(fs.Resolve(dir.Path() + "MISSING/deeper/a.ini"), dir.Path() + "MISSING/deeper/a.ini");
}

// Regular, non-hidden files only, matched and sorted without regard to case.
TEST(Files, ListingMatchesPatternsAndSortsWithoutCase) {
  TempFolder dir;
  const std::string f = dir.Path() + "Folder/";
  for (const char* name : {"b.MAP", "A.map", "c.map.bak", "d.mapx", ".hidden.map", "map", "game1.sav", "GAME2.SAV",
                           "Game10.sav", "egam3.sav", "game.sav.old", "x.grp", "Y.ZIP", "z.Zip", "w.grp.txt"})
    WriteFile(f + name, "data");
  MakeFolder(f + "folder.map");
  MakeFolder(f + "game4.sav");
  ASSERT_EQ(::symlink("loop.map", (f + "loop.map").c_str()), 0);
  ASSERT_EQ(::mkfifo((f + "pipe.map").c_str(), 0600), 0);
  struct Case {
    const char* patterns;
    Names expected;
  } cases[] = {
      {"*.map", {"A.map", "b.MAP"}},
      {"*.MAP", {"A.map", "b.MAP"}},
      {"*.grp;*.zip", {"x.grp", "Y.ZIP", "z.Zip"}},
      {"game*.sav", {"game1.sav", "Game10.sav", "GAME2.SAV"}},
      {"?.map", {"A.map", "b.MAP"}},
      {"*.exe", {}},
  };
  FileSystem fs;
  for (const Case& c : cases) EXPECT_EQ(fs.List(dir.Path() + "FOLDER", c.patterns), c.expected) << c.patterns;
}

TEST(Files, PatternMatching) {
  struct Case {
    const char* name;
    const char* patterns;
    bool matches;
  } cases[] = {
      {"DUKE3D.GRP", "*.grp", true},
      {"duke3d.grp", "*.GRP", true},
      {"a.grp", "*.zip;*.grp", true},
      {"a.grpx", "*.grp", false},
      {"grp", "*.grp", false},
      {".grp", "*.grp", true},
      {"game12.sav", "game*.sav", true},
      {"egam1.sav", "game*.sav", false},
      {"game.sav", "game*.sav", true},
      {"ab", "a?", true},
      {"a", "a?", false},
      {"anything", "*", true},
      {"a.b", "", false},
      {"a.b", "*.c;", false},
      {"x\xC9.map", "X\xE9.map", false},
  };
  for (const Case& c : cases) EXPECT_EQ(MatchesPattern(c.name, c.patterns), c.matches) << c.name << " " << c.patterns;
}

TEST(Files, ListingMakesItsFolderCurrent) {
  TempFolder dir;
  WriteFile(dir.Path() + "Maps/a.map", "");
  WriteFile(dir.Path() + "plain.txt", "");
  FileSystem fs(dir.Path());
  EXPECT_EQ(fs.CurrentFolder(), dir.Path());
  fs.List(dir.Path() + "maps", "*.map");
  EXPECT_EQ(fs.CurrentFolder(), dir.Path() + "Maps/");
  for (const char* notFolder : {"Missing", "plain.txt", "Maps/a.map"}) {
    EXPECT_TRUE(fs.List(dir.Path() + notFolder, "*").empty()) << notFolder;
    EXPECT_EQ(fs.CurrentFolder(), dir.Path() + "Maps/") << notFolder;
  }
}

// Started from one folder, the program then lists another: relative names
// follow the listing, not the folder the process was started in.
TEST(Files, RelativeNamesAreInTheCurrentFolder) {
  TempFolder start, dir;
  WriteFile(start.Path() + "game10.sav", "start");
  WriteFile(dir.Path() + "Maps/GAME10.SAV", "maps");
  WriteFile(dir.Path() + "Maps/a.map", "");
  const std::string previous = ProcessFolder();
  ASSERT_EQ(::chdir(start.Path().c_str()), 0);
  FileSystem fs;
  EXPECT_EQ(fs.ReadBytes("game10.sav", 0, 10), "start");
  fs.List(dir.Path() + "maps", "*.map");
  EXPECT_TRUE(fs.FileExists("game10.sav"));
  EXPECT_EQ(fs.ReadBytes("game10.sav", 0, 10), "maps");
  EXPECT_TRUE(fs.Delete("Game10.sav"));
  EXPECT_FALSE(fs.FileExists("game10.sav"));
  EXPECT_EQ(ReadFile(start.Path() + "game10.sav"), "start");
  ASSERT_EQ(::chdir(previous.c_str()), 0);
}

// Things that are not regular files read as absent, and reading them never blocks.
TEST(Files, OnlyRegularFilesAreRead) {
  TempFolder dir;
  const std::string fifo = dir.Path() + "Pipe.ini";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_EQ(::symlink("Loop", (dir.Path() + "Loop").c_str()), 0);
  ASSERT_EQ(::symlink("Folder", (dir.Path() + "Dangling").c_str()), 0);
  MakeFolder(dir.Path() + "Dir");
  FileSystem fs;
  ::alarm(5);  // a blocking open would otherwise hang the whole run
  for (const char* name : {"pipe.ini", "loop", "Dangling", "Dir"}) {
    const std::string path = dir.Path() + name;
    EXPECT_FALSE(fs.FileExists(path)) << name;
    EXPECT_EQ(fs.FileSize(path), -1) << name;
    EXPECT_EQ(fs.ReadBytes(path, 0, 16), "") << name;
    EXPECT_FALSE(fs.ModifiedTime(path)) << name;
    EXPECT_FALSE(fs.SetModifiedTime(path, 1000)) << name;
  }
  ::alarm(0);
  EXPECT_FALSE(fs.FolderExists(dir.Path() + "loop"));
  EXPECT_TRUE(fs.FolderExists(dir.Path() + "dir"));
  EXPECT_TRUE(fs.List(dir.Path(), "*").empty());
}

TEST(Files, ReadBytesGivesWhatIsThere) {
  TempFolder dir;
  WriteFile(dir.Path() + "f.bin", std::string("0123456789\0\xFF", 12));
  FileSystem fs;
  struct Case {
    std::uint64_t offset;
    std::size_t count;
    std::string expected;
  } cases[] = {{0, 4, "0123"}, {8, 10, std::string("89\0\xFF", 4)}, {12, 5, ""}, {100, 5, ""}, {3, 0, ""}};
  for (const Case& c : cases) EXPECT_EQ(fs.ReadBytes(dir.Path() + "F.BIN", c.offset, c.count), c.expected) << c.offset;
}

// Opinions live in the modification time: setting it must never touch the bytes.
TEST(Files, SetModifiedTimeChangesOnlyTheTimeToTheSecond) {
  TempFolder dir;
  const std::string path = dir.Path() + "Maps/E1L1.map";
  WriteFile(path, "map bytes");
  fixture::SetFileTime(path, 1'600'000'000);
  FileSystem fs;
  for (std::time_t t : {std::time_t(1'000'000'000), std::time_t(1'700'003'600), std::time_t(86'400)}) {
    ASSERT_TRUE(fs.SetModifiedTime(dir.Path() + "MAPS/e1l1.MAP", t));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, t);
    EXPECT_EQ(st.st_mtim.tv_nsec, 0);
    EXPECT_EQ(fs.ModifiedTime(dir.Path() + "maps/e1l1.map"), t);
    EXPECT_EQ(ReadFile(path), "map bytes");
  }
  EXPECT_FALSE(fs.SetModifiedTime(dir.Path() + "Maps/missing.map", 1000));
  EXPECT_FALSE(fs.SetModifiedTime(dir.Path() + "Maps", 1000));
}

TEST(Files, RenameAndDeleteResolveLetterCase) {
  TempFolder dir;
  WriteFile(dir.Path() + "Game/DUKE3D.DEF", "def");
  MakeFolder(dir.Path() + "Game/Sub");
  FileSystem fs;
  EXPECT_TRUE(fs.Rename(dir.Path() + "game/duke3d.def", dir.Path() + "GAME/Duke3d.def.bak"));
  EXPECT_EQ(ReadFile(dir.Path() + "Game/Duke3d.def.bak"), "def");
  EXPECT_FALSE(fixture::Exists(dir.Path() + "Game/DUKE3D.DEF"));
  EXPECT_FALSE(fs.Rename(dir.Path() + "game/duke3d.def", dir.Path() + "game/other"));
  EXPECT_TRUE(fs.Delete(dir.Path() + "GAME/DUKE3D.DEF.BAK"));
  EXPECT_FALSE(fixture::Exists(dir.Path() + "Game/Duke3d.def.bak"));
  EXPECT_FALSE(fs.Delete(dir.Path() + "game/duke3d.def.bak"));
  EXPECT_FALSE(fs.Delete(dir.Path() + "game/sub"));
  EXPECT_TRUE(fs.FolderExists(dir.Path() + "Game/Sub"));
}

// Replacing goes through the existing name, whatever case was asked, and keeps its mode.
TEST(Files, ReplaceFileReplacesTheFileOnDisk) {
  TempFolder dir;
  const std::string path = dir.Path() + "Tarvolin.ini";
  WriteFile(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  FileSystem fs;
  ASSERT_TRUE(fs.ReplaceFile(dir.Path() + "TARVOLIN.INI", "new bytes"));
  EXPECT_EQ(ReadFile(path), "new bytes");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // An administrator's run leaves another user's file theirs.
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    ASSERT_TRUE(fs.ReplaceFile(path, "by root"));
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
  }
  ASSERT_TRUE(fs.ReplaceFile(path, ""));
  EXPECT_EQ(ReadFile(path), "");
  EXPECT_EQ(fs.List(dir.Path(), "*"), Names{"Tarvolin.ini"});
}

// Within a pass a folder is read once: another writer's file shows only after
// the pass, while the program's own writes are seen at once.
TEST(Files, PassScopeReadsEachFolderOnce) {
  TempFolder dir;
  const std::string f = dir.Path() + "Maps/";
  WriteFile(f + "a.map", "");
  FileSystem fs;
  {
    FileSystem::PassScope pass(fs);
    EXPECT_EQ(fs.List(f, "*.map"), Names{"a.map"});
    WriteFile(f + "b.map", "");
    EXPECT_EQ(fs.List(f, "*.map"), Names{"a.map"});
    EXPECT_FALSE(fs.FileExists(f + "B.MAP"));
    ASSERT_TRUE(fs.ReplaceFile(f + "c.map", "mine"));
    EXPECT_EQ(fs.List(f, "*.map"), (Names{"a.map", "b.map", "c.map"}));
    WriteFile(f + "d.map", "");
    EXPECT_EQ(fs.List(f, "*.map"), (Names{"a.map", "b.map", "c.map"}));
    ASSERT_TRUE(fs.Rename(f + "a.map", f + "e.map"));
    EXPECT_EQ(fs.List(f, "*.map"), (Names{"b.map", "c.map", "d.map", "e.map"}));
    WriteFile(f + "f.map", "");
    ASSERT_TRUE(fs.Delete(f + "b.map"));
    EXPECT_EQ(fs.List(f, "*.map"), (Names{"c.map", "d.map", "e.map", "f.map"}));
    WriteFile(f + "g.map", "");
  }
  EXPECT_EQ(fs.List(f, "*.map"), (Names{"c.map", "d.map", "e.map", "f.map", "g.map"}));
  WriteFile(f + "h.map", "");
  EXPECT_EQ(fs.List(f, "*.map").size(), 6u);
}

TEST(Files, FoldersOfTheProgramAndProcess) {
  const std::string program = ProgramFolderOfExecutable();
  const std::string process = ProcessFolder();
  ASSERT_FALSE(program.empty());
  EXPECT_EQ(program.back(), kSep);
  EXPECT_EQ(process.back(), kSep);
  FileSystem fs;
  EXPECT_TRUE(fs.FileExists(program + "platform_tests"));
  EXPECT_EQ(fs.CurrentFolder(), process);
}

}  // namespace
}  // namespace tv
