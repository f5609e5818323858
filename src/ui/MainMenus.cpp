#include "ui/MainMenus.h"

#include "session/Program.h"
#include "ui/Appearance.h"
#include "ui/widgets/CaptionMenu.h"

namespace tv {
namespace {

QString Numbered(const char* base, int n) { return QString::fromLatin1(base) + QString::number(n); }

void ShowEntry(QAction* action, const MenuEntry& entry) {
  action->setText(Shown(entry.caption));
  action->setVisible(entry.visible);
  action->setChecked(entry.checked);
}

}  // namespace

MainMenus::MainMenus(QWidget* parent, std::function<void(const Operation&)> run)
    : m_run(std::move(run)),
      m_options1(new CaptionMenu("Options 1", CaptionMenu::Alignment::LeftAtPointer, parent)),
      m_options2(new CaptionMenu("Options 2", CaptionMenu::Alignment::CentredOnPointer, parent)) {
  m_options1->setObjectName("Options1");
  m_options2->setObjectName("Options2");
  m_options2->setToolTipsVisible(true);
  BuildOptions1();
  BuildOptions2();
}

QAction* MainMenus::Add(CaptionMenu* menu, const QString& name, const QString& caption, Glyph glyph,
                        Operation operation) {
  QAction* action = menu->addAction(GlyphIcon(glyph), caption);
  action->setObjectName(name);
  // "Cancel" has no operation: choosing it only closes the menu.
  if (operation) QObject::connect(action, &QAction::triggered, menu, [this, operation] { m_run(operation); });
  return action;
}

void MainMenus::BuildOptions1() {
  CaptionMenu* m = m_options1;
  Add(m, "playBatchFile", "Play Batch File", Glyph::Batch, [](Program& p) { p.Play().PlayBatchFile(); });
  Add(m, "playTcLevel", "Play TC Level", Glyph::Level, [](Program& p) { p.Play().PlayTcLevel(); });
  m->addSeparator();
  CaptionMenu* games = m->AddSubmenu("executables", "Select Duke Game", GlyphIcon(Glyph::Game));
  for (int i = 1; i <= 5; ++i) {
    QAction* duke =
        Add(games, Numbered("executable", i), QString(), Glyph::Game, [i](Program& p) { p.Install().ChooseExecutable(i); });
    duke->setCheckable(true);
    m_duke[std::size_t(i - 1)] = duke;
  }
  Add(m, "gameSetup", "Duke Game Setup", Glyph::Setup, [](Program& p) { p.Play().StartGameSetup(); });
  m_commandLine = Add(m, "commandLine", "Command line", Glyph::CommandLine, [](Program& p) { p.Play().ToggleCommandLine(); });
  m_commandLine->setCheckable(true);
  m->addSeparator();
  Add(m, "desktopIcon", "Desktop Icon", Glyph::Desktop, [](Program& p) { p.Install().AddDesktopIcon(); });
  CaptionMenu* skins = m->AddSubmenu("skins", "GUI Skin Color", GlyphIcon(Glyph::Skin));
  for (int i = 0; i < int(kSkins.size()); ++i) {
    const QString name = QString::fromLatin1(kSkins[std::size_t(i)].name);
    Add(skins, name + "1", name, Glyph::Skin, [i](Program& p) { p.ChooseSkin(i); });
  }
  Add(m, "about", "About Tarvolin", Glyph::About, [](Program& p) { p.ShowAbout(); });
  m->addSeparator();
  Add(m, "cancelOptions1", "Cancel", Glyph::Cancel, nullptr);
}

void MainMenus::BuildOptions2() {
  CaptionMenu* m = m_options2;
  CaptionMenu* folders = m->AddSubmenu("mapFolders", "Map Folders", GlyphIcon(Glyph::Folder));
  for (int slot = 0; slot <= 6; ++slot) {
    QAction* folder = Add(folders, Numbered("mapFolder", slot), QString(), Glyph::Folder,
                          [slot](Program& p) { p.Maps().OpenFolder(slot); });
    folder->setCheckable(true);
    m_mapFolders[std::size_t(slot)] = folder;
  }
  CaptionMenu* sorting = m->AddSubmenu("mapSorting", "Map Sorting", GlyphIcon(Glyph::Sort));
  const std::array<const char*, 4> orders = {"Alphabetical", "Map Colors", "Map Sizing", "Best Maps"};
  for (int entry = 1; entry <= 4; ++entry) {
    QAction* order = Add(sorting, Numbered("mapSort", entry), orders[std::size_t(entry - 1)], Glyph::Sort,
                         [entry](Program& p) { p.Maps().Sort(entry); });
    order->setCheckable(true);
    m_mapSort[std::size_t(entry - 1)] = order;
  }
  Add(m, "mapMusic", "Map Music", Glyph::Music, [](Program& p) { p.Play().ChooseMapMusic(); });
  m->addSeparator();
  QAction* save = Add(m, "saveOpinions", "Save Opinions", Glyph::Save, [](Program& p) { p.Maps().ExportOpinions(); });
  save->setToolTip("Save to VedaDezi.txt");
  Add(m, "showHistory", "Show History", Glyph::History, [](Program& p) { p.Maps().ShowHistory(); });
  Add(m, "playLevel", "Play Level", Glyph::Level, [](Program& p) { p.Play().PlayLevel(); });
  m_multiSelect = Add(m, "multiSelect", "Multi Select", Glyph::Multi, [](Program& p) { p.Maps().ToggleMultiSelect(); });
  m_multiSelect->setCheckable(true);
  m->addSeparator();
  Add(m, "cancelOptions2", "Cancel", Glyph::Cancel, nullptr);
}

void MainMenus::Render(const MainView& view) {
  for (std::size_t i = 0; i < m_duke.size(); ++i) ShowEntry(m_duke[i], view.duke[i]);
  for (std::size_t i = 0; i < m_mapFolders.size(); ++i) ShowEntry(m_mapFolders[i], view.mapFolders[i]);
  for (std::size_t i = 0; i < m_mapSort.size(); ++i) m_mapSort[i]->setChecked(view.mapSortChecked[i]);
  m_commandLine->setChecked(view.commandLineChecked);
  m_multiSelect->setChecked(view.multiSelect);
}

void MainMenus::ApplySkin(const SkinColors& colors) {
  m_options1->SetColors(colors.dark, colors.light, colors.text);
  m_options2->SetColors(colors.dark, colors.light, colors.text);
}

}  // namespace tv
