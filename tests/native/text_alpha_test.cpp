#include "text_alpha.h"

#include <gtest/gtest.h>

#include <array>

namespace lx {
namespace {

using Bytes = std::array<uint8_t, 4>;  // blue, green, red, alpha

struct PixelCase {
    Bytes before;
    Bytes after;
};

constexpr uint32_t kColor = 0x00406080;  // red 0x80, green 0x60, blue 0x40

TEST(AlphaToGlow, QuadruplesAlphaAndPremultipliesTheGlowColour) {
    const PixelCase cases[] = {
        {{9, 9, 9, 0}, {0, 0, 0, 0}},
        {{0, 0, 0, 10}, {40 * 0x40 >> 8, 40 * 0x60 >> 8, 40 * 0x80 >> 8, 40}},
        {{0, 0, 0, 63}, {252 * 0x40 >> 8, 252 * 0x60 >> 8, 252 * 0x80 >> 8, 252}},
        {{0, 0, 0, 64}, {255 * 0x40 >> 8, 255 * 0x60 >> 8, 255 * 0x80 >> 8, 255}},
        {{0, 0, 0, 255}, {63, 95, 127, 255}},
    };
    for (const PixelCase& c : cases) {
        Bytes pixel = c.before;
        AlphaToGlow(pixel, kColor);
        EXPECT_EQ(pixel, c.after) << int{c.before[3]};
    }
    Bytes white = {0, 0, 0, 255};
    AlphaToGlow(white, 0x00FFFFFF);
    EXPECT_EQ(white, (Bytes{254, 254, 254, 255}));
}

TEST(CoverageToTextAlpha, LightensCoverageBelow200) {
    const PixelCase cases[] = {
        {{0, 0, 0, 0}, {0, 0, 0, 0}},
        {{5, 5, 0, 0}, {5, 5, 0, 0}},  // no coverage: left alone
        {{255, 255, 255, 0}, {0x40, 0x60, 0x80, 255}},
        {{200, 200, 200, 0}, {200 * 0x40 / 255, 200 * 0x60 / 255, 200 * 0x80 / 255, 200}},
        {{199, 199, 199, 0}, {132 * 0x40 / 255, 132 * 0x60 / 255, 132 * 0x80 / 255, 132}},
        {{3, 3, 3, 0}, {0, 0, 1, 2}},
        {{2, 2, 2, 0}, {0, 0, 0, 0}},
    };
    for (const PixelCase& c : cases) {
        Bytes pixel = c.before;
        CoverageToTextAlpha(pixel, kColor);
        EXPECT_EQ(pixel, c.after) << int{c.before[2]};
    }
}

}  // namespace
}  // namespace lx
