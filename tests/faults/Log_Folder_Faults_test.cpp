// SPDX-License-Identifier: MIT
// The log's folders: beside the program, the per-user fallback, neither.
#include "Fault_Checks.h"

#include <gtest/gtest.h>

namespace {

#define SKIP_UNLESS_PERMISSIONS_APPLY()                                                            \
    if (!Fault_Scenario::Permissions_Apply())                                                      \
    GTEST_SKIP() << "running as root without setpriv: a read-only folder would not stop writes"

// The world every fault is measured against.
TEST(Log_Folder_Faults, Kind_World_Logs_Beside_The_Program_And_Records_The_Version) {
    Fault_Scenario scenario;
    const Probe_Report report = scenario.Run_Probe();
    Expect_Tessaly_Works(report);
    EXPECT_TRUE(report.Values("message").isEmpty());
    Expect_Log_Entry(scenario, Log_Place::Program_Folder);
    EXPECT_EQ(Stored_Version(scenario), Running_Version());
    Expect_Only_Written(scenario, Own_Files(scenario));
}

TEST(Log_Folder_Faults, Read_Only_Program_Folder_Logs_To_The_Fallback) {
    SKIP_UNLESS_PERMISSIONS_APPLY();
    Fault_Scenario scenario;
    scenario.Set_Mode(scenario.Program_Folder(), 0555);
    const Probe_Report report = scenario.Run_Probe();
    Expect_Tessaly_Works(report);
    Expect_Log_Entry(scenario, Log_Place::Fallback_Folder);
    Expect_Only_Written(scenario, Own_Files(scenario));
}

TEST(Log_Folder_Faults, Read_Only_Program_And_Fallback_Folders_Lose_The_Entry_Quietly) {
    SKIP_UNLESS_PERMISSIONS_APPLY();
    Fault_Scenario scenario;
    scenario.Set_Mode(scenario.Program_Folder(), 0555);
    scenario.Make_Folder(scenario.Fallback_Folder());
    scenario.Set_Mode(scenario.Fallback_Folder(), 0555);
    const Probe_Report report = scenario.Run_Probe();
    Expect_Tessaly_Works(report);
    EXPECT_TRUE(report.Values("message").isEmpty());
    Expect_Log_Entry(scenario, Log_Place::Nowhere);
    Expect_Only_Written(scenario, Own_Files(scenario));
}

// The fallback's parent cannot take the missing folder.
TEST(Log_Folder_Faults, Fallback_That_Cannot_Be_Created_Loses_The_Entry_Quietly) {
    SKIP_UNLESS_PERMISSIONS_APPLY();
    Fault_Scenario scenario;
    scenario.Set_Mode(scenario.Program_Folder(), 0555);
    scenario.Make_Folder(scenario.Home() + "/.local/share");
    scenario.Set_Mode(scenario.Home() + "/.local/share", 0555);
    const Probe_Report report = scenario.Run_Probe();
    Expect_Tessaly_Works(report);
    Expect_Log_Entry(scenario, Log_Place::Nowhere);
    Expect_Only_Written(scenario, Own_Files(scenario));
}

} // namespace
