#include "vn_skin_dib.h"

#include "gdi_blender.h"

namespace lx {

bool CVnSkinDIB::SetSkin(const CVnDIB* source, const SkinMargins& margins, bool tileHorizontally,
                         bool tileVertically) {
    if (!source)
        return false;
    margins_ = margins;
    tiling_ = SkinTiling{tileHorizontally, tileVertically};
    pieces_ = CutSkin(source->Image(), margins);
    return true;
}

void CVnSkinDIB::Draw(HDC dc, const RECT& destination, const RECT* clip) const {
    GdiBlender blender(dc);
    const PixelRect clipRect = clip ? ToPixelRect(*clip) : PixelRect{};
    DrawSkin(blender, pieces_, margins_, tiling_,
             ToPixelRect(destination),
             clip ? &clipRect : nullptr);
}

}  // namespace lx
