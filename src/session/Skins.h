#pragma once
// The nine colour skins of the windows.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Color.h"

namespace tv {

struct Skin {
  const char* name;
  Rgb light;
  std::optional<Rgb> dark;  // none: the system's button-face colour
  Rgb text;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

inline constexpr std::array<Skin, 9> kSkins = {{
    {"Black", {128, 128, 128}, Rgb{0, 0, 0}, kWhite},
    {"Silver", {255, 255, 255}, Rgb{96, 96, 96}, kBlack},
    {"Blue", {0, 0, 255}, Rgb{0, 2, 96}, kWhite},
    {"Green", {0, 192, 0}, Rgb{0, 80, 0}, kWhite},
    {"Teal", {0, 192, 192}, Rgb{0, 80, 80}, kWhite},
    {"Purple", {192, 0, 192}, Rgb{80, 0, 80}, kWhite},
    {"Red", {192, 0, 0}, Rgb{96, 0, 0}, kWhite},
    {"Gold", {192, 117, 0}, Rgb{106, 65, 0}, kWhite},
    {"None", {192, 192, 192}, std::nullopt, kBlack},
}};

// The skin a stored SkinColor value names: upper-cased, "GRAY" is "Silver",
// anything unknown is "Black".
const Skin& SkinForStoredName(std::string_view stored);

}  // namespace tv
