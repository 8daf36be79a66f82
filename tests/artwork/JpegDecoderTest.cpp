#include "WholeJpeg.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "TestJpegEncoder.h"

namespace farb {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    int r;
    int g;
    int b;
};

Rgb PixelAt(const DecodedImage& image, int x, int y) {
    const auto at = (static_cast<std::size_t>(y) * image.width + x) * 3;
    return {image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]};
}

// A 32 x 32 picture in four flat quadrants: red, green / blue, white.
Bytes FourQuadrantJpeg() {
    constexpr int kSide = 32;
    Bytes pixels;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const bool right = x >= kSide / 2;
            const bool bottom = y >= kSide / 2;
            const Rgb colour = !bottom ? (right ? Rgb{0, 255, 0} : Rgb{255, 0, 0})
                                       : (right ? Rgb{255, 255, 255} : Rgb{0, 0, 255});
            pixels.insert(pixels.end(),
                          {static_cast<std::uint8_t>(colour.r), static_cast<std::uint8_t>(colour.g),
                           static_cast<std::uint8_t>(colour.b)});
        }
    }
    return test::EncodeJpeg(kSide, kSide, 3, pixels);
}

void ExpectNear(Rgb actual, Rgb expected, const std::string& where) {
    constexpr int kTolerance = 12;
    EXPECT_NEAR(actual.r, expected.r, kTolerance) << where;
    EXPECT_NEAR(actual.g, expected.g, kTolerance) << where;
    EXPECT_NEAR(actual.b, expected.b, kTolerance) << where;
}

TEST(JpegDecoder, ColourPictureArrivesAsRgbRowsFromTopToBottom) {
    const auto image = DecodeJpeg(FourQuadrantJpeg());

    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 32);
    EXPECT_EQ(image->height, 32);
    ASSERT_EQ(image->rgb.size(), 32u * 32u * 3u);
    ExpectNear(PixelAt(*image, 6, 6), {255, 0, 0}, "top left");
    ExpectNear(PixelAt(*image, 25, 6), {0, 255, 0}, "top right");
    ExpectNear(PixelAt(*image, 6, 25), {0, 0, 255}, "bottom left");
    ExpectNear(PixelAt(*image, 25, 25), {255, 255, 255}, "bottom right");
}

TEST(JpegDecoder, GreyscalePictureArrivesAsRgb) {
    constexpr int kWidth = 40;
    constexpr int kHeight = 8;
    Bytes grey;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            grey.push_back(static_cast<std::uint8_t>(x * 6));
        }
    }

    const auto image = DecodeJpeg(test::EncodeJpeg(kWidth, kHeight, 1, grey));

    ASSERT_TRUE(image.has_value());
    ASSERT_EQ(image->rgb.size(), std::size_t{kWidth} * kHeight * 3);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Rgb pixel = PixelAt(*image, x, y);
            const std::string where = std::to_string(x) + "," + std::to_string(y);
            EXPECT_EQ(pixel.g, pixel.r) << where;
            EXPECT_EQ(pixel.b, pixel.r) << where;
            EXPECT_NEAR(pixel.r, x * 6, 3) << where;
        }
    }
}

TEST(JpegDecoder, SidesUpToTheLimitDecodeAndLongerOnesAreRefused) {
    struct Case {
        int width;
        int height;
        bool decodes;
    };
    const Case cases[] = {
        {kMaxJpegSide, 1, true},
        {1, kMaxJpegSide, true},
        {kMaxJpegSide + 1, 1, false},
        {1, kMaxJpegSide + 1, false},
    };
    for (const Case& c : cases) {
        const Bytes black(static_cast<std::size_t>(c.width) * c.height, 0);
        const auto image = DecodeJpeg(test::EncodeJpeg(c.width, c.height, 1, black));

        ASSERT_EQ(image.has_value(), c.decodes) << c.width << " x " << c.height;
        if (image) {
            EXPECT_EQ(image->width, c.width);
            EXPECT_EQ(image->height, c.height);
        }
    }
}

