// The stand-in game: installed under the game's names it carries the version
// texts the title reads, and started by the launcher it records what it got.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include "fixture/Home.h"
#include "fixture/Installation.h"
#include "install/ExecutableVersion.h"
#include "install/GameExecutables.h"
#include "platform/Process.h"

namespace tv::test {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class StandIn : public ::testing::Test {
 protected:
  void Install(const std::vector<std::string>& names) {
    fixture::Installation programs;
    programs.gameData = 0;
    for (const std::string& name : names) programs.executables.push_back({name, TV_STANDIN, 0, {}});
    fixture::MakeInstallation(dir.Path(), programs);
  }
  // The records of the log once there are count of them; fewer after ten seconds.
  std::vector<std::string> Records(std::size_t count) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::vector<std::string> records;
    for (;;) {
      records.clear();
      std::string record;
      for (const std::string& line : Lines(fixture::ReadFile(dir.Path() + "standin.log"))) {
        if (!line.empty()) {
          record += line + "\n";
        } else if (!record.empty()) {
          records.push_back(record);
          record.clear();
        }
      }
      if (records.size() >= count || std::chrono::steady_clock::now() > until) return records;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  fixture::TempFolder dir;
  FileSystem fs{dir.Path()};
};

TEST_F(StandIn, UnderTheGamesNamesItShowsTheirVersionsInTheTitle) {
  Install({"Duke3dw.exe", "EDuke32.exe"});
  EXPECT_EQ(ReadDuke3dwVersion(fs, dir.Path() + "Duke3dw.exe"), "1.4 ");
  EXPECT_EQ(ReadEDuke32Version(fs, dir.Path() + "EDuke32.exe"), "2.0 ");
  const struct {
    const char* dukeFilename;
    const char* title;
    bool eduke32;
  } cases[] = {{"Duke3dw.exe", "Duke3dw v1.4 ", false}, {"EDuke32.exe", "EDuke32 v2.0 ", true}};
  for (const auto& c : cases) {
    const GameTitle title = MakeGameTitle(fs, dir.Path(), c.dukeFilename);
    EXPECT_EQ(title.text, c.title);
    EXPECT_EQ(title.eduke32, c.eduke32);
  }
}

TEST_F(StandIn, StartedByTheLauncherItAppendsWhatItGotToItsLog) {
  fixture::ScopedEnv closeAtOnce("STANDIN_CLOSE_AFTER", "0");
  fixture::ScopedEnv noDisplay("QT_QPA_PLATFORM", "offscreen");
  Install({"Duke3dw.exe", "EDuke32.exe", "D3WSetup.exe"});
  const struct {
    const char* program;
    std::vector<std::string> arguments;
  } cases[] = {
      {"Duke3dw.exe", {"-j/games/Duke 3D/Maps", "-xTowers.con", "-map", "Towers.map", "/s3"}},
      {"EDuke32.exe", {"-v2", "-l05", "/s3"}},
      {"D3WSetup.exe", {}},
  };
  const std::string folder = std::filesystem::canonical(dir.Path()).string();
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    ASSERT_TRUE(OpenProgram(fs, cases[i].program, cases[i].arguments, dir.Path())) << cases[i].program;
    // One at a time, so that the log's order is the order of the starts.
    ASSERT_EQ(Records(i + 1).size(), i + 1) << cases[i].program;
  }
  const std::vector<std::string> records = Records(std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::vector<std::string> lines = Lines(records[i]);
    ASSERT_EQ(lines.size(), 3 + cases[i].arguments.size()) << records[i];
    EXPECT_EQ(lines[0], std::string("program=") + cases[i].program);
    EXPECT_TRUE(lines[1].starts_with("pid=")) << lines[1];
    EXPECT_EQ(lines[2], "folder=" + folder);
    for (std::size_t a = 0; a < cases[i].arguments.size(); ++a)
      EXPECT_EQ(lines[3 + a], "argument=" + cases[i].arguments[a]);
  }
}

}  // namespace
}  // namespace tv::test
