// SPDX-License-Identifier: MIT
// The monkey's driver, the random texts it types and pastes, its seed and its
// crash report.
#include "Monkey.h"

#include "Number_Field.h"
#include "Tessaly.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace Random_Text {
namespace {

// Characters that are not plain ASCII but reach a field through a keyboard
// layout, an input method or the clipboard.
constexpr std::array<char32_t, 22> Unicode_Characters{
    0x00E9,  // e acute
    0x00A0,  // no-break space
    0x0301,  // combining acute accent
    0x0660,  // Arabic-Indic digit zero
    0x0669,  // Arabic-Indic digit nine
    0x06F5,  // extended Arabic-Indic digit five
    0xFF11,  // full-width digit one
    0xFF21,  // full-width A
    0x200E,  // left-to-right mark
    0x200F,  // right-to-left mark
    0x202E,  // right-to-left override
    0x202C,  // pop directional formatting
    0x200D,  // zero-width joiner
    0xFEFF,  // byte order mark
    0x0000,  // NUL
    0x4E00,  // a CJK ideograph
    0x05D0,  // Hebrew alef
    0x1F600, // grinning face
    0x1F4A9, // pile of poo
    0x1F1E9, // regional indicator D (half a flag)
    0x1D7D9, // mathematical double-struck digit one
    0x2212,  // minus sign
};

constexpr char Number_Characters[] = "0123456789-+.,eE \t";
constexpr char Hex_Characters[] = "0123456789ABCDEFabcdef";

QString From_Code(char32_t code) {
    return QString::fromUcs4(&code, 1);
}

QChar Ascii_From(Engine& engine, const char* pool, int size) {
    return QLatin1Char(pool[Between(engine, 0, size - 1)]);
}

enum class Kind { Digits, Number, Hex, Unicode, Mixed, Lone_Surrogate, Kinds };

void Append(Engine& engine, Kind kind, QString& text) {
    switch (kind) {
    case Kind::Digits:
        text += QLatin1Char(static_cast<char>('0' + Between(engine, 0, 9)));
        break;
    case Kind::Number:
        text += Ascii_From(engine, Number_Characters, sizeof Number_Characters - 1);
        break;
    case Kind::Hex:
        text += Ascii_From(engine, Hex_Characters, sizeof Hex_Characters - 1);
        break;
    case Kind::Unicode:
        text += From_Code(Unicode_Characters[static_cast<std::size_t>(
            Between(engine, 0, static_cast<int>(Unicode_Characters.size()) - 1))]);
        break;
    case Kind::Mixed:
        Append(engine, static_cast<Kind>(Between(engine, 0, static_cast<int>(Kind::Unicode))),
               text);
        break;
    case Kind::Lone_Surrogate: // what a careless clipboard owner may hand over
        text += Chance(engine, 0.1) ? QChar(static_cast<char16_t>(0xD800 + Between(engine, 0, 15)))
                                    : QChar(QLatin1Char('7'));
        break;
    case Kind::Kinds:
        break;
    }
}

} // namespace

QString Number_Text(Engine& engine) {
    // The edges of the rows' ranges, of 32-bit integers and of the plain
    // number text, where a comparison written one off shows.
    static constexpr std::array<const char*, 30> Edges{
        "0",          "1",           "-1",          "127",
        "128",        "-128",        "-129",        "255",
        "256",        "32767",       "32768",       "-32768",
        "-32769",     "65535",       "65536",       "2147483647",
        "2147483648", "-2147483648", "-2147483649", "4294967295",
        "4294967296", "0.5",         "2.5",         "-0.5",
        "255.5",      "536870911",   "1E15",        "999999999999999",
        "0.0001",     "1E-5"};
    if (Chance(engine, 0.3))
        return QString::fromLatin1(Edges[static_cast<std::size_t>(
            Between(engine, 0, static_cast<int>(Edges.size()) - 1))]);
    QString text;
    if (Chance(engine, 0.3))
        text += Chance(engine, 0.7) ? QLatin1Char('-') : QLatin1Char('+');
    const int digits = Between(engine, 1, 20);
    for (int i = 0; i < digits; ++i) {
        text += QLatin1Char(static_cast<char>('0' + Between(engine, 0, 9)));
        if (Chance(engine, 0.05))
            text += QLatin1Char(',');
    }
    if (Chance(engine, 0.3)) {
        text += QLatin1Char('.');
        const int fraction = Between(engine, 0, 6);
        for (int i = 0; i < fraction; ++i)
            text += QLatin1Char(static_cast<char>('0' + Between(engine, 0, 9)));
    }
    if (Chance(engine, 0.2))
        text += QStringLiteral("E%1%2")
                    .arg(Chance(engine, 0.5) ? QStringLiteral("-") : QString())
                    .arg(Between(engine, 0, 330));
    if (Chance(engine, 0.1))
        text = QStringLiteral("  ") + text + QStringLiteral("\t");
    return text;
}

