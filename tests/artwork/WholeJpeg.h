#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "JpegDecoder.h"

namespace farb {

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // 3 bytes a pixel, rows top to bottom
};

// The whole picture at once, for checking its pixels.
inline std::optional<DecodedImage> DecodeJpeg(std::span<const std::uint8_t> data) {
    const auto picture = JpegPicture::Open({data.begin(), data.end()});
    if (!picture) {
        return std::nullopt;
    }
    DecodedImage image{picture->width(), picture->height(), {}};
    image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
    const bool decoded = picture->DecodeRows(
        0, image.height, PixelLayout::Rgb, [&](int y, std::span<const std::uint8_t> row) {
            std::memcpy(image.rgb.data() + static_cast<std::size_t>(y) * row.size(), row.data(),
                        row.size());
        });
    if (!decoded) {
        return std::nullopt;
    }
    return image;
}

}  // namespace farb
