// SPDX-License-Identifier: MIT
#include "Number_Conversions.h"

#include "Runtime_Services.h"

#include <cmath>

namespace Number_Conversions {
namespace {

using Runtime_Services::Digit_Value;
using Runtime_Services::Power_Of_Two;

// The character that stands for bit `slot` of a `width`-bit text; a missing
// character reads as the empty text, which is no number.
std::string_view Bit_Character(const std::string& bits, int width, int slot) {
    const std::size_t position = static_cast<std::size_t>(width - 1 - slot);
    if (position >= bits.size())
        return {};
    return std::string_view(bits).substr(position, 1);
}

bool Is_Set(const std::string& bits, int width, int slot) {
    return Digit_Value(Bit_Character(bits, width, slot)) == 1;
}

} // namespace

std::string Signed_To_Bits(std::int32_t value, std::int16_t width) {
    const int top = width - 1;
    const double highest = Power_Of_Two(top) - 1;
    const double lowest = -Power_Of_Two(top);
    double v = value; // every 32-bit value and its magnitude are exact as doubles
    if (v < lowest || v > highest)
        return Value_Too_High;

    std::string bits(static_cast<std::size_t>(width), '0');
    auto slot = [&](int n) -> char& { return bits[static_cast<std::size_t>(top - n)]; };
    if (v < 0) {
        slot(top) = '1';
        for (int n = top - 1; n >= 0; --n) {
            const double weight = Power_Of_Two(n);
            if (weight >= std::fabs(v)) {
                slot(n) = '1';
            } else {
                v += weight;
            }
        }
    } else {
        for (int n = top - 1; n >= 0; --n) {
            const double weight = Power_Of_Two(n);
            if (v >= weight) {
                v -= weight;
                slot(n) = '1';
            }
        }
    }
    return bits;
}

std::int32_t Bits_To_Signed(const std::string& bits, std::int16_t width) {
    const std::string_view first = std::string_view(bits).substr(0, bits.empty() ? 0 : 1);
    std::int32_t value = 0;
    if (Digit_Value(first) == 1) {
        // -(2^w - 1) / 2 with ties to even is exactly -2^(w-1).
        value = Runtime_Services::To_Int32(-(Power_Of_Two(width) - 1) / 2);
    }
    for (int j = 0; j <= width - 2; ++j) {
        if (Is_Set(bits, width, j))
            value = Runtime_Services::To_Int32(Power_Of_Two(j) + value);
    }
    return value;
}

std::string Unsigned_To_Bits(double value, std::int16_t width) {
    std::string bits;
    bits.reserve(width > 0 ? static_cast<std::size_t>(width) : 0);
    for (int n = width - 1; n >= 0; --n) {
        const double weight = Power_Of_Two(n);
        if (weight > value) {
            bits += '0';
        } else {
            value -= weight;
            bits += '1';
        }
    }
    return bits;
}

double Bits_To_Unsigned(const std::string& bits, std::int16_t width) {
    double sum = 0;
    for (int j = 0; j <= width - 1; ++j) {
        if (Is_Set(bits, width, j))
            sum += Power_Of_Two(j);
    }
    return sum;
}

double Hex_To_Decimal(const std::string& hex) {
    // Weights are added from the least significant bit upwards, so that texts
    // longer than a double's precision round the same way every time.
    double result = 0;
    int bit = 0;
    for (auto c = hex.rbegin(); c != hex.rend(); ++c) {
        const int digit = (*c >= 'A' && *c <= 'F') ? *c - 'A' + 10
                                                   : Digit_Value(std::string_view(&*c, 1));
        for (int n = 0; n < 4; ++n, ++bit) {
            if ((digit >> n) & 1) {
                const double weight = Power_Of_Two(bit);
                if (std::isinf(weight))
                    throw Run_Time_Failure(Failure::Overflow);
                result += weight;
            }
        }
    }
    if (std::isinf(result))
        throw Run_Time_Failure(Failure::Overflow);
    return result;
}

std::string Decimal_To_Hex(double value) {
    const double rounded = Runtime_Services::Round_Half_Even(value);
    if (!(rounded >= -2147483648.0 && rounded <= 4294967295.0))
        throw Run_Time_Failure(Failure::Overflow);
    // Negative values show their 32-bit two's complement.
    auto digits = static_cast<std::uint32_t>(static_cast<std::int64_t>(rounded));
    static constexpr char hex_digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), hex_digits[digits & 0xF]);
        digits >>= 4;
    } while (digits != 0);
    return text;
}

std::int16_t Bits_Required(double value) {
    const double magnitude_plus_one = std::fabs(value) + 1;
    const double x = std::log(magnitude_plus_one) / std::log(2.0);
    const std::int16_t r = Runtime_Services::To_Int16(x);
    int bits = x > r ? r + 1 : r;
    // The logarithm may land one unit above a whole number where |v| + 1 is a
    // power of two (536870911, 2147483647); the count must be the smallest n
    // with 2^n >= |v| + 1.
    while (bits > 0 && Power_Of_Two(bits - 1) >= magnitude_plus_one)
        --bits;
    while (Power_Of_Two(bits) < magnitude_plus_one)
        ++bits;
    return static_cast<std::int16_t>(bits);
}

} // namespace Number_Conversions
