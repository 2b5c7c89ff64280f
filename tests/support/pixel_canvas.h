#pragma once
// Software stand-in for a 32-bit drawing surface in the pixel tests, and
// small images to draw.
#include <cstdint>
#include <random>

#include "image_drawing.h"
#include "pixels.h"

namespace lx::test {

inline PixelImage BlankImage(int32_t width, int32_t height) {
    PixelImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height, 0);
    return image;
}

// Premultiplied pixels, the same for the same starting value.
inline PixelImage RandomImage(int32_t width, int32_t height, uint32_t state) {
    PixelImage image = BlankImage(width, height);
    std::mt19937 random(state);
    for (uint32_t& pixel : image.pixels)
        pixel = static_cast<uint32_t>(random());
    PremultiplyAlpha(image.pixels);
    return image;
}

// Source over with per-pixel and constant alpha, on premultiplied pixels.
class CanvasBlender final : public ImageBlender {
public:
    explicit CanvasBlender(PixelImage& canvas) : canvas_(canvas) {}
    bool Blend(const PixelImage& image, const PixelRect& part, int32_t x, int32_t y, uint8_t constantAlpha) override {
        ++blends;
        lastConstantAlpha = constantAlpha;
        for (int32_t row = 0; row < part.Height(); ++row) {
            for (int32_t column = 0; column < part.Width(); ++column) {
                const int32_t tx = x + column;
                const int32_t ty = y + row;
                if (tx < 0 || ty < 0 || tx >= canvas_.width || ty >= canvas_.height)
                    continue;
                const uint32_t source = image.At(part.left + column, part.top + row);
                uint32_t& target = canvas_.TopDownRow(ty)[tx];
                const uint32_t sourceAlpha = AlphaOf(source) * constantAlpha / 255;
                uint32_t blended = 0;
                for (int shift = 0; shift < 32; shift += 8) {
                    const uint32_t s = ((source >> shift) & 0xFF) * constantAlpha / 255;
                    const uint32_t t = (target >> shift) & 0xFF;
                    blended |= (s + t * (255 - sourceAlpha) / 255) << shift;
                }
                target = blended;
            }
        }
        return true;
    }
    int blends = 0;
    int lastConstantAlpha = -1;

private:
    PixelImage& canvas_;
};

}  // namespace lx::test
