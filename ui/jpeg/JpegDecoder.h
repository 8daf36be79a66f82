#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace farb {

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // 3 bytes a pixel, rows top to bottom
};

// Pictures wider or taller than this are refused before any pixel memory is allocated.
inline constexpr int kMaxJpegSide = 16384;

// Returns std::nullopt for anything that is not one whole, intact JPEG: libjpeg's warnings
// (a truncated file, corrupt entropy data) count as failures, so a damaged picture never
// arrives half grey.
std::optional<DecodedImage> DecodeJpeg(std::span<const std::uint8_t> data);

}  // namespace farb
