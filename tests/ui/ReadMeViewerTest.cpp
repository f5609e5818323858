// The text viewer on a real map folder: the caption and text of a map's
// read-me at every showing, its beep, and a text area that keeps tabs, long
// lines and 8-bit characters and takes no typing.
#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "DialogFixture.h"
#include "fixture/Maps.h"

namespace tv::test {
namespace {

class ReadMeViewerTest : public DialogTest {
 protected:
  Program& StartOnFoo() {
    fixture::WriteMap(Path("Maps/foo.map"));
    WriteIni("[Tarvolin]\r\nInitialized=True\r\nFolderMap0=Foo.map\r\n");
    Program& p = StartWindows();
    p.Activate();
    return p;
  }
  // The double click on the map list; returns what the viewer showed.
  std::pair<std::string, std::string> OpenReadMe() {
    std::pair<std::string, std::string> shown;
    WhenActive(windows.readMe, [&shown](SecondaryWindow& w) {
      shown = {w.windowTitle().toStdString(), Child<QPlainTextEdit>(w, "text")->toPlainText().toStdString()};
      Child<QAbstractButton>(w, "exitButton")->click();
      EXPECT_FALSE(w.isVisible());
    });
    ui.beeps.clear();
    program->Maps().OpenReadMe();
    return shown;
  }
};

TEST_F(ReadMeViewerTest, EachShowingReadsTheReadMeAfreshOrSaysItIsMissing) {
  const struct {
    const char* file;  // nullptr: none
    std::string text;
    BeepKind beep;
  } cases[] = {
      {"Line\tone\r\nCaf\xE9 \x80 5\r\n", "Line\tone\nCaf\u00E9 \u20AC 5\n", BeepKind::Information},
      {"second\r\n", "second\n", BeepKind::Information},
      {nullptr, "The file: Foo.txt was not found!", BeepKind::Default},
  };
  StartOnFoo();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    if (c.file)
      fixture::WriteFile(Path("Maps/Foo.txt"), c.file);
    else
      std::remove(Path("Maps/Foo.txt").c_str());
    const auto [caption, text] = OpenReadMe();
    EXPECT_EQ(caption, "Text Information for: Foo");
    EXPECT_EQ(text, c.text);
    ASSERT_FALSE(ui.beeps.empty());
    EXPECT_EQ(ui.beeps.front(), c.beep);
  }
}

TEST_F(ReadMeViewerTest, LongLinesStayWholeAndTheTextTakesNoTyping) {
  const std::string longLine(400, 'x');
  fixture::WriteFile(Path("Maps/foo.txt"), "a\tb\r\n" + longLine + "\r\n");
  StartOnFoo();
  WhenActive(windows.readMe, [](SecondaryWindow& w) {
    auto* memo = Child<QPlainTextEdit>(w, "text");
    EXPECT_EQ(memo->document()->lineCount(), 3) << "no line wrapped";
    EXPECT_GT(memo->horizontalScrollBar()->maximum(), 0) << "the long line scrolls sideways";
    QTest::keyClicks(memo, "zz");
    EXPECT_EQ(memo->document()->firstBlock().text().toStdString(), "a\tb");
  });
  program->Maps().OpenReadMe();
}

}  // namespace
}  // namespace tv::test
