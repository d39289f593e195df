// SPDX-License-Identifier: MIT
// The program's identity: version texts from the build's version numbers,
// and the Windows version resource generated from the same record.
#include "AppNotes.h"
#include "App_Identity.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(App_Identity, Version_Numbers_Are_One_Zero_Twenty_Four) {
    EXPECT_EQ(App_Identity::Major, 1);
    EXPECT_EQ(App_Identity::Minor, 0);
    EXPECT_EQ(App_Identity::Revision, 24);
}

TEST(App_Identity, Version_Text_Has_No_Leading_Zeros) {
    EXPECT_EQ(App_Identity::Version_Text(), "1.0.24");
}

TEST(App_Identity, Block_Version_Pads_Minor_To_Two_And_Revision_To_Four_Digits) {
    EXPECT_EQ(App_Identity::Block_Version_Text(), "1.00.0024");
}

TEST(App_Identity, Texts_Of_The_Version_Information) {
    EXPECT_STREQ(App_Identity::Title, "Tessaly");
    EXPECT_STREQ(App_Identity::Company_Name, "Harrowmere");
    EXPECT_STREQ(App_Identity::Comments, "Visit us at Harrowmere");
    EXPECT_STREQ(App_Identity::File_Description, "A tool for Bit to Decimal conversions.");
}

TEST(AppNotes, Notes_Are_Fixed_Text) {
    EXPECT_STREQ(AppNotes::Compile_Date, "02/02/2013");
    EXPECT_STREQ(AppNotes::Licence_Notice,
                 "Copyright (c) 2013 Harrowmere. Released under the MIT License.");
}

// The resource is compiled only on Windows, but generated everywhere.
class Version_Resource : public testing::Test {
protected:
    void SetUp() override {
        QFile file(QStringLiteral(TESSALY_VERSION_RESOURCE));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << TESSALY_VERSION_RESOURCE;
        text = QString::fromLatin1(file.readAll());
    }

    // The value of one string of the block, or "<absent>".
    QString Block_Value(const QString& name) const {
        const QRegularExpression line(QStringLiteral("VALUE \"%1\", \"([^\"]*)\"").arg(name));
        const QRegularExpressionMatch match = line.match(text);
        return match.hasMatch() ? match.captured(1) : QStringLiteral("<absent>");
    }

    QString text;
};

TEST_F(Version_Resource, Fixed_Versions_Are_Major_Minor_Zero_Revision) {
    EXPECT_TRUE(text.contains(QStringLiteral("FILEVERSION 1,0,0,24\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("PRODUCTVERSION 1,0,0,24\n")));
}

TEST_F(Version_Resource, String_Block_Is_United_States_English_Unicode) {
    EXPECT_TRUE(text.contains(QStringLiteral("BLOCK \"040904B0\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("VALUE \"Translation\", 0x0409, 1200")));
}

TEST_F(Version_Resource, Describes_An_Application_For_32_Bit_Windows_Without_Flags) {
    EXPECT_TRUE(text.contains(QStringLiteral("FILEFLAGS 0x0L")));
    EXPECT_TRUE(text.contains(QStringLiteral("FILEOS VOS__WINDOWS32")));
    EXPECT_TRUE(text.contains(QStringLiteral("FILETYPE VFT_APP")));
}

TEST_F(Version_Resource, Strings_Match_The_Programs_Identity) {
    const QString block_version = QString::fromStdString(App_Identity::Block_Version_Text());
    EXPECT_EQ(Block_Value("FileVersion"), block_version);
    EXPECT_EQ(Block_Value("ProductVersion"), block_version);
    EXPECT_EQ(Block_Value("Comments"), App_Identity::Comments);
    EXPECT_EQ(Block_Value("CompanyName"), App_Identity::Company_Name);
    EXPECT_EQ(Block_Value("FileDescription"), App_Identity::File_Description);
    EXPECT_EQ(Block_Value("ProductName"), "Tessaly");
    EXPECT_EQ(Block_Value("InternalName"), "Tessaly");
    EXPECT_EQ(Block_Value("OriginalFilename"), "Tessaly.exe");
}

TEST_F(Version_Resource, Icon_It_Names_Exists) {
    const QRegularExpressionMatch icon =
        QRegularExpression(QStringLiteral("ICON \"([^\"]+)\"")).match(text);
    ASSERT_TRUE(icon.hasMatch());
    EXPECT_TRUE(QFileInfo(icon.captured(1)).isFile()) << icon.captured(1).toStdString();
}

} // namespace
