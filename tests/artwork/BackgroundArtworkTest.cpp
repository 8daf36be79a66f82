#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ControlTable.h"
#include "WholeJpeg.h"

// The committed artwork must fit the window's controls, which lie over it at fixed client-area
// pixels; each check below names the control it is about.
namespace farb {
namespace {

struct Pixel {
    int r;
    int g;
    int b;
};

struct Area {
    int left;
    int top;
    int width;
    int height;
};

Area AreaOf(ControlId control) {
    const Rect& rect = Control(control).rect;
    return {rect.left, rect.top, rect.width, rect.height};
}

std::optional<DecodedImage> LoadBackground() {
    std::ifstream file(FARB_BACKGROUND_JPEG, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    return DecodeJpeg(bytes);
}

class BackgroundArtwork : public testing::Test {
  protected:
    static void SetUpTestSuite() { background_ = LoadBackground(); }
    void SetUp() override { ASSERT_TRUE(background_.has_value()) << FARB_BACKGROUND_JPEG; }

    static Pixel At(int x, int y) {
        const auto at = (static_cast<std::size_t>(y) * background_->width + x) * 3;
        return {background_->rgb[at], background_->rgb[at + 1], background_->rgb[at + 2]};
    }

    template <typename Predicate>
    static bool AnyPixel(Area area, Predicate predicate) {
        for (int y = area.top; y < area.top + area.height; ++y) {
            for (int x = area.left; x < area.left + area.width; ++x) {
                if (predicate(At(x, y))) {
                    return true;
                }
            }
        }
        return false;
    }

    static inline std::optional<DecodedImage> background_;
};

std::string Describe(int x, int y, Pixel colour) {
    return "at " + std::to_string(x) + "," + std::to_string(y) + ": " + std::to_string(colour.r) +
           "," + std::to_string(colour.g) + "," + std::to_string(colour.b);
}

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double ContrastWithWhite(Pixel colour) {
    const double luminance =
        0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
    return 1.05 / (luminance + 0.05);
}

TEST_F(BackgroundArtwork, FillsTheWindowButItsLastRow) {
    EXPECT_EQ(background_->width, 834);
    EXPECT_EQ(background_->height, 591);
}

TEST_F(BackgroundArtwork, RunsFromPaleLavenderAtTheTopToDarkBlueAtTheBottom) {
    for (const int x : {4, 417, 829}) {
        const Pixel top = At(x, 3);
        EXPECT_GE(top.r, 215) << Describe(x, 3, top);
        EXPECT_GE(top.g, 215) << Describe(x, 3, top);
        EXPECT_GT(top.b, top.g + 5) << Describe(x, 3, top);
        EXPECT_GE(top.b, top.r) << Describe(x, 3, top);

        const Pixel bottom = At(x, 588);
        EXPECT_LE(bottom.r, 60) << Describe(x, 588, bottom);
        EXPECT_LE(bottom.g, 60) << Describe(x, 588, bottom);
        EXPECT_GE(bottom.b, bottom.r + 30) << Describe(x, 588, bottom);
        EXPECT_GE(bottom.b, bottom.g + 30) << Describe(x, 588, bottom);
    }
}

// The status box (635, 166, 155 x 24) sits on a white field that shows as a frame around it.
TEST_F(BackgroundArtwork, StatusBoxLiesOnAWhiteField) {
    const int points[][2] = {{712, 178}, {632, 178}, {793, 178}, {712, 162}, {712, 193}};
    for (const auto& [x, y] : points) {
        const Pixel pixel = At(x, y);
        EXPECT_GE(std::min({pixel.r, pixel.g, pixel.b}), 235) << Describe(x, y, pixel);
    }
}

// Both lists (left 32..297, right 330..593, rows 168..559) have the background 160, 158, 205;
// the panels behind them show as a lavender frame of the same shade.
TEST_F(BackgroundArtwork, ListsLieOnLavenderPanels) {
    const int points[][2] = {{164, 363}, {29, 363},  {300, 363}, {164, 563},
                             {461, 363}, {327, 363}, {596, 363}, {461, 563}};
    for (const auto& [x, y] : points) {
        const Pixel pixel = At(x, y);
        EXPECT_NEAR(pixel.r, 160, 12) << Describe(x, y, pixel);
        EXPECT_NEAR(pixel.g, 158, 12) << Describe(x, y, pixel);
        EXPECT_NEAR(pixel.b, 205, 12) << Describe(x, y, pixel);
    }
}

// White texts appear here: the status and time texts and the three hover labels.
TEST_F(BackgroundArtwork, WhiteTextAreasAreDarkEnoughToRead) {
    for (ControlId label : {ControlId::Label1, ControlId::lt, ControlId::LStart, ControlId::LPAUSE,
                            ControlId::LSTOp}) {
        const Area area = AreaOf(label);
        for (int y = area.top; y < area.top + area.height; ++y) {
            for (int x = area.left; x < area.left + area.width; ++x) {
                ASSERT_GE(ContrastWithWhite(At(x, y)), 4.5) << Describe(x, y, At(x, y));
            }
        }
    }
}

TEST_F(BackgroundArtwork, HotSpotsShowRainbowSymbols) {
    const auto red = [](Pixel c) { return c.r > 200 && c.g < 100 && c.b < 110; };
    const auto yellow = [](Pixel c) { return c.r > 200 && c.g > 180 && c.b < 120; };
    const auto green = [](Pixel c) { return c.g > 150 && c.r < 130 && c.b < 130; };
    const auto blue = [](Pixel c) { return c.b > 180 && c.r < 110 && c.g < 180; };
    for (ControlId hotSpot : {ControlId::Shape1, ControlId::Shape3, ControlId::Shape2}) {
        const Area spot = AreaOf(hotSpot);
        const std::string_view name = Control(hotSpot).accessibleName;
        EXPECT_TRUE(AnyPixel(spot, red)) << name;
        EXPECT_TRUE(AnyPixel(spot, yellow)) << name;
        EXPECT_TRUE(AnyPixel(spot, green)) << name;
        EXPECT_TRUE(AnyPixel(spot, blue)) << name;
    }
}

// The brand is dark lettering on the pale top; the headings are white lettering above the
// lists, where the panels are otherwise plain lavender.
TEST_F(BackgroundArtwork, CarriesBrandAndHeadings) {
    const auto ink = [](Pixel c) { return c.r < 90 && c.g < 90 && c.b < 150; };
    const auto white = [](Pixel c) { return std::min({c.r, c.g, c.b}) > 235; };

    EXPECT_TRUE(AnyPixel({0, 0, 834, 120}, ink)) << "brand";
    EXPECT_TRUE(AnyPixel({32, 130, 265, 32}, white)) << "HAUPTGRUPPEN";
    EXPECT_TRUE(AnyPixel({330, 130, 263, 32}, white)) << "BESCHWERDEN";
}

}  // namespace
}  // namespace farb
