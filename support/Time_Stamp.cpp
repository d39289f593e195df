// SPDX-License-Identifier: MIT
#include "Time_Stamp.h"

namespace Error_Logging {
namespace {

// Blanks, commas and brackets that only framed the time zone (" t", ", t",
// " (t)", " [t]").
bool Is_Zone_Frame(QChar c) {
    return c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char('(') || c == QLatin1Char(')') ||
           c == QLatin1Char('[') || c == QLatin1Char(']');
}

// Drops every unquoted run of 't' (the zone field) and remembers whether
// each character that remains lies inside quotes.
QString Without_Zone_Field(const QString& format, QList<bool>& quoted) {
    QString result;
    bool in_quotes = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\''))
            in_quotes = !in_quotes;
        else if (!in_quotes && c == QLatin1Char('t'))
            continue;
        result += c;
        quoted.append(in_quotes || c == QLatin1Char('\''));
    }
    return result;
}

} // namespace

QString Long_Time_Format(const QLocale& locale) {
    QList<bool> quoted;
    QString format = Without_Zone_Field(locale.timeFormat(QLocale::LongFormat), quoted);
    qsizetype begin = 0;
    qsizetype end = format.size();
    while (end > begin && !quoted[end - 1] && Is_Zone_Frame(format[end - 1]))
        --end;
    while (begin < end && !quoted[begin] && Is_Zone_Frame(format[begin]))
        ++begin;
    return format.mid(begin, end - begin);
}

QString Time_Stamp(const QDateTime& when, const QLocale& locale) {
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    const QTime time = when.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date;
    return date + QLatin1Char(' ') + locale.toString(time, Long_Time_Format(locale));
}

} // namespace Error_Logging
