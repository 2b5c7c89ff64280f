#pragma once
// Stack blur of the alpha channel of 32-bit pixels (the fourth byte of each).
#include <cstdint>
#include <span>

namespace lx {

// `pixels` holds width x height pixels of 4 bytes, rows without padding. Each
// pass weighs the 2r + 1 neighbours r + 1 - |k| and divides by (r + 1)^2,
// rounding down; samples beyond an edge repeat the edge pixel.
void StackBlurAlpha(std::span<uint8_t> pixels, int32_t width, int32_t height, int32_t radius);

}  // namespace lx
