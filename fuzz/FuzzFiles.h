#pragma once
// Readers that take a file system and a path get each input as a real file:
// one folder per fuzzing process, on a memory file system when there is one,
// removed when the process ends.
#include <string>
#include <string_view>

namespace tv::fuzz {

// The folder of this process, ending with the separator.
const std::string& Folder();

// Writes bytes to Folder() + name, replacing what was there, and returns the path.
std::string WriteInput(const std::string& name, std::string_view bytes);

// Ends the run with a message when a property does not hold: the fuzzer
// reports it as a crash and keeps the input.
void Check(bool holds, const char* what);

}  // namespace tv::fuzz
