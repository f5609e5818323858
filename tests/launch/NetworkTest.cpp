#include <gtest/gtest.h>

#include "fixture/Fixture.h"
#include "launch/Network.h"

namespace tv {
namespace {

TEST(NetworkTail, EachRowComposesOrKeepsThePreviousTail) {
  const std::string old = " /name Old /net /n1 1.1.1.1";
  const GameLine previous = GameLine::OwnSwitches(old);
  const struct {
    bool dedicated;
    GameRole role;
    const char* nick;
    const char* addr;
    long players;
    std::string tail;
  } cases[] = {
      {true, GameRole::Host, "Ann", "", 4, " /name Ann /net /n0:4"},
      {true, GameRole::Host, "Ann", "10.0.0.2", 8, " /name Ann /net /n0:8"},
      {true, GameRole::Host, "", "10.0.0.2", 4, old},
      {true, GameRole::Host, "Ann", "10.0.0.2", 1, old},
      {true, GameRole::Join, "Ann", "10.0.0.2", 4, " /name Ann /net /n0 10.0.0.2"},
      {true, GameRole::Join, "Ann", "", 4, old},
      {true, GameRole::Join, "", "10.0.0.2", 4, old},
      {false, GameRole::Host, "Ann", "10.0.0.2", 4, " /name Ann /net /n1 10.0.0.2"},
      {false, GameRole::Host, "Ann", "", 4, old},
      {false, GameRole::Host, "", "10.0.0.2", 4, old},
      {false, GameRole::Join, "Ann", "10.0.0.2", 2, " /name Ann /net 10.0.0.2 /n1"},
      {false, GameRole::Join, "Ann", "", 2, old},
      {false, GameRole::Join, "", "10.0.0.2", 2, old},
      {false, GameRole::Single, "Ann", "10.0.0.2", 2, old},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ComposeNetworkTail(previous, c.dedicated, c.role, c.nick, c.addr, c.players).Text(), c.tail)
        << c.dedicated << " " << int(c.role) << " '" << c.nick << "' '" << c.addr << "' " << c.players;
}

class NetworkConfigTest : public ::testing::Test {
 protected:
  NetworkConfigTest() : fs(dir.Path()), ini(dir.Path() + "Tarvolin.ini") {}

  fixture::TempFolder dir;
  FileSystem fs;
  std::string ini;
  NetworkSettings memory{"Bob", "10.0.0.9", false, 3};
};

TEST_F(NetworkConfigTest, HeadingFollowsTheGameType) {
  NetworkConfig w;
  w.Open(GameRole::Host, memory);
  EXPECT_EQ(w.heading, "Hosting a Game");
  w.Open(GameRole::Join, memory);
  EXPECT_EQ(w.heading, "Joining a Game");
}

TEST_F(NetworkConfigTest, AddressLabelFollowsTheDedicatedBox) {
  NetworkConfig w;
  w.Open(GameRole::Host, memory);
  w.Activate(fs, ini);
  EXPECT_EQ(w.addressLabel, "Opponents IP  Address");
  w.SetDedicated(true);
  EXPECT_EQ(w.addressLabel, "Server IP Address");
  EXPECT_TRUE(w.Values().dedicated);
  w.SetDedicated(false);
  EXPECT_EQ(w.addressLabel, "Opponents IP  Address");

  memory.dedicated = true;
  w.Open(GameRole::Join, memory);
  w.Activate(fs, ini);
  EXPECT_EQ(w.addressLabel, "Server IP Address");
}

TEST_F(NetworkConfigTest, WithoutTheSettingsFileTheWindowShowsMemoryAndAcceptWritesNothing) {
  NetworkConfig w;
  w.Open(GameRole::Host, memory);
  w.Activate(fs, ini);
  EXPECT_EQ(w.nickname, "Bob");
  EXPECT_EQ(w.address, "10.0.0.9");
  EXPECT_EQ(w.numPlayers, 3);
  w.nickname = "Ann";
  w.Accept(fs, ini);
  EXPECT_FALSE(fixture::Exists(ini));
  EXPECT_EQ(w.Values().nickname, "Ann");
}

TEST_F(NetworkConfigTest, EveryActivationReplacesTheControlsWithTheFilesValues) {
  fixture::WriteFile(ini, "[Network_Game]\r\nNickname=Cy\r\nNumPlayers=5\r\n");
  NetworkConfig w;
  w.Open(GameRole::Join, {"Bob", "10.0.0.9", true, 3});
  w.Activate(fs, ini);
  EXPECT_EQ(w.nickname, "Cy");
  EXPECT_EQ(w.address, "");  // missing keys read their defaults
  EXPECT_FALSE(w.dedicated);
  EXPECT_EQ(w.addressLabel, "Opponents IP  Address");
  EXPECT_EQ(w.numPlayers, 5);

  w.nickname = "typed";  // the user went to another window and came back
  w.Activate(fs, ini);
  EXPECT_EQ(w.nickname, "Cy");
}

TEST_F(NetworkConfigTest, PlayersStayWithinTwoToEight) {
  const struct {
    const char* file;  // "" for no settings file
    long memory;
    long shown;
  } cases[] = {
      {"", 1, 2}, {"", 9, 8}, {"", 8, 8}, {"NumPlayers=0", 3, 2}, {"NumPlayers=20", 3, 8}, {"NumPlayers=x", 3, 2},
  };
  for (const auto& c : cases) {
    if (*c.file) fixture::WriteFile(ini, std::string("[Network_Game]\r\n") + c.file + "\r\n");
    NetworkConfig w;
    w.Open(GameRole::Host, {"", "", false, c.memory});
    w.Activate(fs, ini);
    EXPECT_EQ(w.numPlayers, c.shown) << c.file << " " << c.memory;
    EXPECT_EQ(w.Values().numPlayers, c.shown);
  }
}

TEST_F(NetworkConfigTest, AcceptWritesTheFourKeysAndKeepsTheRestOfTheFile) {
  fixture::WriteFile(ini, "[Tarvolin]\r\nSkillLevel=2\r\n");
  NetworkConfig w;
  w.Open(GameRole::Host, memory);
  w.Activate(fs, ini);
  w.nickname = "Ann";
  w.address = "10.0.0.2";
  w.SetDedicated(true);
  w.numPlayers = 6;
  w.Accept(fs, ini);

  const IniFile written(fs, ini);
  EXPECT_EQ(written.ReadString("Tarvolin", "SkillLevel", ""), "2");
  EXPECT_EQ(written.ReadString("Network_Game", "Nickname", ""), "Ann");
  EXPECT_EQ(written.ReadString("Network_Game", "OpponentIP", ""), "10.0.0.2");
  EXPECT_EQ(written.ReadString("Network_Game", "Dedicated", ""), "1");
  EXPECT_EQ(written.ReadString("Network_Game", "NumPlayers", ""), "6");
}

}  // namespace
}  // namespace tv
