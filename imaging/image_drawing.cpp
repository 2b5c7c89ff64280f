#include "image_drawing.h"

namespace lx {

bool DrawImage(ImageBlender& blender, const PixelImage& image, int32_t x, int32_t y, int32_t width,
               int32_t height) {
    if (image.Empty() || width == 0 || height == 0)
        return false;
    if (width < 0)
        width = image.width;
    if (height < 0)
        height = image.height;
    if (width != image.width || height != image.height) {
        PixelImage resized = ResizePixels(image, width, height);
        return DrawImage(blender, resized, x, y, -1, -1);
    }
    blender.Blend(image, PixelRect{0, 0, image.width, image.height}, x, y, image.alpha);
    return true;
}

std::vector<TileCopy> TileCopies(int32_t imageWidth, int32_t imageHeight, const PixelRect& area,
                                 const PixelRect* clip) {
    std::vector<TileCopy> copies;
    // An empty image would never step forward.
    if (imageWidth <= 0 || imageHeight <= 0)
        return copies;
    for (int32_t y = area.top; y < area.bottom; y += imageHeight) {
        for (int32_t x = area.left; x < area.right; x += imageWidth) {
            PixelRect shown = Intersection(PixelRect{x, y, x + imageWidth, y + imageHeight}, area);
            if (clip)
                shown = Intersection(shown, *clip);
            if (shown.Empty())
                continue;
            copies.push_back(TileCopy{
                PixelRect{shown.left - x, shown.top - y, shown.right - x, shown.bottom - y}, shown.left, shown.top});
        }
    }
    return copies;
}

void TileImage(ImageBlender& blender, const PixelImage& image, const PixelRect& area, const PixelRect* clip) {
    if (image.Empty())
        return;
    for (const TileCopy& copy : TileCopies(image.width, image.height, area, clip))
        blender.Blend(image, copy.part, copy.x, copy.y, 255);
}

}  // namespace lx
