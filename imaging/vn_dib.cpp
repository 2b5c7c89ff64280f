#include "vn_dib.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <limits>

#include "gdi_blender.h"

using Microsoft::WRL::ComPtr;

namespace lx {

namespace {

ComPtr<IWICImagingFactory>& ImagingFactory() {
    static ComPtr<IWICImagingFactory> factory;
    return factory;
}

}  // namespace

bool CVnDIB::InitLibrary() {
    ComPtr<IWICImagingFactory>& factory = ImagingFactory();
    if (factory)
        return true;
    return SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_PPV_ARGS(factory.ReleaseAndGetAddressOf())));
}

void CVnDIB::ReleaseLibrary() { ImagingFactory().Reset(); }

bool CVnDIB::LoadFromResource(HRSRC resource, HMODULE module) {
    Free();
    if (!resource)
        return false;
    const DWORD size = ::SizeofResource(module, resource);
    HGLOBAL loaded = ::LoadResource(module, resource);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data || size == 0)
        return false;
    return LoadFromMemory(data, size);
}

bool CVnDIB::LoadFromMemory(const void* data, size_t size) {
    Free();
    IWICImagingFactory* factory = ImagingFactory().Get();
    if (!factory || !data || size == 0 || size > std::numeric_limits<DWORD>::max())
        return false;
    ComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)), static_cast<DWORD>(size))))
        return false;
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)))
        return false;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, &frame)))
        return false;
    if (!Attach(frame.Get()))
        return false;
    PremultiplyAlpha();
    return true;
}

bool CVnDIB::Attach(IWICBitmapSource* bitmap) {
    Free();
    IWICImagingFactory* factory = ImagingFactory().Get();
    if (!bitmap || !factory)
        return false;
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(bitmap, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return false;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > static_cast<UINT>(std::numeric_limits<int32_t>::max() / 4) ||
        static_cast<uint64_t>(width) * height * 4 > std::numeric_limits<UINT>::max())
        return false;
    PixelImage decoded;
    decoded.width = static_cast<int32_t>(width);
    decoded.height = static_cast<int32_t>(height);
    decoded.alpha = image_.alpha;
    decoded.pixels.resize(static_cast<size_t>(width) * height);
    // The decoder delivers rows top-down; they are kept bottom-up.
    const UINT stride = width * 4;
    for (UINT row = 0; row < height; ++row) {
        const WICRect line{0, static_cast<INT>(row), static_cast<INT>(width), 1};
        if (FAILED(converter->CopyPixels(&line, stride, stride,
                                         reinterpret_cast<BYTE*>(decoded.TopDownRow(static_cast<int32_t>(row))))))
            return false;
    }
    image_ = std::move(decoded);
    return true;
}

void CVnDIB::PremultiplyAlpha() { lx::PremultiplyAlpha(image_.pixels); }

void CVnDIB::Copy(const CVnDIB& source) {
    if (&source != this)
        image_ = source.image_;
}

void CVnDIB::Free() {
    image_.pixels.clear();
    image_.pixels.shrink_to_fit();
    image_.width = 0;
    image_.height = 0;
}

void CVnDIB::TakeResult(PixelImage result, CVnDIB* target) {
    (target ? target : this)->image_ = std::move(result);
}

void CVnDIB::Crop(int32_t left, int32_t top, int32_t right, int32_t bottom, CVnDIB* target) {
    PixelImage cropped = CropPixels(image_, PixelRect{left, top, right, bottom});
    if (cropped.Empty() && !target)
        return;
    TakeResult(std::move(cropped), target);
}

void CVnDIB::Resize(int32_t newWidth, int32_t newHeight, CVnDIB* target) {
    if (newWidth <= 0 || newHeight <= 0 || Empty())
        return;
    TakeResult(ResizePixels(image_, newWidth, newHeight), target);
}

void CVnDIB::Shrink(int32_t newWidth, int32_t newHeight, CVnDIB* target) {
    if (newWidth <= 0 || newHeight <= 0 || newWidth >= Width() || newHeight >= Height() || Empty())
        return;
    TakeResult(ShrinkPixels(image_, newWidth, newHeight), target);
}

void CVnDIB::Resample(int32_t newWidth, int32_t newHeight, CVnDIB* target) {
    if (newWidth <= 0 || newHeight <= 0 || Empty())
        return;
    TakeResult(ResamplePixels(image_, newWidth, newHeight), target);
}

UniqueBitmap CVnDIB::CreateBitmap(HDC dc) const { return CreateImageBitmap(dc, image_); }

bool CVnDIB::Draw(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height) const {
    GdiBlender blender(dc);
    return DrawImage(blender, image_, x, y, width, height);
}

void CVnDIB::Tile(HDC dc, const RECT& area, const RECT* clip) const {
    GdiBlender blender(dc);
    const PixelRect clipRect = clip ? ToPixelRect(*clip) : PixelRect{};
    TileImage(blender, image_, ToPixelRect(area), clip ? &clipRect : nullptr);
}

}  // namespace lx
