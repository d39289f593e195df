// SPDX-License-Identifier: MIT
// The Windows-1252 single-byte character set. The five codes it leaves
// undefined (129, 141, 143, 144, 157) map to the Unicode control character of
// the same number, so every byte has exactly one character and back.
#pragma once

#include <QChar>

namespace Windows_1252 {

// The character of a byte 0 to 255.
QChar Character_Of(unsigned char code);

// The byte of a character of the set, or nothing when the set lacks it.
bool Code_Of(QChar character, unsigned char& code);

} // namespace Windows_1252
