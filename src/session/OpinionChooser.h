#pragma once
// The opinion window's behaviour without its widgets: its rows, the inputs the
// main window fills before showing it, and the comparison with the same map in
// another installation. The Qt dialog renders this and forwards its events.
#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include "session/UserInterface.h"
#include "platform/DateTime.h"
#include "platform/Files.h"

namespace tv {

struct OpinionRow {
  const char* panel;
  const char* text;
  int code;          // the opinion a click applies; the row's colour is its OpinionColor
  const char* hint;  // "" for none
};

// The clickable rows, top to bottom. The clear row (code 0) is drawn in the system's
// window colour instead of silver.
inline constexpr std::array<OpinionRow, 8> kOpinionRows = {{
    {"excellentRow", "Played and was Excellent", 5, ""},
    {"goodRow", "Played and was Good", 1, ""},
    {"fairRow", "Played and was Fair", 2, ""},
    {"badRow", "Played and was Bad", 3, ""},
    {"confusingRow", "Confusing or  stuck", 4, ""},
    {"crashesRow", "Crashes or Hangs", 7, ""},
    {"multiplayerRow", "Multiplayer Only", 6, "Map has no monsters"},
    {"clearRow", "Clear Color Indexing", 0, ""},
}};
inline constexpr const char* kOpinionTopHint = "Your selected map";

// Which list opened the window: its choice rates the selected TC or map(s).
enum class OpinionTarget { Tcs, Maps };

class OpinionChooser {
 public:
  OpinionChooser(FileSystem& fs, UserInterface& ui, const DateTimeFormats& formats,
                 std::function<void(int code)> setOpinion);

  // Inputs, filled by the main window before it shows the window; they stay
  // between showings, so an opening for a TC keeps the last opinion path.
  std::string topLine;      // the top line's text
  std::string mapName;      // empty when opened for a TC
  std::string opinionPath;  // the folder of another installation
  bool exportFlag = false;  // read by the main window after the window closed
  OpinionTarget target = OpinionTarget::Maps;

  bool CompareVisible() const { return m_compareVisible; }

  void Prepare();
  // A click on kOpinionRows[row]; the window closes afterwards.
  void ChooseOpinion(std::size_t row);
  void Cancel();
  void Compare();

 private:
  FileSystem& m_fs;
  UserInterface& m_ui;
  const DateTimeFormats& m_formats;
  std::function<void(int)> m_setOpinion;
  bool m_compareVisible = false;
};

}  // namespace tv
