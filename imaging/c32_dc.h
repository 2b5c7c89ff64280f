#pragma once
// A temporary 32-bit surface laid over a rectangle of another context, drawn
// into with that context's coordinates and blended back onto it.
#include <windows.h>

#include <cstdint>

#include "memory_surface.h"

namespace lx {

class C32DC {
public:
    C32DC() = default;
    // An active surface is dropped without blending.
    virtual ~C32DC() = default;
    C32DC(const C32DC&) = delete;
    C32DC& operator=(const C32DC&) = delete;

    // The surface's context, or null when it cannot be made.
    HDC Begin(const RECT& rectangle, HDC target);
    // Blends the surface onto the target and releases it.
    void End();
    // Releases the surface without blending.
    void Discard();

    bool Active() const { return surface_.Context() != nullptr; }
    uint8_t* Pixels() const { return surface_.Bytes().data(); }
    int32_t Width() const { return surface_.Width(); }
    int32_t Height() const { return surface_.Height(); }

private:
    MemorySurface surface_;
    HDC target_ = nullptr;
    POINT savedOrigin_{};
    RECT rectangle_{};
};

}  // namespace lx
