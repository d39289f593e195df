// SPDX-License-Identifier: MIT
// The ASCII table under a right-to-left language: its columns are numbers
// and labels that read left to right, so the table must neither right-align,
// open scrolled to the ends of its lines, nor move a line's character to the
// other side of its label.
#include "ASCII_Columns.h"
#include "ASCII_Table.h"
#include "ASCII_Table_Text.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using ASCII_Columns::Labels;

class ASCII_Table_Right_To_Left : public testing::Test {
protected:
    void SetUp() override {
        QApplication::setLayoutDirection(Qt::RightToLeft);
        table = new ASCII_Table;
        table->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(table));
    }
    void TearDown() override {
        delete table;
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    const QPlainTextEdit& Box() const { return *table->ASCII; }

    QPointer<ASCII_Table> table;
};

TEST_F(ASCII_Table_Right_To_Left, Columns_Read_Left_To_Right_And_Line_Up_On_Every_Line) {
    const auto first_line = ASCII_Columns::Label_Positions(Box(), 0);
    for (int code = 0; code < ASCII_Table_Text::Code_Count; ++code) {
        const auto positions = ASCII_Columns::Label_Positions(Box(), code);
        EXPECT_EQ(positions, first_line) << "code " << code;
        for (std::size_t field = 1; field < Labels.size(); ++field)
            EXPECT_GT(positions[field], positions[field - 1])
                << "code " << code << ": " << Labels[field] << " is left of " << Labels[field - 1];
    }
}

TEST_F(ASCII_Table_Right_To_Left, Opens_With_The_Start_Of_Every_Line_In_View) {
    const int start = ASCII_Columns::X_Of(Box(), 0, 0);
    EXPECT_GE(start, 0);
    EXPECT_LT(start, Box().viewport()->width() / 20) << "the lines do not start at the left edge";
}

// Punctuation has no direction of its own: in a right-to-left paragraph the
// "!" of " Char = !" would be drawn at the far end of the line.
TEST_F(ASCII_Table_Right_To_Left, Each_Character_Stands_After_Its_Label) {
    for (int code = 33; code < ASCII_Table_Text::Code_Count; ++code) {
        const QString line = ASCII_Columns::Line(Box(), code);
        const qsizetype equals = line.indexOf(QLatin1String("Char =")) + 5;
        EXPECT_GT(ASCII_Columns::X_Of(Box(), code, line.size() - 1),
                  ASCII_Columns::X_Of(Box(), code, equals))
            << "code " << code;
    }
}

} // namespace
