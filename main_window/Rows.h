// SPDX-License-Identifier: MIT
// The nine conversion rows and the "Clear All" button: captions, tool tips
// and vertical positions (twips, inside the row's frame).
#pragma once

#include <array>

namespace Rows {

inline constexpr int Count = 9; // NumIn, Status: 0..8
inline constexpr int Clear_All = 9;
inline constexpr int Button_Count = 10; // PB: 0..9

enum class Frame { Unsigned, Signed, HexConv };

struct Row {
    Frame frame;
    const char* caption;  // PB(i)
    const char* tool_tip; // NumIn(i); nullptr for none
    int button_top;       // PB(i) and NumIn(i)
    int status_top;
    int grid_top; // rows 0 to 5 only
};

inline constexpr std::array<Row, Count> Table{{
    {Frame::Unsigned, "Dec to  8 BIT", "Range 0 to 255", 300, 180, 420},
    {Frame::Unsigned, "Dec to 16 BIT", "Range 0 to  65,535", 840, 720, 960},
    {Frame::Unsigned, "Dec to 32 BIT", "Range 0 to 4,294,967,295", 1380, 1260, 1500},
    {Frame::Signed, "Dec to SINT", "Range -128 to 127", 360, 240, 480},
    {Frame::Signed, "Dec to INT", "Range -32,768 to 32,767", 900, 780, 1020},
    {Frame::Signed, "Dec to DINT", "Range -2,147,483,648 to 2,147,483,647", 1440, 1320, 1560},
    {Frame::HexConv, "Find MSB", "Enter a number", 360, 420, 0},
    {Frame::HexConv, "Decimal to Hex", nullptr, 900, 960, 0},
    {Frame::HexConv, "Hex to Decimal", nullptr, 1440, 1500, 0},
}};

inline constexpr const char* Clear_All_Caption = "Clear All";

// The six bit-pattern rows, one toggle grid each.
inline constexpr int Grid_Count = 6;

struct Grid {
    const char* name; // the check box array's name
    int width;        // bits
    bool is_signed;   // two's complement reading, top toggle is the sign
    double limit;     // the conversion command refuses values above this
};

inline constexpr std::array<Grid, Grid_Count> Grids{{
    {"bit8", 8, false, 255},
    {"bit16", 16, false, 65535},
    {"bit32", 32, false, 4294967295.0},
    {"abSINT", 8, true, 127},
    {"abINT", 16, true, 32767},
    {"abDINT", 32, true, 2147483647},
}};

} // namespace Rows
