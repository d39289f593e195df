// SPDX-License-Identifier: MIT
// The handlers' error trap: every failure is logged under its number and
// the handler returns quietly.
#include "Error_Trap.h"
#include "Test_Environment.h"
#include "Test_Tables.h"
#include "Unwritable_Folder.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// What the handler throws; the number and description fields logged for it.
using Trap_Case = Test_Tables::Row<std::function<void()>, const char*>;

class Error_Trap_Catches : public testing::TestWithParam<Trap_Case> {
protected:
    void SetUp() override { Test_Environment::Clear_Log(); }
    void TearDown() override { Test_Environment::Clear_Log(); }
};

TEST_P(Error_Trap_Catches, Logs_The_Failure_And_Abandons_The_Handler) {
    bool rest_ran = false;
    Error_Trap::Run("Tessaly", "PB_Click", [&] {
        GetParam().input();
        rest_ran = true;
    });
    EXPECT_FALSE(rest_ran);
    const QStringList lines = Test_Environment::Log_Lines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("][Tessaly][PB_Click]") +
                                  QString::fromLatin1(GetParam().expected)))
        << lines[0].toStdString();
}

struct Not_A_Standard_Exception {};

INSTANTIATE_TEST_SUITE_P(
    Failures, Error_Trap_Catches,
    testing::Values(
        Trap_Case{"Overflow", [] { throw Run_Time_Failure(Failure::Overflow); }, "[6][Overflow]"},
        Trap_Case{"Type_Mismatch", [] { throw Run_Time_Failure(Failure::Type_Mismatch); },
                  "[13][Type mismatch]"},
        Trap_Case{"Division_By_Zero", [] { throw Run_Time_Failure(Failure::Division_By_Zero); },
                  "[11][Division by zero]"},
        Trap_Case{"Negative_Number", [] { throw Run_Time_Failure(-5); },
                  "[-5][Application-defined or object-defined error]"},
        Trap_Case{"Number_Beyond_16_Bits", [] { throw Run_Time_Failure(70000); },
                  "[51][Application-defined or object-defined error]"},
        Trap_Case{"Out_Of_Memory", [] { throw std::bad_alloc(); }, "[7][Out of memory]"},
        Trap_Case{"Standard_Exception", [] { throw std::out_of_range("index"); },
                  "[51][Application-defined or object-defined error]"},
        Trap_Case{"Anything_Else", [] { throw Not_A_Standard_Exception(); },
                  "[51][Application-defined or object-defined error]"},
        Trap_Case{"Plain_Number", [] { throw 6; },
                  "[51][Application-defined or object-defined error]"}),
    Test_Tables::Row_Name<Trap_Case>);

TEST(Error_Trap, Handler_That_Succeeds_Runs_Whole_And_Logs_Nothing) {
    Test_Environment::Clear_Log();
    int steps = 0;
    Error_Trap::Run("About", "Form_Click", [&] {
        ++steps;
        ++steps;
    });
    EXPECT_EQ(steps, 2);
    EXPECT_TRUE(Test_Environment::Log_Lines().isEmpty());
}

TEST(Error_Trap, Failure_Number_Of_Nothing_Is_The_Internal_Error) {
    EXPECT_EQ(Error_Trap::Failure_Number(nullptr), Failure::Internal_Error);
}

TEST(Error_Trap, Handler_Returns_Quietly_When_The_Log_Cannot_Be_Written) {
    const QString base = Test_Environment::Root() + QStringLiteral("/no-log");
    const QString program = Unwritable_Folder::Make(base);
    const QString fallback = Unwritable_Folder::Make(base);
    Error_Logging::Set_Log_Folders(program, fallback);
    Test_Environment::Clear_Messages();
    Error_Trap::Run("Tessaly", "IniMe", [] { throw Run_Time_Failure(Failure::Overflow); });
    Error_Logging::Set_Log_Folders(Test_Environment::Program_Folder(),
                                   Test_Environment::Fallback_Folder());
    EXPECT_FALSE(QFile::exists(program + QStringLiteral("/Application Log.txt")));
    EXPECT_FALSE(QFile::exists(fallback + QStringLiteral("/Application Log.txt")));
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

} // namespace
