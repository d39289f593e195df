// SPDX-License-Identifier: MIT
#include "Show_ASCII.h"

#include "Error_Trap.h"

void Show_ASCII(Text_Target& target, const ASCII_Table_Text::Before_Line& before_line) noexcept {
    Error_Trap::Run("ASCII_Table", "Show_ASCII", [&] {
        QString table;
        try {
            ASCII_Table_Text::Append_Table(table, before_line);
        } catch (...) {
            // The lines built so far stay visible, as they would with
            // line-by-line appends.
            target.Set_Text(table);
            throw;
        }
        target.Set_Text(table);
    });
}
