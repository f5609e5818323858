#pragma once
// Folder names with every character a shell or a desktop would read as syntax.
#include <string>
#include <vector>

namespace tv::test {

inline const std::vector<std::string> kHostileNames = {
    "Duke Nukem 3D", "it's \"quoted\"", "100% done %f %u %%", "$(touch pwned)", "`touch pwned`", "a;b|c&d>e<f",
    "~home*?#[x]",   "back\\slash",     "new\nline\ttab",     "\xff\xfe not UTF-8 \xe9", " leading and trailing ",
    std::string(255, 'L'),
};

}  // namespace tv::test
