// SPDX-License-Identifier: MIT
// Takes the error log's lines as they come, checks that each names a known
// procedure and number, and empties the log so the next take is small.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

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
