#pragma once
// A program folder in a temporary folder with the core running on it.
#include <gtest/gtest.h>

#include <memory>

#include "session/Program.h"
#include "fixture/Fixture.h"
#include "fixture/Home.h"
#include "support/RecordingUi.h"

namespace tv::test {

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() : fs(dir.Path()) {}

  // Makes the program on the folder; call after preparing files.
  Program& Start(DateTimeFormats formats = {"dd/MM/yyyy", "HH:mm:ss"}) {
    Environment env;
    env.programFolder = dir.Path();
    env.executable = executable;
    env.formats = std::move(formats);
    env.now = [this] { return now; };
    env.cacheFolder = cacheFolder;
    program = std::make_unique<Program>(fs, ui, env);
    return *program;
  }
  std::string Ini() const { return fixture::ReadFile(dir.Path() + "Tarvolin.ini"); }
  void WriteIni(const std::string& text) { fixture::WriteFile(dir.Path() + "Tarvolin.ini", text); }
  std::string Path(const std::string& name) const { return dir.Path() + name; }

  fixture::TempHome home;  // the first start writes a desktop shortcut
  fixture::TempFolder dir;
  FileSystem fs;
  RecordingUi ui;
  std::string executable;  // the running program's file; "" for the copy in the folder
  std::time_t now = 1796520000;  // 2026-12-06 02:40 UTC
  std::string cacheFolder;       // no scan cache unless a test asks
  std::unique_ptr<Program> program;
};

}  // namespace tv::test
