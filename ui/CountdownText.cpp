#include "CountdownText.h"

#include <cstdio>
#include <cstdlib>

namespace farb {

std::string TotalTimeText(std::int32_t totalMinutes) {
    return std::to_string(totalMinutes) + ":00";
}

std::string RemainingTimeText(std::int32_t remainingSeconds) {
    const std::int32_t minutes = remainingSeconds / 60;
    const std::int32_t seconds = std::abs(remainingSeconds % 60);
    char text[24];
    std::snprintf(text, sizeof text, "%s%d:%02d", remainingSeconds < 0 && minutes == 0 ? "-" : "",
                  minutes, seconds);
    return text;
}

}  // namespace farb
