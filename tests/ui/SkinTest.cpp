// Each skin reaches every window: the main window's bars, menu glyphs and
// texts, its menus and message dialog, and the bars of the six others.
#include <QAbstractButton>

#include "UiTest.h"
#include "ui/MainMenus.h"
#include "ui/widgets/CaptionMenu.h"
#include "ui/widgets/CaptionMenuStyle.h"
#include "ui/widgets/GradientPanel.h"
#include "ui/widgets/MessageDialog.h"

namespace tv::test {
namespace {

TEST(Skin, ReachesEveryWindow) {
  Windows windows;
  windows.main.SetProgram(nullptr, windows.InSkinOrder());
  MainView view;
  const auto of = [](Rgb c) { return QColor(c.r, c.g, c.b); };
  for (const Skin& skin : kSkins) {
    SCOPED_TRACE(skin.name);
    ASSERT_EQ(&SkinForStoredName(skin.name), &skin);
    view.skin = &skin;
    windows.main.Render(view);
    const QColor light = of(skin.light), text = of(skin.text);
    const QColor dark = skin.dark ? of(*skin.dark) : QApplication::palette().color(QPalette::Button);
    for (const char* bar : {"topBar", "bottomBar"}) {
      const QImage image = Child(windows.main, bar)->grab().toImage();
      EXPECT_TRUE(Near(image.pixelColor(0, image.height() / 2), light)) << bar;
      EXPECT_TRUE(Near(image.pixelColor(image.width() - 1, image.height() / 2), dark)) << bar;
    }
    const QImage top = Child(windows.main, "topBar")->grab().toImage();
    for (const char* name : {"options1Button", "options2Button"}) {  // the glyph's three bars of 12 x 2 stand out
      const QRect button = Child(windows.main, name)->geometry();
      const QColor under = top.pixelColor(button.left() - 1, button.center().y());
      int inked = 0;
      for (int y = button.top(); y <= button.bottom(); ++y)
        for (int x = button.left(); x <= button.right(); ++x) inked += !Near(top.pixelColor(x, y), under, 80);
      EXPECT_GE(inked, 3 * 12 * 2) << name;
    }
    for (const char* name : {"tcButton", "quitButton", "mapButton", "tcHeading", "nicknameHeading", "mapHeading"}) {
      const QWidget* w = Child(windows.main, name);
      const auto role = qobject_cast<const QAbstractButton*>(w) ? QPalette::ButtonText : QPalette::WindowText;
      EXPECT_EQ(Hex(w->palette().color(QPalette::Active, role)), Hex(text)) << name;
    }
    for (CaptionMenu* menu : {&windows.main.Menus().Options1(), &windows.main.Menus().Options2()})
      EXPECT_EQ(std::tuple(menu->Style().Light(), menu->Style().Dark(), menu->Style().Text()),
                std::tuple(light, dark, text));
    const MessageDialog& message = windows.main.Messages();
    EXPECT_EQ(std::tuple(message.Left(), message.Right(), message.TextColour()), std::tuple(light, dark, text));
    for (SecondaryWindow* window : windows.InSkinOrder()) {
      EXPECT_FALSE(window->findChildren<GradientPanel*>().isEmpty());
      for (const GradientPanel* bar : window->findChildren<GradientPanel*>())
        EXPECT_EQ(std::pair(bar->Left(), bar->Right()), std::pair(light, dark)) << window->objectName().toStdString();
    }
    EXPECT_EQ(windows.opinions.Messages().Left(), QColor(Qt::white)) << "the opinion messages keep their own";
  }
}

}  // namespace
}  // namespace tv::test
