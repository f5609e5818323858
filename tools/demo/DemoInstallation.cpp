#include "demo/DemoInstallation.h"

#include "fixture/Maps.h"

namespace tv::demo {
namespace {

// The game's two engines and its setup program.
constexpr const char* kStandInNames[] = {"Duke3dw.exe", "EDuke32.exe", "D3WSetup.exe"};

std::vector<std::string> ReadMe(const std::string& title, const std::string& author, const std::string& about) {
  return {"Title       : " + title,
          "Author      : " + author,
          "",
          "Description : " + about,
          "",
          "Installation: put the map into a Maps folder."};
}

}  // namespace

fixture::Installation DemoInstallation(const std::string& standIn) {
  fixture::Installation demo;
  // Every opinion colour, maps of different sizes, read-me files beside a
  // few maps and in "Help" and "Text", and maps with their own script, group
  // and definition files.
  demo.mapFolders = {
      {"Maps",
       {
           {"Hollywood2.map", 5, {12, 60, 40}, ReadMe("Hollywood 2", "R. Ward", "The cinema, bigger."), {}},
           {"Redlight.map", 1, {8, 40, 30}, ReadMe("Red Light", "J. Stone", "A night in the district."), {}},
           {"Spaceyard.map", 2, {20, 90, 50}, {}, {}},
           {"Sewers.map", 3, {4, 20, 6}, {}, {}},
           {"Labyrinth.map", 4, {30, 150, 10}, ReadMe("Labyrinth", "M. Hart", "Find the way out."), {}},
           {"Arena.map", 6, {6, 24, 12}, {}, {}},
           {"Crashsite.map", 7, {10, 44, 20}, {}, {}},
           {"Oldtimer.map", 8, {3, 12, 4}, {}, {}},
           {"Newmap.map", 0, {5, 22, 9}, {}, {}},
           {"Towers.map", 1, {16, 70, 25}, {}, {".con", ".grp", ".def"}},
           {"Castle.map", 5, {14, 64, 33}, {}, {"_hrp.zip", ".def"}},
           {"Harbour.map", 0, {9, 38, 14}, {}, {}},
       }},
      {"Maps1",
       {
           {"Bonus1.map", 5, {7, 30, 10}, ReadMe("Bonus 1", "A. Reed", "A secret level."), {}},
           {"Bonus2.map", 2, {9, 36, 12}, {}, {}},
           {"Bonus3.map", 0, {11, 40, 14}, {}, {}},
           {"Bonus4.map", 3, {13, 48, 16}, {}, {}},
       }},
      {"Mapsdm",
       {
           {"Dmarena.map", 6, {6, 30, 20}, ReadMe("DM Arena", "K. Lowe", "Eight players, no exits."), {}},
           {"Dmcity.map", 6, {18, 80, 40}, {}, {}},
           {"Dmpit.map", 1, {4, 16, 8}, {}, {}},
           {"Dmtower.map", 0, {8, 32, 12}, {}, {}},
       }},
  };
  demo.textFiles = {
      {"Help/Towers.txt", ReadMe("Towers", "S. Vale", "Two towers and a bridge; read-me kept in Help.")},
      {"Text/Harbour.txt", ReadMe("Harbour", "P. Marsh", "Docks at night; read-me kept in Text.")},
      {"Coop.bat", {"@echo off", "Duke3dw.exe -map Maps\\Arena.map /s2"}},
  };
  // One TC as a group file with a high-resolution pack, one as a zip archive
  // whose settings file is already there; both with levels.
  demo.tcs = {
      {.base = "Alien",
       .archive = fixture::Archive::Grp,
       .levels = {"Alien1", "Alien2", "Alien3", "Alien4"},
       .ownMap = true,
       .dataSize = 16000,
       .hrp = true,
       .settings = {}},
      {.base = "Frontier",
       .archive = fixture::Archive::Zip,
       .levels = {"Front1", "Front2", "Front3"},
       .dataSize = 24000,
       .settings = fixture::TcSettings{"Frontier", "Frontier.zip", "Frontier.con", "", "", "Front1.map"}},
  };
  const auto at = [](int hour) { return fixture::LocalTimeAt(hour, 15); };
  demo.savedGames = {
      {"game0.sav", "Hollywood Holocaust", at(9)}, {"game1.sav", "Red Light District", at(10)},
      {"game2.sav", "Death Row", at(14)},          {"game3.sav", "Toxic Dump", at(11)},
      {"egam0.sav", "Spaceport", at(12)},          {"egam1.sav", "Incubator", at(13)},
  };
  for (const char* name : kStandInNames) demo.executables.push_back({name, standIn, 0, {}});
  demo.music = {"Grabbag.mid", "Stalker.mid"};
  return demo;
}

}  // namespace tv::demo
