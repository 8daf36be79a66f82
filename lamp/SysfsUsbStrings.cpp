#include "SysfsUsbStrings.h"

#include <fstream>
#include <iterator>

namespace farb {

std::string SysfsUsbDeviceName(int bus, std::span<const std::uint8_t> ports) {
    std::string name = std::to_string(bus);
    char separator = '-';
    for (const std::uint8_t port : ports) {
        name += separator;
        name += std::to_string(port);
        separator = '.';
    }
    return name;
}

std::optional<std::string> ReadSysfsUsbString(const std::filesystem::path& devicesRoot, int bus,
                                              std::span<const std::uint8_t> ports,
                                              std::string_view attribute) {
    if (ports.empty()) {
        return std::nullopt;
    }
    std::ifstream file(devicesRoot / SysfsUsbDeviceName(bus, ports) / attribute, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

}  // namespace farb
