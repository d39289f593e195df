// SPDX-License-Identifier: MIT
#include "Key_Filter.h"

namespace Key_Filter {
namespace {
constexpr int Backspace = 8;
constexpr int Minus = 45;
bool Is_Digit(int code) {
    return code >= 48 && code <= 57;
}
} // namespace

int Filter(int index, int key_code) {
    switch (index) {
    case 0:
    case 1:
    case 2:
        return Is_Digit(key_code) || key_code == Backspace ? key_code : 0;
    case 3:
    case 4:
    case 5:
        return Is_Digit(key_code) || key_code == Minus || key_code == Backspace ? key_code : 0;
    case 8:
        if (Is_Digit(key_code) || (key_code >= 65 && key_code <= 70) || key_code == Backspace)
            return key_code;
        if (key_code >= 97 && key_code <= 102)
            return key_code - 32;
        return 0;
    default:
        return key_code;
    }
}

bool Filters(int index) {
    return index != 6 && index != 7;
}

} // namespace Key_Filter
