// The widget tests' entry: one QApplication for the whole run, made after
// the tests were listed, on the offscreen platform unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/Appearance.h"

namespace {

class QtApplication : public ::testing::Environment {
 public:
  void SetUp() override {
    m_app = new QApplication(m_argc, m_argv);
    tv::SetUpAppearance();
  }
  void TearDown() override {
    delete m_app;
    m_app = nullptr;
  }

 private:
  char m_name[13] = "tv_ui_tests";
  char* m_argv[2] = {m_name, nullptr};
  int m_argc = 1;
  QApplication* m_app = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new QtApplication);
  return RUN_ALL_TESTS();
}
