// SPDX-License-Identifier: MIT
// The text of the ASCII table: one line per code 0 to 255 giving the code in
// decimal, 16-digit binary, hexadecimal and octal, the character's own code
// and the character itself or the name of a control code.
#pragma once

#include <QString>
#include <functional>

namespace ASCII_Table_Text {

inline constexpr int Code_Count = 256;
inline constexpr qsizetype Table_Length = 23884;
inline constexpr const char* Line_End = "\r\n";

// One line with its CR LF; a code outside 0 to 255 fails with 5.
QString Line(int code);

// Called with each code before its line is built; may throw to stop the
// table there (tests use it to fail part-way).
using Before_Line = std::function<void(int code)>;

// Appends the lines of codes 0 to 255 to text, whole lines only: when a line
// fails, text keeps the lines before it and the failure goes on.
void Append_Table(QString& text, const Before_Line& before_line = {});

// The whole table, 256 lines, 23,884 characters.
QString Table();

} // namespace ASCII_Table_Text
