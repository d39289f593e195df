// SPDX-License-Identifier: MIT
#include "ASCII_Table_Text.h"
#include "Runtime_Services.h"
#include "Test_Tables.h"

#include <QStringList>
#include <gtest/gtest.h>

#include "QString_Printer.h"

#include <cstdlib>
#include <string>

namespace {

using Test_Tables::PrintTo;

using ASCII_Table_Text::Code_Count;
using ASCII_Table_Text::Line;
using ASCII_Table_Text::Table;

QString Without_Line_End(const QString& line) {
    return line.endsWith(QStringLiteral("\r\n")) ? line.chopped(2) : line;
}

using Expected_Line = Test_Tables::Row<int, QString>; // a code and its line

class Table_Line : public testing::TestWithParam<Expected_Line> {};

TEST_P(Table_Line, Reads_Exactly) {
    const QString line = Line(GetParam().input);
    ASSERT_TRUE(line.endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(Without_Line_End(line).toStdU16String(), GetParam().expected.toStdU16String());
}

// The sample lines and the edge codes of the table.
INSTANTIATE_TEST_SUITE_P(
    Samples, Table_Line,
    testing::Values(
        Expected_Line{"code_0_null", 0,
                      "Value: 000 Binary = 0000000000000000  Hexadecimal = 00  Octal =   0  ASCII "
                      "=   0 Char = NULL"},
        Expected_Line{"code_10_line_feed", 10,
                      "Value: 010 Binary = 0000000000001010  Hexadecimal = 0A  Octal =  12  Ascii "
                      "=  10 Char = LF  - NL line feed, new line"},
        Expected_Line{"code_65_letter_A", 65,
                      "Value: 065 Binary = 0000000001000001  Hexadecimal = 41  Octal = 101  Ascii "
                      "=  65 Char = A"},
        Expected_Line{"code_100_letter_d", 100,
                      "Value: 100 Binary = 0000000001100100  Hexadecimal = 64  Octal = 144  ASCII "
                      "= 100 Char = d"},
        Expected_Line{"code_255_y_diaeresis", 255,
                      QStringLiteral("Value: 255 Binary = 0000000011111111  Hexadecimal = FF  "
                                     "Octal = 377  ASCII = 255 Char = ") +
                          QChar(0x00FF)},
        Expected_Line{"code_32_space_named", 32,
                      "Value: 032 Binary = 0000000000100000  Hexadecimal = 20  Octal =  40  Ascii "
                      "=  32 Char = SPACE"},
        Expected_Line{"code_33_first_shown_character", 33,
                      "Value: 033 Binary = 0000000000100001  Hexadecimal = 21  Octal =  41  Ascii "
                      "=  33 Char = !"},
        Expected_Line{"code_127_raw_delete", 127,
                      QStringLiteral("Value: 127 Binary = 0000000001111111  Hexadecimal = 7F  "
                                     "Octal = 177  ASCII = 127 Char = ") +
                          QChar(0x7F)},
        Expected_Line{"code_128_euro_sign", 128,
                      QStringLiteral("Value: 128 Binary = 0000000010000000  Hexadecimal = 80  "
                                     "Octal = 200  ASCII = 128 Char = ") +
                          QChar(0x20AC)},
        Expected_Line{"code_129_undefined_shown_as_control", 129,
                      QStringLiteral("Value: 129 Binary = 0000000010000001  Hexadecimal = 81  "
                                     "Octal = 201  ASCII = 129 Char = ") +
                          QChar(0x0081)}),
    Test_Tables::Row_Name<Expected_Line>);

// Each padding switches exactly at its boundary: 10 and 100 (decimal and code
// fields), 16 (hexadecimal), 8 and 64 (octal).
INSTANTIATE_TEST_SUITE_P(
    Padding_Boundaries, Table_Line,
    testing::Values(
        Expected_Line{"code_7_last_one_digit_octal", 7,
                      "Value: 007 Binary = 0000000000000111  Hexadecimal = 07  Octal =   7  ASCII "
                      "=   7 Char = BEL - bell"},
        Expected_Line{"code_8_first_two_digit_octal", 8,
                      "Value: 008 Binary = 0000000000001000  Hexadecimal = 08  Octal =  10  ASCII "
                      "=   8 Char = BS  - backspace"},
        Expected_Line{"code_9_last_one_digit_decimal", 9,
                      "Value: 009 Binary = 0000000000001001  Hexadecimal = 09  Octal =  11  ASCII "
                      "=   9 Char = TAB - horizontal tab"},
        Expected_Line{"code_15_last_one_digit_hexadecimal", 15,
                      "Value: 015 Binary = 0000000000001111  Hexadecimal = 0F  Octal =  17  Ascii "
                      "=  15 Char = SI  - shift in"},
        Expected_Line{"code_16_first_two_digit_hexadecimal", 16,
                      "Value: 016 Binary = 0000000000010000  Hexadecimal = 10  Octal =  20  Ascii "
                      "=  16 Char = DLE - data link escape"},
        Expected_Line{"code_63_last_two_digit_octal", 63,
                      "Value: 063 Binary = 0000000000111111  Hexadecimal = 3F  Octal =  77  Ascii "
                      "=  63 Char = ?"},
        Expected_Line{"code_64_first_three_digit_octal", 64,
                      "Value: 064 Binary = 0000000001000000  Hexadecimal = 40  Octal = 100  Ascii "
                      "=  64 Char = @"},
        Expected_Line{"code_99_last_two_digit_decimal", 99,
                      "Value: 099 Binary = 0000000001100011  Hexadecimal = 63  Octal = 143  Ascii "
                      "=  99 Char = c"}),
    Test_Tables::Row_Name<Expected_Line>);

using Named_Control = Test_Tables::Row<int, const char*>; // a code and its line's end

class Control_Code_Name : public testing::TestWithParam<Named_Control> {};

TEST_P(Control_Code_Name, Ends_The_Line_Spelt_As_Always) {
    EXPECT_TRUE(
        Without_Line_End(Line(GetParam().input)).endsWith(QLatin1String(GetParam().expected)))
        << Line(GetParam().input).toStdString();
}

// The misspelt names stay as the table has always shown them.
INSTANTIATE_TEST_SUITE_P(
    Kept_Spellings, Control_Code_Name,
    testing::Values(Named_Control{"code_11", 11, " Char = VT  - verticle tab"},
                    Named_Control{"code_13", 13, " Char = CR  - carrige return"},
                    Named_Control{"code_23", 23, " Char = ETB - end of transmission block"},
                    Named_Control{"code_31", 31, " Char = US  - unit separator"}),
    Test_Tables::Row_Name<Named_Control>);

// Reads a field back with the C library, independently of how it was written.
long Field_Value(const QString& line, int from, int length, int base) {
    const std::string field = line.mid(from, length).trimmed().toStdString();
    char* end = nullptr;
    const long value = std::strtol(field.c_str(), &end, base);
    return (field.empty() || *end != '\0') ? -1 : value;
}

TEST(Table_Columns, Every_Field_Starts_In_The_Same_Column_And_Reads_Back_As_The_Code) {
    for (int code = 0; code < Code_Count; ++code) {
        SCOPED_TRACE(code);
        const QString line = Line(code);
        EXPECT_EQ(line.mid(0, 7), "Value: ");
        EXPECT_EQ(Field_Value(line, 7, 3, 10), code);
        EXPECT_FALSE(line.mid(7, 3).contains(' ')) << "decimal field is zero-padded";
        EXPECT_EQ(line.mid(10, 10), " Binary = ");
        EXPECT_EQ(Field_Value(line, 20, 16, 2), code);
        EXPECT_EQ(line.mid(36, 16), "  Hexadecimal = ");
        EXPECT_EQ(Field_Value(line, 52, 2, 16), code);
        EXPECT_EQ(line.mid(52, 2), line.mid(52, 2).toUpper());
        EXPECT_EQ(line.mid(54, 10), "  Octal = ");
        EXPECT_EQ(Field_Value(line, 64, 3, 8), code);
        EXPECT_EQ(line.mid(67, 10).toUpper(), "  ASCII = ");
        EXPECT_EQ(Field_Value(line, 77, 3, 10), code);
        EXPECT_EQ(line.mid(80, 8), " Char = ");
    }
}

TEST(Table_Columns, Code_Label_Is_Mixed_Case_Exactly_For_Codes_10_To_99) {
    for (int code = 0; code < Code_Count; ++code) {
        const QString label = Line(code).mid(67, 10);
        const bool two_digits = code >= 10 && code <= 99;
        EXPECT_EQ(label, two_digits ? "  Ascii = " : "  ASCII = ") << "code " << code;
    }
}

TEST(Table_Characters, Codes_33_To_255_Show_Their_Own_Single_Character) {
    for (int code = 33; code < Code_Count; ++code) {
        const QString shown = Without_Line_End(Line(code)).mid(88);
        ASSERT_EQ(shown.size(), 1) << "code " << code;
        if (code < 128) {
            EXPECT_EQ(shown.at(0).unicode(), code);
        }
    }
}

TEST(Whole_Table, Is_23884_Characters_In_256_Lines_Each_Ending_In_CR_LF) {
    const QString table = Table();
    EXPECT_EQ(table.size(), 23884);
    EXPECT_TRUE(table.endsWith(QStringLiteral("\r\n")));
    QStringList lines = table.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 257);
    EXPECT_TRUE(lines.takeLast().isEmpty());
    for (int code = 0; code < Code_Count; ++code) {
        EXPECT_TRUE(
            lines[code].startsWith(QStringLiteral("Value: %1 ").arg(code, 3, 10, QChar('0'))));
        EXPECT_FALSE(lines[code].contains('\r') || lines[code].contains('\n')) << "code " << code;
    }
}

TEST(Whole_Table, Is_The_Lines_In_Ascending_Order) {
    QString joined;
    for (int code = 0; code < Code_Count; ++code)
        joined += Line(code);
    EXPECT_EQ(Table(), joined);
}

TEST(Table_Line_Range, Codes_Outside_0_To_255_Fail_With_5) {
    for (int code : {-1, 256})
        EXPECT_EQ(Test_Tables::Failure_Number([&] { Line(code); }), Failure::Invalid_Procedure_Call)
            << "code " << code;
}

} // namespace
