// The minutes conversion against a plain reference written from its contract: an optional sign,
// then decimal digits, or hexadecimal ones after "$", "x" or "0x" in either case, within int32.
// Both must accept the same texts and agree on every value; a rejection is a ConversionError
// that quotes the text.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "MinutesConversion.h"

namespace farb::fuzz {
namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<std::int32_t> ReferenceMinutes(std::string_view text) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        ++at;
    }
    int base = 10;
    const std::string_view rest = text.substr(at);
    if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        base = 16;
        at += 2;
    } else if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
        base = 16;
        ++at;
    }
    if (at == text.size()) {
        return std::nullopt;
    }
    // One past the int32 range is as far as a magnitude needs to be followed.
    constexpr std::int64_t kBeyond = std::int64_t{1} << 32;
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = DigitValue(text[at]);
        if (digit < 0 || digit >= base) {
            return std::nullopt;
        }
        magnitude = std::min(magnitude * base + digit, kBeyond);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace
}  // namespace farb::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace farb;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> expected = fuzz::ReferenceMinutes(text);
    try {
        const std::int32_t minutes = StrToInt(text);
        fuzz::Check(expected.has_value(), "what the conversion accepts, the reference accepts");
        fuzz::Check(minutes == *expected, "both read the same value");
    } catch (const ConversionError& error) {
        fuzz::Check(!expected.has_value(), "what the conversion rejects, the reference rejects");
        // what() is a C string: a zero byte in the text ends the message there.
        const std::string message = "'" + std::string(text) + "' ist kein g\xFCltiger Integerwert";
        fuzz::Check(std::string(error.what()) == message.c_str(), "the error quotes the text");
    }
    return 0;
}