int Between(Engine& engine, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(engine);
}

bool Chance(Engine& engine, double probability) {
    return std::bernoulli_distribution(probability)(engine);
}

QString Typed_Character(Engine& engine) {
    const int pick = Between(engine, 0, 99);
    QString text;
    if (pick < 45)
        Append(engine, Kind::Digits, text);
    else if (pick < 55)
        text = QStringLiteral("-");
    else if (pick < 70)
        Append(engine, Kind::Hex, text);
    else if (pick < 85)
        text = QLatin1Char(static_cast<char>(Between(engine, 0x20, 0x7E)));
    else
        Append(engine, Kind::Unicode, text);
    return text;
}

int Paste_Length(Engine& engine) {
    const int pick = Between(engine, 0, 99);
    if (pick < 70)
        return Between(engine, 0, 40);
    if (pick < 95)
        return Between(engine, 41, 40000);
    return Between(engine, 40001, 1 << 20);
}

QString Paste_Text(Engine& engine, int longest) {
    const auto kind = static_cast<Kind>(Between(engine, 0, static_cast<int>(Kind::Kinds) - 1));
    if (kind == Kind::Number && longest <= 40 && Chance(engine, 0.7))
        return Number_Text(engine).left(longest);
    QString text;
    text.reserve(longest + 1);
    if (kind == Kind::Digits && Chance(engine, 0.3)) // leading zeros keep a long text numeric
        text.fill(QLatin1Char('0'), Between(engine, 0, longest));
    while (text.size() < longest)
        Append(engine, kind, text);
    text.truncate(longest); // an emoji may have crossed the end
    return text;
}

} // namespace Random_Text

namespace Monkey_Seed {
namespace {

template <typename Number> bool Read(const char* variable, Number& number) {
    const char* text = std::getenv(variable);
    if (!text || !*text)
        return false;
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, number);
    return error == std::errc() && stop == end;
}

} // namespace

std::uint64_t Seed() {
    std::uint64_t seed = 0;
    if (Read(Seed_Variable, seed))
        return seed;
    std::random_device device;
    return (std::uint64_t{device()} << 32) | device();
}

int Events(int default_count) {
    int count = 0;
    return Read(Events_Variable, count) && count > 0 ? count : default_count;
}

std::string Replay_Hint(std::uint64_t seed, const std::string& test_name) {
    return "seed " + std::to_string(seed) + " (replay: " + Seed_Variable + "=" +
           std::to_string(seed) + " tests/monkey/monkey_test --gtest_filter=" + test_name + ")";
}

} // namespace Monkey_Seed

namespace Crash_Report {
namespace {

constexpr std::array<int, 5> Fatal_Signals{SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL};

char seed_text[160];
volatile std::sig_atomic_t event_index = -1;

// Only async-signal-safe calls from here on: write(2) and a hand-made number.
void Write_Number(long number) {
    if (number < 0) {
        [[maybe_unused]] const auto written = write(STDERR_FILENO, "start-up", 8);
        return;
    }
    char digits[24];
    int length = 0;
    do {
        digits[sizeof digits - 1 - static_cast<std::size_t>(length++)] =
            static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0);
    [[maybe_unused]] const auto written =
        write(STDERR_FILENO, digits + sizeof digits - length, static_cast<std::size_t>(length));
}

void On_Fatal_Signal(int signal_number) {
    [[maybe_unused]] auto written = write(STDERR_FILENO, seed_text, std::strlen(seed_text));
    Write_Number(event_index);
    written = write(STDERR_FILENO, "\n", 1);
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
}

} // namespace

void Arm(std::uint64_t seed) {
    std::snprintf(seed_text, sizeof seed_text,
                  "\nmonkey: crashed with seed %llu (replay with TESSALY_MONKEY_SEED=%llu) at "
                  "event ",
                  static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed));
    event_index = -1;
    for (const int signal_number : Fatal_Signals)
        std::signal(signal_number, On_Fatal_Signal);
}

