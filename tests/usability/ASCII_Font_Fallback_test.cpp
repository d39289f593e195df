// SPDX-License-Identifier: MIT
// The ASCII table's columns line up whatever fonts are installed. ctest runs
// these cases with every font of this machine and again with fontconfig
// restricted to DejaVu, as on a Debian system without fonts-liberation.
#include "ASCII_Columns.h"
#include "ASCII_Table.h"
#include "ASCII_Table_Text.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ASCII_Table_Font : public testing::Test {
protected:
    void SetUp() override {
        table = new ASCII_Table;
        table->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(table));
    }
    void TearDown() override { delete table; }

    QPointer<ASCII_Table> table;
};

TEST_F(ASCII_Table_Font, Is_A_Fixed_Pitch_Font_At_The_Designed_Size) {
    const QFontInfo shown(table->ASCII->font());
    EXPECT_TRUE(shown.fixedPitch()) << shown.family().toStdString();
    EXPECT_DOUBLE_EQ(table->ASCII->font().pointSizeF(), 9.75);
}

// Measured where the box draws them, so that glyphs taken from another
// font count too.
TEST_F(ASCII_Table_Font, Every_Field_Starts_In_The_Same_Place_On_Every_Line) {
    const auto first_line = ASCII_Columns::Label_Positions(*table->ASCII, 0);
    for (int code = 1; code < ASCII_Table_Text::Code_Count; ++code)
        EXPECT_EQ(ASCII_Columns::Label_Positions(*table->ASCII, code), first_line)
            << "code " << code << ": " << ASCII_Columns::Line(*table->ASCII, code).toStdString();
}

TEST_F(ASCII_Table_Font, Without_Courier_New_Or_Its_Look_Alike_Is_The_Systems_Fixed_Pitch_Font) {
    for (const char* family : {"Courier New", "Liberation Mono"})
        if (QFontDatabase::hasFamily(QLatin1String(family)))
            GTEST_SKIP() << family << " is installed; ctest runs this case again without it";
    const QFontInfo shown(table->ASCII->font());
    const QFontInfo system(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    EXPECT_EQ(shown.family().toStdString(), system.family().toStdString());
    EXPECT_TRUE(shown.fixedPitch());
}

} // namespace
