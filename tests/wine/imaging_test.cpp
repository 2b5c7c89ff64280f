#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pixel_canvas.h"
#include "png_encoder.h"
#include "vn_dib.h"
#include "vn_skin_dib.h"
#include "wnd_dc.h"

namespace lx {
namespace {

class ImagingTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(CVnDIB::InitLibrary()); }
    static void TearDownTestSuite() { CVnDIB::ReleaseLibrary(); }
};

// Top-down pixel of a surface.
uint32_t SurfacePixel(const CWndDC& surface, int32_t x, int32_t y) {
    return reinterpret_cast<const uint32_t*>(surface.Pixels())[static_cast<size_t>(y) * surface.Width() + x];
}

TEST_F(ImagingTest, DecodesRgbaPngIntoPremultipliedBottomUpPixels) {
    // Top-down RGBA samples, two rows of three.
    const std::vector<uint8_t> samples = {255, 0, 0, 128, 0, 255, 0, 255, 0, 0, 255, 0,
                                          10, 20, 30, 40, 200, 100, 50, 254, 90, 100, 110, 120};
    const std::string png = test::EncodePng(3, 2, true, samples);
    CVnDIB image;
    ASSERT_TRUE(image.LoadFromMemory(png.data(), png.size()));
    ASSERT_EQ(image.Width(), 3);
    ASSERT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Alpha(), 255);
    const std::vector<uint32_t> expected = {
        // stored first: the bottom row
        MakePixel(30 * 40 / 255, 20 * 40 / 255, 10 * 40 / 255, 40),
        MakePixel(50 * 254 / 255, 100 * 254 / 255, 200 * 254 / 255, 254),
        MakePixel(110 * 120 / 255, 100 * 120 / 255, 90 * 120 / 255, 120),
        MakePixel(0, 0, 128, 128),
        MakePixel(0, 255, 0, 255),
        MakePixel(0, 0, 0, 0),
    };
    EXPECT_EQ(image.Image().pixels, expected);
}

TEST_F(ImagingTest, ImageWithoutAlphaLoadsOpaque) {
    const std::vector<uint8_t> samples = {1, 2, 3, 250, 251, 252};
    const std::string png = test::EncodePng(1, 2, false, samples);
    CVnDIB image;
    ASSERT_TRUE(image.LoadFromMemory(png.data(), png.size()));
    const std::vector<uint32_t> expected = {MakePixel(252, 251, 250, 255), MakePixel(3, 2, 1, 255)};
    EXPECT_EQ(image.Image().pixels, expected);
}

TEST_F(ImagingTest, DataThatIsNoImageLeavesTheImageEmpty) {
    const std::string png = test::EncodePng(2, 2, true, std::vector<uint8_t>(16, 200));
    const std::string truncated = png.substr(0, png.size() / 2);
    const std::string text = "this is not an image at all";
    for (const std::string* data : {&truncated, &text}) {
        CVnDIB image;
        ASSERT_TRUE(image.LoadFromMemory(png.data(), png.size()));
        EXPECT_FALSE(image.LoadFromMemory(data->data(), data->size()));
        EXPECT_TRUE(image.Empty());
        EXPECT_EQ(image.Width(), 0);
        EXPECT_EQ(image.Height(), 0);
        CWndDC surface;
        surface.Resize(4, 4);
        EXPECT_FALSE(image.Draw(surface.Context(), 0, 0));
    }
    CVnDIB image;
    EXPECT_FALSE(image.LoadFromMemory(nullptr, 10));
    EXPECT_FALSE(image.LoadFromMemory(text.data(), 0));
    EXPECT_FALSE(image.LoadFromResource(nullptr, nullptr));
}

