#include "session/Skins.h"

#include "platform/Text.h"

namespace tv {

const Skin& SkinForStoredName(std::string_view stored) {
  const std::string upper = Upper(stored);
  const std::string_view name = upper == "GRAY" ? "SILVER" : std::string_view(upper);
  for (const Skin& s : kSkins)
    if (Upper(s.name) == name) return s;
  return kSkins[0];
}

}  // namespace tv