void At_Event(int index) {
    event_index = index;
}

void Disarm() {
    for (const int signal_number : Fatal_Signals)
        std::signal(signal_number, SIG_DFL);
}

} // namespace Crash_Report

namespace {

using Random_Text::Between;
using Random_Text::Chance;

constexpr std::size_t History_Length = 30;

// Whether a row's key filter drops a typed character, as the rows are meant
// to filter: digits everywhere but rows 6 and 7, which take anything; "-" in
// the signed rows; "A" to "F" and "a" to "f" in the hexadecimal row.
bool Filter_Drops(int row, char32_t code) {
    const bool digit = code >= U'0' && code <= U'9';
    switch (row) {
    case 6:
    case 7:
        return false;
    case 8:
        return !(digit || (code >= U'A' && code <= U'F') || (code >= U'a' && code <= U'f'));
    default:
        return !(digit || (row >= 3 && code == U'-'));
    }
}

QString Code_Name(const QString& text) {
    QStringList codes;
    for (const char32_t code : text.toUcs4())
        codes << QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0'));
    return codes.join(QLatin1Char(' '));
}

QString Preview(const QString& text) {
    constexpr int Shown = 24;
    return Code_Name(text.left(Shown)) + (text.size() > Shown ? QStringLiteral(" ...") : QString());
}

double Thread_Cpu_Milliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// How long the thread has waited, ready to run, for a core: the second
// figure of Linux's scheduler statistics. Zero where there are none.
double Thread_Waiting_For_Core_Milliseconds() {
#ifdef Q_OS_LINUX
    if (std::FILE* stats = std::fopen("/proc/thread-self/schedstat", "r")) {
        unsigned long long running_ns = 0;
        unsigned long long waiting_ns = 0;
        const bool read = std::fscanf(stats, "%llu %llu", &running_ns, &waiting_ns) == 2;
        std::fclose(stats);
        if (read)
            return static_cast<double>(waiting_ns) / 1e6;
    }
#endif
    return 0;
}

void Post_Click(QWidget* target) {
    const QPointF centre = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(centre);
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, centre, global,
                                                        Qt::LeftButton, Qt::LeftButton, {}));
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, centre, global,
                                                        Qt::LeftButton, Qt::NoButton, {}));
}

void Post_Key(QWidget* target, Qt::Key key, const QString& text) {
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, {}, text));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, {}, text));
}

void Type_Text(QWidget* target, const QString& text) {
    if (text.size() == 1 && text[0].unicode() >= 0x20 && text[0].unicode() < 0x7F)
        QTest::keyClick(target, text[0].toLatin1());
    else // QTest knows no key for it: the text alone, as an input method sends it
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text, {});
}

} // namespace

Monkey::Monkey(Tessaly& window, std::uint64_t seed) : window_(window), engine_(seed) {
    QObject::connect(&window_.Timer_Delay_Reset(), &QTimer::timeout, &window_,
                     [this] { ++ticks_; });
}

template <typename Action> void Monkey::Timed(Action act) {
    QElapsedTimer clock;
    clock.start();
    const double cpu_before = Thread_Cpu_Milliseconds();
    const double waiting_before = Thread_Waiting_For_Core_Milliseconds();
    act();
    const double cpu = Thread_Cpu_Milliseconds() - cpu_before;
    const double waiting = Thread_Waiting_For_Core_Milliseconds() - waiting_before;
    event_ms_ += cpu;
    event_wall_ms_ += clock.elapsed();
    event_blocked_ms_ += std::max(0.0, static_cast<double>(clock.elapsed()) - cpu - waiting);
}

void Monkey::Describe(const QString& what) {
    history_.push_back(QStringLiteral("#%1 %2").arg(index_).arg(what));
    if (history_.size() > History_Length)
        history_.pop_front();
}

