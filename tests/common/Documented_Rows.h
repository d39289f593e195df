// SPDX-License-Identifier: MIT
// What each conversion row documents for a text: the field, the status line,
// the toggles and the logged failure after its button's command. The window
// tests paste the input and compare; the monkey's oracle must reckon the same
// from the field alone.
#pragma once

#include <ostream>
#include <string>

struct Documented_Row {
    const char* name;
    int row;
    const char* input;   // pasted into the field; nullptr: a case for the oracle only
    const char* field;   // after the command
    const char* status;  // nullptr: the status keeps its text
    const char* toggles; // nullptr: the toggles keep their states (rows 6 to 8 have none)
    int failure;         // the logged failure number, 0 for none
};

inline void PrintTo(const Documented_Row& row, std::ostream* out) {
    *out << row.name;
}

// Longer than the 32,767 characters Qt's fields hold by default.
inline const std::string Zeros_Then_5 = std::string(40000, '0') + "5";

inline const Documented_Row Documented_Rows[] = {
    {"row0_200", 0, "200", "200", "200 = 11001000", "11001000", 0},
    {"row0_255_all_ones", 0, "255", "255", "255 = 11111111", "11111111", 0},
    {"row0_256_refused", 0, "256", "256", "256 is to large to process", nullptr, 0},
    {"row0_abc_becomes_zero", 0, "abc", "0", "0 = 00000000", "00000000", 0},
    {"row0_007_becomes_7", 0, "007", "7", "7 = 00000111", "00000111", 0},
    {"row0_grouped_thousand_refused", 0, "1,000", "1000", "1000 is to large to process", nullptr,
     0},
    {"row0_2_7_rounds_to_3", 0, "2.7", "2.7", "2.7 = 00000011", "00000011", 0},
    {"row0_2_5_to_even", 0, "2.5", "2.5", "2.5 = 00000010", "00000010", 0},
    {"row0_negative_all_zeros", 0, "-5", "-5", "-5 = 00000000", "00000000", 0},
    {"row1_65535", 1, "65535", "65535", "65535 = 1111111111111111", "1111111111111111", 0},
    {"row1_65536_refused", 1, "65536", "65536", "65536 is to large to process", nullptr, 0},
    {"row1_beyond_int32_overflows", 1, nullptr, "-3000000000", nullptr, nullptr, 6},
    {"row2_40000_zeros_then_5_kept_whole", 2, Zeros_Then_5.c_str(), "5",
     "5 = 00000000000000000000000000000101", "00000000000000000000000000000101", 0},
    {"row2_4294967295", 2, "4294967295", "4294967295",
     "4294967295 = 11111111111111111111111111111111", "11111111111111111111111111111111", 0},
    {"row2_4294967296_refused", 2, "4294967296", "4294967296", "4294967296 is to large to process",
     nullptr, 0},
    {"row2_2_7_drops_fraction", 2, "2.7", "2.7", "2.7 = 00000000000000000000000000000010",
     "00000000000000000000000000000010", 0},
    {"row2_huge_negative_zeros", 2, nullptr, "-1E+300",
     "-1E+300 = 00000000000000000000000000000000", "00000000000000000000000000000000", 0},
    {"row3_minus_one", 3, "-1", "-1", "-1 = 11111111", "11111111", 0},
    {"row3_128_refused", 3, "128", "128", "128 is to large to process", nullptr, 0},
    {"row3_minus_128", 3, "-128", "-128", "-128 = 10000000", "10000000", 0},
    {"row3_minus_129_too_high", 3, "-129", "-129", "-129 = Value too High", nullptr, 13},
    {"row4_40000_refused", 4, "40000", "40000", "40000 is to large to process", nullptr, 0},
    {"row4_minus_32768", 4, "-32768", "-32768", "-32768 = 1000000000000000", "1000000000000000", 0},
    {"row5_lowest", 5, "-2147483648", "-2147483648",
     "-2147483648 = 10000000000000000000000000000000", "10000000000000000000000000000000", 0},
    {"row5_highest", 5, "2147483647", "2147483647", "2147483647 = 01111111111111111111111111111111",
     "01111111111111111111111111111111", 0},
    {"row5_below_int32", 5, nullptr, "-2147483649", nullptr, nullptr, 6},
    {"row6_zero_is_one_bit", 6, "0", "0", "0 requires 1 bits, MSB is bit 0 = 1", nullptr, 0},
    {"row6_255", 6, "255", "255", "255 requires 8 bits, MSB is bit 7 = 128", nullptr, 0},
    {"row6_256", 6, "256", "256", "256 requires 9 bits, MSB is bit 8 = 256", nullptr, 0},
    {"row6_2_5", 6, "2.5", "2.5", "2.5 requires 2 bits, MSB is bit 1 = 2", nullptr, 0},
    {"row6_minus_one_sorry", 6, "-1", "-1", "Sorry, only positive numbers are accepted", nullptr,
     0},
    {"row6_3000000000_refused", 6, "3000000000", "3000000000", "3000000000 is to large to process",
     nullptr, 0},
    {"row6_536870911_exact", 6, "536870911", "536870911",
     "536870911 requires 29 bits, MSB is bit 28 = 268435456", nullptr, 0},
    {"row6_2147483647_exact", 6, "2147483647", "2147483647",
     "2147483647 requires 31 bits, MSB is bit 30 = 1073741824", nullptr, 0},
    {"row6_text_becomes_zero", 6, "xyz", "0", "0 requires 1 bits, MSB is bit 0 = 1", nullptr, 0},
    {"row7_255", 7, "255", "255", "[Decimal] 255 = [Hexadecimal] FF", nullptr, 0},
    {"row7_minus_one", 7, "-1", "-1", "[Decimal] -1 = [Hexadecimal] FFFFFFFF", nullptr, 0},
    {"row7_3000000000_unsigned_digits", 7, "3000000000", "3000000000",
     "[Decimal] 3000000000 = [Hexadecimal] B2D05E00", nullptr, 0},
    {"row7_4294967296_refused", 7, "4294967296", "4294967296", "4294967296 is to large to process",
     nullptr, 0},
    {"row7_2_5_rounds_to_even", 7, "2.5", "2.5", "[Decimal] 2.5 = [Hexadecimal] 2", nullptr, 0},
    {"row7_below_int32", 7, nullptr, "-2147483649", nullptr, nullptr, 6},
    {"row8_FF", 8, "FF", "FF", "[Hexadecimal] FF = [Decimal] 255", nullptr, 0},
    {"row8_empty_becomes_zero", 8, "", "0", "[Hexadecimal] 0 = [Decimal] 0", nullptr, 0},
    {"row8_1E2_read_as_decimal_first", 8, "1E2", "100", "[Hexadecimal] 100 = [Decimal] 256",
     nullptr, 0},
    {"row8_0010_normalised", 8, "0010", "10", "[Hexadecimal] 10 = [Decimal] 16", nullptr, 0},
    {"row8_leading_zeros", 8, nullptr, "000010", "[Hexadecimal] 000010 = [Decimal] 16", nullptr, 0},
    {"row8_lower_case_mismatch", 8, nullptr, "ff", nullptr, nullptr, 13},
    {"row8_exponent_text_mismatch", 8, nullptr, "1E+20", nullptr, nullptr, 13},
};
