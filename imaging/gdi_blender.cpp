#include "gdi_blender.h"

#include <algorithm>

#include "memory_surface.h"

namespace lx {

UniqueBitmap CreateImageBitmap(HDC dc, const PixelImage& image) {
    if (image.Empty())
        return {};
    void* bits = nullptr;
    UniqueBitmap bitmap = Create32BitDibSection(dc, image.width, image.height, false, &bits);
    if (bitmap)
        std::copy(image.pixels.begin(), image.pixels.end(), static_cast<uint32_t*>(bits));
    return bitmap;
}

bool GdiBlender::Blend(const PixelImage& image, const PixelRect& part, int32_t x, int32_t y,
                       uint8_t constantAlpha) {
    if (!target_ || part.Empty())
        return false;
    UniqueMemoryDC source(::CreateCompatibleDC(target_));
    UniqueBitmap bitmap = CreateImageBitmap(target_, image);
    if (!source || !bitmap)
        return false;
    SelectedObject selection(source.get(), bitmap.get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, constantAlpha, AC_SRC_ALPHA};
    return ::AlphaBlend(target_, x, y, part.Width(), part.Height(), source.get(), part.left, part.top,
                        part.Width(), part.Height(), blend) != FALSE;
}

}  // namespace lx
