// SPDX-License-Identifier: MIT
// Every conversion of the program: whole numbers to bit text and back
// (unsigned and two's complement), decimal to hexadecimal and back, and the
// number of bits a value needs. Pure functions; failures are
// Run_Time_Failure with number 6 (overflow) or 13 (type mismatch).
#pragma once

#include <cstdint>
#include <string>

namespace Number_Conversions {

// Bit texts hold exactly `width` characters "0"/"1", most significant first.
inline constexpr const char* Value_Too_High = "Value too High";

// Two's complement of the value in `width` bits, or "Value too High" when it
// does not fit (too high or too low).
std::string Signed_To_Bits(std::int32_t value, std::int16_t width);

// Reads a two's complement bit text; the first character is the sign bit.
// A non-digit character, or a text shorter than the width, fails with 13;
// a digit other than "1" is a clear bit. A value outside 32 bits (a width
// beyond 32 with the sign bit or a bit from 31 up set) fails with 6.
std::int32_t Bits_To_Signed(const std::string& bits, std::int16_t width);

// The caller checks the range: 2^width or more gives all ones, a negative
// value all zeros, and a fraction is dropped.
std::string Unsigned_To_Bits(double value, std::int16_t width);

// Characters as for Bits_To_Signed, without a sign bit. A width so large
// that the sum leaves the double range fails with 6, never infinity.
double Bits_To_Unsigned(const std::string& bits, std::int16_t width);

// Upper-case digits only; lower case fails with 13. The empty text is 0.
// A value beyond the double range fails with 6, never infinity; a text with a
// stray character fails with 13 however long it is.
double Hex_To_Decimal(const std::string& hex);

// Rounds halves to even; -2147483648..-1 give their 32-bit two's complement,
// 0..4294967295 their plain digits; anything else fails with 6.
std::string Decimal_To_Hex(double value);

// The number of bits |value| needs: log2(|v| + 1) rounded up, exact for
// every value (the smallest n with 2^n >= |v| + 1), so 2147483647 needs 31
// and 2.5 needs 2. Infinity and NaN fail with 6.
std::int16_t Bits_Required(double value);

} // namespace Number_Conversions
