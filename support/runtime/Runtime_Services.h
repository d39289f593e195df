// SPDX-License-Identifier: MIT
// Run-time number services: the program's one failure type, the numeric-text
// parser, the canonical text of a double and the integer conversions.
// Standard C++ only, so that the conversion engine can use it without Qt.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// Failure numbers that the program raises. The error log writes the number
// and Error_Description's text for it.
namespace Failure {
inline constexpr int Invalid_Procedure_Call = 5; // a focus move onto a hidden window
inline constexpr int Overflow = 6;      // a value outside its integer type or the double range
inline constexpr int Out_Of_Memory = 7; // std::bad_alloc caught by a handler's trap
inline constexpr int Subscript_Out_Of_Range = 9; // an index outside a control array
inline constexpr int Division_By_Zero = 11;      // a gradient with zero steps
inline constexpr int Type_Mismatch = 13;         // a text that is not a number where one is needed
// Any other exception caught by a handler's trap; logged with the generic
// description, since nothing more is known of it.
inline constexpr int Internal_Error = 51;
} // namespace Failure

class Run_Time_Failure : public std::runtime_error {
public:
    explicit Run_Time_Failure(int number);
    int number() const noexcept { return number_; }

private:
    int number_;
};

namespace Runtime_Services {

// The separators of the user's locale; the windows fill it from QLocale.
struct Number_Format {
    std::string decimal_separator = ".";
    std::string group_separator = ",";
};

// The one numeric-text parser. It accepts blanks around the number, one
// leading sign, digits with group separators, one decimal separator and an
// exponent ("E" or "e", optional sign). A number whose magnitude lies outside
// the double range ("1E400", "1E-400") is not numeric: it would otherwise
// turn into infinity or silently into zero.
std::optional<double> Parse_Number(std::string_view text, const Number_Format& format = {});

bool Is_Numeric(std::string_view text, const Number_Format& format = {});

// Converts numeric text to a double; text that is not numeric fails with 13.
double To_Double(std::string_view text, const Number_Format& format = {});

// Whole numbers below 10^15 in plain digits; otherwise at most 15 significant
// digits, in exponent form ("1E+15", "1.5E-05") when the decimal exponent is below
// -4 or at least 15. A leading "-" for negatives, never "-0". The text always
// reads back through Parse_Number with the same format: the few doubles next
// to the largest one print as 1.79769313486231E+308. Infinity and NaN have no
// number text and fail with 6.
std::string Canonical_Number_Text(double value, const Number_Format& format = {});

// Nearest whole number, halves to the even neighbour, whatever the
// floating-point rounding mode.
double Round_Half_Even(double value);

// Round half to even, then fail with 6 outside the type's range.
std::int16_t To_Int16(double value);
std::int32_t To_Int32(double value);

// A one-character text "0" to "9" gives its digit; anything else (letters,
// blanks, punctuation, the empty text, several characters) fails with 13.
int Digit_Value(std::string_view character);

// 2^exponent as a double, exact for every exponent a double can hold.
double Power_Of_Two(int exponent);

// A fixed English description for every number the program raises, the empty
// text for 0 and one generic description for any other number.
std::string Error_Description(int number);

} // namespace Runtime_Services
