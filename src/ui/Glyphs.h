#pragma once
// The small pictures of the buttons and menu entries, drawn by the program
// itself at 16 x 16 pixels.
#include <QColor>
#include <QIcon>

namespace tv {

enum class Glyph {
  Menu,
  Play,
  Quit,
  Delete,
  Compare,
  Batch,
  Level,
  Game,
  Setup,
  CommandLine,
  Desktop,
  Skin,
  About,
  Cancel,
  Folder,
  Sort,
  Music,
  Save,
  History,
  Multi
};

// In its own colours, or all in the one ink given.
QIcon GlyphIcon(Glyph glyph, const QColor& ink = QColor());

}  // namespace tv
