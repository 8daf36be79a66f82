#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace farb {

// Raised when a minutes field is not an integer. what() is the Latin-1 text the operator sees:
// "'<field>' ist kein gültiger Integerwert".
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(std::string_view text);
};

// Converts a minutes field: an optional sign, then decimal digits, or hexadecimal digits after
// "$", "x" or "0x" (either case). Anything else, or a value outside int32, throws
// ConversionError.
std::int32_t StrToInt(std::string_view text);

}  // namespace farb
