#include "JpegDecoder.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h expects FILE to be declared before it
#include <utility>

#include <jpeglib.h>

namespace farb {
namespace {

// libjpeg reports a fatal error by calling error_exit, whose default ends the process.
// Ours jumps back into the step that was running. The jumps only ever cross libjpeg's C
// frames and the step functions below, none of which holds an object with a destructor
// between its setjmp and libjpeg's calls, so no C++ clean-up is skipped.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void TreatWarningsAsErrors(j_common_ptr info, int level) {
    if (level < 0) {
        JumpBack(info);
    }
}

void StayQuiet(j_common_ptr) {}

class Decompressor {
  public:
    Decompressor() {
        info_.err = jpeg_std_error(&errors_.base);
        errors_.base.error_exit = JumpBack;
        errors_.base.emit_message = TreatWarningsAsErrors;
        errors_.base.output_message = StayQuiet;
    }
    ~Decompressor() { jpeg_destroy_decompress(&info_); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    jpeg_decompress_struct& info() { return info_; }
    std::jmp_buf& jump() { return errors_.jump; }

  private:
    jpeg_decompress_struct info_{};
    ErrorManager errors_{};
};

bool HasAcceptableSize(const jpeg_decompress_struct& info) {
    constexpr auto kLimit = static_cast<JDIMENSION>(kMaxJpegSide);
    return info.image_width > 0 && info.image_height > 0 && info.image_width <= kLimit &&
           info.image_height <= kLimit;
}

// Qt's RGB32 is the word 0xFFRRGGBB, whose bytes in memory depend on the machine; libjpeg's
// alpha spaces set the fourth byte to 0xFF.
J_COLOR_SPACE ColourSpaceOf(PixelLayout layout) {
    if (layout == PixelLayout::Rgb) {
        return JCS_RGB;
    }
    return std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
}

int BytesPerPixel(PixelLayout layout) {
    return layout == PixelLayout::Rgb ? 3 : 4;
}

bool StartDecoding(Decompressor& decompressor, std::span<const std::uint8_t> data,
                   PixelLayout layout) {
    jpeg_decompress_struct& info = decompressor.info();
    if (setjmp(decompressor.jump())) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || !HasAcceptableSize(info)) {
        return false;
    }
    info.out_color_space = ColourSpaceOf(layout);
    jpeg_start_decompress(&info);
    return info.output_components == BytesPerPixel(layout);
}

bool SkipRows(Decompressor& decompressor, JDIMENSION rows) {
    if (setjmp(decompressor.jump())) {
        return false;
    }
    return jpeg_skip_scanlines(&decompressor.info(), rows) == rows;
}

// Reads one row into the buffer; the sink is called by the caller, outside the jump's reach.
bool ReadRow(Decompressor& decompressor, std::uint8_t* row) {
    if (setjmp(decompressor.jump())) {
        return false;
    }
    JSAMPROW rows[] = {row};
    return jpeg_read_scanlines(&decompressor.info(), rows, 1) == 1;
}

// Reads what follows the last row, where a damaged file may still show.
bool Finish(Decompressor& decompressor) {
    if (setjmp(decompressor.jump())) {
        return false;
    }
    jpeg_finish_decompress(&decompressor.info());
    return true;
}

}  // namespace

std::optional<JpegPicture> JpegPicture::Open(std::vector<std::uint8_t> data) {
    if (data.empty()) {
        return std::nullopt;
    }
    Decompressor decompressor;
    if (!StartDecoding(decompressor, data, PixelLayout::Rgb)) {
        return std::nullopt;
    }
    const jpeg_decompress_struct& info = decompressor.info();
    const auto width = static_cast<int>(info.output_width);
    const auto height = static_cast<int>(info.output_height);
    std::vector<std::uint8_t> row(std::size_t{info.output_width} * 3);
    for (int y = 0; y < height; ++y) {
        if (!ReadRow(decompressor, row.data())) {
            return std::nullopt;
        }
    }
    if (!Finish(decompressor)) {
        return std::nullopt;
    }
    return JpegPicture(std::move(data), width, height);
}

bool JpegPicture::DecodeRows(int top, int count, PixelLayout layout, const RowSink& sink) const {
    const int first = std::clamp(top, 0, height_);
    const int end = std::clamp(top + std::max(count, 0), first, height_);
    if (first == end) {
        return true;
    }
    Decompressor decompressor;
    if (!StartDecoding(decompressor, data_, layout) ||
        !SkipRows(decompressor, static_cast<JDIMENSION>(first))) {
        return false;
    }
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width_) * BytesPerPixel(layout));
    for (int y = first; y < end; ++y) {
        if (!ReadRow(decompressor, row.data())) {
            return false;
        }
        sink(y, row);
    }
    return true;  // the rows below are left undecoded; destroying the decompressor aborts it
}

}  // namespace farb
