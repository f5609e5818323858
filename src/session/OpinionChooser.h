#pragma once
// The opinion window's part in the core: it asks the window for a verdict on
// a map or a TC, applies it, and compares a map with the same map in another
// installation. That installation's folder is kept between showings, so an
// opening for a TC keeps the last map opening's (its map name is then empty
// and the comparison finds nothing).
#include <functional>
#include <string>

#include "session/Session.h"

namespace tv {

class OpinionChooser {
 public:
  explicit OpinionChooser(Session& session) : m_s(session) {}

  // A map opening takes the other installation's folder from the settings.
  void SetOtherInstallation(const std::string& folder);
  // Shows the window. A row's opinion goes to apply and the settings are
  // saved before the pass that follows the window's closing; a choice that
  // cannot be kept is shown, and the window is closed all the same.
  OpinionAnswer Choose(const std::string& topLine, const std::string& mapName,
                       const std::function<void(int code)>& apply);
  // The Compare button: the opinion the same map has in the other installation.
  OpinionVerdict Compare(const std::string& mapName) const;

 private:
  Session& m_s;
  std::string m_otherInstallation;
};

}  // namespace tv
