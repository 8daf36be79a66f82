#pragma once

#include <cstdint>
#include <string>

namespace farb {

// "46:00": a programme's total minutes as the time text shows it before the start.
std::string TotalTimeText(std::int32_t totalMinutes);

// "45:59", "3:07", "0:00": minutes without leading zeros, seconds in two digits.
std::string RemainingTimeText(std::int32_t remainingSeconds);

}  // namespace farb
