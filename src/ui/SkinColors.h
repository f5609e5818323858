#pragma once
// A skin as the windows paint it.
#include <QColor>

#include "session/Skins.h"

namespace tv {

struct SkinColors {
  QColor light;
  QColor dark;
  QColor text;
};

// "None" has no dark colour of its own: it takes the system's button face.
SkinColors ColorsOf(const Skin& skin);

}  // namespace tv
