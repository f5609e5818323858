#pragma once
// Shortcuts to programs in the user's special folders. Here a shortcut is a
// freedesktop launcher file (name + ".desktop"); the special folders are the
// desktop, documents, applications menu and autostart folders of the user.
#include <string>
#include <vector>

namespace tv {

// The file this program is built as; the shortcut's "Tarvolin.exe" means it.
inline constexpr const char* kOwnExecutableFile = "Tarvolin";

// The folder a special folder name ("Desktop", "MyDocuments", "ProgramGroups",
// "SendTo", "StartMenu", "Startup"; exact spelling) means here, ending with
// the separator; "" when the name is unknown or has no folder here. The menu
// and autostart folders are made when missing; desktop and documents only
// count when they exist.
std::string SpecialFolderPath(const std::string& specialFolder);

// The user's configuration folder ($XDG_CONFIG_HOME, else ~/.config), without
// the separator at the end; "" when neither is known.
std::string ConfigHome();

// The launcher file's text. A "/" in file starts the arguments (the character
// before it, a space, belongs to neither); the working folder is folder and
// the description is name.
std::string DesktopEntry(const std::string& folder, const std::string& file, const std::string& name);

// The launcher file's text for the program at that path started with these
// arguments, each quoted as the launcher's Exec rules want.
std::string ProgramEntry(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& folder, const std::string& name);

// Writes name + ".desktop" into the special folder, pointing at folder + file,
// replacing an earlier one. Failures are silent.
void CreateShortcut(const std::string& folder, const std::string& file, const std::string& specialFolder,
                    const std::string& name);
// The same for the program at that path with its arguments.
void CreateProgramShortcut(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& folder, const std::string& specialFolder, const std::string& name);

}  // namespace tv
