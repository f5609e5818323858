// The message dialog's button list, for any text: each button once, in the
// dialog's order, and exactly those whose token stands in the list as a whole
// word, letter case ignored.
#include <string>
#include <string_view>

#include "FuzzFiles.h"
#include "platform/Text.h"
#include "ui/widgets/DialogButtons.h"

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool StandsAsWord(std::string_view list, std::string_view token) {
  for (std::size_t at = tv::FindNoCase(list, token); at != std::string_view::npos;) {
    const std::size_t end = at + token.size();
    if ((at == 0 || !IsLetter(list[at - 1])) && (end == list.size() || !IsLetter(list[end]))) return true;
    const std::size_t next = tv::FindNoCase(list.substr(at + 1), token);
    at = next == std::string_view::npos ? next : at + 1 + next;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view list(reinterpret_cast<const char*>(data), size);
  const std::vector<tv::DialogButton> buttons = tv::ParseDialogButtons(list);
  const std::vector<tv::DialogButton> all =
      tv::ParseDialogButtons("mbYes mbNo mbOk mbCancel mbAbort mbRetry mbIgnore mbAll mbNoToAll mbYesToAll");
  tv::fuzz::Check(all.size() == 10, "ten buttons in all");
  std::size_t next = 0;
  for (const tv::DialogButton& b : all) {
    const bool wanted = StandsAsWord(list, b.token);
    if (!wanted) continue;
    tv::fuzz::Check(next < buttons.size() && buttons[next].result == b.result, "each wanted button, in order");
    ++next;
  }
  tv::fuzz::Check(next == buttons.size(), "no button that was not asked for");
  return 0;
}
