#pragma once
// The colour of each opinion code: every list that colours maps or TCs, the
// opinion window's rows and its comparison take it from here.
#include <array>

#include "platform/Color.h"

namespace tv {

inline constexpr Rgb kSilver{192, 192, 192};

// Index = opinion code; codes outside the table draw silver.
inline constexpr std::array<Rgb, 9> kOpinionColors = {{
    kSilver,        // 0 no opinion
    {0, 255, 0},    // 1 good: lime
    {0, 0, 255},    // 2 fair: blue
    {255, 0, 0},    // 3 bad: red
    {255, 0, 255},  // 4 confusing or stuck: fuchsia
    {255, 255, 0},  // 5 excellent: yellow
    {0, 128, 128},  // 6 multiplayer only: teal
    {0, 255, 255},  // 7 crashes or hangs: aqua
    {128, 128, 0},  // 8 read from files only: olive
}};

constexpr Rgb OpinionColor(int code) {
  return code >= 0 && code < int(kOpinionColors.size()) ? kOpinionColors[std::size_t(code)] : kSilver;
}

}  // namespace tv
