// One QApplication for the whole run, made after the tests were listed.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/Appearance.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  tv::SetUpAppearance();
  return RUN_ALL_TESTS();
}
