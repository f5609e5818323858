#pragma once
// Peak memory of Qt programs started as separate processes on a virtual X
// server of their own, each measured once its window is up and it has gone
// quiet.
#include <sys/types.h>

#include <string>

namespace tv::bench {

// An Xvfb on the first free display, ended with the object.
class VirtualScreen {
 public:
  VirtualScreen();
  ~VirtualScreen();
  VirtualScreen(const VirtualScreen&) = delete;
  VirtualScreen& operator=(const VirtualScreen&) = delete;
  bool Running() const { return !m_display.empty(); }
  const std::string& Display() const { return m_display; }  // ":N"

 private:
  pid_t m_pid = -1;
  std::string m_display;
};

struct Memory {
  long peakKb = -1;      // VmHWM
  long residentKb = -1;  // VmRSS
};

// Starts program with home as its home and runtime folder, waits until a
// visible window's title matches readyTitle (a regular expression), pressing
// Return to close any message in the way whenever the program has been quiet
// for a second, then reads its memory and ends it. -1 figures when the window
// did not come within a minute.
Memory MeasureProgram(const VirtualScreen& screen, const std::string& program, const std::string& home,
                      const std::string& readyTitle);

}  // namespace tv::bench
