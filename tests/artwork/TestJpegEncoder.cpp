#include "TestJpegEncoder.h"

#include <cstddef>
#include <cstdio>  // jpeglib.h expects FILE to be declared before it
#include <cstdlib>

#include <jpeglib.h>

namespace farb::test {

std::vector<std::uint8_t> EncodeJpeg(int width, int height, int components,
                                     std::span<const std::uint8_t> pixels) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);

    jpeg_start_compress(&info, TRUE);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * components;
    while (info.next_scanline < info.image_height) {
        // libjpeg's row type is not const, though compression only reads it.
        auto* row = const_cast<JSAMPLE*>(pixels.data() + info.next_scanline * rowBytes);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    std::vector<std::uint8_t> jpeg(buffer, buffer + size);
    std::free(buffer);
    return jpeg;
}

}  // namespace farb::test
