// The middle column's picture: decoded with libjpeg, and damaged data never
// ends the program.
#include <QFile>
#include <QLabel>

#include "UiTestHelpers.h"
#include "ui/JpegImage.h"
#include "ui/MainWindow.h"

namespace tv::test {
namespace {

QByteArray Picture() {
  QFile file(":/tarvolin/picture.jpg");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll();
}

TEST(Picture, StoredPictureDecodes) {
  QString error;
  const QImage image = DecodeJpeg(Picture(), &error);
  EXPECT_FALSE(image.isNull()) << error.toStdString();
  EXPECT_EQ(image.size(), QSize(137, 283));
}

struct Damaged {
  const char* what;
  QByteArray bytes;
  const char* message;
};

TEST(Picture, DamagedDataGivesNoImageAndAMessage) {
  const QByteArray good = Picture();
  const Damaged cases[] = {
      {"empty", QByteArray(), "Empty input"},
      {"not a JPEG", QByteArray("just some text, not a picture"), "Not a JPEG file"},
      {"truncated, only a warning to the decoder", good.left(good.size() / 2), "Premature end"},
      {"header only", good.left(20), "no image"},
  };
  for (const Damaged& d : cases) {
    SCOPED_TRACE(d.what);
    QString error;
    EXPECT_TRUE(DecodeJpeg(d.bytes, &error).isNull());
    EXPECT_TRUE(error.contains(d.message)) << error.toStdString();
  }
}

TEST(Picture, FillsTheMiddleColumn) {
  MainWindow window;
  auto* picture = Child<QLabel>(window, "picture");
  EXPECT_TRUE(picture->hasScaledContents());
  EXPECT_FALSE(picture->pixmap().isNull());
  EXPECT_EQ(picture->size(), picture->parentWidget()->size());
}

}  // namespace
}  // namespace tv::test
