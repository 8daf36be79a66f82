#include "JpegDecoder.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h expects FILE to be declared before it

#include <jpeglib.h>

namespace farb {
namespace {

// libjpeg reports a fatal error by calling error_exit, whose default ends the process.
// Ours jumps back into the step that was running. The jumps only ever cross libjpeg's C
// frames and the two step functions below, none of which holds an object with a
// destructor, so no C++ clean-up is skipped.
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

bool StartDecoding(Decompressor& decompressor, std::span<const std::uint8_t> data) {
    jpeg_decompress_struct& info = decompressor.info();
    if (setjmp(decompressor.jump())) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || !HasAcceptableSize(info)) {
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    return info.output_components == 3;
}

bool ReadRows(Decompressor& decompressor, std::uint8_t* pixels) {
    jpeg_decompress_struct& info = decompressor.info();
    if (setjmp(decompressor.jump())) {
        return false;
    }
    const std::size_t rowBytes = std::size_t{info.output_width} * 3;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + info.output_scanline * rowBytes;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

std::optional<DecodedImage> DecodeJpeg(std::span<const std::uint8_t> data) {
    if (data.empty()) {
        return std::nullopt;
    }
    Decompressor decompressor;
    if (!StartDecoding(decompressor, data)) {
        return std::nullopt;
    }
    const jpeg_decompress_struct& info = decompressor.info();
    DecodedImage image;
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.rgb.resize(std::size_t{info.output_width} * info.output_height * 3);
    if (!ReadRows(decompressor, image.rgb.data())) {
        return std::nullopt;
    }
    return image;
}

}  // namespace farb
