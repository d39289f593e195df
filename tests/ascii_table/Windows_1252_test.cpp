// SPDX-License-Identifier: MIT
#include "Single_Byte_Charset.h"
#include "Windows_1252.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <optional>

namespace {

// The C library's own Windows-1252 table: the character of one byte, or
// nothing where the code page leaves the byte undefined.
std::optional<char16_t> Library_Character_Of(unsigned char code) {
    iconv_t converter = iconv_open("UTF-16LE", "CP1252");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    char in[1] = {static_cast<char>(code)};
    unsigned char out[4] = {};
    char* in_at = in;
    char* out_at = reinterpret_cast<char*>(out);
    std::size_t in_left = sizeof in;
    std::size_t out_left = sizeof out;
    const std::size_t result = iconv(converter, &in_at, &in_left, &out_at, &out_left);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || out_left != 2)
        return std::nullopt;
    return static_cast<char16_t>(out[0] | (out[1] << 8));
}

TEST(Windows_1252, Every_Defined_Byte_Matches_The_C_Library_Table) {
    int defined = 0;
    for (int code = 0; code < 256; ++code) {
        const auto expected = Library_Character_Of(static_cast<unsigned char>(code));
        if (!expected)
            continue;
        ++defined;
        EXPECT_EQ(Windows_1252::Character_Of(static_cast<unsigned char>(code)).unicode(), *expected)
            << "byte " << code;
    }
    EXPECT_EQ(defined, 251) << "the C library should leave exactly five bytes undefined";
}

TEST(Windows_1252, The_Five_Undefined_Bytes_Are_The_Control_Characters_Of_Their_Numbers) {
    for (int code : {129, 141, 143, 144, 157}) {
        EXPECT_FALSE(Library_Character_Of(static_cast<unsigned char>(code))) << "byte " << code;
        EXPECT_EQ(Windows_1252::Character_Of(static_cast<unsigned char>(code)).unicode(), code);
    }
}

TEST(Windows_1252, Every_Byte_Converts_Back_To_Itself) {
    for (int code = 0; code < 256; ++code) {
        unsigned char back = 0;
        ASSERT_TRUE(Windows_1252::Code_Of(
            Windows_1252::Character_Of(static_cast<unsigned char>(code)), back))
            << "byte " << code;
        EXPECT_EQ(back, code);
    }
}

TEST(Windows_1252, Characters_Outside_The_Set_Have_No_Byte) {
    unsigned char code = 0;
    // The C1 controls that 1252 replaces by printable characters, and others.
    for (char16_t outside : {u'\u0080', u'\u009F', u'\u0100', u'\u20AD', u'\uFFFD'})
        EXPECT_FALSE(Windows_1252::Code_Of(QChar(outside), code)) << int(outside);
}

TEST(Single_Byte_Charset, Delete_Is_The_Raw_Character_127) {
    EXPECT_EQ(Single_Byte_Charset::Character_Of(127).unicode(), 127);
}

TEST(Single_Byte_Charset, A_Character_Outside_The_Set_Converts_Back_As_Question_Mark) {
    EXPECT_EQ(Single_Byte_Charset::Code_Of(QChar(u'\u0100')), '?');
}

} // namespace
