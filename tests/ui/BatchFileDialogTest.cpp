// The batch window on a real program folder: the batch files listed afresh
// at every showing, names shown decoded while the result keeps their bytes,
// and Select and Cancel.
#include <QAbstractButton>
#include <QListWidget>

#include "DialogFixture.h"

namespace tv::test {
namespace {

std::vector<std::string> Rows(QWidget& window) {
  auto* list = Child<QListWidget>(window, "batchList");
  std::vector<std::string> rows;
  for (int i = 0; i < list->count(); ++i) rows.push_back(list->item(i)->text().toStdString());
  return rows;
}

class BatchFileDialogTest : public DialogTest {};

TEST_F(BatchFileDialogTest, ListsTheProgramFoldersBatchFilesAtEveryShowing) {
  fixture::WriteFile(Path("b.bat"), "");
  fixture::WriteFile(Path("d.bat"), "");
  fixture::WriteFile(Path("readme.txt"), "");
  fixture::MakeFolder(Path("dir.bat"));
  StartWindows();
  Show(Window::Batch, [](SecondaryWindow& w) {
    EXPECT_EQ(Rows(w), (std::vector<std::string>{"b.bat", "d.bat"}));
    auto* list = Child<QListWidget>(w, "batchList");
    const QImage image = list->viewport()->grab().toImage();
    // The first row carries the style's mark of the current row.
    const QRect row = list->visualItemRect(list->item(1));
    EXPECT_GT(CountColour(image, row, Qt::white), 0) << "white text";
    EXPECT_EQ(Describe(image.pixelColor(row.right() - 1, row.center().y())), Describe(Qt::black));
  });
  fixture::WriteFile(Path("A.BAT"), "");
  fixture::WriteFile(Path("caf\xE9.bat"), "");
  Show(Window::Batch, [](SecondaryWindow& w) {
    EXPECT_EQ(Rows(w), (std::vector<std::string>{"A.BAT", "b.bat", "caf\u00E9.bat", "d.bat"}));
  });
}

TEST_F(BatchFileDialogTest, SelectAndCancelSetTheResultAndCloseTheWindow) {
  const struct {
    bool files;
    int row;  // -1: none selected
    const char* button;
    bool closes;
    std::string result;  // after the program folder
  } cases[] = {
      {true, 1, "selectButton", true, "caf\xE9.bat"},
      {true, -1, "selectButton", true, ""},
      {true, 0, "cancelButton", true, ""},
      {false, -1, "selectButton", false, ""},
      {false, -1, "cancelButton", true, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.button << " row " << c.row << (c.files ? "" : " of none"));
    std::remove(Path("a.bat").c_str());
    std::remove(Path("caf\xE9.bat").c_str());
    if (c.files) {
      fixture::WriteFile(Path("a.bat"), "");
      fixture::WriteFile(Path("caf\xE9.bat"), "");
    }
    Program& p = StartWindows();
    Show(Window::Batch, [&](SecondaryWindow& w) {
      auto* list = Child<QListWidget>(w, "batchList");
      if (c.row >= 0) list->setCurrentRow(c.row);
      Child<QAbstractButton>(w, c.button)->click();
      EXPECT_EQ(w.isVisible(), !c.closes);
    });
    EXPECT_EQ(p.Play().Batch().Result(), c.result.empty() ? "" : Path(c.result));
  }
}

}  // namespace
}  // namespace tv::test
