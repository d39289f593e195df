// SPDX-License-Identifier: MIT
#include "Runtime_Services.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

Run_Time_Failure::Run_Time_Failure(int number)
    : std::runtime_error(Runtime_Services::Error_Description(number)), number_(number) {}

namespace Runtime_Services {
namespace {

bool Is_Blank(char c) {
    return c == ' ' || c == '\t';
}
bool Is_Digit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trim_Blanks(std::string_view text) {
    while (!text.empty() && Is_Blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && Is_Blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Whether `text` at `at` holds the separator; an empty separator never
// matches. The first character is compared alone because it rarely matches.
bool Separator_At(std::string_view text, std::size_t at, std::string_view separator) {
    return !separator.empty() && text[at] == separator.front() &&
           text.substr(at).starts_with(separator);
}

// Writes numeric text in the plain form that std::from_chars reads
// ("-1234.5e3") into `plain`, which has room for text.size() characters (the
// plain form is never longer), and gives its length; gives nothing when the
// text is not a number.
std::optional<std::size_t> Write_Plain_Number(std::string_view text, const Number_Format& format,
                                              char* plain) {
    std::size_t length = 0;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        if (text[at] == '-')
            plain[length++] = '-';
        ++at;
    }
    const std::string_view decimal = format.decimal_separator;
    const std::string_view group = format.group_separator;
    bool mantissa_digits = false;
    bool in_fraction = false;
    while (at < text.size()) {
        if (Is_Digit(text[at])) {
            plain[length++] = text[at++];
            mantissa_digits = true;
        } else if (!in_fraction && Separator_At(text, at, decimal)) {
            plain[length++] = '.';
            in_fraction = true;
            at += decimal.size();
        } else if (!in_fraction && mantissa_digits && Separator_At(text, at, group)) {
            at += group.size(); // grouping carries no value
        } else {
            break;
        }
    }
    if (!mantissa_digits)
        return std::nullopt;
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        plain[length++] = 'e';
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            plain[length++] = text[at++];
        const std::size_t exponent_start = at;
        while (at < text.size() && Is_Digit(text[at]))
            plain[length++] = text[at++];
        if (at == exponent_start)
            return std::nullopt;
    }
    if (at != text.size())
        return std::nullopt;
    return length;
}

} // namespace

std::optional<double> Parse_Number(std::string_view text, const Number_Format& format) {
    text = Trim_Blanks(text);
    // Typed numbers fit the stack buffer; only long pasted texts allocate.
    char small[64];
    std::string large;
    char* plain = small;
    if (text.size() > sizeof small) {
        large.resize(text.size());
        plain = large.data();
    }
    const auto length = Write_Plain_Number(text, format, plain);
    if (!length)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain, plain + *length, value);
    if (error != std::errc() || end != plain + *length || !std::isfinite(value))
        return std::nullopt;         // beyond the double range, either way
    return value == 0 ? 0.0 : value; // "-0" reads as 0
}

bool Is_Numeric(std::string_view text, const Number_Format& format) {
    return Parse_Number(text, format).has_value();
}

double To_Double(std::string_view text, const Number_Format& format) {
    const auto value = Parse_Number(text, format);
    if (!value)
        throw Run_Time_Failure(Failure::Type_Mismatch);
    return *value;
}

namespace {

// Doubles from here up to the largest one would print as 1.79769313486232E+308,
// a text beyond the double range that the parser refuses; they print one unit
// of the 15th digit lower so that every canonical text reads back.
constexpr double Highest_Printable = 1.797693134862315e308;
constexpr std::string_view Highest_Text = "1.79769313486231e+308";

std::string Plain_Canonical_Text(double value) {
    if (std::fabs(value) >= Highest_Printable)
        return (value < 0 ? "-" : "") + std::string(Highest_Text);
    char buffer[64];
    const bool whole = value == std::trunc(value) && std::fabs(value) < 1e15;
    const auto result =
        whole
            ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0)
            : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string Canonical_Number_Text(double value, const Number_Format& format) {
    if (!std::isfinite(value))
        throw Run_Time_Failure(Failure::Overflow);
    if (value == 0)
        return "0"; // -0 too
    std::string canonical;
    for (const char c : Plain_Canonical_Text(value)) {
        if (c == '.')
            canonical += format.decimal_separator;
        else if (c == 'e')
            canonical += 'E';
        else
            canonical += c;
    }
    return canonical;
}

double Round_Half_Even(double value) {
    // std::round is independent of the floating-point environment's rounding
    // mode, unlike nearbyint; only exact halves need the even neighbour.
    double rounded = std::round(value);
    if (std::fabs(rounded - value) == 0.5)
        rounded = 2 * std::round(value / 2);
    return rounded == 0 ? 0.0 : rounded; // no -0
}

namespace {
template <typename Integer> Integer To_Integer(double value) {
    const double rounded = Round_Half_Even(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<Integer>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Integer>::max())))
        throw Run_Time_Failure(Failure::Overflow); // NaN fails here too
    return static_cast<Integer>(rounded);
}
} // namespace

std::int16_t To_Int16(double value) {
    return To_Integer<std::int16_t>(value);
}
std::int32_t To_Int32(double value) {
    return To_Integer<std::int32_t>(value);
}

int Digit_Value(std::string_view character) {
    if (character.size() != 1 || !Is_Digit(character.front()))
        throw Run_Time_Failure(Failure::Type_Mismatch);
    return character.front() - '0';
}

double Power_Of_Two(int exponent) {
    // Normal doubles are built from their exponent bits: the conversion
    // routines ask for many powers and ldexp is a library call.
    constexpr int lowest_normal = std::numeric_limits<double>::min_exponent - 1;  // -1022
    constexpr int highest_normal = std::numeric_limits<double>::max_exponent - 1; // 1023
    if (exponent < lowest_normal || exponent > highest_normal)
        return std::ldexp(1.0, exponent); // subnormal, zero or infinity
    const auto biased = static_cast<std::uint64_t>(exponent - lowest_normal + 1);
    return std::bit_cast<double>(biased << 52);
}

std::string Error_Description(int number) {
    switch (number) {
    case 0:
        return "";
    case Failure::Invalid_Procedure_Call:
        return "Invalid procedure call or argument";
    case Failure::Overflow:
        return "Overflow";
    case Failure::Out_Of_Memory:
        return "Out of memory";
    case Failure::Subscript_Out_Of_Range:
        return "Subscript out of range";
    case Failure::Division_By_Zero:
        return "Division by zero";
    case Failure::Type_Mismatch:
        return "Type mismatch";
    default:
        return "Application-defined or object-defined error";
    }
}

} // namespace Runtime_Services
