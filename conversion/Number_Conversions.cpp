// SPDX-License-Identifier: MIT
#include "Number_Conversions.h"

#include "Runtime_Services.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>

namespace Number_Conversions {
namespace {

using Runtime_Services::Power_Of_Two;

// The largest exponent whose power of two is still a finite double.
constexpr int Highest_Finite_Power = std::numeric_limits<double>::max_exponent - 1;

// Whether a bit character is set: "1" is, any other digit is a clear bit, and
// everything else (a letter, a blank, the empty text of a missing character)
// fails with 13 through the program's one digit conversion.
bool Is_Set_Bit(std::string_view character) {
    if (character == "1")
        return true;
    if (character == "0")
        return false;
    return Runtime_Services::Digit_Value(character) == 1;
}

bool Is_Set_Bit(const char& character) {
    if (character == '1')
        return true;
    if (character == '0')
        return false;
    return Runtime_Services::Digit_Value(std::string_view(&character, 1)) == 1;
}

// The bit characters of a text as a whole number, most significant first.
std::uint64_t Bit_Pattern(std::string_view characters) {
    std::uint64_t pattern = 0;
    for (const char& c : characters)
        pattern = (pattern << 1) | (Is_Set_Bit(c) ? 1U : 0U);
    return pattern;
}

// Widths whose sum of weights a double holds exactly, so that whole-number
// arithmetic gives the same result as adding the weights one by one.
constexpr int Exact_Width = std::numeric_limits<double>::digits; // 53

// The character that stands for bit `slot` of a `width`-bit text: slot 0 is
// the character at position `width` (counting from 1), so a text longer than
// the width has its surplus on the right ignored, and a shorter one has
// missing characters, which read as the empty text.
std::string_view Bit_Character(const std::string& bits, int width, int slot) {
    const int position = width - 1 - slot;
    if (position < 0 || static_cast<std::size_t>(position) >= bits.size())
        return {};
    return std::string_view(bits).substr(static_cast<std::size_t>(position), 1);
}

// -(2^w - 1) / 2 rounded with ties to even: exactly -2^(w-1) for widths 2 to
// 32, 0 for narrower ones, an overflow beyond 32 bits.
std::int64_t Sign_Bit_Value(int width) {
    if (width >= 2 && width <= 32)
        return -(std::int64_t{1} << (width - 1));
    return Runtime_Services::To_Int32(-(Power_Of_Two(width) - 1) / 2);
}

std::string_view First_Character(const std::string& bits) {
    return std::string_view(bits).substr(0, bits.empty() ? 0 : 1);
}

// The eight bit characters of every byte, most significant first.
constexpr auto Byte_Texts = [] {
    std::array<std::array<char, 8>, 256> texts{};
    for (std::size_t byte = 0; byte < texts.size(); ++byte) {
        for (std::size_t i = 0; i < 8; ++i)
            texts[byte][i] = ((byte >> (7 - i)) & 1U) != 0 ? '1' : '0';
    }
    return texts;
}();

// Writes the low `count` bits (at most 64) of a pattern as bit characters,
// most significant first, a byte at a time from the right.
void Write_Low_Bits(std::uint64_t pattern, std::size_t count, char* out) {
    char* end = out + count;
    for (; count >= 8; count -= 8, pattern >>= 8) {
        end -= 8;
        std::memcpy(end, Byte_Texts[pattern & 0xFFU].data(), 8);
    }
    if (count > 0)
        std::memcpy(out, Byte_Texts[pattern & 0xFFU].data() + 8 - count, count);
}

// Whether a 32-bit value lies between -2^(width-1) and 2^(width-1) - 1.
bool Fits_Signed(std::int32_t value, int width) {
    if (width <= 0)
        return false;
    if (width > 32)
        return true;
    const std::int64_t limit = std::int64_t{1} << (width - 1);
    return value >= -limit && value < limit;
}

// The two's complement of a value in a width it fits, the sign repeated
// above bit 31.
std::string Twos_Complement_Text(std::int32_t value, std::size_t width) {
    const auto pattern = static_cast<std::uint32_t>(value);
    if (width <= 32) {
        char text[32];
        Write_Low_Bits(pattern, width, text);
        return std::string(text, width);
    }
    std::string bits(width, value < 0 ? '1' : '0');
    Write_Low_Bits(pattern, 32, bits.data() + width - 32);
    return bits;
}

std::string All_Characters(std::int16_t width, char c) {
    return std::string(width > 0 ? static_cast<std::size_t>(width) : 0, c);
}

// The literal subtraction of weights, kept for widths beyond 64 bits where
// the value no longer fits an integer type.
std::string Unsigned_To_Bits_By_Weights(double value, std::int16_t width) {
    std::string bits;
    bits.reserve(static_cast<std::size_t>(width));
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

int Hex_Digit_Value(char c) {
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= '0' && c <= '9')
        return c - '0';
    return Runtime_Services::Digit_Value(std::string_view(&c, 1)); // fails with 13
}

// Up to 13 digits (52 bits) the sum of the weights is exact, so whole-number
// arithmetic gives the same double as adding the weights one by one.
constexpr std::size_t Exact_Hex_Digits = 13;

double Exact_Hex_Value(std::string_view hex) {
    std::uint64_t value = 0;
    for (const char c : hex)
        value = value * 16 + static_cast<std::uint64_t>(Hex_Digit_Value(c));
    return static_cast<double>(value);
}

// Adds the weights from the least significant bit upwards, so that texts
// longer than a double's precision round the same way every time. The last
// 13 digits sum exactly; from bit 52 up every weight is added on its own.
// Every character has been checked already.
double Long_Hex_Value(const std::string& hex) {
    const std::size_t exact_from = hex.size() - Exact_Hex_Digits;
    double result = Exact_Hex_Value(std::string_view(hex).substr(exact_from));
    std::size_t bit = 4 * Exact_Hex_Digits;
    for (std::size_t at = exact_from; at-- > 0;) {
        const int digit = Hex_Digit_Value(hex[at]);
        for (int n = 0; n < 4; ++n, ++bit) {
            if (((digit >> n) & 1) == 0)
                continue;
            if (bit > static_cast<std::size_t>(Highest_Finite_Power))
                throw Run_Time_Failure(Failure::Overflow);
            result += Power_Of_Two(static_cast<int>(bit));
        }
    }
    // Every weight may be finite while their sum rounds to infinity.
    if (std::isinf(result))
        throw Run_Time_Failure(Failure::Overflow);
    return result;
}

} // namespace

std::string Signed_To_Bits(std::int32_t value, std::int16_t width) {
    // The range is -2^(w-1) to 2^(w-1) - 1; in it, the weight-by-weight
    // construction gives exactly the two's complement, which the bits of the
    // value hold already.
    if (!Fits_Signed(value, width))
        return Value_Too_High;
    return Twos_Complement_Text(value, static_cast<std::size_t>(width));
}

std::int32_t Bits_To_Signed(const std::string& bits, std::int16_t width) {
    std::int64_t value = 0;
    if (Is_Set_Bit(First_Character(bits)))
        value = Sign_Bit_Value(width);
    const auto size = static_cast<std::size_t>(width);
    if (width >= 1 && width <= 32 && bits.size() >= size) {
        // Every character is there and no sum can leave 32 bits.
        value += static_cast<std::int64_t>(Bit_Pattern(std::string_view(bits).substr(1, size - 1)));
        return static_cast<std::int32_t>(value);
    }
    for (int j = 0; j <= width - 2; ++j) {
        if (!Is_Set_Bit(Bit_Character(bits, width, j)))
            continue;
        if (j > 31)
            throw Run_Time_Failure(Failure::Overflow);
        value += std::int64_t{1} << j;
        if (value > std::numeric_limits<std::int32_t>::max())
            throw Run_Time_Failure(Failure::Overflow);
    }
    return static_cast<std::int32_t>(value);
}

std::string Unsigned_To_Bits(double value, std::int16_t width) {
    if (width > 64)
        return Unsigned_To_Bits_By_Weights(value, width);
    // Subtracting the weights leaves all ones from 2^width up (and for NaN,
    // which no comparison stops), all zeros below 1, and otherwise the bits
    // of the whole part.
    if (!(value < Power_Of_Two(width)))
        return All_Characters(width, '1');
    if (!(value >= 1))
        return All_Characters(width, '0');
    // The whole part, below 2^64 here.
    const auto size = static_cast<std::size_t>(width);
    char text[64];
    Write_Low_Bits(static_cast<std::uint64_t>(value), size, text);
    return std::string(text, size);
}

double Bits_To_Unsigned(const std::string& bits, std::int16_t width) {
    const auto size = static_cast<std::size_t>(width);
    if (width >= 1 && width <= Exact_Width && bits.size() >= size)
        return static_cast<double>(Bit_Pattern(std::string_view(bits).substr(0, size)));
    double sum = 0;
    for (int j = 0; j <= width - 1; ++j) {
        if (!Is_Set_Bit(Bit_Character(bits, width, j)))
            continue;
        if (j > Highest_Finite_Power)
            throw Run_Time_Failure(Failure::Overflow);
        sum += Power_Of_Two(j);
    }
    if (std::isinf(sum))
        throw Run_Time_Failure(Failure::Overflow);
    return sum;
}

double Hex_To_Decimal(const std::string& hex) {
    // Every character is checked before any weight is added: a stray
    // character fails with 13 even in a text too long for a double.
    for (const char c : hex)
        Hex_Digit_Value(c);
    if (hex.size() <= Exact_Hex_Digits)
        return Exact_Hex_Value(hex);
    return Long_Hex_Value(hex);
}

std::string Decimal_To_Hex(double value) {
    const double rounded = Runtime_Services::Round_Half_Even(value);
    if (!(rounded >= -2147483648.0 && rounded <= 4294967295.0))
        throw Run_Time_Failure(Failure::Overflow); // NaN too
    // Negative values show their 32-bit two's complement; 2147483648 to
    // 4294967295 show their unsigned digits.
    auto digits = static_cast<std::uint32_t>(static_cast<std::int64_t>(rounded));
    static constexpr char hex_digits[] = "0123456789ABCDEF";
    char buffer[8];
    char* first = buffer + sizeof buffer;
    do {
        *--first = hex_digits[digits & 0xFU];
        digits >>= 4;
    } while (digits != 0);
    return std::string(first, buffer + sizeof buffer);
}

std::int16_t Bits_Required(double value) {
    // ceil(log2(|v| + 1)) taken exactly: the smallest n with 2^n >= |v| + 1.
    // The rounded logarithm lands above a whole number where |v| + 1 is a
    // power of two (536870911, 2147483647) and would count one bit too many.
    const double magnitude = std::fabs(value);
    if (!std::isfinite(magnitude))
        throw Run_Time_Failure(Failure::Overflow);
    if (magnitude == 0)
        return 0;
    if (magnitude < 1)
        return 1;
    int exponent = 0;
    std::frexp(magnitude, &exponent); // 2^(exponent-1) <= |v| < 2^exponent
    // 2^exponent - 1 is exact up to 53 bits; beyond, |v| is whole and below
    // 2^exponent, so it is at most 2^exponent - 1.
    const bool fits =
        exponent > std::numeric_limits<double>::digits || magnitude <= Power_Of_Two(exponent) - 1;
    return static_cast<std::int16_t>(fits ? exponent : exponent + 1);
}

} // namespace Number_Conversions
