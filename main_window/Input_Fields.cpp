// SPDX-License-Identifier: MIT
// Typed keys, focus and the delayed reset of "Clear All".
#include "Error_Trap.h"
#include "Field_Numbers.h"
#include "Focus_Walk.h"
#include "Number_Field.h"
#include "Tessaly.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Escape = 27;

bool Is_Digit(int code) {
    return code >= '0' && code <= '9';
}

// The character code that a field taking `keys` lets through; 0 drops it.
int Filtered_Key(Rows::Keys keys, int code) {
    if (keys == Rows::Keys::Any || Is_Digit(code) || code == Backspace)
        return code;
    switch (keys) {
    case Rows::Keys::Signed_Digits:
        return code == '-' ? code : 0;
    case Rows::Keys::Hex_Digits:
        if (code >= 'A' && code <= 'F')
            return code;
        return code >= 'a' && code <= 'f' ? code - ('a' - 'A') : 0;
    default:
        return 0;
    }
}

} // namespace

void Tessaly::NumIn_KeyPress(int Index, int& KeyAscii) {
    Error_Trap::Run("Tessaly", "NumIn_KeyPress", [this, Index, &KeyAscii] {
        if (KeyAscii == Enter) {
            Convert_And_Announce(Index);
            KeyAscii = 0;
        } else if (KeyAscii == Escape) {
            NumIn(Index)->setText(QStringLiteral("0"));
            Convert_And_Announce(Index);
            KeyAscii = 0;
        }
        KeyAscii = Filtered_Key(Rows::Row_At(Index).keys, KeyAscii);
        Move_Focus_To_Field(Index);
    });
}

void Tessaly::NumIn_GotFocus(int Index) {
    Error_Trap::Run("Tessaly", "NumIn_GotFocus", [this, Index] {
        Number_Field* field = NumIn(Index);
        if (Field_Numbers::Is_Numeric(field->text()))
            field->Set_Text(Field_Numbers::Canonical_Text(Field_Numbers::Value_Of(field->text())));
        field->selectAll(); // typing replaces the whole text
    });
}

void Tessaly::Timer_Delay_Reset_Timer() {
    Error_Trap::Run("Tessaly", "Timer_Delay_Reset_Timer", [this] {
        Timer_Delay_Reset_->stop(); // one reset per "Clear All"
        QPointer<Tessaly> alive(this);
        const int texts_shown = Status(0)->Texts_Shown();
        {
            const Focus_Walk walk;
            for (int i = 0; i < Rows::Count; ++i) {
                NumIn(i)->Set_Text(QStringLiteral("0"));
                PB_Click(i);
                // Repaint and handle queued input between rows; that input may
                // run other handlers, even a second "Clear All".
                QCoreApplication::processEvents();
                if (!alive)
                    return;
            }
            Move_Focus_To_Field(0);
        }
        Status(0)->Announce_Since(texts_shown); // the row the focus is in
    });
}

void Tessaly::Show_Status(int row, const QString& text) {
    Status(row)->Show_Text(text);
}

void Tessaly::Convert_And_Announce(int row) {
    const int texts_shown = Status(row)->Texts_Shown();
    PB_Click(row);
    Status(row)->Announce_Since(texts_shown);
}

void Tessaly::Move_Focus_To_Field(int index) {
    // A hidden window cannot take the focus; the move is passed over then.
    if (isVisible())
        NumIn(index)->setFocus(Qt::OtherFocusReason);
}
