#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "c32_dc.h"
#include "gdi_handles.h"
#include "glow_text.h"
#include "wnd_dc.h"

namespace lx {
namespace {

constexpr UINT kLineFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct Bgra {
    uint8_t blue, green, red, alpha;
};

Bgra PixelAt(const uint8_t* pixels, int32_t width, int32_t x, int32_t y) {
    const uint8_t* p = pixels + (static_cast<size_t>(y) * width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

bool Inside(const RECT& r, int32_t x, int32_t y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

struct Census {
    int opaque = 0;      // alpha above 0
    int bright = 0;      // nearly opaque and light: the text itself
    int dark = 0;        // partly opaque and dark: a black halo
    int coloured = 0;    // any colour byte set
    int outside = 0;     // touched pixels outside the area
};

Census Count(const CWndDC& surface, const RECT& area) {
    Census census;
    for (int32_t y = 0; y < surface.Height(); ++y)
        for (int32_t x = 0; x < surface.Width(); ++x) {
            const Bgra p = PixelAt(surface.Pixels(), surface.Width(), x, y);
            const bool touched = p.alpha || p.red || p.green || p.blue;
            if (!Inside(area, x, y)) {
                census.outside += touched;
                continue;
            }
            census.opaque += p.alpha > 0;
            census.bright += p.alpha >= 200 && p.red >= 180;
            census.dark += p.alpha > 0 && p.red < p.alpha / 2;
            census.coloured += p.red || p.green || p.blue;
        }
    return census;
}

class GlowTextTest : public testing::Test {
protected:
    void SetUp() override {
        font_.reset(::CreateFontW(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Tahoma"));
        ASSERT_TRUE(font_);
        surface_.Resize(200, 60);
        ASSERT_TRUE(surface_.Context());
    }
    UniqueFont font_;
    CWndDC surface_;
};

// White text with a black glow: light text inset in its rectangle, a dark
// semi-transparent halo around it, nothing outside the rectangle.
void ExpectGlowingText(const CWndDC& surface, const RECT& area) {
    const Census census = Count(surface, area);
    EXPECT_GT(census.bright, 10);
    EXPECT_GT(census.dark, 10);
    EXPECT_EQ(census.outside, 0);
    for (int32_t x = area.left; x < area.right; ++x)
        ASSERT_EQ(PixelAt(surface.Pixels(), surface.Width(), x, area.top).alpha >= 200 &&
                      PixelAt(surface.Pixels(), surface.Width(), x, area.top).red >= 180,
                  false)
            << "text on the rectangle's top row at " << x;
}

TEST_F(GlowTextTest, GlowingTextThroughTheLoadedThemeLibraryOrItsFallback) {
    ASSERT_TRUE(::LoadLibraryW(L"uxtheme.dll"));
    RECT area{10, 10, 190, 50};
    DrawGlowText(surface_.Context(), L"Hello Glow", -1, &area, kLineFormat, font_.get(), kWhite, true, 0, 2, true);
    EXPECT_EQ(area.right, 190);  // drawing leaves the rectangle as it is
    ExpectGlowingText(surface_, area);
}

TEST_F(GlowTextTest, GlowingTextWithoutThemedOutput) {
    RECT area{10, 10, 190, 50};
    DrawGlowText(surface_.Context(), L"Hello Glow", -1, &area, kLineFormat, font_.get(), kWhite, true, 0, 2, true,
                 nullptr);
    ExpectGlowingText(surface_, area);
}

TEST_F(GlowTextTest, AntialiasedTextCarriesItsColourPremultiplied) {
    RECT area{20, 5, 180, 55};
    DrawGlowText(surface_.Context(), L"Red text", 3, &area, kLineFormat, font_.get(), RGB(200, 0, 0), false, 0, 0,
                 true, nullptr);
    const Census census = Count(surface_, area);
    EXPECT_GT(census.opaque, 10);
    EXPECT_EQ(census.outside, 0);
    bool opaqueSeen = false;
    for (int32_t y = 0; y < surface_.Height(); ++y)
        for (int32_t x = 0; x < surface_.Width(); ++x) {
            const Bgra p = PixelAt(surface_.Pixels(), surface_.Width(), x, y);
            ASSERT_EQ(p.blue, 0);
            ASSERT_EQ(p.green, 0);
            ASSERT_EQ(p.red, p.alpha * 200 / 255) << x << "," << y;
            // Partial coverage below 200 is lightened to two thirds.
            ASSERT_FALSE(p.alpha > 132 && p.alpha < 200) << x << "," << y;
            opaqueSeen |= p.alpha >= 200;
        }
    EXPECT_TRUE(opaqueSeen);
}

TEST_F(GlowTextTest, PlainOutputWithoutFallbackDrawsIntoTheInnerRectangle) {
    RECT area{10, 10, 190, 50};
    DrawGlowText(surface_.Context(), L"Plain", -1, &area, kLineFormat, font_.get(), kWhite, false, 0, 4, false,
                 nullptr);
    EXPECT_GT(Count(surface_, RECT{12, 12, 188, 48}).coloured, 10);
    EXPECT_EQ(Count(surface_, RECT{12, 12, 188, 48}).outside, 0);
}

TEST_F(GlowTextTest, MeasuringAddsTheGlowSizeAndKeepsTheCorner) {
    for (const ThemedTextService* themed : {static_cast<const ThemedTextService*>(nullptr)}) {
        RECT plain{5, 7, 6, 8};
        DrawGlowText(surface_.Context(), L"Measure me", -1, &plain, kLineFormat | DT_CALCRECT, font_.get(),
                     kCurrentTextColor, false, 0, 0, true, themed);
        RECT glowing{5, 7, 6, 8};
        DrawGlowText(surface_.Context(), L"Measure me", -1, &glowing, kLineFormat | DT_CALCRECT, font_.get(),
                     kCurrentTextColor, true, 0, 2, true, themed);
        EXPECT_EQ(plain.left, 5);
        EXPECT_EQ(plain.top, 7);
        EXPECT_GT(plain.right - plain.left, 40);
        EXPECT_GT(plain.bottom - plain.top, 10);
        EXPECT_EQ(glowing.left, 5);
        EXPECT_EQ(glowing.top, 7);
        EXPECT_EQ(glowing.right, plain.right + 2);
        EXPECT_EQ(glowing.bottom, plain.bottom + 2);
    }
    EXPECT_EQ(Count(surface_, RECT{0, 0, 200, 60}).coloured + Count(surface_, RECT{0, 0, 200, 60}).opaque, 0);
}

TEST_F(GlowTextTest, EmptyRectangleDrawsAndMeasuresNothing) {
    for (const UINT format : {kLineFormat, kLineFormat | DT_CALCRECT}) {
        RECT empty{30, 20, 30, 40};
        DrawGlowText(surface_.Context(), L"Nothing", -1, &empty, format, font_.get(), kWhite, true, 0, 2, true);
        EXPECT_EQ(empty.left, 30);
        EXPECT_EQ(empty.right, 30);
        EXPECT_EQ(empty.bottom, 40);
    }
    const Census census = Count(surface_, RECT{0, 0, 200, 60});
    EXPECT_EQ(census.opaque + census.coloured, 0);
}

TEST_F(GlowTextTest, RectangleReachingPastTheSurfaceStillGetsAlpha) {
    RECT whole{0, 0, 200, 60};  // its bottom-right point lies outside the surface
    DrawGlowText(surface_.Context(), L"Edge", -1, &whole, kLineFormat, font_.get(), kWhite, false, 0, 0, true);
    EXPECT_GT(Count(surface_, whole).bright, 10);
}

TEST(CWndDC, ResizeMakesAClearedSurfaceOrNone) {
    CWndDC surface;
    EXPECT_EQ(surface.Context(), nullptr);
    surface.Resize(7, 3);
    ASSERT_TRUE(surface.Context());
    ASSERT_TRUE(surface.Bitmap());
    EXPECT_EQ(surface.Width(), 7);
    EXPECT_EQ(surface.Height(), 3);
    for (int i = 0; i < 7 * 3 * 4; ++i)
        ASSERT_EQ(surface.Pixels()[i], 0);
    EXPECT_EQ(::GetCurrentObject(surface.Context(), OBJ_BITMAP), surface.Bitmap());
    ::SetPixelV(surface.Context(), 1, 0, RGB(0, 0, 255));  // top-down: the first row in memory is the top
    EXPECT_EQ(surface.Pixels()[4], 255);
    surface.Resize(0, 5);
    EXPECT_EQ(surface.Context(), nullptr);
    EXPECT_EQ(surface.Pixels(), nullptr);
    EXPECT_EQ(surface.Width(), 0);
}

TEST(C32DC, DrawsInTargetCoordinatesAndBlendsBackOnEnd) {
    CWndDC target;
    target.Resize(40, 30);
    const RECT covered{10, 5, 30, 25};
    C32DC overlay;
    HDC dc = overlay.Begin(covered, target.Context());
    ASSERT_TRUE(dc);
    ASSERT_EQ(overlay.Width(), 20);
    ASSERT_EQ(overlay.Height(), 20);
    const RECT corner{10, 5, 12, 7};
    ::FillRect(dc, &corner, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(PixelAt(overlay.Pixels(), 20, 1, 1).red, 255);
    EXPECT_EQ(PixelAt(overlay.Pixels(), 20, 2, 2).red, 0);
    for (int i = 0; i < 20 * 20; ++i) {
        uint8_t* p = overlay.Pixels() + i * 4;
        p[0] = 0, p[1] = 0, p[2] = 100, p[3] = 100;
    }
    overlay.End();
    EXPECT_FALSE(overlay.Active());
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 40; ++x) {
            const Bgra p = PixelAt(target.Pixels(), 40, x, y);
            ASSERT_EQ(p.alpha, Inside(covered, x, y) ? 100 : 0) << x << "," << y;
            ASSERT_EQ(p.red, Inside(covered, x, y) ? 100 : 0) << x << "," << y;
        }
}

TEST(C32DC, DroppedWithoutEndLeavesTheTargetAlone) {
    CWndDC target;
    target.Resize(10, 10);
    {
        C32DC overlay;
        ASSERT_TRUE(overlay.Begin(RECT{0, 0, 5, 5}, target.Context()));
        for (int i = 0; i < 25 * 4; ++i)
            overlay.Pixels()[i] = 255;
    }
    for (int i = 0; i < 10 * 10 * 4; ++i)
        ASSERT_EQ(target.Pixels()[i], 0);
    C32DC empty;
    EXPECT_EQ(empty.Begin(RECT{5, 5, 5, 9}, target.Context()), nullptr);
    EXPECT_FALSE(empty.Active());
}

}  // namespace
}  // namespace lx
