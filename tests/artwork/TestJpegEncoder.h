#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace farb::test {

// Compresses 8-bit pixels (1 component: greyscale, 3: RGB) with libjpeg at quality 100.
std::vector<std::uint8_t> EncodeJpeg(int width, int height, int components,
                                     std::span<const std::uint8_t> pixels);

}  // namespace farb::test
