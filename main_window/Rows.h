// SPDX-License-Identifier: MIT
// The nine conversion rows and the "Clear All" button: captions, tool tips,
// positions (twips, inside the row's frame), what each row's command does and
// which typed characters its field takes. Everything per row is read from
// here; no code asks for a row by its number.
#pragma once

#include <array>
#include <cstddef>

namespace Rows {

inline constexpr int Count = 9; // NumIn, Status: 0..8
inline constexpr int Clear_All = 9;
inline constexpr int Button_Count = 10; // PB: 0..9

enum class Frame { Unsigned, Signed, HexConv };

// What PB_Click does for the row.
enum class Command {
    To_Bits,        // rows 0 to 5: the value as a bit pattern, into the toggles
    Find_MSB,       // the bits a value needs and its most significant bit
    Decimal_To_Hex, // decimal to hexadecimal
    Hex_To_Decimal, // hexadecimal to decimal
};

// The typed characters the row's field lets through (Backspace always).
enum class Keys {
    Digits,        // 0 to 9
    Signed_Digits, // 0 to 9 and "-"
    Hex_Digits,    // 0 to 9 and A to F; a to f are typed as capitals
    Any,           // every character
};

struct Row {
    Frame frame;
    const char* caption;  // PB(i)
    const char* tool_tip; // NumIn(i); nullptr for none
    int button_top;       // PB(i) and NumIn(i)
    int status_top;
    int grid_top;     // rows 0 to 5 only
    int field_height; // NumIn(i)
    Command command;
    Keys keys;
    double limit; // decimal commands refuse values above this
};

inline constexpr std::array<Row, Count> Table{{
    {Frame::Unsigned, "Dec to  8 BIT", "Range 0 to 255", 300, 180, 420, 315, Command::To_Bits,
     Keys::Digits, 255},
    {Frame::Unsigned, "Dec to 16 BIT", "Range 0 to  65,535", 840, 720, 960, 315, Command::To_Bits,
     Keys::Digits, 65535},
    {Frame::Unsigned, "Dec to 32 BIT", "Range 0 to 4,294,967,295", 1380, 1260, 1500, 315,
     Command::To_Bits, Keys::Digits, 4294967295.0},
    {Frame::Signed, "Dec to SINT", "Range -128 to 127", 360, 240, 480, 315, Command::To_Bits,
     Keys::Signed_Digits, 127},
    {Frame::Signed, "Dec to INT", "Range -32,768 to 32,767", 900, 780, 1020, 315, Command::To_Bits,
     Keys::Signed_Digits, 32767},
    {Frame::Signed, "Dec to DINT", "Range -2,147,483,648 to 2,147,483,647", 1440, 1320, 1560, 315,
     Command::To_Bits, Keys::Signed_Digits, 2147483647},
    {Frame::HexConv, "Find MSB", "Enter a number", 360, 420, 0, 345, Command::Find_MSB, Keys::Any,
     2147483647},
    {Frame::HexConv, "Decimal to Hex", nullptr, 900, 960, 0, 315, Command::Decimal_To_Hex,
     Keys::Any, 4294967295.0},
    {Frame::HexConv, "Hex to Decimal", nullptr, 1440, 1500, 0, 315, Command::Hex_To_Decimal,
     Keys::Hex_Digits, 0},
}};

inline constexpr const char* Clear_All_Caption = "Clear All";
// "Clear All" follows this row in the tab order.
inline constexpr int Clear_All_Tab_After = 2;

// The six bit-pattern rows, one toggle grid each: grid g belongs to row g.
inline constexpr int Grid_Count = 6;

struct Grid {
    const char* name;    // the check box array's name
    const char* handler; // its click handler, as the error log names it
    int width;           // bits
    bool is_signed;      // two's complement reading, top toggle is the sign
};

inline constexpr std::array<Grid, Grid_Count> Grids{{
    {"bit8", "bit8_Click", 8, false},
    {"bit16", "bit16_Click", 16, false},
    {"bit32", "bit32_Click", 32, false},
    {"abSINT", "abSINT_Click", 8, true},
    {"abINT", "abINT_Click", 16, true},
    {"abDINT", "abDINT_Click", 32, true},
}};

// The handlers receive control-array indices as int.
constexpr const Row& Row_At(int index) {
    return Table[static_cast<std::size_t>(index)];
}
constexpr const Grid& Grid_At(int grid) {
    return Grids[static_cast<std::size_t>(grid)];
}

} // namespace Rows
