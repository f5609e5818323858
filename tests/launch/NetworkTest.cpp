// The network tail of host and join launches, the window that sets it, and
// the one-shot map music.
#include <gtest/gtest.h>

#include <tuple>

#include "fixture/Fixture.h"
#include "launch/MapMusic.h"
#include "launch/Network.h"

namespace tv {
namespace {

auto Fields(const NetworkSettings& n) { return std::tuple(n.nickname, n.opponentIp, n.dedicated, n.numPlayers); }

TEST(NetworkTail, EachRowComposesOrKeepsThePreviousTail) {
  const std::string old = " /name Old /net /n1 1.1.1.1", a = "10.0.0.2";
  const GameRole H = GameRole::Host, J = GameRole::Join;
  const struct {
    bool dedicated;
    GameRole role;
    std::string nick, addr;
    long players;
    std::string tail;
  } cases[] = {
      // clang-format off
      {true, H, "Ann", "", 4, " /name Ann /net /n0:4"}, {true, H, "Ann", a, 8, " /name Ann /net /n0:8"},
       {true, H, "", a, 4, old},
      {true, H, "Ann", a, 1, old}, {true, J, "Ann", a, 4, " /name Ann /net /n0 10.0.0.2"}, {true, J, "Ann", "", 4, old},
      {true, J, "", a, 4, old}, {false, H, "Ann", a, 4, " /name Ann /net /n1 10.0.0.2"}, {false, H, "Ann", "", 4, old},
      {false, H, "", a, 4, old}, {false, J, "Ann", a, 2, " /name Ann /net 10.0.0.2 /n1"}, {false, J, "Ann", "", 2, old},
      {false, J, "", a, 2, old}, {false, GameRole::Single, "Ann", a, 2, old},
      // clang-format on
  };
  for (const auto& c : cases) {
    const GameLine tail =
        ComposeNetworkTail(GameLine::OwnSwitches(old), c.dedicated, c.role, c.nick, c.addr, c.players);
    EXPECT_EQ(tail.Text(), c.tail) << c.dedicated << int(c.role) << " '" << c.nick << "' '" << c.addr << "' "
                                   << c.players;
  }
  // The nickname is one argument, spaces and all.
  EXPECT_EQ(ComposeNetworkTail({}, false, H, "A b", a, 2).Arguments(),
            (std::vector<std::string>{"/name", "A b", "/net", "/n1", a}));
}

// Without a settings file the window shows memory and Accept writes nothing;
// with one, every activation shows the file's values (missing keys their
// defaults), and Accept writes the four keys, keeping the rest of the file.
TEST(NetworkConfig, ShowsMemoryOrTheFileAndAcceptWritesOnlyAnExistingFile) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  const std::string ini = dir.Path() + "Tarvolin.ini", server = "Server IP Address",
                    opponents = "Opponents IP  Address";
  NetworkConfig w;
  w.Open(GameRole::Join, {"Bob", "10.0.0.9", true, 3});
  EXPECT_EQ(w.heading, "Joining a Game");
  w.Activate(fs, ini);
  EXPECT_EQ(w.addressLabel, server);
  w.Open(GameRole::Host, {"Bob", "10.0.0.9", false, 3});
  EXPECT_EQ(w.heading, "Hosting a Game");
  w.nickname = "Ann";
  w.Activate(fs, ini);
  EXPECT_EQ(Fields(w.Values()), Fields({"Ann", "10.0.0.9", false, 3}));
  EXPECT_EQ(w.addressLabel, opponents);
  w.SetDedicated(true);
  EXPECT_EQ(w.addressLabel + std::to_string(w.Values().dedicated), server + "1");
  w.Accept(fs, ini);
  EXPECT_FALSE(fixture::Exists(ini));
  fixture::WriteFile(ini, "[Tarvolin]\r\nSkillLevel=2\r\n[Network_Game]\r\nNickname=Cy\r\nNumPlayers=5\r\n");
  w.Activate(fs, ini);
  EXPECT_EQ(Fields(w.Values()), Fields({"Cy", "", false, 5}));
  EXPECT_EQ(w.addressLabel, opponents);
  w.address = "10.0.0.2", w.numPlayers = 6;
  w.SetDedicated(true);
  w.Accept(fs, ini);
  EXPECT_EQ(fixture::ReadFile(ini),
            "[Tarvolin]\r\nSkillLevel=2\r\n[Network_Game]\r\nNickname=Cy\r\nNumPlayers=6\r\nOpponentIP=10.0.0.2\r\n"
            "Dedicated=1\r\n");
}

TEST(NetworkConfig, PlayersStayWithinTwoToEight) {
  fixture::TempFolder dir;
  FileSystem fs(dir.Path());
  const std::string ini = dir.Path() + "Tarvolin.ini";
  const std::tuple<const char*, long, long> cases[] = {
      // clang-format off
      {"", 1, 2}, {"", 9, 8}, {"", 8, 8}, {"", 2, 2},
      {"NumPlayers=0", 3, 2}, {"NumPlayers=20", 3, 8}, {"NumPlayers=x", 3, 2},
      // clang-format on
  };
  for (const auto& [file, memory, shown] : cases) {
    if (*file) fixture::WriteFile(ini, std::string("[Network_Game]\r\n") + file + "\r\n");
    NetworkConfig w;
    w.Open(GameRole::Host, {"", "", false, memory});
    w.Activate(fs, ini);
    EXPECT_EQ(w.Values().numPlayers, shown) << file << " " << memory;
  }
}

TEST(MapMusic, TheDialogStartsInMusicAndAPickDeletesTheLeftoverEvenWhenItIsThePickedOne) {
  for (const char* pick : {"Music/My Song.mid", "DuroDozi.mid"}) {
    fixture::TempFolder dir;
    FileSystem fs(dir.Path());
    EXPECT_EQ(MusicDialogFolder(fs, dir.Path()), dir.Path());
    fixture::WriteFile(dir.Path() + "music", "a file is no folder");
    EXPECT_EQ(MusicDialogFolder(fs, dir.Path()), dir.Path());
    fs.Delete(dir.Path() + "music");
    fixture::WriteFile(dir.Path() + "DuroDozi.mid", "MThd");
    fixture::WriteFile(dir.Path() + "Music/My Song.mid", "MThd");
    EXPECT_EQ(fs.Resolve(MusicDialogFolder(fs, dir.Path())), dir.Path() + "Music");
    EXPECT_EQ(AcceptMusicChoice(fs, dir.Path(), dir.Path() + pick), dir.Path() + pick);
    EXPECT_FALSE(fixture::Exists(dir.Path() + "DuroDozi.mid")) << pick;
    EXPECT_TRUE(fixture::Exists(dir.Path() + "Music/My Song.mid"));
  }
}

}  // namespace
}  // namespace tv
