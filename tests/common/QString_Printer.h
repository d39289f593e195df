// SPDX-License-Identifier: MIT
// Lets GoogleTest print Qt strings as text instead of raw bytes.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << list.size() << " lines, from \"" << list.value(0).toStdString() << '"';
}
