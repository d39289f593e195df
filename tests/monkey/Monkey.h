// SPDX-License-Identifier: MIT
// Drives a shown main window with random user events from one seed: typing
// (control codes, Enter, Escape included), clicks on fields, toggles and
// buttons, "Clear All" with input queued behind its reset, and pastes of up
// to a megabyte. Every event whose result is known at once is checked.
#pragma once

#include "Log_Watch.h"
#include "Random_Text.h"

#include <QString>
#include <cstdint>
#include <deque>
#include <optional>

class QWidget;
class Tessaly;

class Monkey {
public:
    // An event that works longer than this is taken for a hang. Its work is
    // the thread's CPU time, so that waiting for a core of a loaded machine
    // does not count; an event that stays blocked longer than the second
    // bound is a hang whatever the load. AddressSanitizer's allocator slows
    // Qt's own text layout of a long pasted line several times over.
#if defined(__SANITIZE_ADDRESS__)
    static constexpr qint64 Slowdown = 5;
#else
    static constexpr qint64 Slowdown = 1;
#endif
    static constexpr qint64 Hang_Milliseconds = 1000 * Slowdown;
    static constexpr qint64 Blocked_Milliseconds = 5000 * Slowdown;

    Monkey(Tessaly& window, std::uint64_t seed);

    // One random event; the empty text, or what went wrong.
    QString Step(int index);

    // Waits out a pending reset, then presses Enter in every row and checks
    // each row against its field and toggles.
    QString Final_Enter_In_Every_Row();

    QString Recent_Events() const;
    QString Log_Tally() const {
        return log_.Tally();
    }
    // The event with the most CPU time, and its wall-clock time.
    qint64 Slowest_Milliseconds() const {
        return slowest_;
    }
    qint64 Slowest_Wall_Milliseconds() const {
        return slowest_wall_;
    }
    QString Slowest_Event() const {
        return slowest_event_;
    }

private:
    enum class Kind {
        Type_Character,
        Type_Control,
        Enter,
        Escape,
        Click_Field,
        Tab,
        Click_Toggle,
        Space_On_Focus,
        Click_Button,
        Clear_All,
        Reset_With_Input,
        Wait_For_Reset,
        Paste,
        Paste_And_Convert,
        Select_Status,
    };
    Kind Pick_Kind();
    QString Run(Kind kind);

    QString Type_Character();
    QString Type_Control();
    QString Convert_By_Key(bool escape);
    QString Click_Field();
    QString Tab();
    QString Click_Toggle();
    QString Space_On_Focus();
    QString Click_Button();
    QString Clear_All();
    QString Reset_With_Input();
    QString Wait_For_Reset();
    QString Paste();
    QString Paste_And_Convert();
    QString Select_Status();

    // The conversion `act` runs in `row` must leave the row consistent;
    // `input` is the text it converts when that is not the field's own.
    template <typename Action>
    QString Checked_Conversion(int row, Action act, std::optional<QString> input = std::nullopt);
    QString Every_Row_At_Zero(int first_row);
    void Post_Random_Input();
    template <typename Action> void Timed(Action act);

    int Random_Row();
    int Typing_Row();
    QWidget* Focus_Or_Field();
    void Describe(const QString& what);

    Tessaly& window_;
    Random_Text::Engine engine_;
    Log_Watch log_;
    std::deque<QString> history_;
    int index_ = 0;
    int ticks_ = 0;
    qint64 event_ms_ = 0; // CPU time
    qint64 event_wall_ms_ = 0;
    qint64 slowest_ = 0;
    qint64 slowest_wall_ = 0;
    QString slowest_event_;
    bool posted_clear_all_ = false;
};
