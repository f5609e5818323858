#pragma once
// Everything the main window shows, as the core decides it. The Qt window
// renders this after every operation and never decides any of it itself.
#include <array>
#include <string>
#include <vector>

#include "session/Skins.h"
#include "launch/GameRole.h"

namespace tv {

struct MenuEntry {
  std::string caption;
  bool visible = false;
  bool checked = false;
};

struct ListRow {
  std::string text;
  int code = 0;  // opinion code that colours the row
};

struct MainView {
  std::string caption = "Tarvolin - vx.x";
  std::string nicknameHeading = "Nickname";
  std::string mapHeading = "Maps from Maps";
  bool listsVisible = false;

  // The TC list.
  std::vector<ListRow> tcRows;
  int tcSelected = -1;

  // The map list: single selection until "Multi Select".
  std::vector<ListRow> mapRows;
  std::vector<int> mapSelected;  // selected rows, ascending
  int mapTopRow = -1;            // the row to scroll into view, -1 to leave it
  bool multiSelect = false;
  std::string mapHint = "Rightclick for Options";

  // Start buttons.
  std::string playCaption;
  std::string playHint;
  std::string tcButtonHint = "Start a Total Converstion";
  std::string mapButtonHint = "Start a user Map";
  bool tcButtonEnabled = true;
  bool mapButtonEnabled = true;
  bool playEnabled = true;

  // The skill box: the program's skill setting.
  std::string skillText;
  bool skillEnabled = true;

  // The saved games.
  std::vector<std::string> savedEntries;
  std::string savedText = "Start a saved game";
  int savedSelected = -1;
  bool savedEnabled = true;

  GameRole gameType = GameRole::Single;
  bool savedBoxAllowed = true;  // disabled for host and join games

  // The check box "Associate Map with TC".
  bool assocChecked = false;
  bool assocVisible = true;
  std::string assocHint;

  // Menu entries that change at run time.
  std::array<MenuEntry, 5> duke = {{{"", true}, {}, {}, {}, {}}};
  std::array<MenuEntry, 7> mapFolders = {{{"Maps", true}, {}, {}, {}, {}, {}, {}}};
  std::array<bool, 4> mapSortChecked{};
  bool commandLineChecked = false;

  const Skin* skin = &kSkins[0];

  // Set when no control may keep the keyboard focus; the window takes the
  // focus away and clears the request, so it acts once.
  mutable bool dropFocus = false;
};

}  // namespace tv