QString Monkey::Recent_Events() const {
    QStringList lines(history_.begin(), history_.end());
    return lines.join(QLatin1Char('\n'));
}

int Monkey::Random_Row() {
    return Between(engine_, 0, Rows::Count - 1);
}

int Monkey::Random_Toggle_Bit(int grid) {
    return Between(engine_, 0, Rows::Grid_At(grid).width - 1);
}

// Mostly the field that has the focus, as a user keeps typing where the
// caret is; another field gets the focus first, as a click or Tab gives it.
int Monkey::Typing_Row() {
    QWidget* focus = QApplication::focusWidget();
    for (int row = 0; row < Rows::Count; ++row)
        if (window_.NumIn(row) == focus && Chance(engine_, 0.8))
            return row;
    const int row = Random_Row();
    if (window_.NumIn(row) != focus) {
        Describe(QStringLiteral("focus NumIn_%1").arg(row));
        Timed([&] { window_.NumIn(row)->setFocus(Qt::TabFocusReason); });
    }
    return row;
}

QWidget* Monkey::Focus_Or_Field() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : window_.NumIn(Random_Row());
}

Monkey::Kind Monkey::Pick_Kind() {
    struct Weighted {
        Kind kind;
        int weight; // per thousand
    };
    static constexpr std::array<Weighted, 15> Weights{{
        {Kind::Type_Character, 350},
        {Kind::Type_Control, 90},
        {Kind::Enter, 80},
        {Kind::Escape, 25},
        {Kind::Click_Field, 60},
        {Kind::Tab, 20},
        {Kind::Click_Toggle, 150},
        {Kind::Space_On_Focus, 10},
        {Kind::Click_Button, 80},
        {Kind::Clear_All, 25},
        {Kind::Reset_With_Input, 13},
        {Kind::Wait_For_Reset, 2},
        {Kind::Paste, 35},
        {Kind::Paste_And_Convert, 40},
        {Kind::Select_Status, 20},
    }};
    int pick = Between(engine_, 0, 999);
    for (const Weighted& weighted : Weights) {
        if (pick < weighted.weight)
            return weighted.kind;
        pick -= weighted.weight;
    }
    return Kind::Type_Character;
}

QString Monkey::Step(int index) {
    index_ = index;
    event_ms_ = 0;
    event_wall_ms_ = 0;
    event_blocked_ms_ = 0;
    const Kind kind = Pick_Kind();
    QString problem = Run(kind);
    // Repaints, layout and a due timer tick belong to the event that caused them.
    const int ticks = ticks_;
    Timed([] { QCoreApplication::processEvents(); });
    if (problem.isEmpty() && ticks_ != ticks)
        problem = Every_Row_At_Zero(0); // the reset ran with no input queued
    log_.Take(problem);
    most_blocked_ = std::max(most_blocked_, static_cast<qint64>(event_blocked_ms_));
    if (event_ms_ > slowest_) {
        slowest_ = static_cast<qint64>(event_ms_);
        slowest_wall_ = event_wall_ms_;
        slowest_event_ = history_.empty() ? QString() : history_.back();
    }
    if (problem.isEmpty() &&
        (event_ms_ > Hang_Milliseconds || event_blocked_ms_ > Blocked_Milliseconds))
        problem = QStringLiteral("event #%1 took %2 ms of CPU time, %3 ms in all, %4 ms blocked")
                      .arg(index)
                      .arg(static_cast<qint64>(event_ms_))
                      .arg(event_wall_ms_)
                      .arg(static_cast<qint64>(event_blocked_ms_));
    return problem;
}

QString Monkey::Run(Kind kind) {
    switch (kind) {
    case Kind::Type_Character:
        return Type_Character();
    case Kind::Type_Control:
        return Type_Control();
    case Kind::Enter:
        return Convert_By_Key(false);
    case Kind::Escape:
        return Convert_By_Key(true);
    case Kind::Click_Field:
        return Click_Field();
    case Kind::Tab:
        return Tab();
    case Kind::Click_Toggle:
        return Click_Toggle();
    case Kind::Space_On_Focus:
        return Space_On_Focus();
    case Kind::Click_Button:
        return Click_Button();
    case Kind::Clear_All:
        return Clear_All();
    case Kind::Reset_With_Input:
        return Reset_With_Input();
    case Kind::Wait_For_Reset:
        return Wait_For_Reset();
    case Kind::Paste:
        return Paste();
    case Kind::Paste_And_Convert:
        return Paste_And_Convert();
    case Kind::Select_Status:
        return Select_Status();
    }
    return {};
}

