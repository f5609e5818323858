#pragma once
// What the core asks of the windows. The Qt layer implements it; tests use a
// recorder that answers from a script. Each secondary window is given the
// data it shows and hands back what the user chose; the core never asks for a
// redraw: the main window renders after each event it hands over.
#include <functional>
#include <string>
#include <vector>

#include "catalog/LevelTable.h"
#include "catalog/ReadMe.h"
#include "launch/Network.h"
#include "platform/Beep.h"
#include "platform/Color.h"

namespace tv {

// Result codes of the message dialog's buttons.
enum DialogResult : int {
  kOk = 1, kCancel, kAbort, kRetry, kIgnore, kYes, kNo, kAll, kNoToAll, kYesToAll
};

// Whether a list window's Select button takes the row selected (-1: none).
using RowTest = std::function<bool(int row)>;

// The comparison with the same map in another installation.
struct OpinionVerdict {
  std::string text;
  Rgb colour;
};

struct OpinionRequest {
  std::string topLine;
  // The Compare button's answer; no button when empty.
  std::function<OpinionVerdict()> compare;
};

// How the opinion window closed, and the opinion of the row clicked.
struct OpinionAnswer {
  enum class By { Row, Cancel, Frame } by = By::Frame;
  int code = 0;
};

// A line of the history window, coloured by its map's opinion.
struct HistoryRow {
  std::string name;
  long opinion = 0;
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

  // The secondary windows, each shown until it closes.
  virtual OpinionAnswer ChooseOpinion(const OpinionRequest& request) = 0;
  // "Select level" and "Play Batch File": the row Select took, or -1 when the
  // window was cancelled or closed.
  virtual int ChooseLevel(const std::vector<LevelRow>& rows, const RowTest& takes) = 0;
  virtual int ChooseBatchFile(const std::vector<std::string>& files, const RowTest& takes) = 0;
  // "General Configurations" edits config; each activation of the window
  // first passes it to reload. True when Accept closed it.
  virtual bool EditNetwork(NetworkConfig& config, const std::function<void(NetworkConfig&)>& reload) = 0;
  virtual void ShowReadMe(const ReadMeView& view) = 0;
  // "Map History": rows are read afresh at every activation of the window.
  virtual void ShowHistory(const std::function<std::vector<HistoryRow>()>& rows) = 0;

  // The system's open-file dialog; filter as "Name (*.x)|*.x|...". Returns
  // the chosen file's full path, or "" when cancelled.
  virtual std::string OpenFileDialog(const std::string& initialFolder, const std::string& filter) = 0;
  virtual void Minimize() = 0;
  virtual void Restore() = 0;
  // Ends the event loop.
  virtual void Quit() = 0;
};

}  // namespace tv
