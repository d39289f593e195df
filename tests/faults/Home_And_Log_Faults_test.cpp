// SPDX-License-Identifier: MIT
// The log's folders (beside the program, the per-user fallback, neither) and
// a home that cannot be written: Tessaly starts, logs where it can, quietly,
// and writes nothing but its own files.
#include "Fault_Checks.h"
#include "Test_Tables.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using Test_Tables::PrintTo;

enum class Writes { Own_Files, Program_Log_Only, Nothing };

struct Folder_Fault {
    const char* name;
    std::function<void(Fault_Scenario&)> spoil;
    Log_Place log;
    Writes writes;
    bool version_recorded;
    bool needs_permissions = true; // a read-only folder keeps root out only through setpriv
};

void Read_Only(Fault_Scenario& s, const QString& folder) {
    s.Make_Folder(folder);
    s.Set_Mode(folder, 0555);
}

const Folder_Fault Worlds[] = {
    // The world every fault is measured against.
    {"Kind_World_Logs_Beside_The_Program_And_Records_The_Version", [](Fault_Scenario&) {},
     Log_Place::Program_Folder, Writes::Own_Files, true, false},
    {"Read_Only_Program_Folder_Logs_To_The_Fallback",
     [](Fault_Scenario& s) { Read_Only(s, s.Program_Folder()); }, Log_Place::Fallback_Folder,
     Writes::Own_Files, true},
    {"Read_Only_Program_And_Fallback_Folders_Lose_The_Entry_Quietly",
     [](Fault_Scenario& s) {
         Read_Only(s, s.Program_Folder());
         Read_Only(s, s.Fallback_Folder());
     },
     Log_Place::Nowhere, Writes::Own_Files, true},
    // The fallback's parent cannot take the missing folder.
    {"Fallback_That_Cannot_Be_Created_Loses_The_Entry_Quietly",
     [](Fault_Scenario& s) {
         Read_Only(s, s.Program_Folder());
         Read_Only(s, s.Home() + "/.local/share");
     },
     Log_Place::Nowhere, Writes::Own_Files, true},
    {"Read_Only_Home_Keeps_No_Record_And_Logs_Beside_The_Program",
     [](Fault_Scenario& s) { Read_Only(s, s.Home()); }, Log_Place::Program_Folder,
     Writes::Program_Log_Only, false},
    {"Read_Only_Home_And_Program_Folder_Lose_The_Entry_Quietly",
     [](Fault_Scenario& s) {
         Read_Only(s, s.Home());
         Read_Only(s, s.Program_Folder());
     },
     Log_Place::Nowhere, Writes::Nothing, false},
};

class Folder_Faults : public testing::TestWithParam<Folder_Fault> {};

TEST_P(Folder_Faults, Tessaly_Starts_Logs_Where_It_Can_And_Writes_Only_Its_Own_Files) {
    const Folder_Fault& fault = GetParam();
    if (fault.needs_permissions && !Fault_Scenario::Permissions_Apply())
        GTEST_SKIP() << "running as root without setpriv: a read-only folder would not stop writes";
    Fault_Scenario scenario;
    fault.spoil(scenario);
    const Probe_Report report = scenario.Run_Probe();
    Expect_Tessaly_Works(report);
    EXPECT_TRUE(report.Values("message").isEmpty());
    Expect_Log_Entry(scenario, fault.log);
    EXPECT_EQ(Stored_Version(scenario), fault.version_recorded ? Running_Version() : QString());
    Expect_Only_Written(scenario, fault.writes == Writes::Own_Files ? Own_Files(scenario)
                                  : fault.writes == Writes::Program_Log_Only
                                      ? QStringList{scenario.Program_Log()}
                                      : QStringList());
}

INSTANTIATE_TEST_SUITE_P(Worlds, Folder_Faults, testing::ValuesIn(Worlds),
                         Test_Tables::Row_Name<Folder_Fault>);

} // namespace