template <typename Action>
QString Monkey::Checked_Conversion(int row, Action act, std::optional<QString> input) {
    QString problem;
    log_.Take(problem); // earlier lines are not this conversion's
    const Row_Snapshot before = Snapshot(window_, row);
    const int ticks = ticks_;
    Timed(act);
    const Row_Snapshot after = Snapshot(window_, row);
    const QStringList new_lines = log_.Take(problem);
    if (!problem.isEmpty() || ticks_ != ticks) // a reset ran meanwhile: nothing to compare
        return problem;
    return Conversion_Disagreement(row, before, input.value_or(before.field), after, new_lines);
}

QString Monkey::Type_Character() {
    const int row = Typing_Row();
    const QString text = Random_Text::Typed_Character(engine_);
    Describe(QStringLiteral("type %1 into NumIn_%2").arg(Code_Name(text)).arg(row));
    Number_Field* field = window_.NumIn(row);
    const QString before = field->text();
    Timed([&] { Type_Text(field, text); });
    const char32_t code = text.toUcs4().value(0);
    if (code >= 0x20 && Filter_Drops(row, code) && field->text() != before)
        return QStringLiteral("NumIn_%1 took %2, which its filter drops: \"%3\" became \"%4\"")
            .arg(row)
            .arg(Code_Name(text), before.left(80), field->text().left(80));
    return {};
}

QString Monkey::Type_Control() {
    const int row = Typing_Row();
    Number_Field* field = window_.NumIn(row);
    const QString before = field->text();
    const int pick = Between(engine_, 0, 99);
    if (pick < 40) {
        const int letter = Between(engine_, 0, 25);
        const auto key = static_cast<Qt::Key>(Qt::Key_A + letter);
        Describe(QStringLiteral("Ctrl+%1 into NumIn_%2").arg(QChar('A' + letter)).arg(row));
        const auto press = [&] { QTest::keyClick(field, key, Qt::ControlModifier); };
        if (key == Qt::Key_M) // code 13, an Enter
            return Checked_Conversion(row, press);
        Timed(press);
        const bool dropped = row != 6 && row != 7 && key != Qt::Key_H; // H is backspace, 8
        if (dropped && field->text() != before)
            return QStringLiteral("Ctrl+%1 changed NumIn_%2").arg(QChar('A' + letter)).arg(row);
        return {};
    }
    if (pick < 55) {
        const int code = Chance(engine_, 0.9) ? Between(engine_, 1, 31) : 0x7F;
        const QString text(QChar(static_cast<char16_t>(code)));
        Describe(QStringLiteral("control text %1 into NumIn_%2").arg(Code_Name(text)).arg(row));
        Timed([&] { QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, {}); });
        if (field->text() != before)
            return QStringLiteral("control text %1 changed NumIn_%2").arg(Code_Name(text)).arg(row);
        return {};
    }
    static constexpr std::array<Qt::Key, 7> Editing_Keys{
        Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
        Qt::Key_Right,     Qt::Key_Home,      Qt::Key_End};
    if (pick < 90) {
        const Qt::Key key = Editing_Keys[static_cast<std::size_t>(
            Between(engine_, 0, static_cast<int>(Editing_Keys.size()) - 1))];
        const Qt::KeyboardModifiers modifiers =
            Chance(engine_, 0.2) ? Qt::ShiftModifier : Qt::NoModifier;
        Describe(QStringLiteral("key %1 (modifiers %2) into NumIn_%3")
                     .arg(QKeySequence(key).toString())
                     .arg(modifiers.toInt())
                     .arg(row));
        Timed([&] { QTest::keyClick(field, key, modifiers); });
        return {};
    }
    const QString text =
        Random_Text::Typed_Character(engine_) + Random_Text::Typed_Character(engine_);
    // The platform hands composed text only to fields that take input methods.
    if (pick < 95 || !field->testAttribute(Qt::WA_InputMethodEnabled)) {
        // One key event with several characters, as a compose sequence sends.
        Describe(QStringLiteral("key text %1 into NumIn_%2").arg(Code_Name(text)).arg(row));
        Timed([&] { QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, {}); });
        return {};
    }
    Describe(QStringLiteral("input method commits %1 into NumIn_%2").arg(Code_Name(text)).arg(row));
    Timed([&] {
        QInputMethodEvent composing(text.left(1), {});
        QApplication::sendEvent(field, &composing);
        QInputMethodEvent committing;
        committing.setCommitString(text);
        QApplication::sendEvent(field, &committing);
    });
    return {};
}

