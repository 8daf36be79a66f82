#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace farb {

// The zero-terminated string the driver layer exchanges with the library: 50 bytes, so at most
// 49 characters survive a round trip.
class DeviceStringBuffer {
  public:
    static constexpr std::size_t kSize = 50;
    static constexpr std::size_t kMaxCharacters = kSize - 1;

    void Store(std::string_view text);
    std::string Load() const;

  private:
    std::array<char, kSize> bytes_{};
};

}  // namespace farb
