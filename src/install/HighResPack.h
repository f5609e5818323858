#pragma once
// With a high-resolution pack installed, the loose definition files of the
// program folder would override it: they are set aside as ".bak" copies.
// A one-way switch: nothing brings them back.
#include <string>

#include "platform/Files.h"

namespace tv {

void SetAsideLooseDefinitions(FileSystem& fs, const std::string& programFolder);

}  // namespace tv
