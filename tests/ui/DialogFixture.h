#pragma once
// The secondary windows on a real program folder: the core runs on a
// temporary folder with the recording port, whose modal windows are the real
// Qt dialogs, so each event goes from the widget to the core's model.
#include <QDialog>
#include <QTest>
#include <functional>

#include "UiTestHelpers.h"
#include "support/ProgramFixture.h"
#include "ui/Windows.h"

namespace tv::test {

// True once the window is the application's active one, its activation
// handled.
inline bool BecomesActive(QWidget& window) {
  return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
}

class DialogTest : public ProgramTest {
 protected:
  // Makes the core on the folder prepared so far and hands it to the windows.
  Program& StartWindows() {
    Start();
    windows.SetProgram(program.get());
    ui.onModal = [this](Window w) { windows.Of(w).exec(); };
    return *program;
  }
  // Shows the window modally and plays the user's part once it is the active
  // window; returns when it closed.
  void Show(Window window, const std::function<void(SecondaryWindow&)>& act) {
    SecondaryWindow& shown = windows.Of(window);
    WhenActive(shown, act);
    shown.exec();
  }
  // The user's part in the window that comes up next, done once it is active.
  static void WhenActive(SecondaryWindow& window, const std::function<void(SecondaryWindow&)>& act) {
    QTimer::singleShot(0, [&window, act] {
      if (BecomesActive(window)) {
        QApplication::processEvents();  // the lists lay out their rows
        act(window);
      } else {
        ADD_FAILURE() << "the window never became active";
      }
      // A window the user's part left open is closed as by its frame.
      if (window.isVisible()) window.close();
    });
  }

  Windows windows;
};

// The user goes to another window and comes back to this one.
inline void LeaveAndReturn(QWidget& window) {
  QDialog other(&window);
  QTimer::singleShot(0, &other, [&other] {
    EXPECT_TRUE(BecomesActive(other));
    other.accept();
  });
  other.exec();
  // The offscreen platform leaves the focus with the closed window; a window
  // manager would hand it back.
  window.activateWindow();
  EXPECT_TRUE(BecomesActive(window));
}

// The widget, if any, holding the keyboard focus inside the window.
inline QWidget* FocusedControl(QWidget& window) {
  QWidget* focused = window.focusWidget();
  return focused == &window ? nullptr : focused;
}

}  // namespace tv::test
