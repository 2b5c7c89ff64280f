#include "pixels.h"

#include <gtest/gtest.h>

#include <numeric>
#include <utility>
#include <vector>

#include "pixel_canvas.h"

namespace lx {
namespace {

using test::BlankImage;
using test::RandomImage;

struct PremultiplyCase {
    uint32_t straight;
    uint32_t premultiplied;
};

TEST(PremultiplyAlpha, ScalesColoursByAlphaRoundingDown) {
    const PremultiplyCase cases[] = {
        {MakePixel(255, 255, 255, 255), MakePixel(255, 255, 255, 255)},
        {MakePixel(255, 128, 1, 128), MakePixel(128, 64, 0, 128)},
        {MakePixel(255, 254, 3, 254), MakePixel(254, 253, 2, 254)},  // 2.99 stays 2
        {MakePixel(200, 100, 50, 1), MakePixel(0, 0, 0, 1)},
        {MakePixel(90, 180, 255, 0), MakePixel(0, 0, 0, 0)},
        {MakePixel(17, 34, 51, 85), MakePixel(5, 11, 17, 85)},
    };
    for (const PremultiplyCase& c : cases) {
        uint32_t pixel = c.straight;
        PremultiplyAlpha({&pixel, 1});
        EXPECT_EQ(pixel, c.premultiplied) << std::hex << c.straight;
    }
}

// Pixel value naming its top-down position.
uint32_t Marker(int32_t x, int32_t y) { return MakePixel(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7, 255); }

PixelImage MarkedImage(int32_t width, int32_t height) {
    PixelImage image = BlankImage(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            image.TopDownRow(y)[x] = Marker(x, y);
    return image;
}

struct CropCase {
    const char* name;
    PixelRect requested;
    PixelRect expected;  // in the source; empty when nothing is left
};

TEST(CropPixels, ClampsToTheImageAndKeepsRowOrder) {
    const CropCase cases[] = {
        {"inside", {1, 1, 3, 3}, {1, 1, 3, 3}},
        {"whole", {0, 0, 4, 3}, {0, 0, 4, 3}},
        {"over the top-left", {-2, -1, 2, 2}, {0, 0, 2, 2}},
        {"over the bottom-right", {2, 1, 9, 9}, {2, 1, 4, 3}},
        {"entirely outside", {5, 0, 8, 3}, {}},
        {"upside down", {3, 2, 1, 0}, {}},
        {"zero wide", {2, 0, 2, 3}, {}},
    };
    PixelImage source = MarkedImage(4, 3);
    source.alpha = 99;
    for (const CropCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PixelImage cropped = CropPixels(source, c.requested);
        EXPECT_EQ(cropped.alpha, 99);
        if (c.expected.Empty()) {
            EXPECT_TRUE(cropped.Empty());
            EXPECT_EQ(cropped.width, 0);
            EXPECT_EQ(cropped.height, 0);
            continue;
        }
        ASSERT_EQ(cropped.width, c.expected.Width());
        ASSERT_EQ(cropped.height, c.expected.Height());
        ASSERT_EQ(cropped.pixels.size(), static_cast<size_t>(cropped.width) * cropped.height);
        for (int32_t y = 0; y < cropped.height; ++y)
            for (int32_t x = 0; x < cropped.width; ++x)
                EXPECT_EQ(cropped.At(x, y), Marker(c.expected.left + x, c.expected.top + y)) << x << "," << y;
    }
}

TEST(CropPixels, EmptySourceGivesEmpty) {
    EXPECT_TRUE(CropPixels(PixelImage{}, {0, 0, 5, 5}).Empty());
}

TEST(ShrinkPixels, FourByFourToTwoByTwoTakesThreeColumnsThenOneAndRowPairs) {
    // Stored row s (bottom first), column x: blue 10x + s, green 40s, red x.
    PixelImage source = BlankImage(4, 4);
    for (int32_t s = 0; s < 4; ++s)
        for (int32_t x = 0; x < 4; ++x)
            source.pixels[s * 4 + x] = MakePixel(static_cast<uint8_t>(10 * x + s), static_cast<uint8_t>(40 * s),
                                                 static_cast<uint8_t>(x), 255);
    source.alpha = 77;
    const PixelImage shrunk = ShrinkPixels(source, 2, 2);
    ASSERT_EQ(shrunk.width, 2);
    ASSERT_EQ(shrunk.height, 2);
    EXPECT_EQ(shrunk.alpha, 77);
    const std::vector<uint32_t> expected = {
        MakePixel(10, 20, 1, 255),   // stored rows 0-1, columns 0-2: blue 63 / 6
        MakePixel(30, 20, 3, 255),   // stored rows 0-1, column 3: blue 61 / 2
        MakePixel(12, 100, 1, 255),  // stored rows 2-3, columns 0-2: blue 75 / 6
        MakePixel(32, 100, 3, 255),  // stored rows 2-3, column 3: blue 65 / 2
    };
    EXPECT_EQ(shrunk.pixels, expected);
}

struct ShrinkGroupingCase {
    int32_t width, newWidth;
    std::vector<int32_t> columnsPerPixel;
    int32_t height, newHeight;
    std::vector<int32_t> rowsPerPixel;  // in storage order
};

// Averages of blue = 10 * column and green = 10 * stored row over the given
// runs must come out of the shrink.
TEST(ShrinkPixels, GroupsColumnsOnExceedingAndRowsOnReaching) {
    const ShrinkGroupingCase cases[] = {
        {4, 2, {3, 1}, 4, 2, {2, 2}},
        {3, 2, {2, 1}, 3, 2, {2, 1}},
        {5, 2, {3, 2}, 5, 2, {3, 2}},
        {6, 3, {3, 2, 1}, 6, 3, {2, 2, 2}},
        {7, 1, {7}, 2, 1, {2}},
    };
    for (const ShrinkGroupingCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " to " << c.newWidth << "x" << c.newHeight);
        PixelImage source = BlankImage(c.width, c.height);
        for (int32_t s = 0; s < c.height; ++s)
            for (int32_t x = 0; x < c.width; ++x)
                source.pixels[s * c.width + x] =
                    MakePixel(static_cast<uint8_t>(10 * x), static_cast<uint8_t>(10 * s), 0, 255);
        const PixelImage shrunk = ShrinkPixels(source, c.newWidth, c.newHeight);
        ASSERT_EQ(shrunk.width, c.newWidth);
        ASSERT_EQ(shrunk.height, c.newHeight);
        auto runAverage = [](const std::vector<int32_t>& runs, size_t index) {
            const int32_t first = std::accumulate(runs.begin(), runs.begin() + index, 0);
            int32_t sum = 0;
            for (int32_t i = first; i < first + runs[index]; ++i)
                sum += 10 * i;
            return sum / runs[index];
        };
        for (size_t s = 0; s < c.rowsPerPixel.size(); ++s)
            for (size_t x = 0; x < c.columnsPerPixel.size(); ++x) {
                const uint32_t pixel = shrunk.pixels[s * c.newWidth + x];
                EXPECT_EQ(BlueOf(pixel), runAverage(c.columnsPerPixel, x)) << x << "," << s;
                EXPECT_EQ(GreenOf(pixel), runAverage(c.rowsPerPixel, s)) << x << "," << s;
                EXPECT_EQ(AlphaOf(pixel), 255);
            }
    }
}

TEST(ShrinkPixels, OnlyWhenBothSizesShrink) {
    const PixelImage source = RandomImage(4, 4, 12);
    for (const auto& [width, height] : {std::pair{4, 2}, std::pair{2, 4}, std::pair{5, 2}, std::pair{0, 2}})
        EXPECT_TRUE(ShrinkPixels(source, width, height).Empty()) << width << "x" << height;
}

TEST(ResamplePixels, InterpolatesBilinearlyInEighthBitSteps) {
    // Stored (bottom-up) 2 x 2 source, blue only; doubling gives step 128.
    PixelImage source = BlankImage(2, 2);
    source.pixels = {MakePixel(0, 0, 0, 255), MakePixel(100, 0, 0, 255), MakePixel(200, 0, 0, 255),
                     MakePixel(255, 0, 0, 255)};
    const PixelImage doubled = ResamplePixels(source, 4, 4);
    ASSERT_EQ(doubled.width, 4);
    ASSERT_EQ(doubled.height, 4);
    struct Sample {
        int column, storedRow, blue;
    };
    const Sample samples[] = {
        {0, 0, 0},    {1, 0, 50},   {2, 0, 100}, {3, 0, 100},  // last column stands in for its right neighbour
        {0, 1, 100},  {1, 1, 138},  {2, 1, 177}, {3, 1, 177},  // (0+100+200+255) * 64 / 256 = 138
        {0, 2, 200},  {1, 2, 227},  {3, 3, 255},
    };
    for (const Sample& s : samples) {
        const uint32_t pixel = doubled.pixels[s.storedRow * 4 + s.column];
        EXPECT_EQ(BlueOf(pixel), s.blue) << s.column << "," << s.storedRow;
        EXPECT_EQ(AlphaOf(pixel), 255) << s.column << "," << s.storedRow;
    }
}

TEST(ResamplePixels, SameSizeIsAnExactCopy) {
    const PixelImage source = RandomImage(13, 7, 5);
    EXPECT_EQ(ResamplePixels(source, 13, 7).pixels, source.pixels);
}

TEST(ResamplePixels, KeepsColoursWithinAlpha) {
    const PixelImage resampled = ResamplePixels(RandomImage(9, 6, 11), 23, 4);
    for (uint32_t pixel : resampled.pixels) {
        EXPECT_LE(BlueOf(pixel), AlphaOf(pixel));
        EXPECT_LE(GreenOf(pixel), AlphaOf(pixel));
        EXPECT_LE(RedOf(pixel), AlphaOf(pixel));
    }
}

TEST(ResizePixels, ShrinksOnlyWhenBothSizesShrink) {
    const PixelImage source = RandomImage(8, 6, 3);
    struct Case {
        int32_t width, height;
        bool shrinks;
    };
    for (const Case c : {Case{4, 3, true}, Case{4, 6, false}, Case{8, 3, false}, Case{12, 2, false}, Case{7, 5, true}}) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        const PixelImage expected = c.shrinks ? ShrinkPixels(source, c.width, c.height)
                                              : ResamplePixels(source, c.width, c.height);
        EXPECT_EQ(ResizePixels(source, c.width, c.height).pixels, expected.pixels);
    }
    EXPECT_TRUE(ResizePixels(source, 0, 3).Empty());
    EXPECT_TRUE(ResizePixels(source, 3, -1).Empty());
    EXPECT_TRUE(ResizePixels(PixelImage{}, 3, 3).Empty());
}

}  // namespace
}  // namespace lx
