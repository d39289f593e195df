// SPDX-License-Identifier: MIT
// The version record in the user's real settings (the test's own
// configuration folder, or its own registry key on Windows) and, for the
// scenarios both must pass, in the in-memory store: first start, next start,
// rebuilds and bad files.
#include "Record_Worlds.h"
#include "Registry.h"
#include "Test_Environment.h"
#include "Test_Tables.h"
#include "Unwritable_Folder.h"
#include "User_Settings.h"

#include <QPoint>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <type_traits>

namespace {

const QString Read_Failed = QStringLiteral("Error getting Sub_Key value.");

// The scenarios both stores must pass.
template <typename World> class Version_Record_Scenarios : public Record_Test<World> {};

struct World_Name {
    template <typename World> static std::string GetName(int) {
        return std::is_same_v<World, Settings_World> ? "Settings_Store" : "Memory_Store";
    }
};
using Worlds = testing::Types<Settings_World, Memory_World>;
TYPED_TEST_SUITE(Version_Record_Scenarios, Worlds, World_Name);

TYPED_TEST(Version_Record_Scenarios, First_Start_Creates_The_Seven_Values_In_Order) {
    EXPECT_EQ(this->Check(), "created");
    EXPECT_EQ(this->world.store.Written_Names(), Expected_Names());
    std::vector<std::string> stored = this->world.Stored_Names();
    std::vector<std::string> expected = Expected_Names();
    std::sort(stored.begin(), stored.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(stored, expected);
    this->Expect_Full_Record();
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
    EXPECT_EQ(Registry::App_Version(), "1.0.24");
}

TYPED_TEST(Version_Record_Scenarios, Next_Start_Reads_Only_The_Version) {
    ASSERT_EQ(this->Check(), "created");
    this->world.Seed("Title", "Edited by hand");
    this->world.store.calls.clear();
    EXPECT_EQ(this->Check(), "verified");
    const std::vector<std::string> expected_calls = {"Open_Key Query " + Record_Key,
                                                     "Query_Value Version 0",
                                                     "Query_Value Version 7", "Close_Key"};
    EXPECT_EQ(this->world.store.calls, expected_calls);
    EXPECT_EQ(this->world.Text_Of("Title"), "Edited by hand");
}

TYPED_TEST(Version_Record_Scenarios, Key_That_Cannot_Be_Deleted_Is_Rewritten_In_Place) {
    this->world.Seed("Version", "1.0.23");
    this->world.Seed("Title", "Old title");
    this->world.Seed("Foreign", "added by someone else");
    this->world.Seed("Plugins/Path", "a sub-key's value");
    this->world.Refuse_Deletion();
    EXPECT_EQ(this->Check(), "updated");
    this->Expect_Full_Record();
    EXPECT_EQ(this->world.Text_Of("Foreign"), "added by someone else");
    EXPECT_EQ(this->world.Text_Of("Plugins/Path"), "a sub-key's value");
    EXPECT_EQ(this->Check(), "verified");
}

TYPED_TEST(Version_Record_Scenarios, Stored_Missing_Creates_Without_Deleting) {
    this->world.Seed("Version", "Missing");
    this->world.Seed("Foreign", "kept");
    EXPECT_EQ(this->Check(), "created");
    EXPECT_TRUE(this->world.store.Calls_Of("Delete_Key").empty());
    EXPECT_EQ(this->world.Text_Of("Foreign"), "kept");
    this->Expect_Full_Record();
}

class Version_Record : public Record_Test<Settings_World> {
protected:
    Faulty_Store& store = world.store; // records the calls; fails nothing unless told
};

TEST_F(Version_Record, Check_Without_A_Store_Uses_The_Users_Settings) {
    EXPECT_EQ(Registry::Check_Version_Record(), "created");
    EXPECT_TRUE(User_Settings::Key_Exists());
    Expect_Full_Record();
    EXPECT_EQ(Registry::Check_Version_Record(), "verified");
}

class Version_Record_With_Other_Version : public Version_Record,
                                          public testing::WithParamInterface<const char*> {};

TEST_P(Version_Record_With_Other_Version, Is_Rebuilt_Without_Foreign_Values) {
    User_Settings::Seed({{"Version", QString::fromUtf8(GetParam())},
                         {"Title", "Old title"},
                         {"Foreign", "added by someone else"}});
    EXPECT_EQ(Check(), "updated");
    EXPECT_FALSE(User_Settings::Has("Foreign"));
    Expect_Full_Record();
    EXPECT_EQ(store.Written_Names(), Expected_Names());
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
    EXPECT_EQ(Check(), "verified");
}

INSTANTIATE_TEST_SUITE_P(Stored, Version_Record_With_Other_Version,
                         testing::Values("1.0.23", "1.0.24 ", " 1.0.24", "1.00.0024", "1.0.240", "",
                                         "missing", "Missing "),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name;
                             for (const char c : std::string(info.param))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return "Version_" + name + "_" + std::to_string(info.index);
                         });

TEST_F(Version_Record, Key_Without_Version_Shows_One_Message_Then_Rebuilds) {
    User_Settings::Seed({{"Title", "Tessaly"}, {"Foreign", "dropped"}});
    EXPECT_EQ(Check(), "updated");
    EXPECT_EQ(Test_Environment::Messages(), QStringList{Read_Failed});
    EXPECT_FALSE(User_Settings::Has("Foreign"));
    Expect_Full_Record();
}

TEST_F(Version_Record, Empty_Key_Is_A_Key_Without_Version) {
    User_Settings::Make_Empty_Key();
    EXPECT_EQ(Check(), "updated");
    EXPECT_EQ(Test_Environment::Messages(), QStringList{Read_Failed});
    Expect_Full_Record();
}

TEST_F(Version_Record, Values_Of_Another_Type_Are_Left_As_They_Were) {
    const QStringList list = {"a", "b"};
    const QByteArray bytes("\x01\x00\x02", 3);
    User_Settings::Seed({{"Version", "Missing"},
                         {"Title", list},
                         {"Comments", bytes},
                         {"CompanyName", QPoint(3, 4)}});
    EXPECT_EQ(Check(), "created");
    EXPECT_EQ(User_Settings::Value("Title").toStringList(), list);
    EXPECT_EQ(User_Settings::Value("Comments").toByteArray(), bytes);
    EXPECT_EQ(User_Settings::Value("CompanyName").toPoint(), QPoint(3, 4));
    EXPECT_EQ(User_Settings::Value("Version").toString(), "1.0.24");
    EXPECT_EQ(User_Settings::Value("FileDescription").toString(),
              "A tool for Bit to Decimal conversions.");
}

TEST_F(Version_Record, Number_Value_Gets_The_Leading_Number_Of_Its_Text) {
    // "Compiled" holds a typed int (3); its new content is the number that
    // "02/02/2013" starts with.
    User_Settings::Seed_Number("Compiled", 3, {{"Version", "Missing"}});
    EXPECT_EQ(Check(), "created");
    EXPECT_EQ(User_Settings::Value("Compiled").toInt(), 2);
}

#ifndef Q_OS_WIN
// The settings file of Linux, damaged, unreadable or read-only: these cases
// run only there.
bool Is_Check_Result(const std::string& result) {
    return result == "created" || result == "updated" || result == "verified";
}

struct Bad_File {
    const char* name;
    std::function<void()> make;
    bool repaired; // the first check leaves a sound record behind
};

QByteArray Random_Bytes(std::size_t size) {
    std::mt19937 generator(20130202);
    QByteArray bytes;
    for (std::size_t i = 0; i < size; ++i)
        bytes.append(static_cast<char>(generator() & 0xFF));
    return bytes;
}

const Bad_File Bad_Files[] = {
    {"Random_Bytes", [] { User_Settings::Write_File(Random_Bytes(4096)); }, true},
    {"Broken_Lines",
     [] { User_Settings::Write_File(QByteArray("[General\n=\n\0\1Version=@Variant(xx\n", 32)); },
     true},
    {"Ten_Megabyte_Version",
     [] {
         User_Settings::Write_File("[General]\nVersion=" + QByteArray(10 * 1024 * 1024, 'x') +
                                   "\n");
     },
     true},
    {"Invalid_UTF8_Version", [] { User_Settings::Write_File("[General]\nVersion=\xff\xfe\x80\n"); },
     true},
    {"Version_As_Byte_Array",
     [] { User_Settings::Write_File("[General]\nVersion=@ByteArray(1.0.24)\n"); }, true},
    {"Version_As_List", [] { User_Settings::Write_File("[General]\nVersion=1.0.24, 1.0.24\n"); },
     true},
    {"Version_As_Number",
     [] {
         User_Settings::Write_File(
             "[General]\nVersion=@Variant(\\x0\\x0\\x0\\x2\\x0\\x0\\x0\\x1)\n");
     },
     true},
    {"Settings_File_Is_A_Folder", [] { QDir().mkpath(User_Settings::File()); }, false},
    {"Settings_Folder_Is_A_File",
     [] {
         QDir().mkpath(QFileInfo(User_Settings::Maker_Folder()).path());
         QFile(User_Settings::Maker_Folder()).open(QIODevice::WriteOnly);
     },
     false},
};

class Version_Record_With_Bad_File : public Version_Record,
                                     public testing::WithParamInterface<Bad_File> {};

TEST_P(Version_Record_With_Bad_File, Never_Stops_The_Start) {
    GetParam().make();
    const std::string first = Check();
    EXPECT_TRUE(Is_Check_Result(first)) << first;
    EXPECT_EQ(Registry::App_Version(), "1.0.24");
    EXPECT_LE(Test_Environment::Messages().size(), 1);
    const std::string second = Check();
    EXPECT_TRUE(Is_Check_Result(second)) << second;
    if (GetParam().repaired) {
        EXPECT_EQ(second, "verified");
        Expect_Full_Record();
    } else {
        EXPECT_EQ(second, "created");
        EXPECT_TRUE(Test_Environment::Messages().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, Version_Record_With_Bad_File, testing::ValuesIn(Bad_Files),
                         Test_Tables::Row_Name<Bad_File>);

// Permissions keep out every process but root's; the folder-and-file cases
// above stand for them there.
bool Permissions_Work() {
    return Unwritable_Folder::Permissions_Stop_Writes(Test_Environment::Root());
}

TEST_F(Version_Record, Unreadable_Settings_File_Never_Stops_The_Start) {
    if (!Permissions_Work())
        GTEST_SKIP() << "running as root: file permissions do not stop reading";
    // Written past QSettings, whose process-wide cache would otherwise still
    // hold what it wrote.
    User_Settings::Write_File("[General]\nVersion=1.0.24\n");
    QFile::setPermissions(User_Settings::File(), QFileDevice::Permissions());
    EXPECT_EQ(Check(), "created");
    EXPECT_EQ(Registry::App_Version(), "1.0.24");
}

TEST_F(Version_Record, Read_Only_Settings_File_Never_Stops_The_Start) {
    if (!Permissions_Work())
        GTEST_SKIP() << "running as root: file permissions do not stop writing";
    User_Settings::Write_File("[General]\nVersion=1.0.23\n");
    QFile::setPermissions(User_Settings::File(), QFile::ReadOwner);
    QFile::setPermissions(User_Settings::Maker_Folder(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(Check(), "updated");
    EXPECT_EQ(Registry::App_Version(), "1.0.24");
    EXPECT_EQ(User_Settings::Value("Version").toString(), "1.0.23");
}

#endif

} // namespace
