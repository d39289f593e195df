// SPDX-License-Identifier: MIT
#include "Row_Check.h"

#include "Expected_Outcome.h"
#include "Log_Line.h"
#include "Number_Field.h"
#include "Tessaly.h"

#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

constexpr std::array<int, 6> Grid_Widths{8, 16, 32, 8, 16, 32};
constexpr int Signed_Grids_From = 3;

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
    Row_Snapshot snapshot{window.NumIn(row)->text(), window.Status(row)->text(), {}};
    if (row < static_cast<int>(Grid_Widths.size()))
        for (int bit = Grid_Widths[static_cast<std::size_t>(row)] - 1; bit >= 0; --bit)
            snapshot.toggles += window.Toggle(row, bit)->isChecked() ? '1' : '0';
    return snapshot;
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
    const int width = Grid_Widths[static_cast<std::size_t>(grid)];
    long long value = static_cast<long long>(pattern);
    if (grid >= Signed_Grids_From && (pattern >> (width - 1)) & 1)
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
