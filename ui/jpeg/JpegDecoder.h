#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace farb {

// Pictures wider or taller than this are refused before any pixel memory is allocated.
inline constexpr int kMaxJpegSide = 16384;

enum class PixelLayout {
    Rgb,     // 3 bytes a pixel: red, green, blue
    Xrgb32,  // one native-endian 32-bit word a pixel, 0xFFRRGGBB (Qt's RGB32)
};

// A JPEG kept compressed: rows are decoded when they are wanted, so a picture on screen costs
// its file size in memory instead of its pixels.
class JpegPicture {
  public:
    // Hands over one decoded row: its number and the whole width of pixels.
    using RowSink = std::function<void(int y, std::span<const std::uint8_t> pixels)>;

    // Returns std::nullopt for anything that is not one whole, intact JPEG: the picture is
    // decoded once, a row at a time, and libjpeg's warnings (a truncated file, corrupt entropy
    // data) count as failures, so a damaged picture never arrives half grey.
    static std::optional<JpegPicture> Open(std::vector<std::uint8_t> data);

    int width() const { return width_; }
    int height() const { return height_; }

    // Decodes the rows from top on, count of them as far as the picture reaches, top to bottom.
    // Skipped rows above cost only their entropy decoding. False if libjpeg fails after all.
    bool DecodeRows(int top, int count, PixelLayout layout, const RowSink& sink) const;

  private:
    JpegPicture(std::vector<std::uint8_t> data, int width, int height)
        : data_(std::move(data)), width_(width), height_(height) {}

    std::vector<std::uint8_t> data_;
    int width_;
    int height_;
};

}  // namespace farb
