// SPDX-License-Identifier: MIT
#include "ASCII_Table_Text.h"

#include "Number_Conversions.h"
#include "Runtime_Services.h"
#include "Single_Byte_Charset.h"

#include <array>
#include <cctype>
#include <charconv>

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

// Appends the digits of a value 0 to 255, upper case.
void Append_Digits(QString& text, int value, int base) {
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, value, base).ptr;
    for (char* digit = digits; digit != end; ++digit)
        text += QLatin1Char(static_cast<char>(std::toupper(static_cast<unsigned char>(*digit))));
}

void Append_Decimal_Field(QString& text, int code) {
    if (code < 10)
        text += u"00";
    else if (code < 100)
        text += u'0';
    Append_Digits(text, code, 10);
}

void Append_Binary_Field(QString& text, int code) {
    text += QLatin1String(Number_Conversions::Signed_To_Bits(code, Table_Width));
}

void Append_Hexadecimal_Field(QString& text, int code) {
    text += code < 16 ? u"  Hexadecimal = 0" : u"  Hexadecimal = ";
    Append_Digits(text, code, 16);
}

void Append_Octal_Field(QString& text, int code) {
    if (code < 8)
        text += u"  Octal =   ";
    else if (code < 64)
        text += u"  Octal =  ";
    else
        text += u"  Octal = ";
    Append_Digits(text, code, 8);
}

void Append_Code_Field(QString& text, int code) {
    const int round_trip = Single_Byte_Charset::Code_Of(Single_Byte_Charset::Character_Of(code));
    if (round_trip < 10)
        text += u"  ASCII =   ";
    else if (round_trip < 100)
        text += u"  Ascii =  ";
    else
        text += u"  ASCII = ";
    Append_Digits(text, round_trip, 10);
}

void Append_Character_Field(QString& text, int code) {
    if (code <= Last_Named_Code) {
        text += QLatin1String(Control_Texts[code]);
        return;
    }
    text += u" Char = ";
    text += Single_Byte_Charset::Character_Of(code);
}

void Append_Line(QString& text, int code) {
    if (code < 0 || code >= Code_Count)
        throw Run_Time_Failure(Failure::Invalid_Procedure_Call);
    text += u"Value: ";
    Append_Decimal_Field(text, code);
    text += u" Binary = ";
    Append_Binary_Field(text, code);
    Append_Hexadecimal_Field(text, code);
    Append_Octal_Field(text, code);
    Append_Code_Field(text, code);
    Append_Character_Field(text, code);
    text += QLatin1String(Line_End);
}

} // namespace

QString Line(int code) {
    QString line;
    Append_Line(line, code);
    return line;
}

void Append_Table(QString& text, const Before_Line& before_line) {
    text.reserve(text.size() + Table_Length);
    for (int code = 0; code < Code_Count; ++code) {
        const qsizetype line_start = text.size();
        try {
            if (before_line)
                before_line(code);
            Append_Line(text, code);
        } catch (...) {
            text.truncate(line_start); // no half line
            throw;
        }
    }
}

QString Table() {
    QString text;
    Append_Table(text);
    return text;
}

} // namespace ASCII_Table_Text
