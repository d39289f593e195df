// SPDX-License-Identifier: MIT
// The system's single-byte character set, as the ASCII table shows it: the
// ANSI code page on Windows, Windows-1252 everywhere else.
#pragma once

#include <QChar>

namespace Single_Byte_Charset {

// The character of a code 0 to 255; any other code fails with 5.
QChar Character_Of(int code);

// The code of a character converted back through the same set; a character
// the set lacks gives the code of "?", as the system's own conversion does.
int Code_Of(QChar character);

} // namespace Single_Byte_Charset
