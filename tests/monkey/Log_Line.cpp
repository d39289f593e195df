// SPDX-License-Identifier: MIT
#include "Log_Line.h"

#include <QRegularExpression>
#include <QStringList>

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
