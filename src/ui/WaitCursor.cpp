#include "ui/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>
#include <memory>

#include "session/Program.h"

namespace tv {

void ShowWaitCursorDuringPasses(Program& program) {
  program.SetPassObserver([shown = std::make_shared<bool>(false)](const char*) {
    if (*shown) return;
    *shown = true;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    // Runs as soon as an event loop runs again: after the pass, or inside a
    // message or window that the pass shows.
    QTimer::singleShot(0, [shown] {
      *shown = false;
      QGuiApplication::restoreOverrideCursor();
    });
  });
}

}  // namespace tv