TEST_F(ImagingTest, LoadsAnImageFromTheProgramResources) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    CVnDIB image;
    ASSERT_TRUE(image.LoadFromResource(::FindResourceW(module, L"test.png", L"SKIN"), module));
    const std::vector<uint32_t> expected = {
        MakePixel(0, 0, 0, 0),
        MakePixel(30 * 40 / 255, 20 * 40 / 255, 10 * 40 / 255, 40),
        MakePixel(0, 0, 255, 255),
        MakePixel(0, 128, 0, 128),
    };
    EXPECT_EQ(image.Image().pixels, expected);
    EXPECT_FALSE(image.LoadFromResource(::FindResourceW(module, L"missing.png", L"SKIN"), module));
    EXPECT_TRUE(image.Empty());
}

TEST_F(ImagingTest, NothingDecodesWithoutTheLibrary) {
    const std::string png = test::EncodePng(1, 1, true, {1, 2, 3, 4});
    CVnDIB::ReleaseLibrary();
    CVnDIB image;
    EXPECT_FALSE(image.LoadFromMemory(png.data(), png.size()));
    ASSERT_TRUE(CVnDIB::InitLibrary());
    EXPECT_TRUE(image.LoadFromMemory(png.data(), png.size()));
}

TEST_F(ImagingTest, CropIntoTargetOrItself) {
    CVnDIB image;
    image.SetImage(test::RandomImage(5, 4, 1));
    image.SetAlpha(90);
    CVnDIB target;
    image.Crop(1, 1, 3, 9, &target);
    ASSERT_EQ(target.Width(), 2);
    ASSERT_EQ(target.Height(), 3);
    EXPECT_EQ(target.Alpha(), 90);
    EXPECT_EQ(target.Image().At(0, 0), image.Image().At(1, 1));

    image.Crop(7, 0, 9, 4, &target);  // nothing left: the target is emptied
    EXPECT_TRUE(target.Empty());
    EXPECT_EQ(target.Width(), 0);

    const std::vector<uint32_t> before = image.Image().pixels;
    image.Crop(7, 0, 9, 4);  // nothing left and no target: unchanged
    EXPECT_EQ(image.Image().pixels, before);
    image.Crop(0, 2, 5, 4);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Image().pixels, std::vector<uint32_t>(before.begin(), before.begin() + 10));
}

TEST_F(ImagingTest, ResizeIgnoresSizesOfZeroAndBelow) {
    CVnDIB image;
    image.SetImage(test::RandomImage(6, 4, 2));
    CVnDIB target;
    image.Resize(0, 3, &target);
    EXPECT_TRUE(target.Empty());
    image.Resize(3, 2, &target);
    EXPECT_EQ(target.Width(), 3);
    EXPECT_EQ(target.Height(), 2);
    image.Resize(12, 8);
    EXPECT_EQ(image.Width(), 12);
    EXPECT_EQ(image.Height(), 8);
}

TEST_F(ImagingTest, CreateBitmapIsABottomUpCopy) {
    CVnDIB image;
    image.SetImage(test::RandomImage(3, 2, 4));
    UniqueBitmap bitmap = image.CreateBitmap();
    ASSERT_TRUE(bitmap);
    DIBSECTION section{};
    ASSERT_EQ(::GetObjectW(bitmap.get(), sizeof(section), &section), static_cast<int>(sizeof(section)));
    EXPECT_EQ(section.dsBmih.biWidth, 3);
    EXPECT_EQ(section.dsBmih.biHeight, 2);
    EXPECT_EQ(section.dsBmih.biBitCount, 32);
    const auto* bits = static_cast<const uint32_t*>(section.dsBm.bmBits);
    EXPECT_EQ(std::vector<uint32_t>(bits, bits + 6), image.Image().pixels);
}

