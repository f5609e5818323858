// The main window's controls at their places, with their names, captions,
// hints, fonts and colours.
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "ui/Appearance.h"
#include "ui/Glyphs.h"
#include "ui/JpegImage.h"
#include "ui/MainWindow.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/GradientPanel.h"
#include "ui/widgets/OpinionList.h"
#include "ui/widgets/PlayButton.h"
#include "ui/widgets/TransparentCheckBox.h"

namespace tv {
namespace {

constexpr int kTopBar = 29;
constexpr int kBottomBar = 35;
constexpr int kColumnHeight = 347 - kTopBar - kBottomBar;
constexpr int kLeftWidth = 197;
constexpr int kMiddleWidth = 137;
constexpr int kRightWidth = 198;
constexpr int kBottomRow = 260;  // top of the drop-downs and the check box in a column
constexpr int kRowControl = 21;

const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);

template <class W>
W* Named(W* widget, const QString& name, int x, int y, int width, int height) {
  widget->setObjectName(name);
  widget->setGeometry(x, y, width, height);
  return widget;
}

QLabel* BarLabel(QWidget* bar, const char* name, const QString& text, int x, int width) {
  auto* label = Named(new QLabel(text, bar), name, x, 6, width, 17);
  label->setFont(ArialBold12());
  SetTextColour(label, Qt::white);
  return label;
}

QWidget* Column(QWidget* window, int x, int width) {
  auto* column = new QWidget(window);
  column->setGeometry(x, kTopBar, width, kColumnHeight);
  SetBackground(column, kGrey);
  return column;
}

QComboBox* DropDown(QWidget* parent, const char* name, int x, int y, int width, const QString& hint) {
  auto* box = Named(new QComboBox(parent), name, x, y, width, kRowControl);
  box->setToolTip(hint);
  box->setFont(DefaultFont(true));
  QPalette palette = box->palette();
  for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window})
    palette.setColor(role, Qt::black);
  // Disabled, the box still says what it is for, in grey.
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    for (QPalette::ColorRole role :
         {QPalette::ButtonText, QPalette::Text, QPalette::WindowText, QPalette::PlaceholderText})
      palette.setColor(group, role, group == QPalette::Disabled ? kSilver : QColor(Qt::white));
  box->setPalette(palette);
  // The opened list as the box itself.
  box->view()->setPalette(palette);
  box->view()->setFont(box->font());
  return box;
}

}  // namespace

void MainWindow::BuildBars() {
  m_topBar = Named(new GradientPanel(this), "topBar", 0, 0, width(), kTopBar);
  m_options1Button = Named(new FlatButton(QString(), m_topBar, GlyphIcon(Glyph::Menu)), "options1Button", 8, 2, 25, 25);
  m_options1Button->setCursor(Qt::PointingHandCursor);
  m_tcHeading = BarLabel(m_topBar, "tcHeading", "Total Conversions", 44, 140);
  m_nicknameHeading = BarLabel(m_topBar, "nicknameHeading", "Nickname", 188, 341 - 188);
  m_nicknameHeading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  m_options2Button =
      Named(new FlatButton(QString(), m_topBar, GlyphIcon(Glyph::Menu)), "options2Button", 340, 2, 25, 25);
  m_mapHeading = BarLabel(m_topBar, "mapHeading", "Maps from Maps", 388, width() - 388);

  m_bottomBar = Named(new GradientPanel(this), "bottomBar", 0, height() - kBottomBar, width(), kBottomBar);
  m_bottomBar->setMouseTracking(true);
  m_tcButton =
      Named(new FlatButton(" Play User Addon ", m_bottomBar, GlyphIcon(Glyph::Play)), "tcButton", 24, 4, 160, 27);
  m_quitButton = Named(new FlatButton(" &Quit", m_bottomBar, GlyphIcon(Glyph::Quit)), "quitButton", 220, 4, 97, 27);
  m_quitButton->setToolTip("Quit to Destop");
  m_mapButton =
      Named(new FlatButton(" Play User Map", m_bottomBar, GlyphIcon(Glyph::Play)), "mapButton", 352, 4, 160, 27);
  for (FlatButton* b : {m_tcButton, m_quitButton, m_mapButton}) SetTextColour(b, Qt::white);
}

