// SPDX-License-Identifier: MIT
// The numeric-text parser, the canonical number text and the integer
// conversions of the run-time services, and the leading number of a text
// that the version record reads through them.
//
// Input: one character choosing the locale's separators (its code modulo
// 8, so "0" to "7"), then the text to parse. Its first 8 bytes also serve as
// a double's bit pattern, so that every double reaches the canonical text.
#include "Fuzz_Check.h"
#include "Fuzz_Input.h"
#include "Leading_Number.h"
#include "Runtime_Services.h"

#include <array>
#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

using Runtime_Services::Number_Format;

namespace {

// Separators of real locales, including multi-byte ones that share a first
// byte.
const std::array<Number_Format, 8> Formats = {{
    {".", ","},
    {",", "."},
    {",", "\u00A0"},
    {",", "\u202F"},
    {".", "'"},
    {".", ""},
    {"\u066B", "\u066C"},
    {",", " "},
}};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The text in the C library's form when it holds nothing but digits, signs,
// exponent letters and decimal separators; nothing when it holds any other
// character (a group separator among them).
std::optional<std::string> C_Library_Form(std::string_view text, const Number_Format& format) {
    std::string plain;
    const std::string_view decimal = format.decimal_separator;
    while (!text.empty()) {
        if (text.starts_with(decimal)) {
            plain += '.';
            text.remove_prefix(decimal.size());
            continue;
        }
        const char c = text.front();
        if (!std::strchr("0123456789+-eE", c) || c == '\0')
            return std::nullopt;
        plain += c;
        text.remove_prefix(1);
    }
    return plain;
}

// strtod's reading of a whole text, when it reads all of it and the value
// neither overflows nor underflows to zero.
std::optional<double> C_Library_Value(const std::string& plain) {
    if (plain.empty())
        return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(plain.c_str(), &end);
    if (end != plain.c_str() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    if (errno == ERANGE && value == 0)
        return std::nullopt;
    return value;
}

void Check_Parser(std::string_view text, const Number_Format& format) {
    const auto value = Runtime_Services::Parse_Number(text, format);
    FUZZ_CHECK(Runtime_Services::Is_Numeric(text, format) == value.has_value());
    if (value) {
        FUZZ_CHECK(std::isfinite(*value));
        FUZZ_CHECK(!std::signbit(*value) || *value != 0); // never -0
        FUZZ_CHECK(Runtime_Services::To_Double(text, format) == *value);
    } else {
        try {
            Runtime_Services::To_Double(text, format);
            FUZZ_CHECK(!"To_Double converted a text that is not numeric");
        } catch (const Run_Time_Failure& failure) {
            FUZZ_CHECK(failure.number() == Failure::Type_Mismatch);
        }
    }
    // Without group separators the C library is an independent reader.
    if (const auto plain = C_Library_Form(Trimmed(text), format)) {
        const auto expected = C_Library_Value(*plain);
        FUZZ_CHECK(value.has_value() == expected.has_value());
        if (value)
            FUZZ_CHECK(*value == *expected);
    }
}

// Digits of the mantissa without its leading zeros.
int Significant_Digits(std::string_view text) {
    text = text.substr(0, text.find('E'));
    int digits = 0;
    bool leading = true;
    for (const char c : text) {
        if (c < '0' || c > '9')
            continue;
        if (c != '0')
            leading = false;
        if (!leading)
            ++digits;
    }
    return digits;
}

// Whether a number read back from its canonical text lies outside the
// decades written in plain digits, 10^-4 up to below 10^15. Compared with the
// powers of ten themselves: log10 rounds 999999999999999 up to exactly 15.
// 1e15 is exact; 1e-4 is not, but a text of at most 15 digits never reads back
// between 10^-4 and its nearest double.
bool Outside_Plain_Decades(double number) {
    const double magnitude = std::fabs(number);
    return magnitude < 1e-4 || magnitude >= 1e15;
}

void Check_Canonical_Text(double value, const Number_Format& format) {
    std::string text;
    try {
        text = Runtime_Services::Canonical_Number_Text(value, format);
    } catch (const Run_Time_Failure& failure) {
        FUZZ_CHECK(!std::isfinite(value));
        FUZZ_CHECK(failure.number() == Failure::Overflow);
        return;
    }
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(text != "-0");
    if (!format.group_separator.empty())
        FUZZ_CHECK(text.find(format.group_separator) == std::string::npos);
    const auto back = Runtime_Services::Parse_Number(text, format);
    FUZZ_CHECK(back.has_value());
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        FUZZ_CHECK(text == std::to_string(static_cast<long long>(value)));
        FUZZ_CHECK(*back == value);
        return;
    }
    FUZZ_CHECK(Significant_Digits(text) <= 15);
    FUZZ_CHECK(std::fabs(*back - value) <= 1e-14 * std::fabs(value));
    FUZZ_CHECK((text.find('E') != std::string::npos) == Outside_Plain_Decades(*back));
}

template <typename Integer, typename Convert> void Check_Integer(double value, Convert convert) {
    // The default rounding mode rounds halves to even.
    const double expected = std::nearbyint(value);
    const bool fits = expected >= static_cast<double>(std::numeric_limits<Integer>::min()) &&
                      expected <= static_cast<double>(std::numeric_limits<Integer>::max());
    try {
        const Integer result = convert(value);
        FUZZ_CHECK(fits && result == expected);
    } catch (const Run_Time_Failure& failure) {
        FUZZ_CHECK(!fits && failure.number() == Failure::Overflow);
    }
}

void Check_Number(double value, const Number_Format& format) {
    Check_Canonical_Text(value, format);
    const double rounded = Runtime_Services::Round_Half_Even(value);
    if (std::isnan(value))
        FUZZ_CHECK(std::isnan(rounded));
    else
        FUZZ_CHECK(rounded == std::nearbyint(value) && !(rounded == 0 && std::signbit(rounded)));
    Check_Integer<std::int16_t>(value, Runtime_Services::To_Int16);
    Check_Integer<std::int32_t>(value, Runtime_Services::To_Int32);
}

void Check_Digit_Value(std::string_view text) {
    const bool digit = text.size() == 1 && text[0] >= '0' && text[0] <= '9';
    try {
        const int value = Runtime_Services::Digit_Value(text);
        FUZZ_CHECK(digit && value == text[0] - '0');
    } catch (const Run_Time_Failure& failure) {
        FUZZ_CHECK(!digit && failure.number() == Failure::Type_Mismatch);
    }
}

// Whether strtod reads the same number at the start of the text as the
// leading-number reader: a decimal number, not a hexadecimal one or a word.
bool C_Library_Reads_Alike(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    if (text.starts_with("0x") || text.starts_with("0X"))
        return false;
    const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
    return (!text.empty() && is_digit(text[0])) ||
           (text.size() >= 2 && text[0] == '.' && is_digit(text[1]));
}

void Check_Leading_Number(std::string_view text) {
    std::optional<std::int32_t> result;
    try {
        result = Registry::Leading_Whole_Number(text);
    } catch (const Run_Time_Failure& failure) {
        FUZZ_CHECK(failure.number() == Failure::Overflow);
    }
    if (!C_Library_Reads_Alike(text)) {
        FUZZ_CHECK(result && *result == 0);
        return;
    }
    const std::string copy(Trimmed(text));
    errno = 0;
    const double value = std::strtod(copy.c_str(), nullptr);
    if (!std::isfinite(value) || (errno == ERANGE && value == 0)) {
        FUZZ_CHECK(!result);
        return;
    }
    const double rounded = std::nearbyint(value);
    const bool fits = rounded >= -2147483648.0 && rounded <= 2147483647.0;
    FUZZ_CHECK(result.has_value() == fits);
    if (result)
        FUZZ_CHECK(*result == rounded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz_Input input(data, size);
    const Number_Format& format = Formats[input.Take_Byte() % Formats.size()];
    const std::string_view text = input.Rest();

    Check_Parser(text, format);
    Check_Digit_Value(text);
    Check_Leading_Number(text);
    if (const auto value = Runtime_Services::Parse_Number(text, format))
        Check_Number(*value, format);
    if (text.size() >= sizeof(double)) {
        double pattern = 0;
        std::memcpy(&pattern, text.data(), sizeof pattern);
        Check_Number(pattern, format);
    }
    return 0;
}
