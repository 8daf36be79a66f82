#include "DriverErrorText.h"

namespace farb {

namespace {

std::string_view SuffixOfStatus(FT_STATUS status) {
    switch (status) {
        case FT_INVALID_HANDLE:
            return " - Invalid Handle...";
        case FT_DEVICE_NOT_FOUND:
            return " - Device Not Found....";
        case FT_DEVICE_NOT_OPENED:
            return " - Device Not Opened...";
        case FT_IO_ERROR:
            return " - General IO Error...";
        case FT_INSUFFICIENT_RESOURCES:
            return " - Insufficient Resources...";
        case FT_INVALID_PARAMETER:
            return " - Invalid Parameter ...";
        default:
            return {};
    }
}

}  // namespace

std::string DriverErrorText(std::string_view caption, FT_STATUS status) {
    std::string text(caption);
    const std::string_view suffix = SuffixOfStatus(status);
    if (suffix.empty()) {
        text += " - Status " + std::to_string(status) + "...";
    } else {
        text += suffix;
    }
    return text;
}

}  // namespace farb
