// The network settings window on a real program folder: what it shows of the
// core's controls, what the user types going back to them, the settings file
// read at every activation, and Accept and Cancel.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "DialogFixture.h"

namespace tv::test {
namespace {

const NetworkSettings kMemory{"Ann", "10.0.0.2", true, 4};
const std::string kFile = "[Network_Game]\r\nNickname=Bob\r\nOpponentIP=1.2.3.4\r\nDedicated=0\r\nNumPlayers=6\r\n";

struct Controls {
  std::string heading, addressLabel, nick, address;
  bool dedicated;
  int players;
  bool operator==(const Controls&) const = default;
};

void PrintTo(const Controls& c, std::ostream* os) {
  *os << c.heading << "|" << c.addressLabel << "|" << c.nick << "|" << c.address << "|" << c.dedicated << "|"
      << c.players;
}

Controls Shown(QWidget& w) {
  return {Child<QLabel>(w, "headingLabel")->text().toStdString(),
          Child<QLabel>(w, "addressLabel")->text().toStdString(),
          Child<QLineEdit>(w, "nicknameEdit")->text().toStdString(),
          Child<QLineEdit>(w, "addressEdit")->text().toStdString(),
          Child<QAbstractButton>(w, "dedicatedBox")->isChecked(),
          Child<QSpinBox>(w, "playersBox")->value()};
}

// Replaces the text of an edit as the user does: select it all, type over it.
void TypeOver(QWidget& window, const char* edit, const char* text) {
  auto* e = Child<QLineEdit>(window, edit);
  e->selectAll();
  QTest::keyClicks(e, text);
}

class NetworkDialogTest : public DialogTest {};

TEST_F(NetworkDialogTest, ShowsMemoryWithoutASettingsFileAndTheFileWhenThereIsOne) {
  const struct {
    const char* what;
    GameRole role;
    std::string file;
    Controls shown;
  } cases[] = {
      {"memory", GameRole::Join, "", {"Joining a Game", "Server IP Address", "Ann", "10.0.0.2", true, 4}},
      {"file", GameRole::Host, kFile, {"Hosting a Game", "Opponents IP  Address", "Bob", "1.2.3.4", false, 6}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (!c.file.empty()) WriteIni(c.file);
    Program& p = StartWindows();
    p.Play().Config().Open(c.role, kMemory);
    Show(Window::Network, [&](SecondaryWindow& w) { EXPECT_EQ(Shown(w), c.shown); });
  }
}

TEST_F(NetworkDialogTest, WhatTheUserChangesReachesTheCoreAndOnlyAcceptWritesIt) {
  const struct {
    const char* button;
    bool fileThere;
    std::string fileAfter;
  } cases[] = {
      {"acceptButton", true, "[Network_Game]\r\nNickname=Cy\r\nOpponentIP=5.6.7.8\r\nDedicated=1\r\nNumPlayers=8\r\n"},
      {"cancelButton", true, kFile},
      {"acceptButton", false, "(none)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.button << (c.fileThere ? " with" : " without") << " a settings file");
    std::remove(Path("Tarvolin.ini").c_str());
    if (c.fileThere) WriteIni(kFile);
    Program& p = StartWindows();
    p.Play().Config().Open(GameRole::Host, {"Bob", "1.2.3.4", false, 6});
    Show(Window::Network, [&](SecondaryWindow& w) {
      TypeOver(w, "nicknameEdit", "Cy");
      TypeOver(w, "addressEdit", "5.6.7.8");
      Child<QAbstractButton>(w, "dedicatedBox")->click();
      EXPECT_EQ(Child<QLabel>(w, "addressLabel")->text().toStdString(), "Server IP Address");
      for (int i = 0; i < 3; ++i) PressKey(Child<QSpinBox>(w, "playersBox"), Qt::Key_Up);
      const NetworkConfig& config = program->Play().Config();
      EXPECT_EQ(config.nickname, "Cy");
      EXPECT_EQ(config.address, "5.6.7.8");
      EXPECT_TRUE(config.dedicated);
      EXPECT_EQ(config.addressLabel, "Server IP Address");
      EXPECT_EQ(config.numPlayers, 8) << "no more than eight players";
      Child<QAbstractButton>(w, c.button)->click();
      EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(fixture::Exists(Path("Tarvolin.ini")) ? Ini() : "(none)", c.fileAfter);
    EXPECT_EQ(p.Play().Config().nickname, "Cy") << "the typed values stay for the core to take over";
  }
}

TEST_F(NetworkDialogTest, ComingBackToTheWindowReadsTheFileOverWhatWasTyped) {
  const struct {
    const char* what;
    std::string file;
    std::string nickAfter;
  } cases[] = {{"file", kFile, "Bob"}, {"no file", "", "Zed"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::remove(Path("Tarvolin.ini").c_str());
    if (!c.file.empty()) WriteIni(c.file);
    Program& p = StartWindows();
    p.Play().Config().Open(GameRole::Host, {"Bob", "1.2.3.4", false, 6});
    Show(Window::Network, [&](SecondaryWindow& w) {
      TypeOver(w, "nicknameEdit", "Zed");
      EXPECT_EQ(program->Play().Config().nickname, "Zed");
      LeaveAndReturn(w);
      EXPECT_EQ(Child<QLineEdit>(w, "nicknameEdit")->text().toStdString(), c.nickAfter);
      EXPECT_EQ(program->Play().Config().nickname, c.nickAfter);
    });
  }
}

}  // namespace
}  // namespace tv::test
