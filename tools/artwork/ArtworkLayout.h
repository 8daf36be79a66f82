#pragma once

#include <QRect>
#include <QSize>

// The main window's controls, in client-area pixels; the artwork is drawn to lie under them.
namespace farb::artwork {

inline constexpr QSize kPictureSize{834, 591};

inline constexpr QRect kCategoryList{32, 168, 265, 391};
inline constexpr QRect kProgramList{330, 168, 263, 391};
inline constexpr QRect kStatusBox{635, 166, 155, 24};
inline constexpr QRect kStartSpot{680, 296, 65, 73};
inline constexpr QRect kPauseSpot{672, 376, 73, 73};
inline constexpr QRect kStopSpot{672, 448, 73, 73};

}  // namespace farb::artwork
