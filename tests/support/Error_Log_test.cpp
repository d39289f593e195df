// SPDX-License-Identifier: MIT
// The error log file: its line format, appending, the per-user fallback and
// several programs writing at once.
#include "Error_Logging.h"
#include "Runtime_Services.h"
#include "Test_Environment.h"
#include "Test_Tables.h"
#include "Test_World.h"
#include "Time_Stamp.h"
#include "Unwritable_Folder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

const QString Log_Name = QStringLiteral("Application Log.txt");

QByteArray Content_Of(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Lines_Of(const QString& folder) {
    return Test_Environment::Lines_Of_Log(folder + QLatin1Char('/') + Log_Name);
}

QString Fresh_Folder(const QString& name) {
    const QString folder = Unique_Path(Test_Environment::Root(), name);
    QDir().mkpath(folder);
    return folder;
}

// Entry: [time stamp][source][procedure][number][description]
const QRegularExpression
    Entry(QStringLiteral(R"(^\[([^\]]*)\]\[(.*)\]\[(.*)\]\[(-?\d+)\]\[(.*)\]$)"));

class Error_Log : public testing::Test {
protected:
    void SetUp() override {
        Test_Environment::Clear_Log();
        Test_Environment::Clear_Messages();
        QFile::remove(Test_Environment::Fallback_Folder() + QLatin1Char('/') + Log_Name);
    }
    void TearDown() override {
        Error_Logging::Set_Log_Folders(Test_Environment::Program_Folder(),
                                       Test_Environment::Fallback_Folder());
        Test_Environment::Clear_Log();
    }
};

TEST_F(Error_Log, First_Entry_Creates_The_File_With_One_Line) {
    Log_Error(QStringLiteral("Tessaly"), QStringLiteral("PB_Click"), 13);
    const QByteArray content = Content_Of(Error_Logging::Log_File_Path());
    EXPECT_TRUE(content.endsWith("][Tessaly][PB_Click][13][Type mismatch]\r\n")) << content.data();
    EXPECT_TRUE(content.startsWith("["));
    EXPECT_EQ(content.count("\n"), 1);
    EXPECT_EQ(content.count("\r"), 1);
    EXPECT_EQ(Test_Environment::Log_Lines().size(), 1);
}

TEST_F(Error_Log, File_Is_Named_Application_Log_In_The_Program_Folder) {
    EXPECT_EQ(Error_Logging::Log_File_Path(), Test_Environment::Program_Folder() + "/" + Log_Name);
}

TEST_F(Error_Log, Time_Stamp_Is_The_Moment_Of_Writing) {
    const QDateTime before = QDateTime::currentDateTime();
    Log_Error(QStringLiteral("About"), QStringLiteral("Form_Load"), 6);
    const QDateTime after = QDateTime::currentDateTime();
    const QRegularExpressionMatch entry = Entry.match(Test_Environment::Log_Lines().value(0));
    ASSERT_TRUE(entry.hasMatch());
    QStringList possible;
    for (QDateTime moment = before.addMSecs(-before.time().msec()); moment <= after;
         moment = moment.addSecs(1))
        possible.append(Error_Logging::Time_Stamp(moment, QLocale()));
    EXPECT_TRUE(possible.contains(entry.captured(1)))
        << entry.captured(1).toStdString() << " not in " << possible.join(", ").toStdString();
}

TEST_F(Error_Log, Earlier_Lines_Are_Kept) {
    QFile file(Error_Logging::Log_File_Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("first line\r\nsecond line\r\n");
    file.close();
    Log_Error(QStringLiteral("ASCII_Table"), QStringLiteral("Form_Resize"), 9);
    const QStringList lines = Test_Environment::Log_Lines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "first line");
    EXPECT_EQ(lines[1], "second line");
    EXPECT_TRUE(lines[2].endsWith("[ASCII_Table][Form_Resize][9][Subscript out of range]"));
}

using Number_Case = Test_Tables::Row<std::int16_t, const char*>; // the line's ending

class Error_Log_Number : public Error_Log, public testing::WithParamInterface<Number_Case> {};

TEST_P(Error_Log_Number, Is_Written_In_Decimal_With_Its_Description) {
    Log_Error(QStringLiteral("Tessaly"), QStringLiteral("IniMe"), GetParam().input);
    const QStringList lines = Test_Environment::Log_Lines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].endsWith(QString::fromLatin1(GetParam().expected)))
        << lines[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, Error_Log_Number,
    testing::Values(Number_Case{"0", 0, "[IniMe][0][]"},
                    Number_Case{"5", 5, "[5][Invalid procedure call or argument]"},
                    Number_Case{"6", 6, "[6][Overflow]"}, Number_Case{"7", 7, "[7][Out of memory]"},
                    Number_Case{"11", 11, "[11][Division by zero]"},
                    Number_Case{"51", 51, "[51][Application-defined or object-defined error]"},
                    Number_Case{"Minus_1", -1, "[-1][Application-defined or object-defined error]"},
                    Number_Case{"32767", 32767,
                                "[32767][Application-defined or object-defined error]"},
                    Number_Case{"Minus_32768", -32768,
                                "[-32768][Application-defined or object-defined error]"}),
    Test_Tables::Row_Name<Number_Case>);

