#pragma once
// The buttons of the message dialog, read from a text list such as
// "mbYes,mbNo". Free of Qt so that the rule can be tested on its own.
#include <string_view>
#include <vector>

#include "session/UserInterface.h"

namespace tv {

struct DialogButton {
  const char* token;    // as written in the list, e.g. "mbYesToAll"
  DialogResult result;  // what pressing it returns
  const char* caption;  // '&' marks the mnemonic
};

// Every token of the list, without regard to letter case and whatever
// separates them, in the dialog's own button order, each once. Words that are
// no token are ignored.
std::vector<DialogButton> ParseDialogButtons(std::string_view list);

}  // namespace tv
