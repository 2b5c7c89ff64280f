#include "memory_surface.h"

#include <cstring>

namespace lx {

UniqueBitmap Create32BitDibSection(HDC dc, int32_t width, int32_t height, bool topDown, void** bits) {
    *bits = nullptr;
    if (width <= 0 || height <= 0)
        return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = topDown ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    UniqueBitmap bitmap(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0));
    if (!bitmap || !*bits) {
        *bits = nullptr;
        return {};
    }
    return bitmap;
}

bool MemorySurface::Create(HDC dc, int32_t width, int32_t height) {
    Release();
    UniqueMemoryDC context(::CreateCompatibleDC(dc));
    if (!context)
        return false;
    void* bits = nullptr;
    UniqueBitmap bitmap = Create32BitDibSection(context.get(), width, height, true, &bits);
    if (!bitmap)
        return false;
    std::memset(bits, 0, static_cast<size_t>(width) * height * 4);
    if (!selection_.Select(context.get(), bitmap.get()))
        return false;
    dc_ = std::move(context);
    bitmap_ = std::move(bitmap);
    pixels_ = static_cast<uint8_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

void MemorySurface::Release() {
    selection_.Restore();
    bitmap_.reset();
    dc_.reset();
    pixels_ = nullptr;
    width_ = 0;
    height_ = 0;
}

bool MemorySurface::BlendOnto(HDC target, int32_t x, int32_t y) const {
    if (!dc_ || !target)
        return false;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return ::AlphaBlend(target, x, y, width_, height_, dc_.get(), 0, 0, width_, height_, blend) != FALSE;
}

}  // namespace lx