QString Monkey::Convert_By_Key(bool escape) {
    const int row = Typing_Row();
    Number_Field* field = window_.NumIn(row);
    const Qt::Key key = escape                 ? Qt::Key_Escape
                        : Chance(engine_, 0.5) ? Qt::Key_Return
                                               : Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers =
        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    Describe(QStringLiteral("%1 in NumIn_%2").arg(QKeySequence(key).toString()).arg(row));
    QString problem = Checked_Conversion(
        row, [&] { QTest::keyClick(field, key, modifiers); },
        escape ? std::optional<QString>(QStringLiteral("0")) : std::nullopt);
    if (problem.isEmpty() && escape && field->text() != QStringLiteral("0"))
        problem = QStringLiteral("Escape left NumIn_%1 at \"%2\"").arg(row).arg(field->text());
    return problem;
}

QString Monkey::Click_Field() {
    const int row = Random_Row();
    Number_Field* field = window_.NumIn(row);
    const QPoint where(Between(engine_, 1, field->width() - 2), field->height() / 2);
    Describe(QStringLiteral("click NumIn_%1").arg(row));
    Timed([&] { QTest::mouseClick(field, Qt::LeftButton, {}, where); });
    return {};
}

QString Monkey::Tab() {
    const bool back = Chance(engine_, 0.3);
    QWidget* target = Focus_Or_Field();
    Describe(QStringLiteral("%1 from %2").arg(back ? "Shift+Tab" : "Tab", target->objectName()));
    Timed([&] { QTest::keyClick(target, back ? Qt::Key_Backtab : Qt::Key_Tab); });
    return {};
}

QString Monkey::Click_Toggle() {
    const int grid = Between(engine_, 0, Rows::Grid_Count - 1);
    QCheckBox* toggle = window_.Toggle(grid, Random_Toggle_Bit(grid));
    Describe(QStringLiteral("click %1").arg(toggle->objectName()));
    Timed([&] { QTest::mouseClick(toggle, Qt::LeftButton, {}, toggle->rect().center()); });
    return Grid_Disagreement(grid, Snapshot(window_, grid));
}

QString Monkey::Space_On_Focus() {
    QWidget* target = Focus_Or_Field();
    Describe(QStringLiteral("Space on %1").arg(target->objectName()));
    const auto press = [&] { QTest::keyClick(target, Qt::Key_Space); };
    for (int row = 0; row < Rows::Count; ++row)
        if (target == window_.PB(row))
            return Checked_Conversion(row, press);
    for (int grid = 0; grid < Rows::Grid_Count; ++grid)
        for (int bit = 0; bit < Rows::Grid_At(grid).width; ++bit)
            if (target == window_.Toggle(grid, bit)) {
                Timed(press);
                return Grid_Disagreement(grid, Snapshot(window_, grid));
            }
    Timed(press);
    return {};
}

QString Monkey::Click_Button() {
    const int row = Random_Row();
    Describe(QStringLiteral("click PB_%1").arg(row));
    return Checked_Conversion(row, [&] { QTest::mouseClick(window_.PB(row), Qt::LeftButton); });
}

