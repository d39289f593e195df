// SPDX-License-Identifier: MIT
#include "Leading_Number.h"

#include "Runtime_Services.h"

namespace Registry {
namespace {

bool Is_Digit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t Skip_Digits(std::string_view text, std::size_t at) {
    while (at < text.size() && Is_Digit(text[at]))
        ++at;
    return at;
}

std::size_t Skip_Sign(std::string_view text, std::size_t at) {
    return at < text.size() && (text[at] == '+' || text[at] == '-') ? at + 1 : at;
}

// The longest start of the text that reads as a number; empty when none does.
std::string_view Numeric_Prefix(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    std::size_t at = Skip_Sign(text, start);
    const std::size_t whole_end = Skip_Digits(text, at);
    bool digits = whole_end > at;
    at = whole_end;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fraction_end = Skip_Digits(text, at + 1);
        if (digits || fraction_end > at + 1) {
            digits = digits || fraction_end > at + 1;
            at = fraction_end;
        }
    }
    if (!digits)
        return {};
    // An exponent counts only with at least one digit: "2e" is 2.
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        const std::size_t exponent_digits = Skip_Sign(text, at + 1);
        const std::size_t exponent_end = Skip_Digits(text, exponent_digits);
        if (exponent_end > exponent_digits)
            at = exponent_end;
    }
    return text.substr(start, at - start);
}

} // namespace

std::int32_t Leading_Whole_Number(std::string_view text) {
    const std::string_view prefix = Numeric_Prefix(text);
    if (prefix.empty())
        return 0;
    // A well-formed prefix that the parser refuses lies outside the double range.
    const auto number = Runtime_Services::Parse_Number(prefix);
    if (!number)
        throw Run_Time_Failure(Failure::Overflow);
    return Runtime_Services::To_Int32(*number);
}

} // namespace Registry
