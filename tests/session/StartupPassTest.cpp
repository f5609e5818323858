#include <gtest/gtest.h>

#include "support/ProgramFixture.h"

namespace tv::test {
namespace {

using StartupPass = ProgramTest;

TEST_F(StartupPass, RunsItsStepsInTheirOrder) {
  Program& p = Start();
  std::vector<std::string> steps;
  p.SetPassObserver([&](const char* step) { steps.emplace_back(step); });
  p.Activate();
  const std::vector<std::string> expected = {
      "FindProgramFolder",   "FindGamesFolder",     "DeleteStrayGame10",     "BlackenLists",
      "ClearExecutableList", "ClearTcTable",        "CheckDateStyle",        "ClearMapTables",
      "ClearTcOpinions",     "DetectGameEdition",   "ListSavedGames",        "ListGroupFiles",
      "FindMapFolders",      "DiscoverTCs",         "LoadSettings",          "FillTCList",
      "FindGameExecutables", "LoadFirstMapFolder",  "PackAndLoadTCOpinions", "UpdatePlayButton",
      "FillSavedGames",      "ApplySavedSortMode",  "ResetSavedGamePattern", "UpdateWindowTitle",
      "DropFocus",           "ShowLists",           "SetAssociationHint",    "SwitchHighResPack"};
  EXPECT_EQ(steps, expected);
  EXPECT_TRUE(p.View().listsVisible);
  EXPECT_EQ(p.View().assocHint, "Play the selected map with\nthe selected Total Conversion");
}

TEST_F(StartupPass, AnErrorEndsThePassAtItsStep) {
  fixture::MakeFolder(Path("Tarvolin.ini"));
  Program& p = Start();
  std::vector<std::string> steps;
  p.SetPassObserver([&](const char* step) { steps.emplace_back(step); });
  p.Activate();
  EXPECT_EQ(steps.back(), "LoadSettings");
  p.Activate();  // the next pass starts from the beginning again
  EXPECT_EQ(std::count(steps.begin(), steps.end(), "FindProgramFolder"), 2);
}

TEST_F(StartupPass, DateStyleFollowsTheShortDateFormat) {
  const struct {
    const char* format;
    bool dot;
  } cases[] = {{"dd.MM.yyyy", true}, {"d.M.yy", true}, {"dd/MM/yyyy", false}, {"yyyy-MM-dd", false},
               {"d MMM yyyy", false}};
  for (const auto& c : cases) {
    Program& p = Start({c.format, "HH:mm:ss"});
    p.Activate();
    EXPECT_EQ(p.DateStyleDot(), c.dot) << c.format;
  }
}

TEST_F(StartupPass, DeletesAStrayGame10InTheCurrentFolderOnly) {
  fixture::TempFolder elsewhere;
  fixture::WriteFile(elsewhere.Path() + "GAME10.SAV", "x");
  fixture::WriteFile(Path("game10.sav"), "x");
  FileSystem startedElsewhere(elsewhere.Path());
  Environment env;
  env.programFolder = dir.Path();
  Program p(startedElsewhere, ui, env);
  p.Activate();
  EXPECT_FALSE(fixture::Exists(elsewhere.Path() + "GAME10.SAV"));
  EXPECT_TRUE(fixture::Exists(Path("game10.sav")));
}

}  // namespace
}  // namespace tv::test
