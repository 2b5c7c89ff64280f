#include "c32_dc.h"

namespace lx {

HDC C32DC::Begin(const RECT& rectangle, HDC target) {
    Discard();
    if (!surface_.Create(target, rectangle.right - rectangle.left, rectangle.bottom - rectangle.top))
        return nullptr;
    target_ = target;
    rectangle_ = rectangle;
    // Drawing into the surface then uses the target's coordinates.
    ::SetWindowOrgEx(surface_.Context(), rectangle.left, rectangle.top, &savedOrigin_);
    return surface_.Context();
}

void C32DC::End() {
    if (!surface_.Context())
        return;
    ::SetWindowOrgEx(surface_.Context(), savedOrigin_.x, savedOrigin_.y, nullptr);
    surface_.BlendOnto(target_, rectangle_.left, rectangle_.top);
    Discard();
}

void C32DC::Discard() {
    surface_.Release();
    target_ = nullptr;
    savedOrigin_ = {};
    rectangle_ = {};
}

}  // namespace lx
