#include "pixels.h"

#include <algorithm>

namespace lx {

PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
    const PixelRect common{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                           std::min(a.bottom, b.bottom)};
    return common.Empty() ? PixelRect{} : common;
}

void PremultiplyAlpha(std::span<uint32_t> pixels) {
    for (uint32_t& pixel : pixels) {
        const uint32_t alpha = AlphaOf(pixel);
        pixel = MakePixel(static_cast<uint8_t>(BlueOf(pixel) * alpha / 255),
                          static_cast<uint8_t>(GreenOf(pixel) * alpha / 255),
                          static_cast<uint8_t>(RedOf(pixel) * alpha / 255), static_cast<uint8_t>(alpha));
    }
}

PixelImage CropPixels(const PixelImage& source, const PixelRect& rectangle) {
    const PixelRect clamped{std::clamp(rectangle.left, 0, source.width), std::clamp(rectangle.top, 0, source.height),
                            std::clamp(rectangle.right, 0, source.width),
                            std::clamp(rectangle.bottom, 0, source.height)};
    PixelImage result;
    result.alpha = source.alpha;
    if (source.Empty() || clamped.Empty())
        return result;
    result.width = clamped.Width();
    result.height = clamped.Height();
    result.pixels.resize(static_cast<size_t>(result.width) * result.height);
    // Stored rows run bottom-up: the block starts at stored row height - bottom.
    for (int32_t row = 0; row < result.height; ++row) {
        const uint32_t* from = source.pixels.data() +
                               static_cast<size_t>(source.height - clamped.bottom + row) * source.width + clamped.left;
        std::copy_n(from, result.width, result.pixels.data() + static_cast<size_t>(row) * result.width);
    }
    return result;
}

namespace {

struct ColumnSum {
    uint32_t blue = 0;
    uint32_t green = 0;
    uint32_t red = 0;
    uint32_t alpha = 0;
    uint32_t count = 0;
};

}  // namespace

PixelImage ShrinkPixels(const PixelImage& source, int32_t newWidth, int32_t newHeight) {
    PixelImage result;
    result.alpha = source.alpha;
    // An unchanged width would leave the last column without pixels.
    if (source.Empty() || newWidth <= 0 || newHeight <= 0 || newWidth >= source.width || newHeight >= source.height)
        return result;
    result.width = newWidth;
    result.height = newHeight;
    result.pixels.reserve(static_cast<size_t>(newWidth) * newHeight);
    std::vector<ColumnSum> sums(newWidth);
    int32_t rowStep = 0;
    for (int32_t row = 0; row < source.height; ++row) {
        const uint32_t* pixel = source.pixels.data() + static_cast<size_t>(row) * source.width;
        size_t column = 0;
        int32_t columnStep = 0;
        for (int32_t x = 0; x < source.width; ++x, ++pixel) {
            ColumnSum& sum = sums[column];
            sum.blue += BlueOf(*pixel);
            sum.green += GreenOf(*pixel);
            sum.red += RedOf(*pixel);
            sum.alpha += AlphaOf(*pixel);
            ++sum.count;
            columnStep += newWidth;
            if (columnStep > source.width) {
                ++column;
                columnStep -= source.width;
            }
        }
        rowStep += newHeight;
        if (rowStep >= source.height) {
            for (ColumnSum& sum : sums) {
                result.pixels.push_back(MakePixel(static_cast<uint8_t>(sum.blue / sum.count),
                                                  static_cast<uint8_t>(sum.green / sum.count),
                                                  static_cast<uint8_t>(sum.red / sum.count),
                                                  static_cast<uint8_t>(sum.alpha / sum.count)));
                sum = {};
            }
            rowStep -= source.height;
        }
    }
    return result;
}

PixelImage ResamplePixels(const PixelImage& source, int32_t newWidth, int32_t newHeight) {
    PixelImage result;
    result.alpha = source.alpha;
    if (source.Empty() || newWidth <= 0 || newHeight <= 0)
        return result;
    result.width = newWidth;
    result.height = newHeight;
    result.pixels.resize(static_cast<size_t>(newWidth) * newHeight);
    const auto stepX = static_cast<int64_t>(static_cast<float>(source.width) / static_cast<float>(newWidth) * 256.0f);
    const auto stepY =
        static_cast<int64_t>(static_cast<float>(source.height) / static_cast<float>(newHeight) * 256.0f);
    uint32_t* out = result.pixels.data();
    for (int32_t i = 0; i < newHeight; ++i) {
        const int64_t y = i * stepY;
        const int32_t row = std::min(static_cast<int32_t>(y >> 8), source.height - 1);
        const uint32_t fy = static_cast<uint32_t>(y & 0xFF);
        const uint32_t* here = source.pixels.data() + static_cast<size_t>(row) * source.width;
        const uint32_t* below = row + 1 < source.height ? here + source.width : here;
        for (int32_t j = 0; j < newWidth; ++j) {
            const int64_t x = j * stepX;
            const int32_t column = std::min(static_cast<int32_t>(x >> 8), source.width - 1);
            const uint32_t fx = static_cast<uint32_t>(x & 0xFF);
            const int32_t right = column + 1 < source.width ? column + 1 : column;
            const uint32_t neighbours[4] = {here[column], here[right], below[column], below[right]};
            const uint32_t weights[4] = {(256 - fx) * (256 - fy) / 256, fx * (256 - fy) / 256,
                                         (256 - fx) * fy / 256, fx * fy / 256};
            uint32_t channels[4] = {};
            for (int n = 0; n < 4; ++n)
                for (int c = 0; c < 4; ++c)
                    channels[c] += ((neighbours[n] >> (8 * c)) & 0xFF) * weights[n];
            *out++ = MakePixel(static_cast<uint8_t>(channels[0] / 256), static_cast<uint8_t>(channels[1] / 256),
                               static_cast<uint8_t>(channels[2] / 256), static_cast<uint8_t>(channels[3] / 256));
        }
    }
    return result;
}

PixelImage ResizePixels(const PixelImage& source, int32_t newWidth, int32_t newHeight) {
    if (newWidth < source.width && newHeight < source.height)
        return ShrinkPixels(source, newWidth, newHeight);
    return ResamplePixels(source, newWidth, newHeight);
}

}  // namespace lx
