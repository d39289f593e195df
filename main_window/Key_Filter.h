// SPDX-License-Identifier: MIT
#pragma once

namespace Key_Filter {

// The character code that field `index` lets through: unsigned fields take
// digits and backspace, signed fields also "-", the hexadecimal field digits,
// "A" to "F" and backspace (typed "a" to "f" become capitals); fields 6 and 7
// take everything. 0 drops the character.
int Filter(int index, int key_code);

// Whether field `index` filters its characters at all (fields 6 and 7 do not).
bool Filters(int index);

} // namespace Key_Filter
