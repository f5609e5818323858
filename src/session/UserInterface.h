#pragma once
// What the core asks of the windows. The Qt layer implements it; tests use a
// recorder that answers from a script. The core never asks for a redraw: the
// window renders after each event it hands over.
#include <string>

#include "platform/Beep.h"
#include "platform/Color.h"

namespace tv {

// The six secondary windows, each shown modally when an operation needs it.
enum class Window { Opinion, History, Network, ReadMe, Levels, Batch };

// Result codes of the message dialog's buttons.
enum DialogResult : int {
  kOk = 1, kCancel, kAbort, kRetry, kIgnore, kYes, kNo, kAll, kNoToAll, kYesToAll
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  virtual void Beep(BeepKind kind) = 0;
  // The main window's message dialog: information, one OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // The question form; buttons as "mbYes,mbNo"; returns a DialogResult.
  virtual int MessageShow(const std::string& text, const std::string& title, const std::string& buttons, int x,
                          int y) = 0;
  // The system message box titled "Tarvolin" with the stop symbol.
  virtual void ShowRunTimeError(const std::string& text) = 0;
  // Shows a secondary window until it closes; it works on the core's model.
  virtual void ShowModal(Window window) = 0;
  // The opinion window's own message dialog, shading from white to colour.
  virtual void ShowOpinionMessage(const std::string& text, Rgb colour) = 0;
  // The system's open-file dialog; filter as "Name (*.x)|*.x|...". Returns
  // the chosen file's full path, or "" when cancelled.
  virtual std::string OpenFileDialog(const std::string& initialFolder, const std::string& filter) = 0;
  virtual void Minimize() = 0;
  virtual void Restore() = 0;
  // Ends the event loop.
  virtual void Quit() = 0;
};

}  // namespace tv
