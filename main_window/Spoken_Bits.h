// SPDX-License-Identifier: MIT
// The form in which a screen reader is handed a bit text.
#pragma once

#include <QString>
#include <QStringView>

// Each digit a word of its own and a comma after every four: speech
// synthesisers read "11001000" as eleven million and one thousand, but
// "1 1 0 0, 1 0 0 0" digit by digit, with a pause after each hexadecimal digit.
QString Spoken_Bits(QStringView bits);
