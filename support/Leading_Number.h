// SPDX-License-Identifier: MIT
// The number a text starts with, as a value of the 32-bit number type gets it.
#pragma once

#include <cstdint>
#include <string_view>

namespace Registry {

// The decimal number at the start of the text (after leading blanks: a sign,
// digits, a "." and digits, an exponent), to the nearest whole number with
// halves to even: "1.0.24" gives 1, "02/02/2013" gives 2, text without a
// leading number gives 0. Fails with 6 outside the 32-bit or the double
// range.
std::int32_t Leading_Whole_Number(std::string_view text);

} // namespace Registry