QString Monkey::Clear_All() {
    Describe(QStringLiteral("click Clear All"));
    std::array<Row_Snapshot, Rows::Count> before;
    for (int row = 0; row < Rows::Count; ++row)
        before[static_cast<std::size_t>(row)] = Snapshot(window_, row);
    Timed([&] { QTest::mouseClick(window_.PB(Rows::Clear_All), Qt::LeftButton); });
    for (int row = 0; row < Rows::Count; ++row) {
        const Row_Snapshot after = Snapshot(window_, row);
        const Row_Snapshot& was = before[static_cast<std::size_t>(row)];
        if (after.field != was.field || after.status != was.status || after.toggles != was.toggles)
            return QStringLiteral("\"Clear All\" changed row %1 before its timer fired").arg(row);
    }
    if (!window_.Timer_Delay_Reset().isActive())
        return QStringLiteral("\"Clear All\" did not start the reset timer");
    return {};
}

void Monkey::Post_Random_Input() {
    const int pick = Between(engine_, 0, 99);
    if (pick < 50) {
        const int row = Random_Row();
        const Qt::Key key = pick < 35   ? Qt::Key_unknown
                            : pick < 45 ? Qt::Key_Return
                                        : Qt::Key_Escape;
        const QString text =
            key == Qt::Key_unknown ? Random_Text::Typed_Character(engine_) : QString();
        Describe(QStringLiteral("  queued: key %1%2 to NumIn_%3")
                     .arg(key == Qt::Key_unknown ? Code_Name(text) : QKeySequence(key).toString())
                     .arg(QString())
                     .arg(row));
        Post_Key(window_.NumIn(row), key, text);
    } else if (pick < 75) {
        const int grid = Between(engine_, 0, Rows::Grid_Count - 1);
        QCheckBox* toggle = window_.Toggle(grid, Random_Toggle_Bit(grid));
        Describe(QStringLiteral("  queued: click %1").arg(toggle->objectName()));
        Post_Click(toggle);
    } else {
        const int button = pick < 90 ? Random_Row() : Rows::Clear_All;
        Describe(QStringLiteral("  queued: click PB_%1").arg(button));
        Post_Click(window_.PB(button));
        posted_clear_all_ = posted_clear_all_ || button == Rows::Clear_All;
    }
}

// "Clear All", input queued behind it, then the tick: the reset handles that
// input between its rows, a second "Clear All" among it included.
QString Monkey::Reset_With_Input() {
    Describe(QStringLiteral("reset with queued input"));
    QTimer& timer = window_.Timer_Delay_Reset();
    if (!timer.isActive())
        Timed([&] { QTest::mouseClick(window_.PB(Rows::Clear_All), Qt::LeftButton); });
    posted_clear_all_ = false;
    const int queued = Between(engine_, 1, 8);
    for (int i = 0; i < queued; ++i)
        Post_Random_Input();
    const int ticks = ticks_;
    Timed([&] {
        window_.Timer_Delay_Reset_Timer(); // the tick, handled before the queued input
        QCoreApplication::processEvents();
    });
    // The queued input runs between rows 0 and 1; every later row is reset after it.
    if (QString problem = Every_Row_At_Zero(1); !problem.isEmpty())
        return problem;
    if (ticks_ == ticks && timer.isActive() != posted_clear_all_)
        return posted_clear_all_ ? QStringLiteral("\"Clear All\" during a reset was lost")
                                 : QStringLiteral("the reset left its timer running");
    return {};
}

QString Monkey::Wait_For_Reset() {
    Describe(QStringLiteral("Clear All and wait for the tick"));
    if (!window_.Timer_Delay_Reset().isActive())
        Timed([&] { QTest::mouseClick(window_.PB(Rows::Clear_All), Qt::LeftButton); });
    const int ticks = ticks_;
    bool fired = false;
    Timed([&] { fired = QTest::qWaitFor([&] { return ticks_ != ticks; }, 2000); });
    if (!fired)
        return QStringLiteral("the reset timer did not fire within two seconds");
    if (QString problem = Every_Row_At_Zero(0); !problem.isEmpty())
        return problem;
    if (QApplication::focusWidget() != window_.NumIn(0))
        return QStringLiteral("after the reset the focus is not in NumIn_0");
    return {};
}

QString Monkey::Every_Row_At_Zero(int first_row) {
    for (int row = first_row; row < Rows::Count; ++row)
        if (QString problem = Zero_State_Disagreement(row, Snapshot(window_, row));
            !problem.isEmpty())
            return QStringLiteral("after a reset: ") + problem;
    return {};
}

