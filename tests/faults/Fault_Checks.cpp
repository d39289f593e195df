// SPDX-License-Identifier: MIT
#include "Fault_Checks.h"

#include "App_Identity.h"
#include "Test_Environment.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

QString Relative(const Fault_Scenario& scenario, const QString& path) {
    return QDir(scenario.Root()).relativeFilePath(path);
}

// Relative to the scenario's root, as File_Snapshot names them.
QStringList With_Their_Folders(const Fault_Scenario& scenario, const QStringList& files) {
    QStringList paths{QStringLiteral(".")};
    for (const QString& file : files) {
        QString path = Relative(scenario, file);
        while (!path.isEmpty() && path != QStringLiteral(".")) {
            paths.append(path);
            const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
            path = slash < 0 ? QString() : path.left(slash);
        }
    }
    return paths;
}

} // namespace

void Expect_Tessaly_Works(const Probe_Report& report) {
    ASSERT_TRUE(report.started) << Describe(report);
    EXPECT_TRUE(report.finished_in_time) << Describe(report);
    EXPECT_FALSE(report.crashed) << Describe(report);
    EXPECT_EQ(report.exit_code, 0) << Describe(report);
    EXPECT_EQ(report.Value("finished"), "yes") << Describe(report);
    EXPECT_EQ(report.Value("title"), "Tessaly");
    // The last steps of the start-up ran: no failure cut it short.
    EXPECT_EQ(report.Value("start_status_0"), "0 = 00000000");
    EXPECT_EQ(report.Value("start_status_8"), "[Hexadecimal] 0 = [Decimal] 0");
    EXPECT_EQ(report.Value("tool_tip_bit32_31"), "Bit 31 = 2147483648");
    EXPECT_EQ(report.Value("typed_status_0"), "200 = 11001000");
    EXPECT_EQ(report.Value("toggled_field_0"), "201");
    EXPECT_EQ(report.Value("toggled_status_0"), "201 = 11001001");
    EXPECT_EQ(report.Value("pasted_status_8"), "[Hexadecimal] 0 = [Decimal] 0");
}

void Expect_Only_Written(const Fault_Scenario& scenario, const QStringList& files) {
    const QStringList allowed = With_Their_Folders(scenario, files);
    for (const QString& path : scenario.Changed_Paths())
        EXPECT_TRUE(allowed.contains(path))
            << "written outside the program's own files: " << path.toStdString();
}

void Expect_Log_Entry(const Fault_Scenario& scenario, Log_Place place) {
    const QString expected = place == Log_Place::Program_Folder    ? scenario.Program_Log()
                             : place == Log_Place::Fallback_Folder ? scenario.Fallback_Log()
                                                                   : QString();
    for (const QString& log : {scenario.Program_Log(), scenario.Fallback_Log()}) {
        if (log != expected) {
            EXPECT_FALSE(QFile::exists(log)) << log.toStdString();
            continue;
        }
        const QStringList lines = Test_Environment::Lines_Of_Log(log);
        ASSERT_EQ(lines.size(), 1) << log.toStdString();
        EXPECT_TRUE(lines[0].endsWith("][Tessaly][PB_Click][13][Type mismatch]"))
            << lines[0].toStdString();
    }
}

QStringList Own_Files(const Fault_Scenario& scenario) {
    return {scenario.Settings_File(), scenario.Program_Log(), scenario.Fallback_Log()};
}

QString Stored_Version(const Fault_Scenario& scenario) {
    QSettings settings(scenario.Settings_File(), QSettings::IniFormat);
    return settings.value(QStringLiteral("Version")).toString();
}

QString Running_Version() {
    return QString::fromStdString(App_Identity::Version_Text());
}

namespace {

// Where the checkout lives must not fail a fault test: when the probe cannot
// run at all, every test is skipped with the reason.
class Probe_Reachable : public testing::Environment {
    void SetUp() override {
        if (const QString reason = Fault_Scenario::Probe_Unreachable(); !reason.isEmpty())
            GTEST_SKIP() << reason.toStdString();
    }
};

[[maybe_unused]] testing::Environment* const probe_reachable =
    testing::AddGlobalTestEnvironment(new Probe_Reachable);

} // namespace
