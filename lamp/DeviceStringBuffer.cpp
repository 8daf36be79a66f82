#include "DeviceStringBuffer.h"

#include <algorithm>

namespace farb {

void DeviceStringBuffer::Store(std::string_view text) {
    const std::size_t length = std::min(text.size(), kMaxCharacters);
    std::copy_n(text.begin(), length, bytes_.begin());
    bytes_[length] = '\0';
}

std::string DeviceStringBuffer::Load() const {
    const auto end = std::find(bytes_.begin(), bytes_.begin() + kMaxCharacters, '\0');
    return std::string(bytes_.begin(), end);
}

}  // namespace farb
