#include "catalog/MapExport.h"

#include "catalog/Opinion.h"
#include "platform/Text.h"

namespace tv {

std::string MapExportFileName(std::string_view mapFolder) {
  char n = '0';
  if (EqualsNoCase(mapFolder, "Mapsdm"))
    n = '7';
  else if (mapFolder.size() > 4)
    n = mapFolder[4];
  std::string name = "TarvolinMaps";
  name += n;
  return name + ".txt";
}

std::string MapExportText(const std::vector<MapEntry>& rows) {
  std::string out;
  for (const MapEntry& row : rows) {
    const std::string_view verdict = ExportText(row.code);
    if (verdict.empty()) continue;
    out += row.name;
    if (row.name.size() < 16) out.append(16 - row.name.size(), ' ');
    out += '\t';
    out += verdict;
    out += "\r\n";
  }
  return out;
}

}  // namespace tv
