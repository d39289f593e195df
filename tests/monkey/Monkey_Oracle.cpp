// SPDX-License-Identifier: MIT
// The monkey's independent reckoning: what a row must show after a
// conversion, a toggle click or a reset, and the error log's lines read back.
#include "Main_Window_Fixture.h"
#include "Monkey.h"

#include "Number_Field.h"
#include "Tessaly.h"
#include "Test_Environment.h"

#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <array>
#include <bit>
#include <bitset>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

struct Grid_Row {
    int width;
    bool is_signed;
    bool rounds; // the value is rounded to a whole number before conversion
    double limit;
};

constexpr std::array<Grid_Row, 6> Grid_Rows{{
    {8, false, true, 255},
    {16, false, true, 65535},
    {32, false, false, 4294967295.0},
    {8, true, true, 127},
    {16, true, true, 32767},
    {32, true, true, 2147483647},
}};

const QString Too_Large = QStringLiteral(" is to large to process");
constexpr double Lowest_Int32 = -2147483648.0;

// The default floating-point environment rounds to nearest, halves to even.
double Nearest(double value) {
    return std::nearbyint(value);
}

QString Bit_Text(std::uint64_t pattern, int width) {
    const std::string all = std::bitset<64>(pattern).to_string();
    return QString::fromStdString(all.substr(all.size() - static_cast<std::size_t>(width)));
}

// The text a conversion leaves in a decimal field: "-" for negatives, no
// leading zeros, at most 15 significant digits, plain digits for whole
// numbers below 10^15, exponent form only beyond that or below 10^-4.
std::optional<double> Read_Canonical(const QString& field, const QString& decimal_point,
                                     QString& problem) {
    QString plain = field;
    if (decimal_point != QStringLiteral("."))
        plain.replace(decimal_point, QStringLiteral("."));
    static const QRegularExpression form(
        QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?(E[+-][0-9]{2,3})?$"));
    const auto match = form.match(plain);
    if (!match.hasMatch()) {
        problem = QStringLiteral("the field \"%1\" is not a number's canonical text").arg(field);
        return std::nullopt;
    }
    QString digits = match.captured(1) + match.captured(2).mid(1);
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.size() > 15) {
        problem = QStringLiteral("the field \"%1\" has more than 15 significant digits").arg(field);
        return std::nullopt;
    }
    const std::string text = plain.toStdString();
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    const bool exponent_form = !match.captured(3).isEmpty();
    const double magnitude = std::fabs(value);
    if (exponent_form && magnitude < 1e15 && magnitude >= 1e-4) {
        problem = QStringLiteral("the field \"%1\" needs no exponent").arg(field);
        return std::nullopt;
    }
    return value;
}

Expected_Outcome Refused(const QString& field) {
    return {field + Too_Large, std::nullopt, 0, {}, {}};
}

Expected_Outcome Failed(int number) {
    return {std::nullopt, std::nullopt, number, {}, {}};
}

Expected_Outcome Shown(const QString& status, std::optional<QString> toggles = std::nullopt) {
    return {status, std::move(toggles), 0, {}, {}};
}

Expected_Outcome Bit_Pattern_Row(int row, const QString& field, double value) {
    const Grid_Row& grid = Grid_Rows[static_cast<std::size_t>(row)];
    if (value > grid.limit)
        return Refused(field);
    const double converted = grid.rounds ? Nearest(value) : value;
    if (grid.rounds && converted < Lowest_Int32)
        return Failed(6); // beyond a 32-bit integer
    std::uint64_t pattern = 0;
    if (grid.is_signed) {
        const double lowest = -std::ldexp(1.0, grid.width - 1);
        if (converted < lowest) // "Value too High" is shown, then read as bits
            return {field + QStringLiteral(" = Value too High"), std::nullopt, 13, {}, {}};
        const auto whole = static_cast<std::int64_t>(converted);
        pattern = static_cast<std::uint64_t>(whole) & ((std::uint64_t{1} << grid.width) - 1);
    } else if (converted > 0) {
        pattern = static_cast<std::uint64_t>(std::floor(converted)); // a fraction is dropped
    }
    const QString bits = Bit_Text(pattern, grid.width);
    return Shown(field + QStringLiteral(" = ") + bits, bits);
}

