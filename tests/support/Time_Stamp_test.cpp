// SPDX-License-Identifier: MIT
// The log's time stamp: the locale's short date and long time with seconds,
// without the time zone; midnight gives the date alone.
#include "Test_Tables.h"
#include "Time_Stamp.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using Error_Logging::Long_Time_Format;
using Error_Logging::Time_Stamp;

namespace {

const QDate Compile_Day(2013, 2, 2);

struct Stamp_Case {
    const char* name;
    const char* locale;
    QTime time;
    const char* stamp;
};

class Time_Stamp_Of : public testing::TestWithParam<Stamp_Case> {};

TEST_P(Time_Stamp_Of, Is_The_Locales_General_Date_And_Time) {
    const QDateTime when(Compile_Day, GetParam().time);
    EXPECT_EQ(Time_Stamp(when, QLocale(QString::fromLatin1(GetParam().locale))),
              QString::fromUtf8(GetParam().stamp));
}

INSTANTIATE_TEST_SUITE_P(
    Moments, Time_Stamp_Of,
    testing::Values(
        Stamp_Case{"United_States_Afternoon", "en_US", QTime(13, 45, 7), "2/2/13 1:45:07 PM"},
        Stamp_Case{"United_States_Noon", "en_US", QTime(12, 0, 0), "2/2/13 12:00:00 PM"},
        Stamp_Case{"United_States_Midnight", "en_US", QTime(0, 0, 0), "2/2/13"},
        Stamp_Case{"United_States_Second_After_Midnight", "en_US", QTime(0, 0, 1),
                   "2/2/13 12:00:01 AM"},
        Stamp_Case{"United_States_Minute_After_Midnight", "en_US", QTime(0, 1, 0),
                   "2/2/13 12:01:00 AM"},
        Stamp_Case{"Midnight_With_Milliseconds", "en_US", QTime(0, 0, 0, 999), "2/2/13"},
        Stamp_Case{"German", "de_DE", QTime(13, 45, 7), "02.02.13 13:45:07"},
        Stamp_Case{"British", "en_GB", QTime(9, 5, 3), "02/02/2013 09:05:03"},
        Stamp_Case{"Persian_Zone_In_Brackets", "fa_IR", QTime(13, 45, 7),
                   "\u06F2\u06F0\u06F1\u06F3/\u06F2/\u06F2 \u06F1\u06F3:\u06F4\u06F5:\u06F0\u06F7"},
        Stamp_Case{"Japanese", "ja_JP", QTime(13, 45, 7), "2013/02/02 13\u664245\u520607\u79D2"},
        Stamp_Case{"Posix", "C", QTime(23, 59, 59), "2 Feb 2013 23:59:59"}),
    Test_Tables::Row_Name<Stamp_Case>);

// Every locale Qt knows: the zone is gone, the seconds are there, and the
// date comes first, followed by one blank.
TEST(Time_Stamp_In_Every_Locale, Has_Seconds_And_No_Time_Zone) {
    // 38 seconds: digits that neither the date nor the hour and minute hold.
    const QDateTime when(Compile_Day, QTime(13, 45, 38), QTimeZone("America/New_York"));
    const QString zone = when.timeZoneAbbreviation();
    ASSERT_FALSE(zone.isEmpty());
    const auto locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& locale : locales) {
        const QString stamp = Time_Stamp(when, locale);
        const QString name = locale.name();
        const QString date = locale.toString(when.date(), QLocale::ShortFormat);
        EXPECT_TRUE(stamp.startsWith(date + QLatin1Char(' '))) << name.toStdString();
        EXPECT_FALSE(stamp.contains(zone)) << name.toStdString() << ": " << stamp.toStdString();
        EXPECT_FALSE(stamp.contains(QStringLiteral("UTC"))) << name.toStdString();
        EXPECT_TRUE(stamp.contains(locale.toString(when.time(), QStringLiteral("s"))))
            << name.toStdString() << ": " << stamp.toStdString();
        EXPECT_FALSE(stamp.endsWith(QLatin1Char(' '))) << name.toStdString();
        EXPECT_FALSE(stamp.contains(QStringLiteral("()")) || stamp.contains(QStringLiteral("[]")))
            << name.toStdString() << ": " << stamp.toStdString();
    }
}

TEST(Long_Time_Format, Drops_Only_The_Zone_Field) {
    EXPECT_EQ(Long_Time_Format(QLocale(QStringLiteral("en_US"))), "h:mm:ss AP");
    EXPECT_EQ(Long_Time_Format(QLocale(QStringLiteral("de_DE"))), "HH:mm:ss");
    EXPECT_EQ(Long_Time_Format(QLocale(QStringLiteral("fa_IR"))), "H:mm:ss");
}

} // namespace
