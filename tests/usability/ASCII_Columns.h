// SPDX-License-Identifier: MIT
// Where the ASCII table's text box draws the fields of a line.
#pragma once

#include <QString>
#include <array>

class QPlainTextEdit;

namespace ASCII_Columns {

// The fields of every line in the order they read; the code field is
// labelled "ASCII" or "Ascii".
inline constexpr std::array<const char*, 6> Labels{"Value:", "Binary", "Hexadecimal",
                                                   "Octal",  "ASCII",  "Char ="};

// The line of the code as the box holds it.
QString Line(const QPlainTextEdit& box, int code);

// The left edge of the character at `column` of the code's line, in the
// box's viewport, as the box lays it out.
int X_Of(const QPlainTextEdit& box, int code, qsizetype column);

// The left edge of each label of the code's line, in the order of Labels;
// -1 for a label the line lacks.
std::array<int, Labels.size()> Label_Positions(const QPlainTextEdit& box, int code);

} // namespace ASCII_Columns
