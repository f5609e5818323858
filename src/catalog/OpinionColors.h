#pragma once
// The colour of each opinion code, as every list draws it.
#include "platform/Color.h"

namespace tv {

constexpr Rgb OpinionColor(int code) noexcept {
  switch (code) {
    case 1:
      return {0, 255, 0};  // lime
    case 2:
      return {0, 0, 255};  // blue
    case 3:
      return {255, 0, 0};  // red
    case 4:
      return {255, 0, 255};  // fuchsia
    case 5:
      return {255, 255, 0};  // yellow
    case 6:
      return {0, 128, 128};  // teal
    case 7:
      return {0, 255, 255};  // aqua
    case 8:
      return {128, 128, 0};  // olive
    default:
      return {192, 192, 192};  // silver: no opinion
  }
}

}  // namespace tv
