#pragma once
// The two errors that the program does not handle itself ("'%s' is not a valid
// integer value", "Unable to write to %s"). They end the current action and are
// shown at the event boundary in a system message box titled "Tarvolin".
#include <stdexcept>
#include <string>

namespace tv {

class RunTimeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline RunTimeError NotValidInteger(const std::string& text) {
  return RunTimeError("'" + text + "' is not a valid integer value");
}
inline RunTimeError UnableToWrite(const std::string& path) {
  return RunTimeError("Unable to write to " + path);
}

}  // namespace tv
