#pragma once
// The main window's pop-up menus "Options 1" and "Options 2": every entry
// named as in the window's design, each calling the operation it stands for.
#include <QAction>
#include <array>
#include <functional>

#include "session/MainView.h"
#include "ui/Glyphs.h"
#include "ui/SkinColors.h"

namespace tv {

class CaptionMenu;
class Program;

class MainMenus {
 public:
  using Operation = std::function<void(Program&)>;
  // run: how the window performs an operation (guarded, then rendered).
  MainMenus(QWidget* parent, std::function<void(const Operation&)> run);

  CaptionMenu& Options1() { return *m_options1; }
  CaptionMenu& Options2() { return *m_options2; }

  // Captions, visibility and check marks as the view has them.
  void Render(const MainView& view);
  // The item gradient runs from the dark to the light colour.
  void ApplySkin(const SkinColors& colors);

 private:
  QAction* Add(CaptionMenu* menu, const QString& name, const QString& caption, Glyph glyph, Operation operation);
  void BuildOptions1();
  void BuildOptions2();

  std::function<void(const Operation&)> m_run;
  CaptionMenu* m_options1;
  CaptionMenu* m_options2;
  std::array<QAction*, 5> m_duke{};
  std::array<QAction*, 7> m_mapFolders{};
  std::array<QAction*, 4> m_mapSort{};
  QAction* m_commandLine = nullptr;
  QAction* m_multiSelect = nullptr;
};

}  // namespace tv
