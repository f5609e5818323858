#pragma once
// The open-file dialog's filter list, given as "Name (*.x)|*.x|All (*.*)|*.*",
// turned into the name filters Qt's file dialog takes. Free of Qt.
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// One Qt name filter per name|patterns pair: the name, then the patterns in
// parentheses, separated by spaces; "*.*" means every file, as on Windows.
std::vector<std::string> NameFilters(std::string_view filter);

}  // namespace tv
