#pragma once
// The 32-bit memory surface holding a whole layered window's image.
#include <windows.h>

#include <cstdint>

#include "memory_surface.h"

namespace lx {

class CWndDC {
public:
    CWndDC() = default;
    virtual ~CWndDC() = default;
    CWndDC(const CWndDC&) = delete;
    CWndDC& operator=(const CWndDC&) = delete;

    // A surface of the new size cleared to transparent black; without a
    // context when it cannot be made.
    void Resize(int32_t width, int32_t height);

    HDC Context() const { return surface_.Context(); }
    HBITMAP Bitmap() const { return surface_.Bitmap(); }
    uint8_t* Pixels() const { return surface_.Bytes().data(); }
    int32_t Width() const { return surface_.Width(); }
    int32_t Height() const { return surface_.Height(); }

private:
    MemorySurface surface_;
};

}  // namespace lx
