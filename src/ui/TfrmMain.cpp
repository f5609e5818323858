#include "ui/TfrmMain.h"

#include <QComboBox>
#include <QCursor>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

#include "app/Program.h"
#include "ui/Appearance.h"
#include "ui/Glyphs.h"
#include "ui/MainMenus.h"
#include "ui/SecondaryWindow.h"
#include "ui/widgets/CaptionMenu.h"
#include "ui/widgets/FlatButton.h"
#include "ui/widgets/GradientPanel.h"
#include "ui/widgets/MessageDialog.h"
#include "ui/widgets/OpinionList.h"
#include "ui/widgets/PlayButton.h"
#include "ui/widgets/TransparentCheckBox.h"

namespace tv {
namespace {

// A drop-down shows its text as the chosen item, or as a placeholder when
// the text is none of its items.
void ShowDropDown(QComboBox* box, const QStringList& items, int selected, const QString& text) {
  const QSignalBlocker block(box);
  QStringList shown;
  for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
  if (shown != items) {
    box->clear();
    box->addItems(items);
  }
  box->setPlaceholderText(text);
  box->setCurrentIndex(selected);
}

}  // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_message(new MessageDialog(this)) {
  setObjectName("TfrmMain");
  setWindowTitle("Tarvolin - vx.x");
  setFixedSize(532, 347);
  setFont(DefaultFont());
  SetBackground(this, QColor(128, 128, 128));
  m_menus = std::make_unique<MainMenus>(this, [this](const Operation& operation) { Run(operation); });
  BuildBars();
  BuildLeftColumn();
  BuildMiddleColumn();
  BuildRightColumn();
  Connect();
  move(QGuiApplication::primaryScreen()->availableGeometry().center() - rect().center());
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::Attach(Program* program, std::vector<SecondaryWindow*> skinOrder) {
  m_program = program;
  m_skinOrder = std::move(skinOrder);
}

void TfrmMain::Run(const Operation& operation) {
  if (!m_program) return;
  m_program->Guarded([&] { operation(*m_program); });
  Render();
}

void TfrmMain::Connect() {
  connect(btnMenu1, &QPushButton::clicked, this, &TfrmMain::btnMenu1Click);
  connect(btnMenu2, &QPushButton::clicked, this, &TfrmMain::btnMenu2Click);
  connect(btnStart, &QPushButton::clicked, this, &TfrmMain::btnStartClick);
  connect(btnQuit, &QPushButton::clicked, this, &TfrmMain::btnQuitClick);
  connect(btnMaps, &QPushButton::clicked, this, &TfrmMain::btnMapsClick);
  connect(btnPlay, &QPushButton::pressed, this, &TfrmMain::btnPlayMouseDown);
  connect(btnConfig, &QPushButton::clicked, this, &TfrmMain::btnConfigClick);
  connect(btnDelete, &QPushButton::clicked, this, &TfrmMain::btnDeleteClick);
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TfrmMain::ComboBox1Change);
  connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TfrmMain::ComboBox2Change);
  connect(rbtnSingle, &QRadioButton::released, this, &TfrmMain::rbtnSingleMouseUp);
  connect(rbtnHost, &QRadioButton::released, this, &TfrmMain::rbtnHostMouseUp);
  connect(rbtnJoin, &QRadioButton::released, this, &TfrmMain::rbtnJoinMouseUp);
  connect(CheckBox1, &QCheckBox::clicked, this, &TfrmMain::CheckBox1Click);
  connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TfrmMain::ListBox1Click);
  connect(ListBox1, &OpinionList::mouseUp, this, &TfrmMain::ListBox1MouseUp);
  connect(ListBox1, &OpinionList::rightButtonDown, this, &TfrmMain::ListBox1RightDown);
  connect(ListBox1, &OpinionList::doubleClick, this, &TfrmMain::ListBox1DblClick);
  connect(ListBox2, &QListWidget::itemSelectionChanged, this, &TfrmMain::ListBox2Click);
  connect(ListBox2, &OpinionList::mouseUp, this, &TfrmMain::ListBox2MouseUp);
  connect(ListBox2, &OpinionList::rightButtonDown, this, &TfrmMain::ListBox2RightDown);
  connect(ListBox2, &OpinionList::doubleClick, this, &TfrmMain::ListBox2DblClick);
  ComboBox2->installEventFilter(this);
  // Under these the pointer takes the keyboard focus away from every control.
  for (QWidget* w : {static_cast<QWidget*>(PanelBottom), static_cast<QWidget*>(Image2), ListBox1->viewport()})
    w->installEventFilter(this);
}

void TfrmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (m_shownOnce || !m_program) return;
  m_shownOnce = true;
  // The first showing activates the window, which runs the first pass.
  QTimer::singleShot(0, this, [this] { Run([](Program& p) { p.FormActivate(); }); });
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ComboBox2) {
    // Entering the box by mouse or keyboard, not getting the focus back from
    // its own list or from another window.
    if (event->type() == QEvent::FocusIn) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) ComboBox2Enter();
    }
  } else if (event->type() == QEvent::MouseMove) {
    DropFocus();
  }
  return QWidget::eventFilter(watched, event);
}

void TfrmMain::DropFocus() {
  if (QWidget* focused = focusWidget()) focused->clearFocus();
}

void TfrmMain::btnMenu1Click() { m_menus->Options1().PopupAt(QCursor::pos()); }
void TfrmMain::btnMenu2Click() { m_menus->Options2().PopupAt(QCursor::pos()); }
void TfrmMain::btnStartClick() {
  Run([](Program& p) { p.btnStartClick(); });
}
void TfrmMain::btnQuitClick() {
  Run([](Program& p) { p.btnQuitClick(); });
}
void TfrmMain::btnMapsClick() {
  Run([](Program& p) { p.btnMapsClick(); });
}
void TfrmMain::btnPlayMouseDown() {
  Run([](Program& p) { p.btnPlayMouseDown(); });
}
void TfrmMain::btnConfigClick() {
  Run([](Program& p) { p.btnConfigClick(); });
}
void TfrmMain::btnDeleteClick() {
  Run([](Program& p) { p.btnDeleteClick(); });
}
void TfrmMain::ComboBox2Enter() {
  Run([](Program& p) { p.ComboBox2Enter(); });
}
void TfrmMain::ComboBox2Change(int index) {
  Run([index](Program& p) { p.ComboBox2Change(index); });
}
void TfrmMain::rbtnSingleMouseUp() {
  Run([](Program& p) { p.rbtnSingleMouseUp(); });
}
void TfrmMain::rbtnHostMouseUp() {
  Run([](Program& p) { p.rbtnHostMouseUp(); });
}
void TfrmMain::rbtnJoinMouseUp() {
  Run([](Program& p) { p.rbtnJoinMouseUp(); });
}
void TfrmMain::CheckBox1Click(bool checked) {
  Run([checked](Program& p) { p.CheckBox1Click(checked); });
}
void TfrmMain::ListBox1MouseUp() {
  Run([](Program& p) { p.ListBox1MouseUp(); });
}
void TfrmMain::ListBox1RightDown() {
  Run([](Program& p) { p.ListBox1RightDown(); });
}
void TfrmMain::ListBox1DblClick() {
  Run([](Program& p) { p.ListBox1DblClick(); });
}
void TfrmMain::ListBox2MouseUp() {
  Run([](Program& p) { p.ListBox2MouseUp(); });
}
void TfrmMain::ListBox2RightDown() {
  Run([](Program& p) { p.ListBox2RightDown(); });
}
void TfrmMain::ListBox2DblClick() {
  Run([](Program& p) { p.ListBox2DblClick(); });
}

void TfrmMain::ComboBox1Change() {
  const std::string text = ComboBox1->currentText().toStdString();
  Run([&text](Program& p) { p.ComboBox1Change(text); });
}

void TfrmMain::ListBox1Click() {
  const std::vector<int> rows = ListBox1->SelectedRows();
  const int row = rows.empty() ? -1 : rows.front();
  Run([row](Program& p) { p.ListBox1Click(row); });
}

