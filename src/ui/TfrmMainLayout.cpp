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
#include "ui/TfrmMain.h"
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

void TfrmMain::BuildBars() {
  PanelTop = Named(new GradientPanel(this), "PanelTop", 0, 0, width(), kTopBar);
  btnMenu1 = Named(new FlatButton(QString(), PanelTop, GlyphIcon(Glyph::Menu)), "btnMenu1", 8, 2, 25, 25);
  btnMenu1->setCursor(Qt::PointingHandCursor);
  LabelTCs = BarLabel(PanelTop, "LabelTCs", "Total Conversions", 44, 140);
  LabelNick = BarLabel(PanelTop, "LabelNick", "Nickname", 188, 341 - 188);
  LabelNick->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  btnMenu2 = Named(new FlatButton(QString(), PanelTop, GlyphIcon(Glyph::Menu)), "btnMenu2", 340, 2, 25, 25);
  LabelMaps = BarLabel(PanelTop, "LabelMaps", "Maps from Maps", 388, width() - 388);

  PanelBottom = Named(new GradientPanel(this), "PanelBottom", 0, height() - kBottomBar, width(), kBottomBar);
  PanelBottom->setMouseTracking(true);
  btnStart =
      Named(new FlatButton(" Play User Addon ", PanelBottom, GlyphIcon(Glyph::Play)), "btnStart", 24, 4, 160, 27);
  btnQuit = Named(new FlatButton(" &Quit", PanelBottom, GlyphIcon(Glyph::Quit)), "btnQuit", 220, 4, 97, 27);
  btnQuit->setToolTip("Quit to Destop");
  btnMaps = Named(new FlatButton(" Play User Map", PanelBottom, GlyphIcon(Glyph::Play)), "btnMaps", 352, 4, 160, 27);
  for (FlatButton* b : {btnStart, btnQuit, btnMaps}) SetTextColour(b, Qt::white);
}

void TfrmMain::BuildLeftColumn() {
  QWidget* column = Column(this, 0, kLeftWidth);
  ListBox1 = Named(new OpinionList(13, column), "ListBox1", 0, 0, kLeftWidth, kBottomRow - 2);
  ListBox1->setToolTip("Rightclick for Options");
  ListBox1->viewport()->setMouseTracking(true);
  ListBox1->hide();
  ComboBox2 = DropDown(column, "ComboBox2", 1, kBottomRow, 172, "*** = Last saved.");
  ComboBox2->setMaxVisibleItems(10);
  ComboBox2->setPlaceholderText("Start a saved game");
  btnDelete =
      Named(new FlatButton(QString(), column, GlyphIcon(Glyph::Delete)), "btnDelete", 175, kBottomRow, 21, kRowControl);
  btnDelete->setToolTip("Delete saved game");
}

void TfrmMain::BuildMiddleColumn() {
  QWidget* column = Column(this, kLeftWidth, kMiddleWidth);
  Image2 = Named(new QLabel(column), "Image2", 0, 0, kMiddleWidth, kColumnHeight);
  Image2->setScaledContents(true);
  Image2->setMouseTracking(true);
  QFile picture(":/tarvolin/picture.jpg");
  if (picture.open(QIODevice::ReadOnly)) Image2->setPixmap(QPixmap::fromImage(DecodeJpeg(picture.readAll())));

  btnPlay = Named(new PlayButton(column), "btnPlay", 4, 139, 125, 26);

  GroupBox1 = Named(new QGroupBox("      GameType       ", column), "GroupBox1", 4, 169, 129, 87);
  GroupBox1->setFont(DefaultFont(true));
  SetBackground(GroupBox1, Qt::black);
  SetTextColour(GroupBox1, Qt::white);
  const char* names[] = {"rbtnSingle", "rbtnHost", "rbtnJoin"};
  const char* captions[] = {"Single", "Host", "Join"};
  QRadioButton** radios[] = {&rbtnSingle, &rbtnHost, &rbtnJoin};
  for (int i = 0; i < 3; ++i) {
    const int x = 6 + i * 40;
    auto* label = Named(new QLabel(captions[i], GroupBox1), QString("Label") + captions[i], x, 18, 40, 14);
    label->setAlignment(Qt::AlignHCenter);
    *radios[i] = Named(new QRadioButton(GroupBox1), names[i], x + 13, 34, 16, 16);
  }
  rbtnSingle->setChecked(true);
  btnConfig = Named(new FlatButton("Config", GroupBox1), "btnConfig", 24, 57, 80, 22);
  btnConfig->setToolTip("Setup video, sound and controls.");
  SetTextColour(btnConfig, kSilver);

  ComboBox1 = DropDown(column, "ComboBox1", 4, kBottomRow, 129, "Set game Skill Level");
  ComboBox1->addItems({"Skill Level 1", "Skill Level 2", "Skill Level 3", "Skill Level 4"});
}

void TfrmMain::BuildRightColumn() {
  QWidget* column = Column(this, kLeftWidth + kMiddleWidth, kRightWidth);
  ListBox2 = Named(new OpinionList(16, column), "ListBox2", 0, 0, kRightWidth, kBottomRow - 2);
  ListBox2->setToolTip("Rightclick for Options");
  ListBox2->hide();
  auto* row =
      Named(new QWidget(column), "PanelAssociate", 0, kBottomRow - 2, kRightWidth, kColumnHeight - kBottomRow + 2);
  SetBackground(row, Qt::black);
  CheckBox1 = Named(new TransparentCheckBox("Associate Map with TC", row, Qt::white), "CheckBox1", 4, 3, 190, 17);
}

}  // namespace tv
