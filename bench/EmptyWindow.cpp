// An empty Qt window of the main window's size: the baseline that the start-up
// benchmark sets the program's memory against.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Empty");
  window.setFixedSize(532, 347);
  window.show();
  return QApplication::exec();
}
