#pragma once
// Small helpers of the widget tests: finding controls by name, reading
// pixels and answering modal dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tv::test {

template <class T = QWidget>
T* Child(const QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << "no control named " << name;
  return child;
}

// Where a control sits in its window's client area.
inline QRect InWindow(const QWidget& widget) { return {widget.mapTo(widget.window(), QPoint(0, 0)), widget.size()}; }

inline bool Near(const QColor& a, const QColor& b, int tolerance = 2) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

inline std::string Describe(const QColor& c) { return c.name().toStdString(); }

// How many pixels of the area have exactly this colour.
inline int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y).rgb() == colour.rgb()) ++n;
  return n;
}

// A press and release of a mouse button or a key, as QTest makes them.
inline void Press(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}, QPoint pos = {}) {
  QTest::mouseEvent(QTest::MouseClick, widget, button, modifiers, pos);
}
inline void DoublePress(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {},
                        QPoint pos = {}) {
  QTest::mouseEvent(QTest::MouseDClick, widget, button, modifiers, pos);
}
inline void PressKey(QWidget* widget, Qt::Key key) { QTest::keyEvent(QTest::Click, widget, key); }

// Plays the user's part in the next modal dialog once it is up.
inline void WhenModal(std::function<void(QWidget&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr) << "no modal dialog is showing";
    act(*modal);
  });
}

}  // namespace tv::test
