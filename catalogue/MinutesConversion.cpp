#include "MinutesConversion.h"

#include <charconv>
#include <limits>

namespace farb {
namespace {

std::string ConversionMessage(std::string_view text) {
    return "'" + std::string(text) + "' ist kein g\xFCltiger Integerwert";
}

bool IsHexPrefix(char c) {
    return c == '$' || c == 'x' || c == 'X';
}

// Removes a hexadecimal prefix ("$", "x" or "0x", either case) and returns the base it selects.
int RemoveBasePrefix(std::string_view& digits) {
    if (digits.size() >= 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        return 16;
    }
    if (!digits.empty() && IsHexPrefix(digits[0])) {
        digits.remove_prefix(1);
        return 16;
    }
    return 10;
}

}  // namespace

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error(ConversionMessage(text)) {}

std::int32_t StrToInt(std::string_view text) {
    std::string_view digits = text;
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        digits.remove_prefix(1);
    }
    const int base = RemoveBasePrefix(digits);

    // Unsigned parsing rejects a second sign; the magnitude is checked against the int32 range
    // by hand because -2147483648 has no positive counterpart.
    std::uint64_t magnitude = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, magnitude, base);
    const std::uint64_t limit =
        negative ? std::uint64_t{1} << 31 : std::uint64_t{std::numeric_limits<std::int32_t>::max()};
    if (digits.empty() || error != std::errc{} || stop != end || magnitude > limit) {
        throw ConversionError(text);
    }
    const auto value = static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace farb
