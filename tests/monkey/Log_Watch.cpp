// SPDX-License-Identifier: MIT
#include "Log_Watch.h"

#include "Log_Line.h"
#include "Test_Environment.h"

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
