// SPDX-License-Identifier: MIT
// The form in which a screen reader's voice is handed a status text.
#pragma once

#include <QString>
#include <QStringView>

// A bit pattern after the last " = " is spelled digit by digit, with a comma
// after every four: synthesizers read "11001000" as eleven million and one
// thousand, but "1 1 0 0, 1 0 0 0" digit by digit, pausing after each
// hexadecimal digit. Every other text is spoken as it is shown.
QString Spoken_Form(const QString& shown);

// "1 1 0 0, 1 0 0 0" for "11001000".
QString Spoken_Bits(QStringView bits);
