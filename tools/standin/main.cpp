// A stand-in for the game's programs (Duke3dw.exe, EDuke32.exe, D3WSetup.exe).
// It appends how it was started to "standin.log" in its working folder and
// shows the same in a small window, so that a newcomer sees what the game
// would get. With STANDIN_CLOSE_AFTER set to a number of seconds the window
// closes by itself after that time.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kCopies = 4;
constexpr std::size_t kStep = 1000;
using VersionTexts = std::array<char, kCopies * kStep>;

// The launcher reads the version out of whole 2000-byte blocks of the
// executable. With a copy every 1000 bytes, at least two copies lie whole
// inside a block wherever the linker puts the array.
constexpr VersionTexts MakeVersionTexts() {
  constexpr std::string_view kTexts[] = {"Duke3dw - Version 1.4 - stand-in", "EDuke32 2.0 stand-in"};
  VersionTexts out{};
  for (std::size_t copy = 0; copy < kCopies; ++copy) {
    std::size_t at = copy * kStep;
    for (const std::string_view text : kTexts) {
      for (const char c : text) out[at++] = c;
      ++at;  // a zero byte ends each text
    }
  }
  return out;
}

}  // namespace

extern const VersionTexts kVersionTexts;
[[gnu::used]] constexpr VersionTexts kVersionTexts = MakeVersionTexts();

namespace {

// Each argument on a line of its own, so that one holding spaces shows as one.
std::string Record(const std::string& program, const std::string& folder, const std::vector<std::string>& arguments) {
  std::string record = "program=" + program + "\npid=" + std::to_string(::getpid()) + "\nfolder=" + folder + "\n";
  for (const std::string& a : arguments) record += "argument=" + a + "\n";
  return record + "\n";
}

// One write in append mode, so that records of two stand-ins started at once
// never interleave.
void AppendToLog(const std::string& record) {
  const int fd = ::open("standin.log", O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return;
  (void)!::write(fd, record.data(), record.size());
  ::close(fd);
}

// The version text of the program this copy stands in for, by its name.
QString VersionText(const QString& program) {
  const QString duke3dw = QString::fromLatin1(kVersionTexts.data());
  const QString eduke32 = QString::fromLatin1(kVersionTexts.data() + duke3dw.size() + 1);
  if (program.startsWith("Duke3dw", Qt::CaseInsensitive)) return duke3dw;
  if (program.startsWith("EDuke32", Qt::CaseInsensitive)) return eduke32;
  return "a setup program";
}

// The arguments for the window, one a line.
QString Shown(const std::vector<std::string>& arguments) {
  QStringList lines;
  for (const std::string& a : arguments) lines << QString::fromLocal8Bit(a.c_str()).toHtmlEscaped();
  return lines.join("<br>");
}

}  // namespace

int main(int argc, char** argv) {
  const std::string program = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toStdString();
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const std::string folder = QDir::currentPath().toStdString();
  AppendToLog(Record(program, folder, arguments));

  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QString::fromStdString("Stand-in for " + program));
  auto* layout = new QVBoxLayout(&window);
  const QString text = QString(
                           "<b>%1</b> (%2) was started<br><br>with the arguments, one a line:<br><tt>%3</tt><br><br>"
                           "in the working folder:<br><tt>%4</tt>")
                           .arg(QString::fromStdString(program).toHtmlEscaped(),
                                VersionText(QString::fromStdString(program)).toHtmlEscaped(), Shown(arguments),
                                QString::fromLocal8Bit(folder.c_str()).toHtmlEscaped());
  auto* label = new QLabel(text, &window);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(label);
  // The top left corner keeps it clear of the launcher's window, which sits
  // in the middle of the screen.
  // Tall enough for every argument line.
  window.setGeometry(0, 0, 480, std::max(170, layout->heightForWidth(480)));
  window.show();
  if (const char* seconds = std::getenv("STANDIN_CLOSE_AFTER"))
    QTimer::singleShot(std::atoi(seconds) * 1000, &app, &QApplication::quit);
  return QApplication::exec();
}
