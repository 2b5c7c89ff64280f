#pragma once
// 32-bit premultiplied image decoded from image files held in memory or in
// the program's resources, drawn with per-pixel alpha.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <utility>

#include "gdi_handles.h"
#include "pixels.h"

struct IWICBitmapSource;

namespace lx {

class CVnDIB {
public:
    CVnDIB() = default;
    virtual ~CVnDIB() = default;
    CVnDIB(const CVnDIB&) = delete;
    CVnDIB& operator=(const CVnDIB&) = delete;

    // Once per process, with COM initialised on the thread: the image decoder.
    [[nodiscard]] static bool InitLibrary();
    static void ReleaseLibrary();

    // A resource from FindResourceW (null loads nothing).
    [[nodiscard]] bool LoadFromResource(HRSRC resource, HMODULE module);
    // Any format the platform's imaging component decodes; premultiplied.
    [[nodiscard]] bool LoadFromMemory(const void* data, size_t size);
    // Takes the pixels of a decoded bitmap, converted to 32 bits.
    [[nodiscard]] bool Attach(IWICBitmapSource* bitmap);
    void PremultiplyAlpha();
    void Copy(const CVnDIB& source);

    // Top-down coordinates, right and bottom exclusive, clamped to the image.
    // Into `target`, or into this image when null.
    void Crop(int32_t left, int32_t top, int32_t right, int32_t bottom, CVnDIB* target = nullptr);
    void Resize(int32_t newWidth, int32_t newHeight, CVnDIB* target = nullptr);
    void Shrink(int32_t newWidth, int32_t newHeight, CVnDIB* target = nullptr);
    void Resample(int32_t newWidth, int32_t newHeight, CVnDIB* target = nullptr);

    // A bottom-up 32-bit DIB section holding a copy of the pixels.
    UniqueBitmap CreateBitmap(HDC dc = nullptr) const;
    // A size below 0 means the natural size; false when nothing was drawn.
    bool Draw(HDC dc, int32_t x, int32_t y, int32_t width = -1, int32_t height = -1) const;
    void Tile(HDC dc, const RECT& area, const RECT* clip = nullptr) const;

    bool Empty() const { return image_.Empty(); }
    int32_t Width() const { return image_.width; }
    int32_t Height() const { return image_.height; }
    uint8_t Alpha() const { return image_.alpha; }
    void SetAlpha(uint8_t alpha) { image_.alpha = alpha; }
    const PixelImage& Image() const { return image_; }
    void SetImage(PixelImage image) { image_ = std::move(image); }

private:
    void Free();
    void TakeResult(PixelImage result, CVnDIB* target);

    PixelImage image_;
};

}  // namespace lx
