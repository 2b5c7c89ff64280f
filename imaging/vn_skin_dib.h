#pragma once
// An image cut into a nine-part grid and drawn onto rectangles of any size
// with undistorted corners and borders.
#include <windows.h>

#include "nine_grid.h"
#include "vn_dib.h"

namespace lx {

class CVnSkinDIB {
public:
    CVnSkinDIB() = default;
    virtual ~CVnSkinDIB() = default;
    CVnSkinDIB(const CVnSkinDIB&) = delete;
    CVnSkinDIB& operator=(const CVnSkinDIB&) = delete;

    [[nodiscard]] bool SetSkin(const CVnDIB* source, const SkinMargins& margins, bool tileHorizontally,
                               bool tileVertically);
    void Draw(HDC dc, const RECT& destination, const RECT* clip = nullptr) const;

    const PixelImage& Piece(SkinPiece piece) const { return pieces_[static_cast<int>(piece)]; }
    const SkinMargins& Margins() const { return margins_; }

private:
    SkinPieces pieces_;
    SkinMargins margins_;
    SkinTiling tiling_;
};

}  // namespace lx
