// SPDX-License-Identifier: MIT
// The QSettings store on its own: keys, value sizes and types, and failures
// to save.
#include "Expected_Record.h"
#include "Settings_Store.h"
#include "User_Settings.h"

#include <QDataStream>
#include <QPoint>
#include <gtest/gtest.h>

using namespace Registry;

namespace {

class Settings_Store_Test : public testing::Test {
protected:
    void SetUp() override { User_Settings::Remove_All(); }
    void TearDown() override { User_Settings::Remove_All(); }

    Settings_Store store;
};

TEST_F(Settings_Store_Test, Absent_Key_Cannot_Be_Opened) {
    EXPECT_FALSE(store.Open_Key(Record_Key, Access::Query));
    EXPECT_FALSE(store.Open_Key(Record_Key, Access::All));
    EXPECT_FALSE(User_Settings::Key_Exists());
}

TEST_F(Settings_Store_Test, Created_Key_Is_The_Users_Settings_Key) {
    const auto key = store.Create_Key(Record_Key);
    ASSERT_TRUE(key);
    EXPECT_TRUE(store.Close_Key(*key));
    EXPECT_TRUE(User_Settings::Key_Exists());
    const auto opened = store.Open_Key(Record_Key, Access::Query);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(store.Close_Key(*opened));
}

TEST_F(Settings_Store_Test, Creating_An_Existing_Key_Keeps_Its_Values) {
    User_Settings::Seed({{"Title", "kept"}});
    const auto key = store.Create_Key(Record_Key);
    ASSERT_TRUE(key);
    store.Close_Key(*key);
    EXPECT_EQ(User_Settings::Value("Title").toString(), "kept");
}

TEST_F(Settings_Store_Test, Trailing_Separator_Names_The_Same_Key) {
    User_Settings::Seed({{"Title", "Tessaly"}});
    const auto key = store.Open_Key(Record_Key + "\\", Access::All);
    ASSERT_TRUE(key);
    EXPECT_TRUE(store.Set_Value(*key, "Title", Value_Type::Text, "Changed"));
    EXPECT_TRUE(store.Close_Key(*key));
    EXPECT_EQ(User_Settings::Value("Title").toString(), "Changed");
}

TEST_F(Settings_Store_Test, Paths_Outside_The_Makers_Key_Are_Refused) {
    User_Settings::Seed({{"Title", "Tessaly"}});
    for (const std::string path : {"", "Software", "Software\\Harrowmere", "Harrowmere\\Tessaly",
                                   "Software\\Harrowmere\\Tessaly\\Sub", "Software\\\\Tessaly",
                                   "System\\Harrowmere\\Tessaly"}) {
        EXPECT_FALSE(store.Open_Key(path, Access::Query)) << path;
        EXPECT_FALSE(store.Create_Key(path)) << path;
        EXPECT_FALSE(store.Delete_Key(path)) << path;
    }
    EXPECT_TRUE(User_Settings::Has("Title"));
}

TEST_F(Settings_Store_Test, Text_Has_Its_Size_With_The_Terminator) {
    User_Settings::Seed({{"Version", "1.0.24"}});
    const auto key = store.Open_Key(Record_Key, Access::Query);
    ASSERT_TRUE(key);
    const Query_Result probe = store.Query_Value(*key, "Version", 0);
    EXPECT_EQ(probe.status, Query_Status::More_Data);
    EXPECT_EQ(probe.stored_size, 7u);
    const Query_Result short_read = store.Query_Value(*key, "Version", 6);
    EXPECT_EQ(short_read.status, Query_Status::More_Data);
    const Query_Result read = store.Query_Value(*key, "Version", 7);
    EXPECT_EQ(read.status, Query_Status::Success);
    EXPECT_EQ(read.type, Value_Type::Text);
    EXPECT_EQ(read.data, std::string("1.0.24\0", 7));
    store.Close_Key(*key);
}

TEST_F(Settings_Store_Test, Text_Keeps_Blanks_And_Non_ASCII_Characters) {
    const auto key = store.Create_Key(Record_Key);
    ASSERT_TRUE(key);
    const std::string text = " 1.0.24 \xC3\xA9\xE2\x82\xAC ";
    EXPECT_TRUE(store.Set_Value(*key, "Version", Value_Type::Text, text));
    const Query_Result read = store.Query_Value(*key, "Version", 100);
    EXPECT_EQ(read.data, text + '\0');
    store.Close_Key(*key);
    EXPECT_EQ(User_Settings::Value("Version").toString(), QString::fromUtf8(text.c_str()));
}

TEST_F(Settings_Store_Test, Absent_Value_Is_Not_Found_With_Size_Zero) {
    User_Settings::Seed({{"Title", "Tessaly"}});
    const auto key = store.Open_Key(Record_Key, Access::Query);
    ASSERT_TRUE(key);
    const Query_Result probe = store.Query_Value(*key, "Version", 0);
    EXPECT_EQ(probe.status, Query_Status::Not_Found);
    EXPECT_EQ(probe.stored_size, 0u);
    store.Close_Key(*key);
}

TEST_F(Settings_Store_Test, Typed_Number_Reads_As_A_32_Bit_Number) {
    User_Settings::Seed_Number("Compiled", 258);
    const auto key = store.Open_Key(Record_Key, Access::Query);
    ASSERT_TRUE(key);
    const Query_Result read = store.Query_Value(*key, "Compiled", 4);
    EXPECT_EQ(read.status, Query_Status::Success);
    EXPECT_EQ(read.type, Value_Type::Number32);
    EXPECT_EQ(read.data, std::string("\x02\x01\x00\x00", 4));
    store.Close_Key(*key);
}

TEST_F(Settings_Store_Test, Other_Values_Are_Written_Back_Unchanged) {
    const QStringList list = {"a", "b, c"};
    User_Settings::Seed(
        {{"List", list}, {"Point", QPoint(3, -4)}, {"Bytes", QByteArray("\x00\x01", 2)}});
    const QVariantMap before = User_Settings::Snapshot();
    const auto key = store.Open_Key(Record_Key, Access::All);
    ASSERT_TRUE(key);
    for (const char* name : {"List", "Point", "Bytes"}) {
        const Query_Result read = store.Query_Value(*key, name, 1024);
        ASSERT_EQ(read.status, Query_Status::Success) << name;
        EXPECT_EQ(read.type, Value_Type::Other) << name;
        EXPECT_TRUE(store.Set_Value(*key, name, Value_Type::Other, read.data)) << name;
    }
    EXPECT_TRUE(store.Close_Key(*key));
    EXPECT_EQ(User_Settings::Value("List").toStringList(), list);
    EXPECT_EQ(User_Settings::Value("Point").toPoint(), QPoint(3, -4));
    EXPECT_EQ(User_Settings::Snapshot(), before);
}

TEST_F(Settings_Store_Test, Malformed_Data_Of_Another_Type_Is_Not_Written) {
    const auto key = store.Create_Key(Record_Key);
    ASSERT_TRUE(key);
    EXPECT_FALSE(store.Set_Value(*key, "Value", Value_Type::Other, "\x01"));
    EXPECT_FALSE(store.Set_Value(*key, "Value", Value_Type::Number32, "\x01\x02"));
    store.Close_Key(*key);
    EXPECT_FALSE(User_Settings::Has("Value"));
}

TEST_F(Settings_Store_Test, Key_Opened_For_Queries_Cannot_Be_Written) {
    User_Settings::Seed({{"Title", "Tessaly"}});
    const auto key = store.Open_Key(Record_Key, Access::Query);
    ASSERT_TRUE(key);
    EXPECT_FALSE(store.Set_Value(*key, "Title", Value_Type::Text, "Changed"));
    store.Close_Key(*key);
    EXPECT_EQ(User_Settings::Value("Title").toString(), "Tessaly");
}

TEST_F(Settings_Store_Test, Deleted_Key_Is_Gone_With_Its_Values) {
    User_Settings::Seed({{"Title", "Tessaly"}, {"Foreign", "x"}});
    EXPECT_TRUE(store.Delete_Key(Record_Key));
    EXPECT_FALSE(User_Settings::Key_Exists());
    EXPECT_FALSE(store.Open_Key(Record_Key, Access::Query));
    EXPECT_FALSE(User_Settings::Has("Foreign"));
}

TEST_F(Settings_Store_Test, Deleting_An_Absent_Key_Succeeds) {
    EXPECT_TRUE(store.Delete_Key(Record_Key));
}

TEST_F(Settings_Store_Test, Unknown_Handle_Fails_Every_Operation) {
    EXPECT_EQ(store.Query_Value(42, "Version", 10).status, Query_Status::Failed);
    EXPECT_FALSE(store.Set_Value(42, "Version", Value_Type::Text, "x"));
    EXPECT_FALSE(store.Close_Key(42));
}

TEST_F(Settings_Store_Test, Closed_Handle_Cannot_Be_Used_Again) {
    User_Settings::Seed({{"Title", "Tessaly"}});
    const auto key = store.Open_Key(Record_Key, Access::Query);
    ASSERT_TRUE(key);
    EXPECT_TRUE(store.Close_Key(*key));
    EXPECT_FALSE(store.Close_Key(*key));
    EXPECT_EQ(store.Query_Value(*key, "Title", 10).status, Query_Status::Failed);
}

#ifndef Q_OS_WIN
// The settings file of Linux and its folder, made unusable: these cases run
// only there.
TEST_F(Settings_Store_Test, Write_And_Close_Fail_When_The_File_Cannot_Be_Saved) {
    User_Settings::Seed({{"Title", "Tessaly"}});
    const auto key = store.Open_Key(Record_Key, Access::All);
    ASSERT_TRUE(key);
    // The folder gives way to a regular file: nothing can be saved there.
    User_Settings::Remove_Folder_And_File();
    QFile(User_Settings::Maker_Folder()).open(QIODevice::WriteOnly);
    EXPECT_FALSE(store.Set_Value(*key, "Title", Value_Type::Text, "Changed"));
    EXPECT_FALSE(store.Close_Key(*key));
}

TEST_F(Settings_Store_Test, Settings_Folder_That_Is_A_File_Offers_No_Key) {
    QDir().mkpath(QFileInfo(User_Settings::Maker_Folder()).path());
    QFile(User_Settings::Maker_Folder()).open(QIODevice::WriteOnly);
    EXPECT_FALSE(store.Open_Key(Record_Key, Access::Query));
    EXPECT_FALSE(store.Create_Key(Record_Key));
}

TEST_F(Settings_Store_Test, Settings_File_That_Is_A_Folder_Offers_No_Key) {
    QDir().mkpath(User_Settings::File());
    EXPECT_FALSE(store.Open_Key(Record_Key, Access::Query));
    EXPECT_FALSE(store.Create_Key(Record_Key));
    EXPECT_TRUE(QFileInfo(User_Settings::File()).isDir());
}
#endif

} // namespace
