#include "install/HighResPack.h"

namespace tv {
namespace {

void SetAside(FileSystem& fs, const std::string& file) {
  if (!fs.FileExists(file)) return;
  // Outcomes are ignored: a failed rename leaves the file where it was.
  if (fs.FileExists(file + ".bak")) fs.Delete(file + ".bak");
  fs.Rename(file, file + ".bak");
}

}  // namespace

void SetAsideLooseDefinitions(FileSystem& fs, const std::string& programFolder) {
  const std::string def = programFolder + "Duke3d.def";
  const std::string hrpDef = programFolder + "Duke3d_hrp.def";
  if (!fs.FileExists(def) && !fs.FileExists(hrpDef)) return;
  const std::string autoload = programFolder + "Autoload" + kSep;
  const bool packFound = fs.FileExists(programFolder + "Duke3d_hrp.zip") ||
                         fs.FileExists(programFolder + "Duke3d_mrp.zip") ||
                         fs.FileExists(autoload + "Duke3d_hrp.zip") || fs.FileExists(autoload + "Duke3d_mrp.zip");
  if (!packFound) return;
  SetAside(fs, def);
  SetAside(fs, hrpDef);
}

}  // namespace tv
