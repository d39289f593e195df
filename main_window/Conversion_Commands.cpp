// SPDX-License-Identifier: MIT
// PB_Click: the conversion command of every row, and "Clear All".
#include "Error_Trap.h"
#include "Field_Numbers.h"
#include "Number_Conversions.h"
#include "Number_Field.h"
#include "Runtime_Services.h"
#include "Tessaly.h"

#include <QCheckBox>
#include <optional>

namespace {

const QString Too_Large = QStringLiteral(" is to large to process");

} // namespace

void Tessaly::PB_Click(int Index) {
    Updating = true;
    Error_Trap::Run("Tessaly", "PB_Click", [this, Index] {
        if (Index < 0 || Index > Rows::Clear_All)
            throw Run_Time_Failure(Failure::Subscript_Out_Of_Range);
        if (Index == Rows::Clear_All) {
            // Nothing is cleared at once: the timer's tick resets every row.
            // A second click before the tick still gives one reset.
            if (!Timer_Delay_Reset_->isActive())
                Timer_Delay_Reset_->start();
            return;
        }
        Normalise_Field(Index);
        switch (Rows::Row_At(Index).command) {
        case Rows::Command::To_Bits:
            Convert_To_Bits(Index);
            break;
        case Rows::Command::Find_MSB:
            Find_MSB(Index);
            break;
        case Rows::Command::Decimal_To_Hex:
            Decimal_To_Hex_Command(Index);
            break;
        case Rows::Command::Hex_To_Decimal:
            Hex_To_Decimal_Command(Index);
            break;
        }
        Move_Focus_To_Field(Index);
    });
    Updating = false;
}

QString Tessaly::T(int index) const {
    return NumIn(index)->text();
}

// Numeric text is rewritten in canonical form: 007 becomes 7, 1E2 becomes 100.
void Tessaly::Normalise_Field(int index) {
    if (Field_Numbers::Is_Numeric(T(index)))
        NumIn(index)->Set_Text(Field_Numbers::Canonical_Text(Field_Numbers::Value_Of(T(index))));
}

// The first steps of every decimal command: text that is no number becomes
// "0", and a value above the row's limit is refused in the status line.
std::optional<double> Tessaly::Value_Within_Limit(int row) {
    if (!Field_Numbers::Is_Numeric(T(row)))
        NumIn(row)->setText(QStringLiteral("0"));
    const double value = Field_Numbers::Value_Of(T(row));
    if (value > Rows::Row_At(row).limit) {
        Show_Status(row, T(row) + Too_Large);
        return std::nullopt;
    }
    return value;
}

void Tessaly::Convert_To_Bits(int index) {
    const Rows::Grid& grid = Rows::Grid_At(index);
    const auto checked = Value_Within_Limit(index);
    if (!checked)
        return;
    const double value = *checked;
    const auto width = static_cast<std::int16_t>(grid.width);
    std::string bits;
    if (grid.is_signed)
        bits = Number_Conversions::Signed_To_Bits(Runtime_Services::To_Int32(value), width);
    else if (grid.width == 32)
        bits = Number_Conversions::Unsigned_To_Bits(value, width); // the double, not rounded
    else
        bits = Number_Conversions::Unsigned_To_Bits(Runtime_Services::To_Int32(value), width);
    Show_Status(index, T(index) + QStringLiteral(" = ") + QString::fromStdString(bits));
    Show_Bits(index, bits);
}

// The first character lands on the most significant toggle. A refusal text
// ("Value too High") is no number and fails on its first character.
void Tessaly::Show_Bits(int grid, const std::string& bits) {
    const auto width = static_cast<std::size_t>(Rows::Grid_At(grid).width);
    const std::string_view text(bits);
    for (std::size_t p = 0; p < width; ++p) {
        const std::string_view character = p < text.size() ? text.substr(p, 1) : std::string_view();
        Toggle(grid, static_cast<int>(width - 1 - p))
            ->setChecked(Runtime_Services::Digit_Value(character) == 1);
    }
}

void Tessaly::Find_MSB(int row) {
    const auto checked = Value_Within_Limit(row);
    if (!checked)
        return;
    const double value = *checked;
    if (value < 0) {
        Show_Status(row, QStringLiteral("Sorry, only positive numbers are accepted"));
        return;
    }
    const int bits = std::max<int>(1, Number_Conversions::Bits_Required(value)); // 0 is one bit
    Show_Status(row,
                T(row) +
                    QStringLiteral(" requires %1 bits, MSB is bit %2 = ").arg(bits).arg(bits - 1) +
                    Field_Numbers::Canonical_Text(Runtime_Services::Power_Of_Two(bits - 1)));
}

void Tessaly::Decimal_To_Hex_Command(int row) {
    const auto value = Value_Within_Limit(row);
    if (!value)
        return;
    const QString hex = QString::fromStdString(Number_Conversions::Decimal_To_Hex(*value));
    Show_Status(row,
                QStringLiteral("[Decimal] ") + T(row) + QStringLiteral(" = [Hexadecimal] ") + hex);
}

void Tessaly::Hex_To_Decimal_Command(int row) {
    if (T(row).isEmpty())
        NumIn(row)->setText(QStringLiteral("0"));
    const double value = Number_Conversions::Hex_To_Decimal(T(row).toStdString());
    Show_Status(row, QStringLiteral("[Hexadecimal] ") + T(row) + QStringLiteral(" = [Decimal] ") +
                         Field_Numbers::Canonical_Text(value));
}
