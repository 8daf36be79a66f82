#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace farb {

inline constexpr std::string_view kSysfsUsbDevices = "/sys/bus/usb/devices";

// The kernel's name for a USB device: bus, then the port chain, e.g. "1-1.4".
std::string SysfsUsbDeviceName(int bus, std::span<const std::uint8_t> ports);

// A string descriptor the kernel has already read ("product", "serial"), without its line end;
// nothing when the device has no such string or the kernel does not show it.
std::optional<std::string> ReadSysfsUsbString(const std::filesystem::path& devicesRoot, int bus,
                                              std::span<const std::uint8_t> ports,
                                              std::string_view attribute);

}  // namespace farb
