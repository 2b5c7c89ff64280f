#pragma once
// A memory device context drawing into a 32-bit top-down DIB section: blue,
// green, red and alpha bytes per pixel, rows without padding.
#include <windows.h>

#include <cstdint>
#include <span>

#include "gdi_handles.h"

namespace lx {

// 32-bit DIB section; top-down or bottom-up rows. Null on failure.
UniqueBitmap Create32BitDibSection(HDC dc, int32_t width, int32_t height, bool topDown, void** bits);

class MemorySurface {
public:
    MemorySurface() = default;
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    // Replaces any surface by one of the given size, cleared to transparent
    // black, with a context compatible with `dc` (null: the screen).
    [[nodiscard]] bool Create(HDC dc, int32_t width, int32_t height);
    void Release();

    HDC Context() const { return dc_.get(); }
    HBITMAP Bitmap() const { return bitmap_.get(); }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    std::span<uint8_t> Bytes() const { return {pixels_, pixels_ ? static_cast<size_t>(width_) * height_ * 4 : 0}; }
    // Blends the whole surface onto `target` at (x, y) with per-pixel alpha.
    bool BlendOnto(HDC target, int32_t x, int32_t y) const;

private:
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    SelectedObject selection_;
    uint8_t* pixels_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

}  // namespace lx
