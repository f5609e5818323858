#pragma once
// The time from starting a Qt program to its window being shown with a given
// title, watched from outside as an X client: no hook in the program.
#include <string>
#include <vector>

#include "ProcessMemory.h"

namespace tv::bench {

// Starts program with home as its home, runtime, configuration and cache
// folder and returns the milliseconds from the start until a window whose
// title matches readyTitle (a regular expression) is mapped; the program is
// then ended. With messageCounts, a second window mapped (a message the
// program shows once its lists are filled) counts as well. -1 when neither
// happened within a minute.
double StartToWindow(const VirtualScreen& screen, const std::string& program, const std::string& home,
                     const std::string& readyTitle, bool messageCounts = false);

}  // namespace tv::bench
