#pragma once
// Placing images on a surface: natural size, stretched, or tiled over an area.
// The blend itself is the surface's business.
#include <cstdint>
#include <vector>

#include "pixels.h"

namespace lx {

class ImageBlender {
public:
    virtual ~ImageBlender() = default;
    // Blends the `part` of `image` (top-down coordinates) unscaled with its
    // top-left corner at (x, y): source over, per-pixel alpha, scaled by
    // `constantAlpha`.
    virtual bool Blend(const PixelImage& image, const PixelRect& part, int32_t x, int32_t y,
                       uint8_t constantAlpha) = 0;
};

// Draws the image with its own constant alpha. A size below 0 means the
// natural size; false for an empty image or a size of 0.
bool DrawImage(ImageBlender& blender, const PixelImage& image, int32_t x, int32_t y, int32_t width,
               int32_t height);

struct TileCopy {
    PixelRect part;  // of the image
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const TileCopy&) const = default;
};
// Copies of an image of the given size repeated over `area` from its top-left
// corner, each cut to the area and to `clip` (when given); copies missing the
// clip are left out.
std::vector<TileCopy> TileCopies(int32_t imageWidth, int32_t imageHeight, const PixelRect& area,
                                 const PixelRect* clip);
// Blends the copies with constant alpha 255.
void TileImage(ImageBlender& blender, const PixelImage& image, const PixelRect& area, const PixelRect* clip);

}  // namespace lx
