#pragma once
// The opinion window's behaviour without its widgets: the inputs the main
// window fills before showing it, a click on one of its rows (kOpinionRows of
// the opinion table) and the comparison with the same map in another
// installation. The Qt dialog renders this and forwards its events.
#include <cstddef>
#include <functional>
#include <string>

#include "catalog/Opinion.h"
#include "session/UserInterface.h"
#include "platform/DateTime.h"
#include "platform/Files.h"

namespace tv {

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
