// SPDX-License-Identifier: MIT
// The GUI monkey: random user events on a shown main window from one seed,
// and the independent reckoning that every event whose result is known at
// once is held against.
#pragma once

#include "Address_Sanitizer.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <string>

class QWidget;
class Tessaly;

// Texts a user might paste or type: digits, numbers in every notation the
// parser knows, hexadecimal, and hostile Unicode (NUL, right-to-left marks,
// emoji, other scripts' digits), from one character up to a megabyte.
namespace Random_Text {

using Engine = std::mt19937_64;

// A whole number from `low` to `high`, both included.
int Between(Engine& engine, int low, int high);
// True with the given probability.
bool Chance(Engine& engine, double probability);

// One character as a key would type it (a surrogate pair for emoji).
QString Typed_Character(Engine& engine);

// A number as a person writes or copies it: sign, digits, grouping,
// fraction, exponent, blanks around.
QString Number_Text(Engine& engine);

// A text for a paste; `longest` bounds its length in UTF-16 units.
QString Paste_Text(Engine& engine, int longest);

// The length of the next paste: mostly short, sometimes kilobytes, rarely up
// to a megabyte.
int Paste_Length(Engine& engine);

} // namespace Random_Text

// The run's seed: TESSALY_MONKEY_SEED replays a run, otherwise a fresh one.
// TESSALY_MONKEY_EVENTS makes each run longer (or shorter) than the default.
namespace Monkey_Seed {

inline constexpr const char* Seed_Variable = "TESSALY_MONKEY_SEED";
inline constexpr const char* Events_Variable = "TESSALY_MONKEY_EVENTS";

std::uint64_t Seed();
int Events(int default_count);

// "seed N (replay: TESSALY_MONKEY_SEED=N tests/monkey/monkey_test --gtest_filter=...)"
std::string Replay_Hint(std::uint64_t seed, const std::string& test_name);

} // namespace Monkey_Seed

// A crash would end the run before the test can print its seed: on a fatal
// signal, name the seed and the event that was running, then die as before.
namespace Crash_Report {

void Arm(std::uint64_t seed);
void At_Event(int index); // cheap: stores the number only
void Disarm();

} // namespace Crash_Report

// What a row must show after its conversion command has run on the text now
// in its field, worked out with plain integer and floating-point arithmetic,
// without the program's own parser or conversion routines.
struct Expected_Outcome {
    // The status line's text; nothing when the command fails before writing
    // it, so that the line keeps its earlier text.
    std::optional<QString> status;
    // The toggles, most significant first (rows 0 to 5); nothing when they
    // keep their earlier states.
    std::optional<QString> toggles;
    // The failure number the error log gets; 0 for none.
    int failure = 0;
    // Set when the field itself is not what a conversion leaves behind.
    QString field_problem;
    // Row 8 beyond 13 significant hexadecimal digits: the decimal value is
    // only as exact as a double, so the status is compared numerically.
    std::optional<long double> approximate_decimal;
};

// `field` is the row's text after the command ran; `decimal_point` the
// locale's decimal separator that the field's numbers are written with.
Expected_Outcome Expected_After_Conversion(int row, const QString& field,
                                           const QString& decimal_point);

// The field's text after the command when the text it ran on is simple
// enough to know without the program's parser: plain decimals ("-0012.50"
// becomes "-12.5"), the empty text ("0") and, in the hexadecimal row, texts
// with letters that no decimal number has ("FF" stays). Nothing otherwise.
std::optional<QString> Expected_Field(int row, const QString& input, const QString& decimal_point);

// Compares what a row of the window shows with what it must show. Each check
// gives the empty text when the row agrees, otherwise what differs.
struct Row_Snapshot {
    QString field;
    QString status;
    QString toggles; // most significant first; empty for rows 6 to 8
};

Row_Snapshot Snapshot(const Tessaly& window, int row);

// After the row's conversion command: `before` is the row as it was, `input`
// the text the command ran on, `after` the row as it is now, `new_log_lines`
// what the error log gained meanwhile.
QString Conversion_Disagreement(int row, const Row_Snapshot& before, const QString& input,
                                const Row_Snapshot& after, const QStringList& new_log_lines);

// After a click on a toggle of grid `grid`: the field holds the toggles'
// value and the status line the field and the toggles.
QString Grid_Disagreement(int grid, const Row_Snapshot& after);

// After a reset: the field reads "0" and the row shows the conversion of 0.
QString Zero_State_Disagreement(int row, const Row_Snapshot& after);

// Reads the error log's lines back: "[time][Tessaly][procedure][number][text]".
struct Log_Entry {
    QString procedure;
    int number = 0;
};

std::optional<Log_Entry> Read_Log_Line(const QString& line);

// A procedure that is one of the main window's trapped handlers, and a
// number that the program raises.
bool Is_Known(const Log_Entry& entry);

// Takes the error log's lines as they come, checks that each names a known
// procedure and number, and empties the log so the next take is small.
class Log_Watch {
public:
    // The lines written since the last take; `problem` names the first line
    // that is not a known procedure with a known number.
    QStringList Take(QString& problem);

    // "PB_Click 13: 120, NumIn_GotFocus 6: 2" over every line taken.
    QString Tally() const;

private:
    QMap<QString, int> tally_;
};

// Drives a shown main window with random user events from one seed: typing
// (control codes, Enter, Escape included), clicks on fields, toggles and
// buttons, "Clear All" with input queued behind its reset, and pastes of up
// to a megabyte. Every event whose result is known at once is checked.
class Monkey {
public:
    // An event that works longer than this is taken for a hang. Its work is
    // the thread's CPU time, so that waiting for a core of a loaded machine
    // does not count; an event that stays blocked (neither running nor, on
    // Linux, waiting for a core) longer than the second bound is a hang
    // whatever the load. A field holds a pasted megabyte
    // whole, and Qt lays out and draws it in one line: a megabyte of mixed
    // scripts, emoji and direction marks takes it up to 1.7 s here (plain
    // digits 0.3 s). AddressSanitizer's allocator slows Qt's text layout of a
    // long pasted line several times over.
    static constexpr qint64 Slowdown = Under_Address_Sanitizer ? 5 : 1;
    static constexpr qint64 Hang_Milliseconds = 3000 * Slowdown;
    static constexpr qint64 Blocked_Milliseconds = 6000 * Slowdown;

    Monkey(Tessaly& window, std::uint64_t seed);

    // One random event; the empty text, or what went wrong.
    QString Step(int index);

    // Waits out a pending reset, then presses Enter in every row and checks
    // each row against its field and toggles.
    QString Final_Enter_In_Every_Row();

    QString Recent_Events() const;
    QString Log_Tally() const { return log_.Tally(); }
    // The event with the most CPU time, and its wall-clock time.
    qint64 Slowest_Milliseconds() const { return slowest_; }
    qint64 Slowest_Wall_Milliseconds() const { return slowest_wall_; }
    QString Slowest_Event() const { return slowest_event_; }
    // The longest any event was blocked.
    qint64 Most_Blocked_Milliseconds() const { return most_blocked_; }

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
    int Random_Toggle_Bit(int grid);
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
    double event_blocked_ms_ = 0;
    qint64 slowest_ = 0;
    qint64 slowest_wall_ = 0;
    qint64 most_blocked_ = 0;
    QString slowest_event_;
    bool posted_clear_all_ = false;
};