TEST_F(Error_Log, Names_Are_Written_As_They_Are) {
    Log_Error(QStringLiteral("A]b[c"), QStringLiteral("\"quoted\" name"), 13);
    const QStringList lines = Test_Environment::Log_Lines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].endsWith("[A]b[c][\"quoted\" name][13][Type mismatch]"));
}

TEST_F(Error_Log, Folder_Ending_In_A_Separator_Still_Gets_The_Log) {
    const QString folder = Fresh_Folder(QStringLiteral("with-separator"));
    Error_Logging::Set_Log_Folders(folder + QLatin1Char('/'), QString());
    Log_Error(QStringLiteral("Tessaly"), QStringLiteral("PB_Click"), 6);
    EXPECT_EQ(Lines_Of(folder).size(), 1);
}

TEST_F(Error_Log, Read_Only_Program_Folder_Falls_Back_To_The_Users_Data_Folder) {
    const QString program = Unwritable_Folder::Make(Fresh_Folder(QStringLiteral("installed")));
    const QString fallback = Fresh_Folder(QStringLiteral("user-data"));
    Error_Logging::Set_Log_Folders(program, fallback);
    Log_Error(QStringLiteral("Tessaly"), QStringLiteral("PB_Click"), 6);
    EXPECT_FALSE(QFile::exists(program + QLatin1Char('/') + Log_Name));
    const QStringList lines = Lines_Of(fallback);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].endsWith("[Tessaly][PB_Click][6][Overflow]"));
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

TEST_F(Error_Log, Missing_Fallback_Folder_Is_Created) {
    const QString program = Unwritable_Folder::Make(Fresh_Folder(QStringLiteral("installed")));
    const QString fallback =
        Fresh_Folder(QStringLiteral("home")) + QStringLiteral("/not/yet/there");
    Error_Logging::Set_Log_Folders(program, fallback);
    Log_Error(QStringLiteral("Tessaly"), QStringLiteral("PB_Click"), 6);
    EXPECT_EQ(Lines_Of(fallback).size(), 1);
}

TEST_F(Error_Log, Entry_Is_Lost_Quietly_When_Both_Folders_Are_Read_Only) {
    const QString program = Unwritable_Folder::Make(Fresh_Folder(QStringLiteral("installed")));
    const QString fallback = Unwritable_Folder::Make(Fresh_Folder(QStringLiteral("user-data")));
    Error_Logging::Set_Log_Folders(program, fallback);
    Log_Error(QStringLiteral("Tessaly"), QStringLiteral("PB_Click"), 6);
    EXPECT_FALSE(QFile::exists(program + QLatin1Char('/') + Log_Name));
    EXPECT_FALSE(QFile::exists(fallback + QLatin1Char('/') + Log_Name));
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

TEST_F(Error_Log, Log_File_That_Is_A_Folder_Falls_Back) {
    const QString program = Fresh_Folder(QStringLiteral("installed"));
    QDir().mkpath(program + QLatin1Char('/') + Log_Name);
    const QString fallback = Fresh_Folder(QStringLiteral("user-data"));
    Error_Logging::Set_Log_Folders(program, fallback);
    Log_Error(QStringLiteral("Tessaly"), QStringLiteral("PB_Click"), 6);
    EXPECT_EQ(Lines_Of(fallback).size(), 1);
}

TEST_F(Error_Log, Two_Programs_Appending_At_Once_Leave_Whole_Lines) {
    const int per_writer = 500;
    const QString folder = Fresh_Folder(QStringLiteral("shared"));
    const QString start_file = folder + QStringLiteral("/start");
    const QStringList writers = {QStringLiteral("Writer_A"), QStringLiteral("Writer_B")};
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const QString& writer : writers) {
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral(TESSALY_LOG_WRITER),
                       {folder, writer, QString::number(per_writer), start_file});
        ASSERT_TRUE(process->waitForStarted()) << process->errorString().toStdString();
        processes.push_back(std::move(process));
    }
    QFile(start_file).open(QIODevice::WriteOnly);
    for (const auto& process : processes) {
        ASSERT_TRUE(process->waitForFinished(120000));
        EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process->exitCode(), 0);
    }

    const QByteArray content = Content_Of(folder + QLatin1Char('/') + Log_Name);
    EXPECT_TRUE(content.endsWith("\r\n"));
    EXPECT_EQ(content.count("\n"), 2 * per_writer);
    EXPECT_EQ(content.count("\r"), 2 * per_writer);
    std::map<QString, std::set<QString>> lines_by_writer;
    for (const QString& line : Lines_Of(folder)) {
        const QRegularExpressionMatch entry = Entry.match(line);
        ASSERT_TRUE(entry.hasMatch()) << line.toStdString();
        EXPECT_EQ(entry.captured(4), "13");
        EXPECT_EQ(entry.captured(5), "Type mismatch");
        EXPECT_TRUE(lines_by_writer[entry.captured(2)].insert(entry.captured(3)).second)
            << "repeated: " << line.toStdString();
    }
    for (const QString& writer : writers) {
        const std::set<QString>& procedures = lines_by_writer[writer];
        EXPECT_EQ(procedures.size(), std::size_t(per_writer)) << writer.toStdString();
        for (int i = 0; i < per_writer; ++i)
            EXPECT_TRUE(procedures.contains(QStringLiteral("Line_%1").arg(i)));
    }
    EXPECT_EQ(lines_by_writer.size(), 2u);
}

} // namespace
