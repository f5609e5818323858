#pragma once
#include <cstdint>

namespace tv {

// A colour as the core keeps it, eight bits per channel; the windows turn it
// into their own.
struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

}  // namespace tv
