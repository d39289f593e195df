// SPDX-License-Identifier: MIT
// Writes the ASCII table into a control.
#pragma once

#include "ASCII_Table_Text.h"
#include "Text_Target.h"

// Replaces the target's text with the table in one write. A failure part-way
// leaves the lines built before it in the target and is logged under
// "ASCII_Table" / "Show_ASCII"; nothing is thrown. `before_line` runs
// before each line is built (tests provoke a failure at a chosen code).
void Show_ASCII(Text_Target& target,
                const ASCII_Table_Text::Before_Line& before_line = {}) noexcept;

template <Text_Control Control>
void Show_ASCII(Control& control, const ASCII_Table_Text::Before_Line& before_line = {}) noexcept {
    Control_Text_Target<Control> target(control);
    Show_ASCII(static_cast<Text_Target&>(target), before_line);
}
