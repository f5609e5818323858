#include "ui/widgets/DialogButtons.h"

#include <array>

#include "platform/Text.h"

namespace tv {
namespace {

// In the order the dialog shows its buttons.
constexpr std::array<DialogButton, 10> kButtons = {{
    {"mbYes", kYes, "&Yes"},
    {"mbNo", kNo, "&No"},
    {"mbOk", kOk, "OK"},
    {"mbCancel", kCancel, "Cancel"},
    {"mbAbort", kAbort, "&Abort"},
    {"mbRetry", kRetry, "&Retry"},
    {"mbIgnore", kIgnore, "&Ignore"},
    {"mbAll", kAll, "&All"},
    {"mbNoToAll", kNoToAll, "N&o to All"},
    {"mbYesToAll", kYesToAll, "Yes to &All"},
}};

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::vector<DialogButton> ParseDialogButtons(std::string_view list) {
  // Whole words only: "mbYesToAll" must not also bring a Yes button.
  std::array<bool, kButtons.size()> wanted{};
  for (std::size_t i = 0; i < list.size();) {
    if (!IsLetter(list[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < list.size() && IsLetter(list[end])) ++end;
    const std::string_view word = list.substr(i, end - i);
    for (std::size_t b = 0; b < kButtons.size(); ++b)
      if (EqualsNoCase(word, kButtons[b].token)) wanted[b] = true;
    i = end;
  }
  std::vector<DialogButton> buttons;
  for (std::size_t b = 0; b < kButtons.size(); ++b)
    if (wanted[b]) buttons.push_back(kButtons[b]);
  return buttons;
}

}  // namespace tv
