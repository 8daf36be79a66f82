#include "Artwork.h"

#include <wincodec.h>

#include <algorithm>
#include <memory>

#include "CoreText.h"
#include "FormTexts.h"
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
// the 24-bit top-down pixels `bits` of `width` x `height` with rows of `stride` bytes.
void DecodeInto(HINSTANCE instance, int dpi, BYTE* bits, int width, int height, UINT stride) {
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
    // The system's JPEG decoder by its class: the factory's search for a decoder that fits goes
    // through every codec installed, and under Wine takes longer than the decoding.
    const auto decoder = Take<IWICBitmapDecoder>([](IWICBitmapDecoder** out) {
        return CoCreateInstance(CLSID_WICJpegDecoder, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICBitmapDecoder, reinterpret_cast<void**>(out));
    });
    if (!decoder || FAILED(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand))) {
        return;
    }
    const auto frame = Take<IWICBitmapFrameDecode>(
        [&](IWICBitmapFrameDecode** out) { return decoder->GetFrame(0, out); });
    UINT frameWidth = 0;
    UINT frameHeight = 0;
    if (!frame || FAILED(frame->GetSize(&frameWidth, &frameHeight))) {
        return;
    }
    const int scaledWidth = std::min(ScaledToDpi(static_cast<int>(frameWidth), dpi), width);
    const int scaledHeight = std::min(ScaledToDpi(static_cast<int>(frameHeight), dpi), height);
    IWICBitmapSource* source = frame.get();
    ComPtr<IWICBitmapScaler> scaler;
    if (scaledWidth != static_cast<int>(frameWidth) ||
        scaledHeight != static_cast<int>(frameHeight)) {
        scaler = Take<IWICBitmapScaler>(
            [&](IWICBitmapScaler** out) { return factory->CreateBitmapScaler(out); });
        if (!scaler || FAILED(scaler->Initialize(frame.get(), scaledWidth, scaledHeight,
                                                 WICBitmapInterpolationModeFant))) {
            return;
        }
        source = scaler.get();
    }
    // A JPEG decodes to the DIB's own format; anything else is converted.
    const auto converter = Take<IWICFormatConverter>(
        [&](IWICFormatConverter** out) { return factory->CreateFormatConverter(out); });
    if (!converter ||
        FAILED(converter->Initialize(source, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone,
                                     nullptr, 0, WICBitmapPaletteTypeCustom))) {
        return;
    }
    const WICRect area{0, 0, scaledWidth, scaledHeight};
    converter->CopyPixels(&area, stride, stride * static_cast<UINT>(height), bits);
}

void DrawMark(HDC dc, const MarkLayout& mark, std::string_view text, int dpi) {
    const Rect rect = ScaledToDpi(mark.rect, dpi);
    RECT area{rect.left, rect.top, rect.Right(), rect.Bottom()};
    SetBkColor(dc, RGB(mark.background.red, mark.background.green, mark.background.blue));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    HFONT font = CreateFontW(-ScaledToDpi(mark.fontPixels, dpi), 0, 0, 0, FW_BOLD, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Arial");
    HGDIOBJ previous = SelectObject(dc, font);
    SetTextColor(dc, RGB(mark.textColour.red, mark.textColour.green, mark.textColour.blue));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring wide = WideFromCoreText(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    DeleteObject(font);
}

}  // namespace

Artwork::~Artwork() {
    Release();
}

void Artwork::Release() {
    if (memory_) {
        SelectObject(memory_, original_);
        DeleteDC(memory_);
    }
    if (bitmap_) {
        DeleteObject(bitmap_);
    }
    memory_ = nullptr;
    bitmap_ = nullptr;
}

void Artwork::Render(HINSTANCE instance, int dpi) {
    Release();
    const WindowLayout& window = MainWindowLayout();
    const int width = ScaledToDpi(window.clientWidth, dpi);
    const int height = ScaledToDpi(window.clientHeight, dpi);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, as the decoder writes its rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    memory_ = CreateCompatibleDC(nullptr);
    if (!bitmap_ || !memory_) {
        return;
    }
    original_ = SelectObject(memory_, bitmap_);
    const Rgb plain = window.plainBackground;
    const RECT all{0, 0, width, height};
    SetBkColor(memory_, RGB(plain.red, plain.green, plain.blue));
    ExtTextOutW(memory_, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    GdiFlush();
    const UINT stride = (static_cast<UINT>(width) * 3 + 3) & ~3u;
    DecodeInto(instance, dpi, static_cast<BYTE*>(bits), width, height, stride);
    if (demoMark_) {
        DrawMark(memory_, DemoMarkLayout(), kDemoMarkText, dpi);
    }
}

void Artwork::PaintBehind(HDC dc, HWND child, const RECT& area) const {
    POINT origin{0, 0};
    if (child) {
        MapWindowPoints(child, GetParent(child), &origin, 1);
    }
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory_,
           area.left + origin.x, area.top + origin.y, SRCCOPY);
}

}  // namespace farb
