// SPDX-License-Identifier: MIT
// Every routine of the conversion engine against an independent computation
// and against its inverse. Only failures 6 and 13 may leave a routine.
//
// Input: "<routine letter><width>:<argument>", the argument as text (a
// number in C syntax: "-12", "0x1p63", "inf", "nan", or a bit or hex text).
//   s  Signed_To_Bits(whole number, width)   b  Bits_To_Signed(text, width)
//   u  Unsigned_To_Bits(number, width)       v  Bits_To_Unsigned(text, width)
//   h  Hex_To_Decimal(text)                  d  Decimal_To_Hex(number)
//   r  Bits_Required(number)
// Any other first byte picks a routine by its code.
#include "Fuzz_Check.h"
#include "Fuzz_Input.h"
#include "Number_Conversions.h"
#include "Runtime_Services.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace nc = Number_Conversions;

namespace {

constexpr double Two_To_32 = 4294967296.0;

double Number_Argument(std::string_view text) {
    const std::string copy(text);
    return std::strtod(copy.c_str(), nullptr);
}

std::int32_t Whole_Argument(std::string_view text) {
    const std::string copy(text);
    return static_cast<std::int32_t>(std::strtoll(copy.c_str(), nullptr, 10));
}

// Runs a routine; a failure other than the allowed numbers stops the run.
template <typename Routine>
auto Outcome(Routine routine, bool overflow_allowed, bool mismatch_allowed)
    -> std::optional<decltype(routine())> {
    try {
        return routine();
    } catch (const Run_Time_Failure& failure) {
        FUZZ_CHECK((failure.number() == Failure::Overflow && overflow_allowed) ||
                   (failure.number() == Failure::Type_Mismatch && mismatch_allowed));
        return std::nullopt;
    }
}

bool Is_Bit_Text(const std::string& text, std::size_t width) {
    return text.size() == width && text.find_first_not_of("01") == std::string::npos;
}

bool Is_Digit(char c) {
    return c >= '0' && c <= '9';
}

// Bit k of the whole part of a non-negative finite double, exactly.
bool Double_Bit(double whole, int k) {
    return std::fmod(std::floor(std::ldexp(whole, -k)), 2.0) == 1.0;
}

void Check_Signed_To_Bits(std::int32_t value, std::int16_t width) {
    const std::string bits = nc::Signed_To_Bits(value, width);
    const bool fits = width >= 33 || (width >= 1 && value >= -(std::int64_t{1} << (width - 1)) &&
                                      value < (std::int64_t{1} << (width - 1)));
    if (!fits) {
        FUZZ_CHECK(bits == nc::Value_Too_High);
        return;
    }
    FUZZ_CHECK(Is_Bit_Text(bits, static_cast<std::size_t>(width)));
    for (int k = 0; k < width; ++k) {
        const bool set = k < 32 ? ((static_cast<std::uint32_t>(value) >> k) & 1U) != 0 : value < 0;
        FUZZ_CHECK((bits[static_cast<std::size_t>(width - 1 - k)] == '1') == set);
    }
    // A sign bit narrower than 2 bits weighs nothing; beyond 32 bits a set
    // sign bit overflows.
    if (width >= 2 && (width <= 32 || value >= 0))
        FUZZ_CHECK(nc::Bits_To_Signed(bits, width) == value);
    else if (width > 32)
        FUZZ_CHECK(!Outcome([&] { return nc::Bits_To_Signed(bits, width); }, true, false));
}

void Check_Bits_To_Signed(const std::string& bits, std::int16_t width) {
    const auto result = Outcome([&] { return nc::Bits_To_Signed(bits, width); }, true, true);
    if (bits.empty() || !Is_Digit(bits[0])) {
        FUZZ_CHECK(!result); // the sign bit is read first
        return;
    }
    const bool sign = bits[0] == '1';
    if (width <= 1) {
        FUZZ_CHECK(result && *result == 0);
        return;
    }
    const auto size = static_cast<std::size_t>(width);
    bool complete = bits.size() >= size;
    for (std::size_t i = 1; complete && i < size; ++i)
        complete = Is_Digit(bits[i]);
    if (!complete) {
        FUZZ_CHECK(!result);
        return;
    }
    // Bit j stands at position width - 1 - j.
    bool high_bit = false;
    std::int64_t expected = sign && width <= 32 ? -(std::int64_t{1} << (width - 1)) : 0;
    for (int j = 0; j <= width - 2; ++j) {
        if (bits[size - 1 - static_cast<std::size_t>(j)] != '1')
            continue;
        if (j >= 31)
            high_bit = true;
        else
            expected += std::int64_t{1} << j;
    }
    if (width > 32 && (sign || high_bit)) {
        FUZZ_CHECK(!result);
        return;
    }
    FUZZ_CHECK(result && *result == expected);
    if (width <= 32 && Is_Bit_Text(bits, size))
        FUZZ_CHECK(nc::Signed_To_Bits(*result, width) == bits);
}

void Check_Unsigned_To_Bits(double value, std::int16_t width) {
    const std::string bits = nc::Unsigned_To_Bits(value, width);
    if (width <= 0) {
        FUZZ_CHECK(bits.empty());
        return;
    }
    const auto size = static_cast<std::size_t>(width);
    FUZZ_CHECK(Is_Bit_Text(bits, size));
    if (std::isnan(value) || value >= std::ldexp(1.0, width)) {
        FUZZ_CHECK(bits == std::string(size, '1'));
        return;
    }
    if (value < 1) {
        FUZZ_CHECK(bits == std::string(size, '0'));
        return;
    }
    const double whole = std::floor(value);
    for (int k = 0; k < width; ++k)
        FUZZ_CHECK((bits[size - 1 - static_cast<std::size_t>(k)] == '1') == Double_Bit(whole, k));
    FUZZ_CHECK(nc::Bits_To_Unsigned(bits, width) == whole);
}

void Check_Bits_To_Unsigned(const std::string& bits, std::int16_t width) {
    const auto result = Outcome([&] { return nc::Bits_To_Unsigned(bits, width); }, true, true);
    if (width <= 0) {
        FUZZ_CHECK(result && *result == 0);
        return;
    }
    const auto size = static_cast<std::size_t>(width);
    bool complete = bits.size() >= size;
    for (std::size_t i = 0; complete && i < size; ++i)
        complete = Is_Digit(bits[i]);
    if (!complete) {
        FUZZ_CHECK(!result);
        return;
    }
    // The highest set bit and, for widths a long double holds, the exact sum.
    int highest = -1;
    long double exact = 0;
    for (int j = 0; j < width; ++j) {
        if (bits[size - 1 - static_cast<std::size_t>(j)] != '1')
            continue;
        highest = j;
        exact += std::ldexp(1.0L, j);
    }
    if (highest >= 1024) {
        FUZZ_CHECK(!result);
        return;
    }
    if (highest <= 1022)
        FUZZ_CHECK(result.has_value());
    if (!result)
        return;
    FUZZ_CHECK(std::isfinite(*result) && *result >= 0);
    // Beyond 53 bits the weights are added one by one from the lowest, each
    // sum rounded: within half a unit of the last place per set bit.
    if (width <= std::numeric_limits<double>::digits)
        FUZZ_CHECK(*result == static_cast<double>(exact));
    else
        FUZZ_CHECK(std::fabs(*result - exact) <= 1e-15L * exact);
    if (width <= std::numeric_limits<double>::digits && Is_Bit_Text(bits, size))
        FUZZ_CHECK(nc::Unsigned_To_Bits(*result, width) == bits);
}

bool Is_Hex_Digit(char c) {
    return Is_Digit(c) || (c >= 'A' && c <= 'F');
}

void Check_Hex_To_Decimal(const std::string& hex) {
    const auto result = Outcome([&] { return nc::Hex_To_Decimal(hex); }, true, true);
    for (const char c : hex) {
        if (!Is_Hex_Digit(c)) {
            FUZZ_CHECK(!result);
            return;
        }
    }
    // The value's bit length, from the digits after the leading zeros.
    const auto first = hex.find_first_not_of('0');
    const std::string digits = first == std::string::npos ? "" : hex.substr(first);
    int bit_length = 0;
    if (!digits.empty()) {
        const int lead = digits[0] <= '9' ? digits[0] - '0' : digits[0] - 'A' + 10;
        bit_length = 4 * static_cast<int>(digits.size() - 1) +
                     static_cast<int>(std::bit_width(static_cast<unsigned>(lead)));
    }
    if (bit_length > 1024) {
        FUZZ_CHECK(!result);
        return;
    }
    if (bit_length <= 1023)
        FUZZ_CHECK(result.has_value());
    if (!result)
        return;
    FUZZ_CHECK(std::isfinite(*result) && *result >= 0);
    if (digits.size() <= 16) {
        const auto exact = digits.empty() ? 0ULL : std::strtoull(digits.c_str(), nullptr, 16);
        if (digits.size() <= 13)
            FUZZ_CHECK(*result == static_cast<double>(exact));
        else
            FUZZ_CHECK(std::fabs(*result - static_cast<long double>(exact)) <= 1e-15L * exact);
    } else {
        const long double exact = std::strtold(("0x" + digits).c_str(), nullptr);
        FUZZ_CHECK(std::fabs(*result - exact) <= 1e-15L * exact);
    }
    if (*result < Two_To_32)
        FUZZ_CHECK(nc::Decimal_To_Hex(*result) == (digits.empty() ? "0" : digits));
}

void Check_Decimal_To_Hex(double value) {
    const auto hex = Outcome([&] { return nc::Decimal_To_Hex(value); }, true, false);
    const double rounded = std::nearbyint(value); // halves to even
    const bool in_range = rounded >= -2147483648.0 && rounded < Two_To_32;
    FUZZ_CHECK(hex.has_value() == in_range);
    if (!hex)
        return;
    FUZZ_CHECK(!hex->empty() && hex->size() <= 8);
    for (const char c : *hex)
        FUZZ_CHECK(Is_Hex_Digit(c));
    FUZZ_CHECK(*hex == "0" || (*hex)[0] != '0');
    const double unsigned_value = rounded < 0 ? rounded + Two_To_32 : rounded;
    FUZZ_CHECK(static_cast<double>(std::strtoull(hex->c_str(), nullptr, 16)) == unsigned_value);
    FUZZ_CHECK(nc::Hex_To_Decimal(*hex) == unsigned_value);
}

void Check_Bits_Required(double value) {
    const auto bits = Outcome([&] { return nc::Bits_Required(value); }, true, false);
    FUZZ_CHECK(bits.has_value() == std::isfinite(value));
    if (!bits)
        return;
    const int n = *bits;
    const long double magnitude = std::fabs(value);
    // The smallest n with 2^n - 1 >= |v|.
    if (n <= 64) {
        FUZZ_CHECK(n >= 0 && std::ldexp(1.0L, n) - 1 >= magnitude);
        FUZZ_CHECK(n == 0 || std::ldexp(1.0L, n - 1) - 1 < magnitude);
    } else {
        FUZZ_CHECK(std::ilogb(value) == n - 1);
    }
}

void Check_Routine(char routine, std::int16_t width, const std::string& argument) {
    switch (routine) {
    case 's':
        return Check_Signed_To_Bits(Whole_Argument(argument), width);
    case 'b':
        return Check_Bits_To_Signed(argument, width);
    case 'u':
        return Check_Unsigned_To_Bits(Number_Argument(argument), width);
    case 'v':
        return Check_Bits_To_Unsigned(argument, width);
    case 'h':
        return Check_Hex_To_Decimal(argument);
    case 'd':
        return Check_Decimal_To_Hex(Number_Argument(argument));
    case 'r':
        return Check_Bits_Required(Number_Argument(argument));
    default:
        return Check_Routine("sbuvhdr"[static_cast<unsigned char>(routine) % 7], width, argument);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz_Input input(data, size);
    const auto routine = static_cast<char>(input.Take_Byte());
    // Widths wrap into the 16-bit range the routines take.
    const auto width = static_cast<std::int16_t>(input.Take_Number());
    Check_Routine(routine, width, std::string(input.Rest()));
    return 0;
}
