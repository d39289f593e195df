// SPDX-License-Identifier: MIT
// Compares what a row of the window shows with what it must show. Each check
// gives the empty text when the row agrees, otherwise what differs.
#pragma once

#include <QString>
#include <QStringList>

class Tessaly;

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