void MainWindow::BuildLeftColumn() {
  QWidget* column = Column(this, 0, kLeftWidth);
  m_tcList = Named(new OpinionList(13, column), "tcList", 0, 0, kLeftWidth, kBottomRow - 2);
  m_tcList->setToolTip("Rightclick for Options");
  m_tcList->viewport()->setMouseTracking(true);
  m_tcList->hide();
  m_savedGameBox = DropDown(column, "savedGameBox", 1, kBottomRow, 172, "*** = Last saved.");
  m_savedGameBox->setMaxVisibleItems(10);
  m_savedGameBox->setPlaceholderText("Start a saved game");
  m_deleteButton = Named(new FlatButton(QString(), column, GlyphIcon(Glyph::Delete)), "deleteButton", 175, kBottomRow,
                         21, kRowControl);
  m_deleteButton->setToolTip("Delete saved game");
}

void MainWindow::BuildMiddleColumn() {
  QWidget* column = Column(this, kLeftWidth, kMiddleWidth);
  m_picture = Named(new QLabel(column), "picture", 0, 0, kMiddleWidth, kColumnHeight);
  m_picture->setScaledContents(true);
  m_picture->setMouseTracking(true);
  QFile picture(":/tarvolin/picture.jpg");
  if (picture.open(QIODevice::ReadOnly)) m_picture->setPixmap(QPixmap::fromImage(DecodeJpeg(picture.readAll())));

  m_playButton = Named(new PlayButton(column), "playButton", 4, 139, 125, 26);

  m_gameTypeBox = Named(new QGroupBox("      GameType       ", column), "gameTypeBox", 4, 169, 129, 87);
  m_gameTypeBox->setFont(DefaultFont(true));
  SetBackground(m_gameTypeBox, Qt::black);
  SetTextColour(m_gameTypeBox, Qt::white);
  const char* names[] = {"singleButton", "hostButton", "joinButton"};
  const char* captions[] = {"Single", "Host", "Join"};
  QRadioButton** radios[] = {&m_singleButton, &m_hostButton, &m_joinButton};
  for (int i = 0; i < 3; ++i) {
    const int x = 6 + i * 40;
    auto* label = Named(new QLabel(captions[i], m_gameTypeBox), QString("Label") + captions[i], x, 18, 40, 14);
    label->setAlignment(Qt::AlignHCenter);
    *radios[i] = Named(new QRadioButton(m_gameTypeBox), names[i], x + 13, 34, 16, 16);
  }
  m_singleButton->setChecked(true);
  m_networkButton = Named(new FlatButton("Config", m_gameTypeBox), "networkButton", 24, 57, 80, 22);
  m_networkButton->setToolTip("Setup video, sound and controls.");
  SetTextColour(m_networkButton, kSilver);

  m_skillBox = DropDown(column, "skillBox", 4, kBottomRow, 129, "Set game Skill Level");
  m_skillBox->addItems({"Skill Level 1", "Skill Level 2", "Skill Level 3", "Skill Level 4"});
}

void MainWindow::BuildRightColumn() {
  QWidget* column = Column(this, kLeftWidth + kMiddleWidth, kRightWidth);
  m_mapList = Named(new OpinionList(16, column), "mapList", 0, 0, kRightWidth, kBottomRow - 2);
  m_mapList->setToolTip("Rightclick for Options");
  m_mapList->hide();
  auto* row =
      Named(new QWidget(column), "associateRow", 0, kBottomRow - 2, kRightWidth, kColumnHeight - kBottomRow + 2);
  SetBackground(row, Qt::black);
  m_associateBox =
      Named(new TransparentCheckBox("Associate Map with TC", row, Qt::white), "associateBox", 4, 3, 190, 17);
}

}  // namespace tv
