// SPDX-License-Identifier: MIT
// The time stamp of an error log entry.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace Error_Logging {

// The locale's general date and time: its short date, one blank and its long
// time with seconds but without the time zone. A time of exactly midnight
// (to the second) gives the date alone.
QString Time_Stamp(const QDateTime& when, const QLocale& locale);

// The locale's long time format with its time zone field taken out.
QString Long_Time_Format(const QLocale& locale);

} // namespace Error_Logging
