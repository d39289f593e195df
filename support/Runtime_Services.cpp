// SPDX-License-Identifier: MIT
#include "Runtime_Services.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

Run_Time_Failure::Run_Time_Failure(int number)
    : std::runtime_error(Runtime_Services::Error_Description(number)), number_(number) {}

namespace Runtime_Services {
namespace {

bool Is_Blank(char c) { return c == ' ' || c == '\t'; }
bool Is_Digit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim_Blanks(std::string_view text) {
    while (!text.empty() && Is_Blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && Is_Blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool Starts_With(std::string_view text, std::string_view prefix) {
    return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

// Rewrites numeric text into the plain form that std::from_chars reads
// ("-1234.5e3"), or gives nothing when the text is not a number.
std::optional<std::string> Plain_Number_Text(std::string_view text, const Number_Format& format) {
    text = Trim_Blanks(text);
    std::string plain;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        if (text[at] == '-')
            plain += '-';
        ++at;
    }
    bool mantissa_digits = false;
    bool in_fraction = false;
    while (at < text.size()) {
        const std::string_view rest = text.substr(at);
        if (Is_Digit(text[at])) {
            plain += text[at++];
            mantissa_digits = true;
        } else if (!in_fraction && Starts_With(rest, format.decimal_separator)) {
            plain += '.';
            in_fraction = true;
            at += format.decimal_separator.size();
        } else if (!in_fraction && mantissa_digits && Starts_With(rest, format.group_separator)) {
            at += format.group_separator.size(); // grouping carries no value
        } else {
            break;
        }
    }
    if (!mantissa_digits)
        return std::nullopt;
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        plain += 'e';
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            plain += text[at++];
        const std::size_t exponent_start = at;
        while (at < text.size() && Is_Digit(text[at]))
            plain += text[at++];
        if (at == exponent_start)
            return std::nullopt;
    }
    if (at != text.size())
        return std::nullopt;
    return plain;
}

} // namespace

std::optional<double> Parse_Number(std::string_view text, const Number_Format& format) {
    const auto plain = Plain_Number_Text(text, format);
    if (!plain)
        return std::nullopt;
    double value = 0;
    const char* first = plain->data();
    const char* last = first + plain->size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
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

std::string Canonical_Number_Text(double value, const Number_Format& format) {
    if (value == 0)
        return "0";
    char buffer[64];
    std::to_chars_result result;
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
    } else {
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    }
    std::string text(buffer, result.ptr);
    std::string canonical;
    for (const char c : text) {
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
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(value);
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

std::int16_t To_Int16(double value) { return To_Integer<std::int16_t>(value); }
std::int32_t To_Int32(double value) { return To_Integer<std::int32_t>(value); }

int Digit_Value(std::string_view character) {
    if (character.size() != 1 || !Is_Digit(character.front()))
        throw Run_Time_Failure(Failure::Type_Mismatch);
    return character.front() - '0';
}

double Power_Of_Two(int exponent) { return std::ldexp(1.0, exponent); }

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
    case Failure::Internal_Error:
        return "Internal error";
    default:
        return "Application-defined or object-defined error";
    }
}

} // namespace Runtime_Services
