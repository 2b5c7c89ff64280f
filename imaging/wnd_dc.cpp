#include "wnd_dc.h"

namespace lx {

void CWndDC::Resize(int32_t width, int32_t height) {
    // The surface is always made anew: the caller paints it from scratch.
    if (!surface_.Create(nullptr, width, height))
        surface_.Release();
}

}  // namespace lx
