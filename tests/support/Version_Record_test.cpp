// SPDX-License-Identifier: MIT
// The version record in the user's real settings (the test's own
// configuration folder, or its own registry key on Windows): first start,
// next start, rebuilds and bad files.
#include "Expected_Record.h"
#include "Faulty_Store.h"
#include "Registry.h"
#include "Settings_Store.h"
#include "Test_Environment.h"
#include "Unwritable_Folder.h"
#include "User_Settings.h"

#include <QPoint>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {

const QString Read_Failed = QStringLiteral("Error getting Sub_Key value.");

class Version_Record : public testing::Test {
protected:
    void SetUp() override {
        User_Settings::Remove_All();
        Test_Environment::Clear_Messages();
    }
    void TearDown() override { User_Settings::Remove_All(); }

    std::string Check() { return Registry::Check_Version_Record(store); }

    static void Expect_Full_Record() {
        for (const auto& [name, text] : Expected_Record)
            EXPECT_EQ(User_Settings::Value(name.c_str()).toString().toStdString(), text) << name;
    }

    Registry::Settings_Store real;
    Faulty_Store store{real}; // records the calls; fails nothing unless told
};

TEST_F(Version_Record, First_Start_Creates_The_Seven_Values_In_Order) {
    EXPECT_EQ(Check(), "created");
    EXPECT_EQ(store.Written_Names(), Expected_Names());
    Expect_Full_Record();
    EXPECT_EQ(User_Settings::Open()->allKeys().size(), 7);
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
    EXPECT_EQ(Registry::App_Version(), "1.0.24");
}

TEST_F(Version_Record, Check_Without_A_Store_Uses_The_Users_Settings) {
    EXPECT_EQ(Registry::Check_Version_Record(), "created");
    EXPECT_TRUE(User_Settings::Key_Exists());
    Expect_Full_Record();
    EXPECT_EQ(Registry::Check_Version_Record(), "verified");
}

TEST_F(Version_Record, Next_Start_Verifies_And_Writes_Nothing) {
    ASSERT_EQ(Check(), "created");
    User_Settings::Seed({{"Title", "Edited by hand"}});
    User_Settings::Open()->remove("Comments");
    const QVariantMap before = User_Settings::Snapshot();
    store.calls.clear();

    EXPECT_EQ(Check(), "verified");
    EXPECT_TRUE(store.Calls_Of("Set_Value").empty());
    EXPECT_TRUE(store.Calls_Of("Create_Key").empty());
    EXPECT_TRUE(store.Calls_Of("Delete_Key").empty());
    EXPECT_EQ(User_Settings::Snapshot(), before);
    EXPECT_EQ(User_Settings::Value("Title").toString(), "Edited by hand");
    EXPECT_FALSE(User_Settings::Has("Comments"));
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

// The store refuses to delete a key with sub-keys, as the registry does: the
// seven values are written over in place and everything else stays.
TEST_F(Version_Record, Key_With_A_Sub_Key_Is_Rewritten_In_Place) {
    User_Settings::Seed({{"Version", "1.0.23"},
                         {"Foreign", "added by someone else"},
                         {"Plugins/Path", "a sub-key's value"}});
    EXPECT_EQ(Check(), "updated");
    Expect_Full_Record();
    EXPECT_EQ(User_Settings::Value("Foreign").toString(), "added by someone else");
    EXPECT_EQ(User_Settings::Value("Plugins/Path").toString(), "a sub-key's value");
    EXPECT_EQ(Check(), "verified");
}

TEST_F(Version_Record, Stored_Missing_Creates_Without_Deleting) {
    User_Settings::Seed({{"Version", "Missing"}, {"Foreign", "kept"}});
    EXPECT_EQ(Check(), "created");
    EXPECT_TRUE(store.Calls_Of("Delete_Key").empty());
    EXPECT_EQ(User_Settings::Value("Foreign").toString(), "kept");
    Expect_Full_Record();
}

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
                         [](const testing::TestParamInfo<Bad_File>& info) {
                             return std::string(info.param.name);
                         });

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
