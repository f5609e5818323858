#pragma once
#include <cstdint>

namespace tv {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

}  // namespace tv
