// Each skin reaches every window: the main window's bars and texts, its
// menus and message dialog, and the bars and button texts of the six others.
#include <QAbstractButton>
#include <QLabel>

#include "UiTestHelpers.h"
#include "ui/MainMenus.h"
#include "ui/Windows.h"
#include "ui/widgets/CaptionMenu.h"
#include "ui/widgets/CaptionMenuStyle.h"
#include "ui/widgets/GradientPanel.h"
#include "ui/widgets/MessageDialog.h"

namespace tv::test {
namespace {

struct SkinCase {
  const char* name;
  QColor light;
  QColor dark;  // invalid: the system's button face
  QColor text;
};

const SkinCase kSkinCases[] = {
    {"Black", {128, 128, 128}, {0, 0, 0}, Qt::white}, {"Silver", {255, 255, 255}, {96, 96, 96}, Qt::black},
    {"Blue", {0, 0, 255}, {0, 2, 96}, Qt::white},     {"Green", {0, 192, 0}, {0, 80, 0}, Qt::white},
    {"Teal", {0, 192, 192}, {0, 80, 80}, Qt::white},  {"Purple", {192, 0, 192}, {80, 0, 80}, Qt::white},
    {"Red", {192, 0, 0}, {96, 0, 0}, Qt::white},      {"Gold", {192, 117, 0}, {106, 65, 0}, Qt::white},
    {"None", {192, 192, 192}, QColor(), Qt::black},
};
static_assert(std::size(kSkinCases) == kSkins.size());

void PrintTo(const SkinCase& c, std::ostream* os) { *os << c.name; }

QColor TextColour(const QWidget& w) {
  return w.palette().color(QPalette::Active,
                           qobject_cast<const QAbstractButton*>(&w) ? QPalette::ButtonText : QPalette::WindowText);
}

// The skinned texts of each secondary window.
struct Skinned {
  const char* window;
  std::vector<const char*> texts;
};

const Skinned kSecondary[] = {
    {"BatchFileDialog", {"selectButton", "cancelButton"}},
    {"NetworkDialog",
     {"acceptButton", "cancelButton", "nicknameLabel", "headingLabel", "addressLabel", "playersLabel", "dedicatedBox"}},
    {"HistoryDialog", {"closeButton"}},
    {"ReadMeViewer", {"exitButton"}},
    {"LevelDialog", {"selectButton", "cancelButton"}},
    {"OpinionDialog", {"cancelButton"}},
};

class SkinTest : public ::testing::TestWithParam<SkinCase> {};

TEST_P(SkinTest, ReachesEveryWindow) {
  const SkinCase& c = GetParam();
  const QColor dark = c.dark.isValid() ? c.dark : QApplication::palette().color(QPalette::Button);
  Windows windows;
  windows.main.SetProgram(nullptr, windows.InSkinOrder());
  const Skin& skin = SkinForStoredName(c.name);
  ASSERT_EQ(std::string(skin.name), c.name);
  MainView view;
  view.skin = &skin == &kSkins[0] ? &kSkins[1] : &kSkins[0];  // from another skin, so each one is applied
  windows.main.Render(view);
  view.skin = &skin;
  windows.main.Render(view);

  for (const char* bar : {"topBar", "bottomBar"}) {
    SCOPED_TRACE(bar);
    const QImage image = Child(windows.main, bar)->grab().toImage();
    const int y = image.height() / 2;
    EXPECT_TRUE(Near(image.pixelColor(0, y), c.light)) << Describe(image.pixelColor(0, y));
    EXPECT_TRUE(Near(image.pixelColor(image.width() - 1, y), dark)) << Describe(image.pixelColor(image.width() - 1, y));
  }
  // The menu buttons' glyph stands out from its place on the bar.
  const QImage top = Child(windows.main, "topBar")->grab().toImage();
  for (const char* name : {"options1Button", "options2Button"}) {
    const QRect button = Child(windows.main, name)->geometry();
    const QColor bar = top.pixelColor(button.left() - 1, button.center().y());
    int inked = 0;
    for (int y = button.top(); y <= button.bottom(); ++y)
      for (int x = button.left(); x <= button.right(); ++x)
        if (!Near(top.pixelColor(x, y), bar, 80)) ++inked;
    EXPECT_GE(inked, 3 * 12 * 2) << name << ": three bars of 12 x 2";
  }
  for (const char* name : {"tcButton", "quitButton", "mapButton", "tcHeading", "nicknameHeading", "mapHeading"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Describe(TextColour(*Child(windows.main, name))), Describe(c.text));
  }
  for (CaptionMenu* menu : {&windows.main.Menus().Options1(), &windows.main.Menus().Options2()}) {
    EXPECT_EQ(menu->Style().Dark(), dark);
    EXPECT_EQ(menu->Style().Light(), c.light);
    EXPECT_EQ(menu->Style().Text(), c.text);
  }
  const MessageDialog& message = windows.main.Messages();
  EXPECT_EQ(message.Left(), c.light);
  EXPECT_EQ(message.Right(), dark);
  EXPECT_EQ(message.TextColour(), c.text);

  for (const Skinned& s : kSecondary) {
    SCOPED_TRACE(s.window);
    QWidget* window = windows.main.findChild<QWidget*>(s.window);
    ASSERT_NE(window, nullptr);
    const auto bars = window->findChildren<GradientPanel*>();
    EXPECT_FALSE(bars.isEmpty());
    for (const GradientPanel* bar : bars) {
      EXPECT_EQ(bar->Left(), c.light);
      EXPECT_EQ(bar->Right(), dark);
    }
    for (const char* name : s.texts) EXPECT_EQ(Describe(TextColour(*Child(*window, name))), Describe(c.text)) << name;
  }
  // The opinion window's own message dialog keeps its colours.
  EXPECT_EQ(windows.opinions.Messages().Left(), QColor(Qt::white));
  EXPECT_EQ(windows.opinions.Messages().TextColour(), QColor(Qt::black));
}

INSTANTIATE_TEST_SUITE_P(EverySkin, SkinTest, ::testing::ValuesIn(kSkinCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(Skin, TheMenuEntriesCarryNoCheckMarks) {
  MainWindow window;
  for (const Skin& s : kSkins) {
    const QString name = QString::fromLatin1(s.name) + "1";
    EXPECT_FALSE(Child<QAction>(window.Menus().Options1(), name.toLatin1().constData())->isCheckable());
  }
}

}  // namespace
}  // namespace tv::test
