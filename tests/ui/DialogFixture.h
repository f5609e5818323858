#pragma once
// The secondary windows on a real program folder: the core runs on a
// temporary folder with the recording port, whose modal windows are the real
// Qt dialogs, so each event goes from the widget to the core's model.
#include <QTest>
#include <functional>

#include "UiTestHelpers.h"
#include "support/ProgramFixture.h"
#include "ui/Windows.h"

namespace tv::test {

class DialogTest : public ProgramTest {
 protected:
  // Makes the core on the folder prepared so far and hands it to the windows.
  Program& StartWindows() {
    Start();
    windows.Attach(program.get());
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
      if (QTest::qWaitForWindowActive(&window))
        act(window);
      else
        ADD_FAILURE() << "the window never became active";
      // A window the user's part left open is closed as by its frame.
      if (window.isVisible()) window.close();
    });
  }

  Windows windows;
};

// The widget, if any, holding the keyboard focus inside the window.
inline QWidget* FocusedControl(QWidget& window) {
  QWidget* focused = window.focusWidget();
  return focused == &window ? nullptr : focused;
}

}  // namespace tv::test
