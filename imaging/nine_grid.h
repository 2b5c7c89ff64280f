#pragma once
// Nine-grid skins: an image cut into four corners, four edges and a centre,
// drawn onto rectangles of any size with undistorted corners and borders.
#include <array>
#include <cstdint>
#include <vector>

#include "image_drawing.h"
#include "pixels.h"

namespace lx {

struct SkinMargins {
    int32_t left = 0;
    int32_t right = 0;
    int32_t top = 0;
    int32_t bottom = 0;
};

// Row-major, the index into a skin's pieces.
enum class SkinPiece { TopLeft, Top, TopRight, Left, Centre, Right, BottomLeft, Bottom, BottomRight };
inline constexpr int kSkinPieceCount = 9;

struct SkinCut {
    SkinPiece piece;
    PixelRect source;  // top-down rectangle of the source image
};
// The pieces that the margins call for, in cutting and drawing order
// (left column, right column, top and bottom edges, centre).
std::vector<SkinCut> SkinCuts(int32_t width, int32_t height, const SkinMargins& margins);

struct SkinTiling {
    bool horizontally = false;  // top and bottom edges (and the centre)
    bool vertically = false;    // left and right edges (and the centre)
};

using SkinPieces = std::array<PixelImage, kSkinPieceCount>;
SkinPieces CutSkin(const PixelImage& source, const SkinMargins& margins);

// Draws the pieces onto `destination`; with a clip, only the pieces whose
// destination meets it, tiled pieces cut to it.
void DrawSkin(ImageBlender& blender, const SkinPieces& pieces, const SkinMargins& margins, SkinTiling tiling,
              const PixelRect& destination, const PixelRect* clip);

}  // namespace lx
