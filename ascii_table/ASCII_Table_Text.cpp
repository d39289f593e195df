// SPDX-License-Identifier: MIT
#include "ASCII_Table_Text.h"

#include "Number_Conversions.h"
#include "Runtime_Services.h"
#include "Single_Byte_Charset.h"

#include <array>

namespace ASCII_Table_Text {
namespace {

constexpr int Table_Width = 16;
constexpr int Last_Named_Code = 32;

// The names of codes 0 to 32, spelt as the table has always shown them.
constexpr std::array<const char*, Last_Named_Code + 1> Control_Texts = {
    " Char = NULL",
    " Char = SOH - start of heading",
    " Char = STX - start of text",
    " Char = ETX - end of text",
    " Char = EOT - end of transmission",
    " Char = ENQ - enquiry",
    " Char = ACK - acknowledge",
    " Char = BEL - bell",
    " Char = BS  - backspace",
    " Char = TAB - horizontal tab",
    " Char = LF  - NL line feed, new line",
    " Char = VT  - verticle tab",
    " Char = FF  - NP form feed, new page",
    " Char = CR  - carrige return",
    " Char = SO  - shift out",
    " Char = SI  - shift in",
    " Char = DLE - data link escape",
    " Char = DC1 - device control 1",
    " Char = DC2 - device control 2",
    " Char = DC3 - device control 3",
    " Char = DC4 - device control 4",
    " Char = NAK - negative acknowledge",
    " Char = SYN - synchronous idle",
    " Char = ETB - end of transmission block",
    " Char = CAN - cancel",
    " Char = EM  - end of medium",
    " Char = SUB - substitute",
    " Char = ESC - escape",
    " Char = FS  - file separator",
    " Char = GS  - group separator",
    " Char = RS  - record separator",
    " Char = US  - unit separator",
    " Char = SPACE",
};

QString Number(int value, int base) {
    return QString::number(value, base).toUpper();
}

QString Decimal_Field(int code) {
    if (code < 10)
        return QStringLiteral("00") + Number(code, 10);
    if (code < 100)
        return QStringLiteral("0") + Number(code, 10);
    return Number(code, 10);
}

QString Binary_Field(int code) {
    return QString::fromStdString(Number_Conversions::Signed_To_Bits(code, Table_Width));
}

QString Hexadecimal_Field(int code) {
    if (code < 16)
        return QStringLiteral("  Hexadecimal = 0") + Number(code, 16);
    return QStringLiteral("  Hexadecimal = ") + Number(code, 16);
}

QString Octal_Field(int code) {
    if (code < 8)
        return QStringLiteral("  Octal =   ") + Number(code, 8);
    if (code < 64)
        return QStringLiteral("  Octal =  ") + Number(code, 8);
    return QStringLiteral("  Octal = ") + Number(code, 8);
}

QString Code_Field(int code) {
    const int round_trip = Single_Byte_Charset::Code_Of(Single_Byte_Charset::Character_Of(code));
    if (round_trip < 10)
        return QStringLiteral("  ASCII =   ") + Number(round_trip, 10);
    if (round_trip < 100)
        return QStringLiteral("  Ascii =  ") + Number(round_trip, 10);
    return QStringLiteral("  ASCII = ") + Number(round_trip, 10);
}

QString Character_Field(int code) {
    if (code <= Last_Named_Code)
        return QString::fromLatin1(Control_Texts[code]);
    return QStringLiteral(" Char = ") + Single_Byte_Charset::Character_Of(code);
}

} // namespace

QString Line(int code) {
    if (code < 0 || code >= Code_Count)
        throw Run_Time_Failure(Failure::Invalid_Procedure_Call);
    return QStringLiteral("Value: ") + Decimal_Field(code) + QStringLiteral(" Binary = ") +
           Binary_Field(code) + Hexadecimal_Field(code) + Octal_Field(code) + Code_Field(code) +
           Character_Field(code) + QLatin1String(Line_End);
}

void Append_Table(QString& text, const Line_Builder& line) {
    text.reserve(text.size() + Table_Length);
    for (int code = 0; code < Code_Count; ++code)
        text += line(code);
}

QString Table() {
    QString text;
    Append_Table(text);
    return text;
}

} // namespace ASCII_Table_Text
