// SPDX-License-Identifier: MIT
// The settings file that holds the version record, spoilt in each way a
// file can be: Tessaly starts and works, and touches no other file.
#include "Fault_Checks.h"
#include "Test_Tables.h"

#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Test_Tables::PrintTo;

enum class Afterwards {
    Rebuilt,   // the record holds the running version again
    Untouched, // the file could not be read or written: it is as it was
};

struct Settings_Fault {
    const char* name;
    std::function<void(Fault_Scenario&)> spoil;
    Afterwards afterwards;
    QStringList messages; // message boxes the version check shows
    bool needs_permissions = false;
};

QByteArray Binary_Garbage() {
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(static_cast<char>((i * 7919) % 256));
    return bytes;
}

const QByteArray Ten_Megabytes_Of_Version =
    "[General]\nVersion=" + QByteArray(10 * 1024 * 1024, '9') + "\n";

const Settings_Fault Faults[] = {
    {"Binary_Garbage",
     [](Fault_Scenario& s) { s.Write_File(s.Settings_File(), Binary_Garbage()); },
     Afterwards::Rebuilt,
     {"Error getting Sub_Key value."}},
    {"Broken_Lines",
     [](Fault_Scenario& s) {
         s.Write_File(s.Settings_File(), "[General\nVersion\n==\n[\n%\x01\xff\nVersion=\"1.0");
     },
     Afterwards::Rebuilt,
     {"Error getting Sub_Key value."}},
    {"Version_Holding_A_Broken_Variant",
     [](Fault_Scenario& s) {
         s.Write_File(s.Settings_File(), "[General]\nVersion=@Variant(\\0\\0\\0\\x7f\\xff\\xff)\n");
     },
     Afterwards::Rebuilt,
     {}},
    {"Ten_Megabyte_Version",
     [](Fault_Scenario& s) { s.Write_File(s.Settings_File(), Ten_Megabytes_Of_Version); },
     Afterwards::Rebuilt,
     {}},
    {"Folder_In_Place_Of_The_File",
     [](Fault_Scenario& s) { s.Write_File(s.Settings_File() + "/kept", "kept"); },
     Afterwards::Untouched,
     {}},
    {"Unreadable",
     [](Fault_Scenario& s) {
         s.Write_File(s.Settings_File(), "[General]\nVersion=1.0.23\n");
         s.Set_Mode(s.Settings_File(), 0);
     },
     Afterwards::Untouched,
     {},
     true},
};

class Settings_File_Faults : public testing::TestWithParam<Settings_Fault> {};

TEST_P(Settings_File_Faults, Tessaly_Starts_Works_And_Writes_Only_Its_Own_Files) {
    const Settings_Fault& fault = GetParam();
    if (fault.needs_permissions && !Fault_Scenario::Permissions_Apply())
        GTEST_SKIP() << "running as root without setpriv: the file would not stay unreadable";
    Fault_Scenario scenario;
    fault.spoil(scenario);
    const File_Snapshot::Snapshot spoilt = File_Snapshot::Take(scenario.Home());

    const Probe_Report report = scenario.Run_Probe();

    Expect_Tessaly_Works(report);
    EXPECT_EQ(report.Values("message"), fault.messages);
    Expect_Log_Entry(scenario, Log_Place::Program_Folder);
    Expect_Only_Written(scenario, Own_Files(scenario));
    if (fault.afterwards == Afterwards::Rebuilt) {
        EXPECT_EQ(Stored_Version(scenario), Running_Version());
        EXPECT_LT(QFileInfo(scenario.Settings_File()).size(), 4096);
    } else {
        EXPECT_EQ(File_Snapshot::Changed_Paths(spoilt, File_Snapshot::Take(scenario.Home())),
                  QStringList());
    }
}

INSTANTIATE_TEST_SUITE_P(Spoilt, Settings_File_Faults, testing::ValuesIn(Faults),
                         Test_Tables::Row_Name<Settings_Fault>);

} // namespace