QString Monkey::Paste() {
    const int row = Random_Row();
    const QString text = Random_Text::Paste_Text(engine_, Random_Text::Paste_Length(engine_));
    Number_Field* field = window_.NumIn(row);
    const int how = Between(engine_, 0, 9);
    const QString way = how < 4   ? QStringLiteral("replacing the text")
                        : how < 8 ? QStringLiteral("the context menu's Paste")
                                  : QStringLiteral("Ctrl+V");
    Describe(QStringLiteral("paste %1 characters [%2] into NumIn_%3 by %4")
                 .arg(text.size())
                 .arg(Preview(text))
                 .arg(row)
                 .arg(way));
    if (how < 4) {
        Timed([&] { field->setText(text); });
        return {};
    }
    QApplication::clipboard()->setText(text);
    if (how < 8) {
        Timed([&] { field->paste(); });
        return {};
    }
    if (QApplication::focusWidget() != field) // a key reaches only the focused field
        Timed([&] { field->setFocus(Qt::TabFocusReason); });
    const QString before = field->text();
    Timed([&] { QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); });
    if (row != 6 && row != 7 && field->text() != before)
        return QStringLiteral("Ctrl+V pasted into the filtered field NumIn_%1").arg(row);
    return {};
}

// A number copied from elsewhere and converted at once: every notation the
// parser knows reaches every row's command this way.
QString Monkey::Paste_And_Convert() {
    const int row = Random_Row();
    const QString text = Random_Text::Number_Text(engine_);
    Number_Field* field = window_.NumIn(row);
    const bool by_button = Random_Text::Chance(engine_, 0.5);
    Describe(QStringLiteral("paste \"%1\" into NumIn_%2, then %3")
                 .arg(text)
                 .arg(row)
                 .arg(by_button ? "its button" : "Enter"));
    Timed([&] { field->setText(text); });
    if (by_button)
        return Checked_Conversion(row, [&] { QTest::mouseClick(window_.PB(row), Qt::LeftButton); });
    if (QApplication::focusWidget() != field)
        Timed([&] { field->setFocus(Qt::TabFocusReason); });
    return Checked_Conversion(row, [&] { QTest::keyClick(field, Qt::Key_Return); });
}

QString Monkey::Final_Enter_In_Every_Row() {
    index_ = -1;
    // A reset still under way would clear the rows between these Enters.
    if (window_.Timer_Delay_Reset().isActive()) {
        const int ticks = ticks_;
        if (!QTest::qWaitFor([&] { return ticks_ != ticks; }, 2000))
            return QStringLiteral("the pending reset did not fire within two seconds");
    }
    QCoreApplication::processEvents();
    for (int row = 0; row < Rows::Count; ++row) {
        Number_Field* field = window_.NumIn(row);
        field->setFocus(Qt::TabFocusReason);
        Describe(QStringLiteral("final Enter in NumIn_%1").arg(row));
        if (QString problem =
                Checked_Conversion(row, [&] { QTest::keyClick(field, Qt::Key_Return); });
            !problem.isEmpty())
            return problem;
    }
    QString problem;
    log_.Take(problem);
    return problem;
}

// A drag across a status line selects part of its text and changes nothing.
QString Monkey::Select_Status() {
    const int row = Random_Row();
    Status_Line* status = window_.Status(row);
    const QString before = status->text();
    const int middle = status->height() / 2;
    const QPoint from(Between(engine_, 0, status->width() - 1), middle);
    const QPoint to(Between(engine_, 0, status->width() - 1), middle);
    Describe(
        QStringLiteral("drag over Status_%1 from %2 to %3").arg(row).arg(from.x()).arg(to.x()));
    Timed([&] {
        QTest::mousePress(status, Qt::LeftButton, {}, from);
        QTest::mouseMove(status, to);
        QTest::mouseRelease(status, Qt::LeftButton, {}, to);
    });
    if (status->text() != before)
        return QStringLiteral("selecting changed Status_%1 from \"%2\" to \"%3\"")
            .arg(row)
            .arg(before, status->text());
    if (!before.contains(status->selectedText()))
        return QStringLiteral("Status_%1 selected \"%2\", which is not part of its text")
            .arg(row)
            .arg(status->selectedText());
    return {};
}