Expected_Outcome Find_MSB_Row(const QString& field, double value) {
    if (value > 2147483647.0)
        return Refused(field);
    if (value < 0)
        return Shown(QStringLiteral("Sorry, only positive numbers are accepted"));
    int bits = 1; // zero counts as one bit
    while (std::ldexp(1.0L, bits) < static_cast<long double>(value) + 1)
        ++bits;
    const auto msb = std::uint64_t{1} << (bits - 1);
    return Shown(field + QStringLiteral(" requires %1 bits, MSB is bit %2 = %3")
                             .arg(bits)
                             .arg(bits - 1)
                             .arg(static_cast<qulonglong>(msb)));
}

Expected_Outcome Decimal_To_Hex_Row(const QString& field, double value) {
    if (value > 4294967295.0)
        return Refused(field);
    const double whole = Nearest(value);
    if (whole < Lowest_Int32)
        return Failed(6);
    const auto digits = whole < 0 ? static_cast<std::uint64_t>(static_cast<std::uint32_t>(
                                        static_cast<std::int32_t>(whole)))
                                  : static_cast<std::uint64_t>(whole);
    return Shown(QStringLiteral("[Decimal] ") + field + QStringLiteral(" = [Hexadecimal] ") +
                 QString::number(static_cast<qulonglong>(digits), 16).toUpper());
}

Expected_Outcome Hex_To_Decimal_Row(const QString& field) {
    if (field.isEmpty())
        return {
            std::nullopt, std::nullopt, 0, QStringLiteral("the empty field is not made \"0\""), {}};
    static const QRegularExpression upper_hex(QStringLiteral("^[0-9A-F]+$"));
    if (!upper_hex.match(field).hasMatch())
        return Failed(13);
    qsizetype first = 0;
    while (first < field.size() - 1 && field[first] == QLatin1Char('0'))
        ++first;
    const QString significant = field.mid(first);
    const int top_digit = significant.left(1).toInt(nullptr, 16);
    const auto bit_length = static_cast<long long>(4 * (significant.size() - 1)) +
                            (top_digit == 0 ? 0 : std::bit_width(static_cast<unsigned>(top_digit)));
    const QString prefix =
        QStringLiteral("[Hexadecimal] ") + field + QStringLiteral(" = [Decimal] ");
    if (bit_length <= 49) { // below 10^15: plain digits, exact
        const auto value = significant.toULongLong(nullptr, 16);
        return Shown(prefix + QString::number(value));
    }
    if (bit_length > 1024)
        return Failed(6); // beyond the double range
    long double value = 0;
    for (const QChar digit : significant)
        value = value * 16 + QString(digit).toInt(nullptr, 16);
    if (value >= std::ldexp(1.0L, 1024) - std::ldexp(1.0L, 970))
        return Failed(6); // rounds to infinity
    Expected_Outcome outcome = Shown(prefix);
    outcome.approximate_decimal = value;
    return outcome;
}

} // namespace

Expected_Outcome Expected_After_Conversion(int row, const QString& field,
                                           const QString& decimal_point) {
    if (row == 8)
        return Hex_To_Decimal_Row(field);
    Expected_Outcome unreadable;
    const auto value = Read_Canonical(field, decimal_point, unreadable.field_problem);
    if (!value)
        return unreadable;
    if (row < 6)
        return Bit_Pattern_Row(row, field, *value);
    if (row == 6)
        return Find_MSB_Row(field, *value);
    return Decimal_To_Hex_Row(field, *value);
}

