#include "stack_blur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace lx {
namespace {

// Straight convolution with the triangular kernel, edges repeated, each pass
// rounded down: what the incremental scheme must reproduce exactly.
std::vector<uint8_t> ReferenceBlur(const std::vector<uint8_t>& alpha, int32_t width, int32_t height, int32_t radius) {
    const int32_t divisor = (radius + 1) * (radius + 1);
    std::vector<uint8_t> across(alpha.size());
    std::vector<uint8_t> result(alpha.size());
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            int32_t sum = 0;
            for (int32_t k = -radius; k <= radius; ++k)
                sum += (radius + 1 - std::abs(k)) * alpha[y * width + std::clamp(x + k, 0, width - 1)];
            across[y * width + x] = static_cast<uint8_t>(sum / divisor);
        }
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            int32_t sum = 0;
            for (int32_t k = -radius; k <= radius; ++k)
                sum += (radius + 1 - std::abs(k)) * across[std::clamp(y + k, 0, height - 1) * width + x];
            result[y * width + x] = static_cast<uint8_t>(sum / divisor);
        }
    return result;
}

std::vector<uint8_t> Pixels(const std::vector<uint8_t>& alpha, uint8_t colour) {
    std::vector<uint8_t> pixels(alpha.size() * 4, colour);
    for (size_t i = 0; i < alpha.size(); ++i)
        pixels[i * 4 + 3] = alpha[i];
    return pixels;
}

std::vector<uint8_t> AlphaOf(const std::vector<uint8_t>& pixels) {
    std::vector<uint8_t> alpha(pixels.size() / 4);
    for (size_t i = 0; i < alpha.size(); ++i)
        alpha[i] = pixels[i * 4 + 3];
    return alpha;
}

TEST(StackBlurAlpha, MatchesTheStraightConvolution) {
    struct Case {
        int32_t width, height, radius;
    };
    std::mt19937 random(2024);
    for (const Case c : {Case{17, 11, 1}, Case{17, 11, 2}, Case{30, 9, 5}, Case{3, 4, 6}, Case{1, 1, 2},
                         Case{64, 1, 3}}) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " r" << c.radius);
        std::vector<uint8_t> alpha(static_cast<size_t>(c.width) * c.height);
        for (uint8_t& a : alpha)
            a = static_cast<uint8_t>(random());
        std::vector<uint8_t> pixels = Pixels(alpha, 0x5A);
        StackBlurAlpha(pixels, c.width, c.height, c.radius);
        EXPECT_EQ(AlphaOf(pixels), ReferenceBlur(alpha, c.width, c.height, c.radius));
        for (size_t i = 0; i < pixels.size(); ++i)
            if (i % 4 != 3) {
                ASSERT_EQ(pixels[i], 0x5A) << "colour byte " << i << " changed";
            }
    }
}

TEST(StackBlurAlpha, SpreadsADotSymmetricallyWithoutGainingAlpha) {
    const int32_t size = 11;
    std::vector<uint8_t> alpha(size * size, 0);
    alpha[5 * size + 5] = 255;
    std::vector<uint8_t> pixels = Pixels(alpha, 0);
    StackBlurAlpha(pixels, size, size, 2);
    const std::vector<uint8_t> blurred = AlphaOf(pixels);
    auto at = [&](int32_t x, int32_t y) { return blurred[y * size + x]; };
    int sum = 0;
    for (int32_t y = 0; y < size; ++y)
        for (int32_t x = 0; x < size; ++x) {
            sum += at(x, y);
            EXPECT_EQ(at(x, y), at(size - 1 - x, y));
            EXPECT_EQ(at(x, y), at(x, size - 1 - y));
            EXPECT_EQ(at(x, y), at(y, x));
            if (std::abs(x - 5) > 2 || std::abs(y - 5) > 2) {
                EXPECT_EQ(at(x, y), 0) << x << "," << y;
            }
        }
    // 255 * 3 / 9 = 85 across, then 85 * 3 / 9 = 28 at the centre.
    EXPECT_EQ(at(5, 5), 28);
    EXPECT_GT(at(4, 5), at(3, 5));
    EXPECT_GT(at(3, 5), 0);
    // Rounding down each pass can only lose alpha away from the edges.
    EXPECT_LE(sum, 255);
    EXPECT_GT(sum, 255 - 2 * 25);
}

TEST(StackBlurAlpha, LeavesUniformAlphaAsItIs) {
    std::vector<uint8_t> pixels = Pixels(std::vector<uint8_t>(8 * 5, 200), 1);
    StackBlurAlpha(pixels, 8, 5, 3);
    EXPECT_EQ(AlphaOf(pixels), std::vector<uint8_t>(8 * 5, 200));
}

TEST(StackBlurAlpha, RadiusBelowOneOrTooFewBytesChangesNothing) {
    std::vector<uint8_t> alpha = {0, 255, 0, 255};
    std::vector<uint8_t> pixels = Pixels(alpha, 0);
    StackBlurAlpha(pixels, 2, 2, 0);
    EXPECT_EQ(AlphaOf(pixels), alpha);
    StackBlurAlpha(pixels, 3, 2, 1);
    EXPECT_EQ(AlphaOf(pixels), alpha);
}

}  // namespace
}  // namespace lx
