// SPDX-License-Identifier: MIT
// The version record against an in-memory store, with operations failing on
// purpose: the messages, results and writes that follow each failure.
#include "Record_Worlds.h"
#include "Test_Tables.h"

#include <gtest/gtest.h>

using Registry::Value_Type;

namespace {

const QString Value_Read_Failed = QStringLiteral("Error getting Sub_Key value.");
const QString Close_Failed = QStringLiteral("Error closing key.");

class Version_Record_Failures : public Record_Test<Memory_World> {
protected:
    std::string Text_Of(const std::string& name) const { return world.Text_Of(name); }

    Memory_Store& memory = world.inner;
    Faulty_Store& store = world.store;
};

TEST_F(Version_Record_Failures, Key_That_Cannot_Be_Opened_For_Reading_Counts_As_No_Record) {
    memory.Put_Text(Record_Key, "Version", "1.0.24");
    memory.Put_Text(Record_Key, "Foreign", "kept");
    store.fail_open_for_query = true;
    EXPECT_EQ(Check(), "created");
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
    EXPECT_TRUE(store.Calls_Of("Delete_Key").empty());
    EXPECT_EQ(store.Written_Names(), Expected_Names());
    EXPECT_EQ(Text_Of("Foreign"), "kept");
}

TEST_F(Version_Record_Failures, Failed_Read_Shows_Its_Message_And_Rebuilds) {
    memory.Put_Text(Record_Key, "Version", "1.0.24");
    memory.Put_Text(Record_Key, "Foreign", "dropped");
    store.failing_queries = {2}; // the read after the size probe
    EXPECT_EQ(Check(), "updated");
    EXPECT_EQ(Test_Environment::Messages(), QStringList{Value_Read_Failed});
    EXPECT_FALSE(memory.Find(Record_Key, "Foreign"));
    Expect_Full_Record();
}

TEST_F(Version_Record_Failures, Failed_Size_Probe_Is_Not_Examined) {
    memory.Put_Text(Record_Key, "Version", "1.0.24");
    store.failing_queries = {1};
    // The probe learns no size, so the read into an empty buffer fails too.
    EXPECT_EQ(Check(), "updated");
    EXPECT_EQ(Test_Environment::Messages(), QStringList{Value_Read_Failed});
}

TEST_F(Version_Record_Failures, Failed_Close_Shows_Its_Message_And_Keeps_The_Value_Read) {
    memory.Put_Text(Record_Key, "Version", "1.0.24");
    store.fail_close = true;
    EXPECT_EQ(Check(), "verified");
    EXPECT_EQ(Test_Environment::Messages(), QStringList{Close_Failed});
}

TEST_F(Version_Record_Failures, Only_The_Reading_Close_Is_Examined) {
    memory.Put_Text(Record_Key, "Version", "1.0.23");
    store.fail_close = true;
    EXPECT_EQ(Check(), "updated");
    // The creating and writing closes fail as well, silently.
    EXPECT_EQ(Test_Environment::Messages(), QStringList{Close_Failed});
    Expect_Full_Record();
}

TEST_F(Version_Record_Failures, Failed_Writes_Are_Silent_And_Every_Value_Is_Attempted) {
    store.fail_set = true;
    EXPECT_EQ(Check(), "created");
    EXPECT_EQ(store.Written_Names(), Expected_Names());
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
    EXPECT_TRUE(memory.Values(Record_Key).empty());
}

TEST_F(Version_Record_Failures, Failed_Rebuild_Still_Reports_Updated) {
    memory.Put_Text(Record_Key, "Version", "1.0.23");
    store.fail_set = true;
    EXPECT_EQ(Check(), "updated");
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

TEST_F(Version_Record_Failures, Failed_Creation_Is_Silent) {
    store.fail_create = true;
    EXPECT_EQ(Check(), "created");
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
    EXPECT_FALSE(memory.Has_Key(Record_Key));
    // Each value still tries to open the key; none can.
    EXPECT_EQ(store.Calls_Of("Open_Key All").size(), Expected_Record.size());
}

TEST_F(Version_Record_Failures, Zero_Byte_Version_Reads_As_Empty_Text) {
    memory.Put(Record_Key, "Version", Value_Type::Other, "");
    EXPECT_EQ(Registry::Get_Key_Value(store, Record_Key, "Version"), "");
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
    EXPECT_EQ(Check(), "updated");
}

TEST_F(Version_Record_Failures, Version_Of_The_Number_Type_Is_Rebuilt_As_Text) {
    memory.Put(Record_Key, "Version", Value_Type::Number32, std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(Check(), "updated");
    Expect_Full_Record();
}

TEST_F(Version_Record_Failures, Get_Key_Value_Of_An_Absent_Key_Is_Missing_Without_Closing) {
    EXPECT_EQ(Registry::Get_Key_Value(store, Record_Key, "Version"), "Missing");
    EXPECT_TRUE(store.Calls_Of("Close_Key").empty());
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

TEST_F(Version_Record_Failures, Get_Key_Value_Of_An_Absent_Value_Is_Empty_With_One_Message) {
    memory.Put_Text(Record_Key, "Title", "Tessaly");
    EXPECT_EQ(Registry::Get_Key_Value(store, Record_Key, "Version"), "");
    EXPECT_EQ(Test_Environment::Messages(), QStringList{Value_Read_Failed});
}

TEST_F(Version_Record_Failures, Get_Key_Value_Strips_Only_The_Terminator) {
    memory.Put_Text(Record_Key, "Version", " 1.0.24 \t");
    EXPECT_EQ(Registry::Get_Key_Value(store, Record_Key, "Version"), " 1.0.24 \t");
}

// Set_Key_Value keeps the type of a value that is already there.

using Number_Case = Test_Tables::Row<const char*, std::int32_t>;

class Set_Key_Value_Of_A_Number : public Version_Record_Failures,
                                  public testing::WithParamInterface<Number_Case> {};

TEST_P(Set_Key_Value_Of_A_Number, Stores_The_Leading_Whole_Number_In_Four_Bytes) {
    memory.Put(Record_Key, "Value", Value_Type::Number32, std::string(4, '\x7F'));
    EXPECT_TRUE(Registry::Set_Key_Value(store, Record_Key + "\\", "Value", GetParam().input));
    const Memory_Store::Value* value = memory.Find(Record_Key, "Value");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, Value_Type::Number32);
    const auto bits = static_cast<std::uint32_t>(GetParam().expected);
    const std::string expected = {char(bits & 0xFF), char((bits >> 8) & 0xFF),
                                  char((bits >> 16) & 0xFF), char((bits >> 24) & 0xFF)};
    EXPECT_EQ(value->data, expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, Set_Key_Value_Of_A_Number,
                         testing::Values(Number_Case{"Version_Text", "1.0.24", 1},
                                         Number_Case{"Compile_Date", "02/02/2013", 2},
                                         Number_Case{"Title", "Tessaly", 0},
                                         Number_Case{"Half_To_Even_Down", "2.5", 2},
                                         Number_Case{"Half_To_Even_Up", "3.5", 4},
                                         Number_Case{"Negative_Half_To_Even", "-3.5", -4},
                                         Number_Case{"Minus_One", "-1", -1},
                                         Number_Case{"Largest", "2147483647", 2147483647},
                                         Number_Case{"Smallest", "-2147483648", -2147483647 - 1}),
                         Test_Tables::Row_Name<Number_Case>);

TEST_F(Version_Record_Failures, Set_Key_Value_Leaves_A_Value_Of_Another_Type_As_It_Was) {
    const std::string content("\x01\x02\x00\x03\x04", 5);
    memory.Put(Record_Key, "Value", Value_Type::Other, content);
    EXPECT_TRUE(Registry::Set_Key_Value(store, Record_Key + "\\", "Value", "Tessaly"));
    const Memory_Store::Value* value = memory.Find(Record_Key, "Value");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, Value_Type::Other);
    EXPECT_EQ(value->data, content);
}

TEST_F(Version_Record_Failures, Set_Key_Value_Refuses_A_Value_Larger_Than_Its_Probe) {
    memory.Put_Text(Record_Key, "Value", std::string(1024, 'x'));
    EXPECT_FALSE(Registry::Set_Key_Value(store, Record_Key + "\\", "Value", "new"));
    EXPECT_EQ(Text_Of("Value"), std::string(1024, 'x'));
    EXPECT_TRUE(store.Calls_Of("Set_Value").empty());
}

TEST_F(Version_Record_Failures, Set_Key_Value_Writes_A_Value_That_Just_Fits_Its_Probe) {
    memory.Put_Text(Record_Key, "Value", std::string(1023, 'x'));
    EXPECT_TRUE(Registry::Set_Key_Value(store, Record_Key + "\\", "Value", "new"));
    EXPECT_EQ(Text_Of("Value"), "new");
}

TEST_F(Version_Record_Failures, Set_Key_Value_Fails_When_The_Key_Cannot_Be_Opened) {
    memory.Put_Text(Record_Key, "Value", "old");
    store.fail_open_for_all = true;
    EXPECT_FALSE(Registry::Set_Key_Value(store, Record_Key + "\\", "Value", "new"));
    EXPECT_EQ(Text_Of("Value"), "old");
}

TEST_F(Version_Record_Failures, Set_Key_Value_Fails_When_The_Probe_Fails) {
    memory.Put_Text(Record_Key, "Value", "old");
    store.failing_queries = {1};
    EXPECT_FALSE(Registry::Set_Key_Value(store, Record_Key + "\\", "Value", "new"));
    EXPECT_EQ(Text_Of("Value"), "old");
}

TEST_F(Version_Record_Failures, Set_Key_Value_Reports_A_Failed_Write) {
    memory.Put_Text(Record_Key, "Value", "old");
    store.fail_set = true;
    EXPECT_FALSE(Registry::Set_Key_Value(store, Record_Key + "\\", "Value", "new"));
}

TEST_F(Version_Record_Failures, App_Version_Is_The_Running_Version_Whatever_Was_Stored) {
    memory.Put_Text(Record_Key, "Version", "9.9.99");
    Check();
    EXPECT_EQ(Registry::App_Version(), "1.0.24");
}

} // namespace
