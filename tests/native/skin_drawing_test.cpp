#include <gtest/gtest.h>

#include <vector>

#include "image_drawing.h"
#include "nine_grid.h"
#include "pixel_canvas.h"

namespace lx {
namespace {

using test::BlankImage;
using test::CanvasBlender;
using test::RandomImage;

// Opaque pixels so that drawing order cannot hide a misplaced piece.
PixelImage OpaqueImage(int32_t width, int32_t height, uint32_t state) {
    PixelImage image = RandomImage(width, height, state);
    for (uint32_t& pixel : image.pixels)
        pixel |= 0xFF000000u;
    return image;
}

// Every pixel of `part` (top-down, in `image`) equals the canvas at (x, y).
void ExpectRegionEquals(const PixelImage& canvas, int32_t x, int32_t y, const PixelImage& image,
                        const PixelRect& part) {
    for (int32_t row = 0; row < part.Height(); ++row)
        for (int32_t column = 0; column < part.Width(); ++column)
            ASSERT_EQ(canvas.At(x + column, y + row), image.At(part.left + column, part.top + row))
                << "canvas " << x + column << "," << y + row;
}

struct TileCase {
    const char* name;
    PixelRect area;
    bool clipped;
    PixelRect clip;
    std::vector<TileCopy> expected;
};

TEST(TileCopies, RepeatFromTheTopLeftCutToAreaAndClip) {
    const TileCase cases[] = {
        {"exact fit", {0, 0, 20, 10}, false, {}, {{{0, 0, 10, 10}, 0, 0}, {{0, 0, 10, 10}, 10, 0}}},
        {"cut at the right and bottom",
         {5, 5, 28, 17},
         false,
         {},
         {{{0, 0, 10, 10}, 5, 5},
          {{0, 0, 10, 10}, 15, 5},
          {{0, 0, 3, 10}, 25, 5},
          {{0, 0, 10, 2}, 5, 15},
          {{0, 0, 10, 2}, 15, 15},
          {{0, 0, 3, 2}, 25, 15}}},
        {"clipped, copies outside the clip left out",
         {5, 5, 28, 12},
         true,
         {12, 0, 20, 100},
         {{{7, 0, 10, 7}, 12, 5}, {{0, 0, 5, 7}, 15, 5}}},
        {"clip missing the area", {0, 0, 30, 30}, true, {40, 40, 50, 50}, {}},
        {"empty area", {10, 10, 10, 30}, false, {}, {}},
        {"inverted area", {10, 10, 0, 30}, false, {}, {}},
    };
    for (const TileCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TileCopies(10, 10, c.area, c.clipped ? &c.clip : nullptr), c.expected);
    }
}

TEST(TileCopies, EmptyImageGivesNoCopies) {
    EXPECT_TRUE(TileCopies(0, 10, {0, 0, 50, 50}, nullptr).empty());
    EXPECT_TRUE(TileCopies(10, 0, {0, 0, 50, 50}, nullptr).empty());
}

TEST(DrawImage, NaturalStretchedOrNothing) {
    const PixelImage image = OpaqueImage(4, 3, 1);
    struct Case {
        int32_t width, height;
        bool drawn;
        int32_t drawnWidth, drawnHeight;
    };
    for (const Case c : {Case{-1, -1, true, 4, 3}, Case{4, 3, true, 4, 3}, Case{8, -1, true, 8, 3},
                         Case{0, 3, false, 0, 0}, Case{4, 0, false, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        PixelImage canvas = BlankImage(10, 10);
        CanvasBlender blender(canvas);
        EXPECT_EQ(DrawImage(blender, image, 1, 2, c.width, c.height), c.drawn);
        int32_t covered = 0;
        for (uint32_t pixel : canvas.pixels)
            covered += pixel != 0;
        EXPECT_EQ(covered, c.drawnWidth * c.drawnHeight);
        if (c.drawn) {
            EXPECT_NE(canvas.At(1 + c.drawnWidth - 1, 2 + c.drawnHeight - 1), 0u);
        }
    }
    PixelImage canvas = BlankImage(4, 4);
    CanvasBlender blender(canvas);
    EXPECT_FALSE(DrawImage(blender, PixelImage{}, 0, 0, -1, -1));
    EXPECT_EQ(blender.blends, 0);
}

TEST(DrawImage, UsesTheImagesOpacityWhileTilingIsOpaque) {
    PixelImage image = OpaqueImage(2, 2, 3);
    image.alpha = 128;
    PixelImage canvas = BlankImage(6, 6);
    CanvasBlender blender(canvas);
    ASSERT_TRUE(DrawImage(blender, image, 0, 0, 4, 4));
    EXPECT_EQ(blender.lastConstantAlpha, 128);
    TileImage(blender, image, {0, 0, 6, 6}, nullptr);
    EXPECT_EQ(blender.lastConstantAlpha, 255);
    EXPECT_EQ(blender.blends, 1 + 9);
}

const SkinMargins kPopupMargins{16, 16, 55, 16};

TEST(NineGridSkin, SameSizeReproducesTheSourceExactly) {
    const PixelImage source = RandomImage(300, 200, 42);
    const SkinPieces pieces = CutSkin(source, kPopupMargins);
    const PixelRect clip{0, 0, 300, 200};
    for (const PixelRect* usedClip : {static_cast<const PixelRect*>(nullptr), &clip}) {
        PixelImage canvas = BlankImage(300, 200);
        CanvasBlender blender(canvas);
        DrawSkin(blender, pieces, kPopupMargins, SkinTiling{}, {0, 0, 300, 200}, usedClip);
        EXPECT_EQ(canvas.pixels, source.pixels);
        EXPECT_EQ(blender.blends, 9);
    }
}

TEST(NineGridSkin, CornersKeepTheirSizeWhenStretched) {
    const PixelImage source = OpaqueImage(300, 200, 7);
    const SkinPieces pieces = CutSkin(source, kPopupMargins);
    PixelImage canvas = BlankImage(400, 120);
    CanvasBlender blender(canvas);
    DrawSkin(blender, pieces, kPopupMargins, SkinTiling{}, {0, 0, 400, 120}, nullptr);

    ExpectRegionEquals(canvas, 0, 0, source, {0, 0, 16, 55});
    ExpectRegionEquals(canvas, 384, 0, source, {284, 0, 300, 55});
    ExpectRegionEquals(canvas, 0, 104, source, {0, 184, 16, 200});
    ExpectRegionEquals(canvas, 384, 104, source, {284, 184, 300, 200});
    // Edges and centre are the source's pieces resized to their places.
    const PixelImage left = ResizePixels(CropPixels(source, {0, 55, 16, 184}), 16, 49);
    ExpectRegionEquals(canvas, 0, 55, left, {0, 0, 16, 49});
    const PixelImage top = ResizePixels(CropPixels(source, {16, 0, 284, 55}), 368, 55);
    ExpectRegionEquals(canvas, 16, 0, top, {0, 0, 368, 55});
    const PixelImage centre = ResizePixels(CropPixels(source, {16, 55, 284, 184}), 368, 49);
    ExpectRegionEquals(canvas, 16, 55, centre, {0, 0, 368, 49});
}

TEST(NineGridSkin, TiledPiecesRepeatAtNaturalSize) {
    const PixelImage source = OpaqueImage(6, 6, 9);
    const SkinMargins margins{2, 2, 2, 2};
    PixelImage canvas = BlankImage(11, 9);
    CanvasBlender blender(canvas);
    DrawSkin(blender, CutSkin(source, margins), margins, SkinTiling{true, true}, {0, 0, 11, 9}, nullptr);
    for (int32_t y = 2; y < 7; ++y)
        for (int32_t x = 2; x < 9; ++x)
            ASSERT_EQ(canvas.At(x, y), source.At(2 + (x - 2) % 2, 2 + (y - 2) % 2)) << x << "," << y;
    for (int32_t x = 2; x < 9; ++x) {
        EXPECT_EQ(canvas.At(x, 0), source.At(2 + (x - 2) % 2, 0));  // top edge tiled sideways
        EXPECT_EQ(canvas.At(x, 8), source.At(2 + (x - 2) % 2, 5));  // bottom edge
    }
    ExpectRegionEquals(canvas, 9, 7, source, {4, 4, 6, 6});
}

TEST(NineGridSkin, CentreTiledOneWayIsFittedTheOtherWay) {
    const PixelImage source = OpaqueImage(6, 6, 13);
    const SkinMargins margins{2, 2, 2, 2};
    const PixelImage centre = CropPixels(source, {2, 2, 4, 4});
    struct Case {
        SkinTiling tiling;
        int32_t fittedWidth, fittedHeight;
    };
    for (const Case c : {Case{{true, false}, 2, 7}, Case{{false, true}, 9, 2}}) {
        SCOPED_TRACE(c.tiling.horizontally ? "horizontally" : "vertically");
        PixelImage canvas = BlankImage(13, 11);
        CanvasBlender blender(canvas);
        DrawSkin(blender, CutSkin(source, margins), margins, c.tiling, {0, 0, 13, 11}, nullptr);
        const PixelImage fitted = ResizePixels(centre, c.fittedWidth, c.fittedHeight);
        for (int32_t y = 2; y < 9; ++y)
            for (int32_t x = 2; x < 11; ++x)
                ASSERT_EQ(canvas.At(x, y), fitted.At((x - 2) % fitted.width, (y - 2) % fitted.height))
                    << x << "," << y;
    }
}

TEST(NineGridSkin, ClipLeavesOutPiecesItMisses) {
    const PixelImage source = OpaqueImage(300, 200, 21);
    PixelImage canvas = BlankImage(300, 200);
    CanvasBlender blender(canvas);
    const PixelRect clip{0, 0, 10, 10};
    DrawSkin(blender, CutSkin(source, kPopupMargins), kPopupMargins, SkinTiling{}, {0, 0, 300, 200}, &clip);
    EXPECT_EQ(blender.blends, 1);
    ExpectRegionEquals(canvas, 0, 0, source, {0, 0, 16, 55});  // drawn whole
    EXPECT_EQ(canvas.At(20, 100), 0u);
}

TEST(NineGridSkin, DestinationNarrowerThanTheMarginsDrawsCentreAtNaturalWidth) {
    const PixelImage source = OpaqueImage(40, 40, 17);
    const SkinMargins margins{16, 16, 16, 16};
    PixelImage canvas = BlankImage(40, 40);
    CanvasBlender blender(canvas);
    DrawSkin(blender, CutSkin(source, margins), margins, SkinTiling{}, {0, 0, 20, 40}, nullptr);
    // The right column starts at 4, over the left one; top edge, centre and
    // bottom edge follow the left column at their natural width of 8.
    ExpectRegionEquals(canvas, 0, 0, source, {0, 0, 4, 16});
    ExpectRegionEquals(canvas, 4, 16, source, {24, 16, 36, 24});
    ExpectRegionEquals(canvas, 16, 0, source, {16, 0, 24, 40});
    for (int32_t y = 0; y < 40; ++y)
        EXPECT_EQ(canvas.At(30, y), 0u);
}

TEST(SkinCuts, FollowTheMarginsThatAreSet) {
    const std::vector<SkinCut> all = SkinCuts(300, 200, kPopupMargins);
    ASSERT_EQ(all.size(), 9u);
    EXPECT_EQ(all.back().piece, SkinPiece::Centre);
    EXPECT_EQ(all.back().source, (PixelRect{16, 55, 284, 184}));
    const std::vector<SkinCut> leftOnly = SkinCuts(30, 20, {5, 0, 0, 0});
    ASSERT_EQ(leftOnly.size(), 2u);
    EXPECT_EQ(leftOnly[0].piece, SkinPiece::Left);
    EXPECT_EQ(leftOnly[0].source, (PixelRect{0, 0, 5, 20}));
    EXPECT_EQ(leftOnly[1].source, (PixelRect{5, 0, 30, 20}));
}

}  // namespace
}  // namespace lx
