#include "text_alpha.h"

#include <algorithm>

namespace lx {

void AlphaToGlow(std::span<uint8_t> pixels, uint32_t glowColor) {
    const uint32_t blue = BlueOfColor(glowColor);
    const uint32_t green = GreenOfColor(glowColor);
    const uint32_t red = RedOfColor(glowColor);
    for (size_t i = 0; i + 3 < pixels.size(); i += 4) {
        const uint32_t alpha = std::min<uint32_t>(pixels[i + 3] * 4u, 255u);
        pixels[i] = static_cast<uint8_t>(alpha * blue >> 8);
        pixels[i + 1] = static_cast<uint8_t>(alpha * green >> 8);
        pixels[i + 2] = static_cast<uint8_t>(alpha * red >> 8);
        pixels[i + 3] = static_cast<uint8_t>(alpha);
    }
}

void CoverageToTextAlpha(std::span<uint8_t> pixels, uint32_t textColor) {
    const uint32_t blue = BlueOfColor(textColor);
    const uint32_t green = GreenOfColor(textColor);
    const uint32_t red = RedOfColor(textColor);
    for (size_t i = 0; i + 3 < pixels.size(); i += 4) {
        const uint32_t coverage = pixels[i + 2];
        if (coverage == 0)
            continue;
        const uint32_t alpha = coverage >= 200 ? coverage : coverage / 3 * 2;
        pixels[i] = static_cast<uint8_t>(alpha * blue / 255);
        pixels[i + 1] = static_cast<uint8_t>(alpha * green / 255);
        pixels[i + 2] = static_cast<uint8_t>(alpha * red / 255);
        pixels[i + 3] = static_cast<uint8_t>(alpha);
    }
}

}  // namespace lx
