// "Play Batch File": the batch window played by the user, and the chosen file
// started through Wine's command interpreter with empty parameters.
#include "PlayTest.h"

namespace tv::test {
namespace {

TEST(PlayBatchFile, TheChosenFileStartsWithEmptyParameters) {
  const struct {
    const char* name;
    std::vector<std::string> files;
    int row;              // selected at Select; -2 presses Cancel
    const char* started;  // nullptr: nothing
  } cases[] = {
      {"the second file", {"Alpha.bat", "Setup.bat", "Readme.txt"}, 1, "Setup.bat"},
      {"no file selected", {"Alpha.bat"}, -1, nullptr},
      {"cancelled", {"Alpha.bat"}, -2, nullptr},
      {"an empty list ignores Select, then cancelled", {}, 0, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fixture::TempFolder bin;
    fixture::WriteRecordingProgram(bin.Path() + "wine", bin.Path() + "wine.log");
    fixture::ScopedEnv path("PATH", bin.Path() + ":/usr/bin:/bin");
    PlayFolder f;
    for (const std::string& file : c.files) f.Put(file, "@echo off\r\n");
    Program& p = f.Start();
    f.ui.onModal = [&](Window window) {
      ASSERT_EQ(window, Window::Batch);
      p.ListBatchFiles();
      if (c.row == -2 || !p.Batch().Select(c.row)) p.Batch().Cancel();
    };
    p.PlayBatchFile();
    EXPECT_EQ(f.ui.modals, std::vector<Window>{Window::Batch});
    if (c.started) {
      const std::vector<std::string> expected = {f.Expected("").front(), "cmd", "/c", c.started};
      EXPECT_EQ(fixture::WaitForRecord(bin.Path() + "wine.log", kRecordTimeoutMs), expected);
      EXPECT_EQ(f.CommandLine(), f.Path(c.started) + " ");
    } else {
      EXPECT_EQ(f.CommandLine(), "<none>");
    }
    EXPECT_TRUE(f.ui.beeps.empty());
    EXPECT_TRUE(f.ui.shown.empty());
    EXPECT_EQ(f.ui.minimized, 0);
  }
}

}  // namespace
}  // namespace tv::test