std::optional<QString> Expected_Field(int row, const QString& input, const QString& decimal_point) {
    if (input.isEmpty())
        return QStringLiteral("0");
    static const QRegularExpression hex_letters(QStringLiteral("^[0-9A-F]*[A-DF][0-9A-F]*$"));
    if (row == 8 && hex_letters.match(input).hasMatch())
        return input; // no number: the command leaves it alone
    static const QRegularExpression plain(
        QStringLiteral("^([+-]?)0*([0-9]*?)(?:\\.([0-9]*?)0*)?$"));
    QString text = input;
    if (decimal_point != QStringLiteral("."))
        text.replace(decimal_point, QStringLiteral("."));
    const auto match = plain.match(text);
    if (!match.hasMatch() || !input.contains(QRegularExpression(QStringLiteral("[0-9]"))))
        return std::nullopt;
    const QString whole = match.captured(2);
    const QString fraction = match.captured(3);
    if (row == 8 && (!match.captured(1).isEmpty() || text.contains(QLatin1Char('.'))))
        return std::nullopt;
    // Up to 15 digits from 10^-4 on print as they were written.
    const bool tiny = whole.isEmpty() && fraction.startsWith(QStringLiteral("0000"));
    if (whole.size() + fraction.size() > 15 || (tiny && !fraction.isEmpty()))
        return std::nullopt;
    QString canonical = whole.isEmpty() ? QStringLiteral("0") : whole;
    if (!fraction.isEmpty())
        canonical += decimal_point + fraction;
    if (match.captured(1) == QStringLiteral("-") && canonical != QStringLiteral("0"))
        canonical.prepend(QLatin1Char('-'));
    return canonical;
}

namespace {

QString Quoted(const QString& text) {
    constexpr int Shown_Length = 80; // megabyte texts are cut for the report
    return QLatin1Char('"') +
           (text.size() > Shown_Length ? text.left(Shown_Length) + "..." : text) + QLatin1Char('"');
}

QString Row_Text(int row, const Row_Snapshot& before, const Row_Snapshot& after) {
    return QStringLiteral("row %1: field %2 -> %3, status %4 -> %5, toggles %6 -> %7")
        .arg(row)
        .arg(Quoted(before.field), Quoted(after.field), Quoted(before.status), Quoted(after.status),
             before.toggles, after.toggles);
}

QStringList Conversion_Failures(const QStringList& new_log_lines) {
    QStringList failures;
    for (const QString& line : new_log_lines) {
        const auto entry = Read_Log_Line(line);
        if (entry && entry->procedure == QStringLiteral("PB_Click"))
            failures << QString::number(entry->number);
    }
    return failures;
}

// Row 8 beyond 13 digits: the decimal part read back must lie within the
// rounding of a 15-digit text of the exact value.
bool Decimal_Close_Enough(const QString& status, const QString& prefix, long double exact) {
    if (!status.startsWith(prefix))
        return false;
    QString decimal = status.mid(prefix.size());
    decimal.replace(QLocale().decimalPoint(), QStringLiteral("."));
    const std::string text = decimal.toStdString();
    double shown = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), shown);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    return std::fabs(static_cast<long double>(shown) - exact) <= exact * 2e-14L;
}

} // namespace

Row_Snapshot Snapshot(const Tessaly& window, int row) {
    return {window.NumIn(row)->text(), window.Status(row)->text(),
            row < Rows::Grid_Count ? Toggle_Bits(window, row) : QString()};
}

QString Conversion_Disagreement(int row, const Row_Snapshot& before, const QString& input,
                                const Row_Snapshot& after, const QStringList& new_log_lines) {
    const QString decimal_point = QLocale().decimalPoint();
    const Expected_Outcome expected = Expected_After_Conversion(row, after.field, decimal_point);
    const QString where = Row_Text(row, before, after);
    if (const auto field = Expected_Field(row, input, decimal_point);
        field && *field != after.field)
        return QStringLiteral("the field should read %1 after converting %2; ")
                   .arg(Quoted(*field), Quoted(input)) +
               where;
    if (!expected.field_problem.isEmpty())
        return expected.field_problem + QStringLiteral("; ") + where;
    const QString wanted_status = expected.status.value_or(before.status);
    const bool status_agrees =
        expected.approximate_decimal
            ? Decimal_Close_Enough(after.status, wanted_status, *expected.approximate_decimal)
            : after.status == wanted_status;
    if (!status_agrees)
        return QStringLiteral("status should be %1; ").arg(Quoted(wanted_status)) + where;
    if (after.toggles != expected.toggles.value_or(before.toggles))
        return QStringLiteral("toggles should be %1; ")
                   .arg(expected.toggles.value_or(before.toggles)) +
               where;
    const QStringList failures = Conversion_Failures(new_log_lines);
    const QStringList wanted_failures =
        expected.failure ? QStringList{QString::number(expected.failure)} : QStringList{};
    if (failures != wanted_failures)
        return QStringLiteral("logged failures [%1], expected [%2]; ")
                   .arg(failures.join(','), wanted_failures.join(',')) +
               where;
    return {};
}

