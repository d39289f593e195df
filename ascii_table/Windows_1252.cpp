// SPDX-License-Identifier: MIT
#include "Windows_1252.h"

#include <array>

namespace Windows_1252 {
namespace {

// Bytes 128 to 159; every other byte is the Unicode character of its number.
constexpr std::array<char16_t, 32> High_Controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 128..135
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 136..143
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 144..151
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 152..159
};

constexpr int First_High_Control = 0x80;
constexpr int Past_High_Controls = 0xA0;

} // namespace

QChar Character_Of(unsigned char code) {
    if (code >= First_High_Control && code < Past_High_Controls)
        return QChar(High_Controls[code - First_High_Control]);
    return QChar(code);
}

bool Code_Of(QChar character, unsigned char& code) {
    const char16_t unicode = character.unicode();
    if (unicode < First_High_Control || (unicode >= Past_High_Controls && unicode <= 0xFF)) {
        code = static_cast<unsigned char>(unicode);
        return true;
    }
    for (std::size_t index = 0; index < High_Controls.size(); ++index) {
        if (High_Controls[index] == unicode) {
            code = static_cast<unsigned char>(First_High_Control + index);
            return true;
        }
    }
    return false;
}

} // namespace Windows_1252
