// SPDX-License-Identifier: MIT
// Reads the error log's lines back: "[time][Tessaly][procedure][number][text]".
#pragma once

#include <QString>
#include <optional>

struct Log_Entry {
    QString procedure;
    int number = 0;
};

std::optional<Log_Entry> Read_Log_Line(const QString& line);

// A procedure that is one of the main window's trapped handlers, and a
// number that the program raises.
bool Is_Known(const Log_Entry& entry);
