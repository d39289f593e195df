// SPDX-License-Identifier: MIT
// The six toggle grids: a click builds a pattern and shows its value.
#include "Error_Trap.h"
#include "Number_Conversions.h"
#include "Number_Field.h"
#include "Tessaly.h"

#include <QCheckBox>

QString Tessaly::Grid_Bit_Text(int grid) const {
    const int width = Rows::Grid_At(grid).width;
    QString bits;
    bits.reserve(width);
    for (int bit = width - 1; bit >= 0; --bit)
        bits += Toggle(grid, bit)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return bits;
}

void Tessaly::Bit_Grid_Click(int grid) {
    // The conversion command writes toggles one by one; those changes must
    // not convert back into the field.
    if (Updating)
        return;
    const int texts_shown = Status(grid)->Texts_Shown();
    Error_Trap::Run("Tessaly", Rows::Grid_At(grid).handler, [this, grid] {
        const Rows::Grid& grid_info = Rows::Grid_At(grid);
        const QString bits = Grid_Bit_Text(grid);
        const auto width = static_cast<std::int16_t>(grid_info.width);
        const QString value =
            grid_info.is_signed
                ? QString::number(Number_Conversions::Bits_To_Signed(bits.toStdString(), width))
                : QString::number(Number_Conversions::Bits_To_Unsigned(bits.toStdString(), width),
                                  'f', 0);
        Number_Field* field = NumIn(grid);
        field->setText(value);
        Show_Status(grid, field->text() + QStringLiteral(" = ") + bits);
        Move_Focus_To_Field(grid);
        field->setCursorPosition(static_cast<int>(field->text().size())); // caret at the end
    });
    Status(grid)->Announce_Since(texts_shown);
}
