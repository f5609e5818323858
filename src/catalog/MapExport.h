#pragma once
// The opinions export: one line per rated map of the list, in the list's order.
#include <string>
#include <string_view>
#include <vector>

#include "catalog/MapTables.h"

namespace tv {

// "TarvolinMaps" + N + ".txt": N is 0 for "Maps" (or any name of 4 characters
// or fewer), 7 for "Mapsdm", else the fifth character ("Maps3" -> 3).
std::string MapExportFileName(std::string_view mapFolder);

// The file's bytes: for each map rated 1..7, its name padded with spaces to 16
// characters, a TAB and the export text, ended by CR LF. Empty when no map
// is rated.
std::string MapExportText(const std::vector<MapEntry>& rows);

}  // namespace tv
