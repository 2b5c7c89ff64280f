#pragma once
// 32-bit images in plain memory and the arithmetic done on them: blue, green,
// red and alpha bytes per value, rows without padding, bottom row first (the
// layout of a bottom-up DIB). Colours are premultiplied by alpha once loaded.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lx {

struct PixelImage {
    std::vector<uint32_t> pixels;  // bottom row first; empty when the image is
    int32_t width = 0;
    int32_t height = 0;
    uint8_t alpha = 255;  // constant opacity applied when the image is drawn

    bool Empty() const { return pixels.empty(); }
    // Row `y` counted from the top.
    uint32_t* TopDownRow(int32_t y) { return pixels.data() + static_cast<size_t>(height - 1 - y) * width; }
    const uint32_t* TopDownRow(int32_t y) const { return pixels.data() + static_cast<size_t>(height - 1 - y) * width; }
    uint32_t At(int32_t x, int32_t y) const { return TopDownRow(y)[x]; }  // top-down coordinates
};

// Top-down pixel rectangle, right and bottom exclusive.
struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

// Common part of two rectangles; empty (all zero) when they do not overlap.
PixelRect Intersection(const PixelRect& a, const PixelRect& b);

constexpr uint32_t MakePixel(uint8_t blue, uint8_t green, uint8_t red, uint8_t alpha) {
    return uint32_t{blue} | uint32_t{green} << 8 | uint32_t{red} << 16 | uint32_t{alpha} << 24;
}
constexpr uint8_t BlueOf(uint32_t pixel) { return static_cast<uint8_t>(pixel); }
constexpr uint8_t GreenOf(uint32_t pixel) { return static_cast<uint8_t>(pixel >> 8); }
constexpr uint8_t RedOf(uint32_t pixel) { return static_cast<uint8_t>(pixel >> 16); }
constexpr uint8_t AlphaOf(uint32_t pixel) { return static_cast<uint8_t>(pixel >> 24); }

// Each colour byte becomes colour * alpha / 255, rounded down.
void PremultiplyAlpha(std::span<uint32_t> pixels);

// The part of `source` inside the rectangle (top-down, clamped to the image);
// empty when nothing is left. Keeps the source's alpha.
PixelImage CropPixels(const PixelImage& source, const PixelRect& rectangle);

// Area average, for new sizes both below the current ones (else empty).
PixelImage ShrinkPixels(const PixelImage& source, int32_t newWidth, int32_t newHeight);
// Bilinear interpolation in 8-bit fixed point.
PixelImage ResamplePixels(const PixelImage& source, int32_t newWidth, int32_t newHeight);
// Shrink when both sizes shrink, else Resample; empty for an empty source or a
// size of 0 or below. Keeps the source's alpha.
PixelImage ResizePixels(const PixelImage& source, int32_t newWidth, int32_t newHeight);

}  // namespace lx