QString Grid_Disagreement(int grid, const Row_Snapshot& after) {
    bool read = false;
    const std::uint64_t pattern = after.toggles.toULongLong(&read, 2);
    const Grid_Row& row = Grid_Rows[static_cast<std::size_t>(grid)];
    const int width = row.width;
    long long value = static_cast<long long>(pattern);
    if (row.is_signed && (pattern >> (width - 1)) & 1)
        value -= 1LL << width; // two's complement
    const QString wanted_field = QString::number(value);
    const QString wanted_status = wanted_field + QStringLiteral(" = ") + after.toggles;
    if (!read || after.field != wanted_field || after.status != wanted_status)
        return QStringLiteral("grid %1 should show %2 and %3; ")
                   .arg(grid)
                   .arg(Quoted(wanted_field), Quoted(wanted_status)) +
               Row_Text(grid, after, after);
    return {};
}

QString Zero_State_Disagreement(int row, const Row_Snapshot& after) {
    if (after.field != QStringLiteral("0"))
        return QStringLiteral("the field should read \"0\"; ") + Row_Text(row, after, after);
    const Expected_Outcome zero = Expected_After_Conversion(row, after.field, QStringLiteral("."));
    if (after.status != zero.status.value_or(QString()) ||
        after.toggles != zero.toggles.value_or(QString()))
        return QStringLiteral("the row should show the conversion of 0; ") +
               Row_Text(row, after, after);
    return {};
}

std::optional<Log_Entry> Read_Log_Line(const QString& line) {
    static const QRegularExpression form(QStringLiteral(
        "^\\[[^\\]]+\\]\\[Tessaly\\]\\[([A-Za-z0-9_]+)\\]\\[(-?[0-9]+)\\]\\[[^\\]]+\\]$"));
    const auto match = form.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    return Log_Entry{match.captured(1), match.captured(2).toInt()};
}

bool Is_Known(const Log_Entry& entry) {
    static const QStringList procedures{QStringLiteral("IniMe"),
                                        QStringLiteral("PB_Click"),
                                        QStringLiteral("NumIn_KeyPress"),
                                        QStringLiteral("NumIn_GotFocus"),
                                        QStringLiteral("Timer_Delay_Reset_Timer"),
                                        QStringLiteral("bit8_Click"),
                                        QStringLiteral("bit16_Click"),
                                        QStringLiteral("bit32_Click"),
                                        QStringLiteral("abSINT_Click"),
                                        QStringLiteral("abINT_Click"),
                                        QStringLiteral("abDINT_Click"),
                                        QStringLiteral("mAbout_Click")};
    static const QList<int> numbers{5, 6, 7, 9, 11, 13, 51};
    return procedures.contains(entry.procedure) && numbers.contains(entry.number);
}

QStringList Log_Watch::Take(QString& problem) {
    const QStringList lines = Test_Environment::Log_Lines();
    if (lines.isEmpty())
        return lines;
    Test_Environment::Clear_Log();
    for (const QString& line : lines) {
        const auto entry = Read_Log_Line(line);
        if (!entry || !Is_Known(*entry)) {
            if (problem.isEmpty())
                problem = QStringLiteral("unknown log line: ") + line;
            continue;
        }
        ++tally_[entry->procedure + QLatin1Char(' ') + QString::number(entry->number)];
    }
    return lines;
}

QString Log_Watch::Tally() const {
    QStringList parts;
    for (auto it = tally_.cbegin(); it != tally_.cend(); ++it)
        parts << it.key() + QStringLiteral(": ") + QString::number(it.value());
    return parts.isEmpty() ? QStringLiteral("nothing logged") : parts.join(QStringLiteral(", "));
}
