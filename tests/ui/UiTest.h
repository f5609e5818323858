#pragma once
// Helpers of the widget tests: controls by name, pixels, the user's part in modal windows.
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

#include "support/ProgramFixture.h"
#include "ui/Windows.h"

namespace tv::test {

template <class T = QWidget>
T* Child(const QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << "no control named " << name;
  return child;
}
inline bool Near(const QColor& a, const QColor& b, int d = 2) {
  return std::abs(a.red() - b.red()) <= d && std::abs(a.green() - b.green()) <= d && std::abs(a.blue() - b.blue()) <= d;
}
inline std::string Hex(const QColor& c) { return c.name().toStdString(); }
inline int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixelColor(x, y).rgb() == colour.rgb();
  return n;
}
inline std::string RowFill(const QImage& i, const QRect& r) { return Hex(i.pixelColor(r.right() - 2, r.center().y())); }
// A press and a release of the mouse button, as a user's click.
inline void Tap(QWidget* w, Qt::MouseButton b = Qt::LeftButton, QPoint at = {}) {
  QTest::mousePress(w, b, {}, at);
  QTest::mouseRelease(w, b, {}, at);
}
inline bool BecomesActive(QWidget& w) { return QTest::qWaitFor([&w] { return QApplication::activeWindow() == &w; }); }
inline void WhenModal(std::function<void(QWidget&)> act) {  // the user's part in the next modal dialog
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr) << "no modal dialog is showing";
    act(*modal);
  });
}
inline void LeaveAndReturn(QWidget& window) {  // to another window and back, activated as a window manager would
  QDialog other(&window);
  QTimer::singleShot(0, &other, &QDialog::accept);
  other.exec(), window.activateWindow();
  EXPECT_TRUE(BecomesActive(window));
}
inline QWidget* FocusedControl(QWidget& w) { return w.focusWidget() == &w ? nullptr : w.focusWidget(); }

// The user's part once the window is active; left open, it is closed as by its frame.
inline void WhenActive(QWidget& window, const std::function<void(QWidget&)>& act) {
  QTimer::singleShot(0, [&window, act] {
    const bool active = BecomesActive(window);
    EXPECT_TRUE(active) << "the window never became active";
    if (active) QApplication::processEvents(), act(window);
    if (window.isVisible()) window.close();
  });
}
inline void Press(QWidget& window, const char* button) { Child<QAbstractButton>(window, button)->click(); }

}  // namespace tv::test