TEST(JpegDecoder, DataThatIsNoJpegGivesNothing) {
    const Bytes valid = FourQuadrantJpeg();
    Bytes swappedStart = valid;
    std::swap(swappedStart[0], swappedStart[1]);
    Bytes invertedStart = valid;
    for (int i = 0; i < 4; ++i) {
        invertedStart[i] = static_cast<std::uint8_t>(~invertedStart[i]);
    }
    const std::string text = "GIF89a, not a JPEG at all";

    const std::pair<const char*, Bytes> cases[] = {
        {"empty", {}},
        {"one byte", {0xFF}},
        {"start marker only", {0xFF, 0xD8}},
        {"start and end markers only", {0xFF, 0xD8, 0xFF, 0xD9}},
        {"text", Bytes(text.begin(), text.end())},
        {"zeros", Bytes(4096, 0)},
        {"start marker bytes swapped", swappedStart},
        {"start bits inverted", invertedStart},
    };
    for (const auto& [name, data] : cases) {
        EXPECT_FALSE(DecodeJpeg(data).has_value()) << name;
    }
}

// libjpeg would only warn about a missing tail and fill the rest with grey; we refuse it, so
// a damaged picture is never shown half painted.
TEST(JpegDecoder, EveryTruncationGivesNothingAndPrintsNothing) {
    const Bytes valid = FourQuadrantJpeg();
    ASSERT_TRUE(DecodeJpeg(valid).has_value());

    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    for (std::size_t length = 0; length < valid.size(); ++length) {
        const Bytes cut(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_FALSE(DecodeJpeg(cut).has_value()) << "cut to " << length << " bytes";
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// A band of rows, as the window asks for when it repaints part of the picture, matches the same
// rows of the whole picture; rows outside the picture are left out.
TEST(JpegPicture, DecodesABandOfRowsAsTheWholePictureHasThem) {
    constexpr int kWidth = 24;
    constexpr int kHeight = 64;
    Bytes pixels;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            pixels.insert(pixels.end(),
                          {static_cast<std::uint8_t>(y * 4), static_cast<std::uint8_t>(x * 10),
                           static_cast<std::uint8_t>(255 - y * 4)});
        }
    }
    const Bytes jpeg = test::EncodeJpeg(kWidth, kHeight, 3, pixels);
    const auto whole = DecodeJpeg(jpeg);
    const auto picture = JpegPicture::Open(jpeg);
    ASSERT_TRUE(whole.has_value());
    ASSERT_TRUE(picture.has_value());

    struct Case {
        int top;
        int count;
        int firstRow;
        int rows;
    };
    const Case cases[] = {
        {21, 10, 21, 10}, {0, 1, 0, 1},  {60, 10, 60, 4}, {-5, 8, 0, 3},
        {0, 0, 0, 0},     {64, 5, 0, 0}, {10, -3, 0, 0},
    };
    for (const Case& c : cases) {
        const std::string name = std::to_string(c.top) + " +" + std::to_string(c.count);
        std::vector<int> delivered;
        const bool decoded = picture->DecodeRows(
            c.top, c.count, PixelLayout::Xrgb32, [&](int y, std::span<const std::uint8_t> row) {
                delivered.push_back(y);
                ASSERT_EQ(row.size(), std::size_t{kWidth} * 4) << name;
                for (int x = 0; x < kWidth; ++x) {
                    std::uint32_t word = 0;
                    std::memcpy(&word, row.data() + x * 4, 4);
                    const Rgb expected = PixelAt(*whole, x, y);
                    EXPECT_EQ(word, 0xFF000000u | expected.r << 16 | expected.g << 8 | expected.b)
                        << name << " at " << x << "," << y;
                }
            });

        EXPECT_TRUE(decoded) << name;
        std::vector<int> expected(static_cast<std::size_t>(c.rows));
        std::iota(expected.begin(), expected.end(), c.firstRow);
        EXPECT_EQ(delivered, expected) << name;
    }
}

}  // namespace
}  // namespace farb
