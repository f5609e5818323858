#include "ui/MainWindow.h"

#include <QComboBox>
#include <QCursor>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

#include "session/Program.h"
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

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_message(new MessageDialog(this)) {
  setObjectName("MainWindow");
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

MainWindow::~MainWindow() = default;

void MainWindow::SetProgram(Program* program, std::vector<SecondaryWindow*> skinOrder) {
  m_program = program;
  m_skinOrder = std::move(skinOrder);
}

void MainWindow::Run(const Operation& operation) {
  if (!m_program) return;
  m_program->Handle([&] { operation(*m_program); });
  Render();
}

void MainWindow::Connect() {
  connect(m_options1Button, &QPushButton::clicked, this, &MainWindow::ShowOptions1);
  connect(m_options2Button, &QPushButton::clicked, this, &MainWindow::ShowOptions2);
  connect(m_tcButton, &QPushButton::clicked, this, &MainWindow::StartTc);
  connect(m_quitButton, &QPushButton::clicked, this, &MainWindow::Quit);
  connect(m_mapButton, &QPushButton::clicked, this, &MainWindow::StartUserMap);
  connect(m_playButton, &QPushButton::pressed, this, &MainWindow::StartFromTitle);
  connect(m_networkButton, &QPushButton::clicked, this, &MainWindow::ConfigureNetwork);
  connect(m_deleteButton, &QPushButton::clicked, this, &MainWindow::DeleteSavedGame);
  connect(m_skillBox, &QComboBox::currentIndexChanged, this, &MainWindow::ChooseSkill);
  connect(m_savedGameBox, &QComboBox::currentIndexChanged, this, &MainWindow::ChooseSavedGame);
  connect(m_singleButton, &QRadioButton::released, this, &MainWindow::ChooseSingleGame);
  connect(m_hostButton, &QRadioButton::released, this, &MainWindow::ChooseHostGame);
  connect(m_joinButton, &QRadioButton::released, this, &MainWindow::ChooseJoinGame);
  connect(m_associateBox, &QCheckBox::clicked, this, &MainWindow::SetAssociation);
  connect(m_tcList, &QListWidget::itemSelectionChanged, this, &MainWindow::SelectTc);
  connect(m_tcList, &OpinionList::mouseUp, this, &MainWindow::RememberTc);
  connect(m_tcList, &OpinionList::rightButtonDown, this, &MainWindow::OpenTcOpinion);
  connect(m_tcList, &OpinionList::doubleClicked, this, &MainWindow::StartListedTc);
  connect(m_mapList, &QListWidget::itemSelectionChanged, this, &MainWindow::SelectMaps);
  connect(m_mapList, &OpinionList::mouseUp, this, &MainWindow::RememberMap);
  connect(m_mapList, &OpinionList::rightButtonDown, this, &MainWindow::OpenMapOpinion);
  connect(m_mapList, &OpinionList::doubleClicked, this, &MainWindow::OpenMapReadMe);
  m_savedGameBox->installEventFilter(this);
  // Under these the pointer takes the keyboard focus away from every control.
  for (QWidget* w : {static_cast<QWidget*>(m_bottomBar), static_cast<QWidget*>(m_picture), m_tcList->viewport()})
    w->installEventFilter(this);
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (m_shownOnce || !m_program) return;
  m_shownOnce = true;
  // The first showing activates the window, which runs the first pass.
  QTimer::singleShot(0, this, [this] { Run([](Program& p) { p.Activate(); }); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_savedGameBox) {
    // Entering the box by mouse or keyboard, not getting the focus back from
    // its own list or from another window.
    if (event->type() == QEvent::FocusIn) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) RefillSavedGames();
    }
  } else if (event->type() == QEvent::MouseMove) {
    DropFocus();
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::DropFocus() {
  if (QWidget* focused = focusWidget()) focused->clearFocus();
}

void MainWindow::ShowOptions1() { m_menus->Options1().PopupAt(QCursor::pos()); }
void MainWindow::ShowOptions2() { m_menus->Options2().PopupAt(QCursor::pos()); }
void MainWindow::StartTc() {
  Run([](Program& p) { p.Play().StartTc(); });
}
void MainWindow::Quit() {
  Run([](Program& p) { p.Quit(); });
}
void MainWindow::StartUserMap() {
  Run([](Program& p) { p.Play().StartUserMap(); });
}
void MainWindow::StartFromTitle() {
  Run([](Program& p) { p.Play().StartFromTitle(); });
}
void MainWindow::ConfigureNetwork() {
  Run([](Program& p) { p.Play().ConfigureNetwork(); });
}
void MainWindow::DeleteSavedGame() {
  Run([](Program& p) { p.Saves().Delete(); });
}
void MainWindow::RefillSavedGames() {
  Run([](Program& p) { p.Saves().Fill(); });
}
void MainWindow::ChooseSavedGame(int index) {
  Run([index](Program& p) { p.Saves().Choose(index); });
}
void MainWindow::ChooseSingleGame() {
  Run([](Program& p) { p.Play().ChooseSingleGame(); });
}
void MainWindow::ChooseHostGame() {
  Run([](Program& p) { p.Play().ChooseHostGame(); });
}
void MainWindow::ChooseJoinGame() {
  Run([](Program& p) { p.Play().ChooseJoinGame(); });
}
void MainWindow::SetAssociation(bool checked) {
  Run([checked](Program& p) { p.Play().SetAssociation(checked); });
}
void MainWindow::RememberTc() {
  Run([](Program& p) { p.Catalog().Remember(); });
}
void MainWindow::OpenTcOpinion() {
  Run([](Program& p) { p.Catalog().OpenOpinion(); });
}
void MainWindow::StartListedTc() {
  Run([](Program& p) { p.Play().StartListedTc(); });
}
void MainWindow::RememberMap() {
  Run([](Program& p) { p.Maps().Remember(); });
}
void MainWindow::OpenMapOpinion() {
  Run([](Program& p) { p.Maps().OpenOpinion(); });
}
void MainWindow::OpenMapReadMe() {
  Run([](Program& p) { p.Maps().OpenReadMe(); });
}

void MainWindow::ChooseSkill() {
  const std::string text = m_skillBox->currentText().toStdString();
  Run([&text](Program& p) { p.Play().ChooseSkill(text); });
}

void MainWindow::SelectTc() {
  const std::vector<int> rows = m_tcList->SelectedRows();
  const int row = rows.empty() ? -1 : rows.front();
  Run([row](Program& p) { p.Catalog().Select(row); });
}

void MainWindow::SelectMaps() {
  const std::vector<int> rows = m_mapList->SelectedRows();
  Run([&rows](Program& p) { p.Maps().Select(rows); });
}

void MainWindow::Render() {
  if (m_program) Render(m_program->View());
}

void MainWindow::Render(const MainView& view) {
  setWindowTitle(Shown(view.caption));
  m_nicknameHeading->setText(Shown(view.nicknameHeading));
  m_mapHeading->setText(Shown(view.mapHeading));

  m_tcList->setVisible(view.listsVisible);
  m_tcList->Show(view.tcRows, view.tcSelected >= 0 ? std::vector<int>{view.tcSelected} : std::vector<int>{});
  m_mapList->setVisible(view.listsVisible);
  m_mapList->setSelectionMode(view.multiSelect ? QAbstractItemView::ExtendedSelection
                                               : QAbstractItemView::SingleSelection);
  m_mapList->Show(view.mapRows, view.mapSelected);
  if (view.mapTopRow != m_shownTopRow) {
    m_shownTopRow = view.mapTopRow;
    if (QListWidgetItem* top = m_mapList->item(view.mapTopRow))
      m_mapList->scrollToItem(top, QAbstractItemView::PositionAtTop);
  }
  m_mapList->setToolTip(Shown(view.mapHint));

  m_playButton->setText(Shown(view.playCaption));
  m_playButton->setToolTip(Shown(view.playHint));
  m_playButton->setEnabled(view.playEnabled);
  m_tcButton->setToolTip(Shown(view.tcButtonHint));
  m_tcButton->setEnabled(view.tcButtonEnabled);
  m_mapButton->setToolTip(Shown(view.mapButtonHint));
  m_mapButton->setEnabled(view.mapButtonEnabled);

  QStringList skills;
  for (int i = 0; i < m_skillBox->count(); ++i) skills << m_skillBox->itemText(i);
  const QString skill = Shown(view.skillText);
  ShowDropDown(m_skillBox, skills, int(skills.indexOf(skill)), skill);
  m_skillBox->setEnabled(view.skillEnabled);
  QStringList saved;
  for (const std::string& entry : view.savedEntries) saved << Shown(entry);
  ShowDropDown(m_savedGameBox, saved, view.savedSelected, Shown(view.savedText));
  m_savedGameBox->setEnabled(view.savedEnabled && view.savedBoxAllowed);

  const QSignalBlocker blockSingle(m_singleButton), blockHost(m_hostButton), blockJoin(m_joinButton);
  m_singleButton->setChecked(view.gameType == GameRole::Single);
  m_hostButton->setChecked(view.gameType == GameRole::Host);
  m_joinButton->setChecked(view.gameType == GameRole::Join);

  const QSignalBlocker blockAssociate(m_associateBox);
  m_associateBox->setChecked(view.assocChecked);
  m_associateBox->setVisible(view.assocVisible);
  m_associateBox->setToolTip(Shown(view.assocHint));

  m_menus->Render(view);
  ApplySkin(*view.skin);
  if (view.dropFocus) {
    DropFocus();
    view.dropFocus = false;
  }
}

void MainWindow::ApplySkin(const Skin& skin) {
  if (&skin == m_shownSkin) return;
  m_shownSkin = &skin;
  const SkinColors colors = ColorsOf(skin);
  for (QWidget* text : std::initializer_list<QWidget*>{m_tcButton, m_quitButton, m_mapButton, m_tcHeading,
                                                       m_nicknameHeading, m_mapHeading})
    SetTextColour(text, colors.text);
  // The menu buttons' bars in the texts' colour, which each skin keeps legible on its bar.
  for (FlatButton* menu : {m_options1Button, m_options2Button}) menu->setIcon(GlyphIcon(Glyph::Menu, colors.text));
  m_menus->ApplySkin(colors);
  m_topBar->SetColors(colors.light, colors.dark);
  m_bottomBar->SetColors(colors.light, colors.dark);
  m_message->SetColors(colors.light, colors.dark, colors.text);
  for (SecondaryWindow* window : m_skinOrder) window->ApplySkin(colors);
}

}  // namespace tv
