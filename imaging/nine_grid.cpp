#include "nine_grid.h"

namespace lx {

std::vector<SkinCut> SkinCuts(int32_t width, int32_t height, const SkinMargins& m) {
    const int32_t w = width;
    const int32_t h = height;
    std::vector<SkinCut> cuts;
    if (m.left) {
        if (m.top)
            cuts.push_back({SkinPiece::TopLeft, {0, 0, m.left, m.top}});
        if (m.bottom)
            cuts.push_back({SkinPiece::BottomLeft, {0, h - m.bottom, m.left, h}});
        cuts.push_back({SkinPiece::Left, {0, m.top, m.left, h - m.bottom}});
    }
    if (m.right) {
        if (m.top)
            cuts.push_back({SkinPiece::TopRight, {w - m.right, 0, w, m.top}});
        if (m.bottom)
            cuts.push_back({SkinPiece::BottomRight, {w - m.right, h - m.bottom, w, h}});
        cuts.push_back({SkinPiece::Right, {w - m.right, m.top, w, h - m.bottom}});
    }
    if (m.top)
        cuts.push_back({SkinPiece::Top, {m.left, 0, w - m.right, m.top}});
    if (m.bottom)
        cuts.push_back({SkinPiece::Bottom, {m.left, h - m.bottom, w - m.right, h}});
    cuts.push_back({SkinPiece::Centre, {m.left, m.top, w - m.right, h - m.bottom}});
    return cuts;
}

SkinPieces CutSkin(const PixelImage& source, const SkinMargins& margins) {
    SkinPieces pieces;
    for (const SkinCut& cut : SkinCuts(source.width, source.height, margins))
        pieces[static_cast<int>(cut.piece)] = CropPixels(source, cut.source);
    return pieces;
}

void DrawSkin(ImageBlender& blender, const SkinPieces& pieces, const SkinMargins& m, SkinTiling tiling,
              const PixelRect& destination, const PixelRect* clip) {
    const int32_t l = destination.left;
    const int32_t t = destination.top;
    const int32_t r = destination.right;
    const int32_t b = destination.bottom;
    auto piece = [&](SkinPiece which) -> const PixelImage& { return pieces[static_cast<int>(which)]; };
    auto shown = [&](const PixelRect& area) { return !clip || !Intersection(area, *clip).Empty(); };
    auto natural = [&](SkinPiece which, const PixelRect& area) {
        if (shown(area))
            DrawImage(blender, piece(which), area.left, area.top, -1, -1);
    };
    // Stretched pieces are drawn whole; the clip only decides whether.
    auto edge = [&](SkinPiece which, const PixelRect& area, bool tiled) {
        if (!shown(area))
            return;
        if (tiled)
            TileImage(blender, piece(which), area, clip);
        else
            DrawImage(blender, piece(which), area.left, area.top, area.Width(), area.Height());
    };

    if (m.left) {
        if (m.top)
            natural(SkinPiece::TopLeft, {l, t, l + m.left, t + m.top});
        if (m.bottom)
            natural(SkinPiece::BottomLeft, {l, b - m.bottom, l + m.left, b});
        edge(SkinPiece::Left, {l, t + m.top, l + m.left, b - m.bottom}, tiling.vertically);
    }
    if (m.right) {
        if (m.top)
            natural(SkinPiece::TopRight, {r - m.right, t, r, t + m.top});
        if (m.bottom)
            natural(SkinPiece::BottomRight, {r - m.right, b - m.bottom, r, b});
        edge(SkinPiece::Right, {r - m.right, t + m.top, r, b - m.bottom}, tiling.vertically);
    }
    if (m.top)
        edge(SkinPiece::Top, {l + m.left, t, r - m.right, t + m.top}, tiling.horizontally);
    if (m.bottom)
        edge(SkinPiece::Bottom, {l + m.left, b - m.bottom, r - m.right, b}, tiling.horizontally);

    const PixelRect centreArea{l + m.left, t + m.top, r - m.right, b - m.bottom};
    if (!shown(centreArea))
        return;
    const PixelImage& centre = piece(SkinPiece::Centre);
    if (tiling.horizontally == tiling.vertically) {
        edge(SkinPiece::Centre, centreArea, tiling.horizontally);
        return;
    }
    // Tiled one way only: fitted the other way first.
    const PixelImage fitted = tiling.horizontally ? ResizePixels(centre, centre.width, centreArea.Height())
                                                  : ResizePixels(centre, centreArea.Width(), centre.height);
    TileImage(blender, fitted, centreArea, clip);
}

}  // namespace lx
