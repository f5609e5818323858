#include "install/Messages.h"

#include <cstring>

namespace tv {

std::string AboutText(const std::string& programVersion) {
  return "Tarvolin - Version " + programVersion + "\n\n" +
         "Tarvolin is a basic game launcher for the Windows port of Duke Nukem 3D."
         "\n\n"
         "To add additional TC's you need the Atomic addition.\nJust place the .Grp file with its Game.con file\n"
         "In the Games folder and Tarvolin will find them."
         "\n\n"
         "NB. the TC's Game.con file must be the same name as the .Grp"
         "\n\n"
         "If any Grp, Con, Gam or Def files accompany any maps in any\n"
         "of the Maps folders, they will be used when selecting a user map."
         "\n\n"
         "NB. Map folder names should be: Maps - Maps1 - Maps2 to Maps6\n"
         "Each Map folder should not exceed approx 600 maps in total."
         "\n\n"
         "When viewing the map text file, Tarvolin will search the\nMap folders then a Help or Text folder.";
}

std::string CommandLineQuestion(const std::string& program, const std::string& parameters) {
  return program + "  " + parameters + "\n\nContinue ?";
}

std::string StartFailureText(const std::string& program, const StartResult& result) {
  const std::string head = "Unable to start " + program + "\n\n";
  switch (result.failure) {
    case StartFailure::None:
      return {};
    case StartFailure::NotFound:
      return head + "The file was not found.";
    case StartFailure::NotExecutable:
      return head + "The file is a program but is not marked as executable.";
    case StartFailure::NeedsWine:
      return head + "Wine is needed to start a Windows program,\nand it was not found on this system.";
    case StartFailure::NoOpener:
      return head + "No program was found to open this kind of file (xdg-open).";
    case StartFailure::SystemError:
      return head + "The system refused to start it: " + std::strerror(result.error) + ".";
  }
  return {};
}

}  // namespace tv