TEST_F(ImagingTest, DrawBlendsAtNaturalOrRequestedSize) {
    CVnDIB image;
    image.SetImage(test::RandomImage(3, 2, 6));
    CWndDC surface;
    surface.Resize(8, 6);
    ASSERT_TRUE(surface.Context());
    EXPECT_FALSE(image.Draw(surface.Context(), 0, 0, 0, 2));
    ASSERT_TRUE(image.Draw(surface.Context(), 2, 1, -1, -1));
    for (int32_t y = 0; y < 6; ++y)
        for (int32_t x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 5 && y >= 1 && y < 3;
            ASSERT_EQ(SurfacePixel(surface, x, y), inside ? image.Image().At(x - 2, y - 1) : 0u) << x << "," << y;
        }

    CWndDC stretched;
    stretched.Resize(8, 6);
    ASSERT_TRUE(image.Draw(stretched.Context(), 0, 0, 6, 4));
    const PixelImage expected = ResizePixels(image.Image(), 6, 4);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 6; ++x)
            ASSERT_EQ(SurfacePixel(stretched, x, y), expected.At(x, y)) << x << "," << y;
    EXPECT_EQ(SurfacePixel(stretched, 6, 0), 0u);

    PixelImage opaque = test::BlankImage(2, 1);
    opaque.pixels.assign(2, MakePixel(0, 0, 255, 255));
    image.SetImage(std::move(opaque));
    image.SetAlpha(128);
    CWndDC faded;
    faded.Resize(2, 1);
    ASSERT_TRUE(image.Draw(faded.Context(), 0, 0));
    EXPECT_NEAR(AlphaOf(SurfacePixel(faded, 0, 0)), 128, 1);
    EXPECT_NEAR(RedOf(SurfacePixel(faded, 1, 0)), 128, 1);
}

TEST_F(ImagingTest, TileRepeatsOverTheAreaWithinTheClip) {
    CVnDIB image;
    image.SetImage(test::RandomImage(2, 2, 8));
    CWndDC surface;
    surface.Resize(10, 10);
    const RECT area{1, 1, 8, 6};
    const RECT clip{0, 0, 6, 10};
    image.Tile(surface.Context(), area, &clip);
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 0; x < 10; ++x) {
            const bool inside = x >= 1 && x < 6 && y >= 1 && y < 6;
            ASSERT_EQ(SurfacePixel(surface, x, y), inside ? image.Image().At((x - 1) % 2, (y - 1) % 2) : 0u)
                << x << "," << y;
        }
}

TEST_F(ImagingTest, SkinReproducesItsSourceAtTheSameSize) {
    CVnDIB source;
    source.SetImage(test::RandomImage(300, 200, 99));
    CVnSkinDIB skin;
    ASSERT_FALSE(skin.SetSkin(nullptr, {16, 16, 55, 16}, false, false));
    ASSERT_TRUE(skin.SetSkin(&source, {16, 16, 55, 16}, false, false));
    CWndDC surface;
    surface.Resize(300, 200);
    const RECT whole{0, 0, 300, 200};
    skin.Draw(surface.Context(), whole, &whole);
    for (int32_t y = 0; y < 200; ++y)
        for (int32_t x = 0; x < 300; ++x)
            ASSERT_EQ(SurfacePixel(surface, x, y), source.Image().At(x, y)) << x << "," << y;
}

TEST_F(ImagingTest, SkinKeepsCornersWhenStretched) {
    CVnDIB source;
    source.SetImage(test::RandomImage(300, 200, 98));
    CVnSkinDIB skin;
    ASSERT_TRUE(skin.SetSkin(&source, {16, 16, 55, 16}, false, false));
    CWndDC surface;
    surface.Resize(400, 120);
    skin.Draw(surface.Context(), RECT{0, 0, 400, 120});
    struct Corner {
        int32_t x, y, sourceX, sourceY, width, height;
    };
    for (const Corner c : {Corner{0, 0, 0, 0, 16, 55}, Corner{384, 0, 284, 0, 16, 55}, Corner{0, 104, 0, 184, 16, 16},
                           Corner{384, 104, 284, 184, 16, 16}})
        for (int32_t y = 0; y < c.height; ++y)
            for (int32_t x = 0; x < c.width; ++x)
                ASSERT_EQ(SurfacePixel(surface, c.x + x, c.y + y), source.Image().At(c.sourceX + x, c.sourceY + y))
                    << c.x + x << "," << c.y + y;
}

}  // namespace
}  // namespace lx
