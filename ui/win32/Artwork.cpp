#include "Artwork.h"

#include <wincodec.h>

#include <algorithm>
#include <memory>

#include "ResourceIds.h"

namespace farb {
namespace {

struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class Interface>
using ComPtr = std::unique_ptr<Interface, ComRelease>;

// Takes a fresh reference from a call that hands one out through its last argument.
template <class Interface, class Call>
ComPtr<Interface> Take(Call&& call) {
    Interface* object = nullptr;
    return SUCCEEDED(call(&object)) ? ComPtr<Interface>(object) : nullptr;
}

// Decodes the embedded JPEG with the system's codec, scaled by dpi / 96, into the top left of
// the 32-bit top-down pixels `bits` of `width` x `height`.
void DecodeInto(HINSTANCE instance, int dpi, void* bits, int width, int height) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_ARTWORK), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    auto* data = static_cast<BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!data) {
        return;
    }
    const auto factory = Take<IWICImagingFactory>([](IWICImagingFactory** out) {
        return CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(out));
    });
    if (!factory) {
        return;
    }
    const auto stream =
        Take<IWICStream>([&](IWICStream** out) { return factory->CreateStream(out); });
    if (!stream || FAILED(stream->InitializeFromMemory(data, SizeofResource(instance, found)))) {
        return;
    }
    const auto decoder = Take<IWICBitmapDecoder>([&](IWICBitmapDecoder** out) {
        return factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, out);
    });
    const auto frame = decoder ? Take<IWICBitmapFrameDecode>([&](IWICBitmapFrameDecode** out) {
        return decoder->GetFrame(0, out);
    })
                               : nullptr;
    UINT frameWidth = 0;
    UINT frameHeight = 0;
    if (!frame || FAILED(frame->GetSize(&frameWidth, &frameHeight))) {
        return;
    }
    const int scaledWidth = std::min(ScaledToDpi(static_cast<int>(frameWidth), dpi), width);
    const int scaledHeight = std::min(ScaledToDpi(static_cast<int>(frameHeight), dpi), height);
    const auto scaler = Take<IWICBitmapScaler>(
        [&](IWICBitmapScaler** out) { return factory->CreateBitmapScaler(out); });
    const auto converter = Take<IWICFormatConverter>(
        [&](IWICFormatConverter** out) { return factory->CreateFormatConverter(out); });
    if (!scaler || !converter ||
        FAILED(scaler->Initialize(frame.get(), scaledWidth, scaledHeight,
                                  WICBitmapInterpolationModeFant)) ||
        FAILED(converter->Initialize(scaler.get(), GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom))) {
        return;
    }
    const WICRect area{0, 0, scaledWidth, scaledHeight};
    const UINT stride = static_cast<UINT>(width) * 4;
    converter->CopyPixels(&area, stride, stride * static_cast<UINT>(height),
                          static_cast<BYTE*>(bits));
}

}  // namespace

Artwork::~Artwork() {
    Release();
}

void Artwork::Release() {
    if (brush_) {
        DeleteObject(brush_);
    }
    if (bitmap_) {
        DeleteObject(bitmap_);
    }
    brush_ = nullptr;
    bitmap_ = nullptr;
}

void Artwork::Render(HINSTANCE instance, int dpi) {
    Release();
    const WindowSpec& window = MainWindowSpec();
    const int width = ScaledToDpi(window.clientWidth, dpi);
    const int height = ScaledToDpi(window.clientHeight, dpi);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, as the decoder writes its rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_) {
        brush_ = CreateSolidBrush(RGB(window.plainBackground.red, window.plainBackground.green,
                                      window.plainBackground.blue));
        return;
    }
    const Rgb plain = window.plainBackground;
    const DWORD pixel = static_cast<DWORD>(plain.red) << 16 | plain.green << 8 | plain.blue;
    std::fill_n(static_cast<DWORD*>(bits), static_cast<std::size_t>(width) * height, pixel);
    DecodeInto(instance, dpi, bits, width, height);
    brush_ = CreatePatternBrush(bitmap_);
}

HBRUSH Artwork::BrushBehind(HDC dc, HWND child) const {
    POINT origin{0, 0};
    if (child) {
        MapWindowPoints(child, GetParent(child), &origin, 1);
    }
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    return brush_;
}

void Artwork::PaintBehind(HDC dc, HWND child, const RECT& area) const {
    FillRect(dc, &area, BrushBehind(dc, child));
}

}  // namespace farb
