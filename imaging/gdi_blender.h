#pragma once
// Blends images onto a device context through a temporary DIB section.
#include <windows.h>

#include "gdi_handles.h"
#include "image_drawing.h"

namespace lx {

class GdiBlender final : public ImageBlender {
public:
    explicit GdiBlender(HDC target) : target_(target) {}
    bool Blend(const PixelImage& image, const PixelRect& part, int32_t x, int32_t y, uint8_t constantAlpha) override;

private:
    HDC target_;
};

inline PixelRect ToPixelRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// A bottom-up DIB section holding a copy of the image's pixels.
UniqueBitmap CreateImageBitmap(HDC dc, const PixelImage& image);

}  // namespace lx