void TfrmMain::ListBox2Click() {
  const std::vector<int> rows = ListBox2->SelectedRows();
  Run([&rows](Program& p) { p.ListBox2Click(rows); });
}

void TfrmMain::Render() {
  if (m_program) Render(m_program->View());
}

void TfrmMain::Render(const MainView& view) {
  setWindowTitle(Shown(view.caption));
  LabelNick->setText(Shown(view.labelNick));
  LabelMaps->setText(Shown(view.labelMaps));

  ListBox1->setVisible(view.listsVisible);
  ListBox1->Show(view.tcRows, view.tcSelected >= 0 ? std::vector<int>{view.tcSelected} : std::vector<int>{});
  ListBox2->setVisible(view.listsVisible);
  ListBox2->setSelectionMode(view.multiSelect ? QAbstractItemView::ExtendedSelection
                                              : QAbstractItemView::SingleSelection);
  ListBox2->Show(view.mapRows, view.mapSelected);
  if (view.mapTopRow != m_shownTopRow) {
    m_shownTopRow = view.mapTopRow;
    if (QListWidgetItem* top = ListBox2->item(view.mapTopRow))
      ListBox2->scrollToItem(top, QAbstractItemView::PositionAtTop);
  }
  ListBox2->setToolTip(Shown(view.mapHint));

  btnPlay->setText(Shown(view.btnPlayCaption));
  btnPlay->setToolTip(Shown(view.btnPlayHint));
  btnPlay->setEnabled(view.btnPlayEnabled);
  btnStart->setToolTip(Shown(view.btnStartHint));
  btnStart->setEnabled(view.btnStartEnabled);
  btnMaps->setToolTip(Shown(view.btnMapsHint));
  btnMaps->setEnabled(view.btnMapsEnabled);

  QStringList skills;
  for (int i = 0; i < ComboBox1->count(); ++i) skills << ComboBox1->itemText(i);
  const QString skill = Shown(view.skillText);
  ShowDropDown(ComboBox1, skills, int(skills.indexOf(skill)), skill);
  ComboBox1->setEnabled(view.skillEnabled);
  QStringList saved;
  for (const std::string& entry : view.savedEntries) saved << Shown(entry);
  ShowDropDown(ComboBox2, saved, view.savedSelected, Shown(view.savedText));
  ComboBox2->setEnabled(view.savedEnabled && view.savedBoxAllowed);

  const QSignalBlocker blockSingle(rbtnSingle), blockHost(rbtnHost), blockJoin(rbtnJoin);
  rbtnSingle->setChecked(view.gameType == GameRole::Single);
  rbtnHost->setChecked(view.gameType == GameRole::Host);
  rbtnJoin->setChecked(view.gameType == GameRole::Join);

  const QSignalBlocker blockAssociate(CheckBox1);
  CheckBox1->setChecked(view.assocChecked);
  CheckBox1->setVisible(view.assocVisible);
  CheckBox1->setToolTip(Shown(view.assocHint));

  m_menus->Render(view);
  ApplySkin(*view.skin);
  if (view.dropFocus) {
    DropFocus();
    view.dropFocus = false;
  }
}

void TfrmMain::ApplySkin(const Skin& skin) {
  if (&skin == m_shownSkin) return;
  m_shownSkin = &skin;
  const SkinColors colors = ColorsOf(skin);
  for (QWidget* text : std::initializer_list<QWidget*>{btnStart, btnQuit, btnMaps, LabelTCs, LabelNick, LabelMaps})
    SetTextColour(text, colors.text);
  // The menu buttons' bars in the texts' colour, which each skin keeps legible on its bar.
  for (FlatButton* menu : {btnMenu1, btnMenu2}) menu->setIcon(GlyphIcon(Glyph::Menu, colors.text));
  m_menus->ApplySkin(colors);
  PanelTop->SetColors(colors.light, colors.dark);
  PanelBottom->SetColors(colors.light, colors.dark);
  m_message->SetColors(colors.light, colors.dark, colors.text);
  for (SecondaryWindow* window : m_skinOrder) window->ApplySkin(colors);
}

}  // namespace tv
