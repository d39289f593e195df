// SPDX-License-Identifier: MIT
// The ASCII table under a right-to-left language: its columns are numbers
// and labels that read left to right, so the table must neither right-align,
// open scrolled to the ends of its lines, nor move a line's character to the
// other side of its label.
#include "ASCII_Font.h"
#include "ASCII_Table.h"
#include "ASCII_Table_Text.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <array>
#include <gtest/gtest.h>
#include <limits>

namespace {

// The fields of every line, in the order they read.
constexpr std::array<const char*, 6> Labels{"Value:", "Binary", "Hexadecimal",
                                            "Octal",  "ASCII",  "Char ="};

class ASCII_Table_Right_To_Left : public testing::Test {
protected:
    void SetUp() override {
        Install_ASCII_Font_Substitutions();
        QApplication::setLayoutDirection(Qt::RightToLeft);
        table = new ASCII_Table;
        table->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(table));
    }
    void TearDown() override {
        delete table;
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    // Where the box draws the character at `column` of the code's line,
    // in the box's viewport.
    int X_Of(int code, qsizetype column) const {
        const QTextBlock line = table->ASCII->document()->findBlockByNumber(code);
        QTextCursor cursor(line);
        cursor.setPosition(line.position() + static_cast<int>(column));
        return table->ASCII->cursorRect(cursor).left();
    }

    QString Line(int code) const {
        return table->ASCII->document()->findBlockByNumber(code).text();
    }

    QPointer<ASCII_Table> table;
};

TEST_F(ASCII_Table_Right_To_Left, Columns_Read_Left_To_Right_And_Line_Up_On_Every_Line) {
    std::array<int, Labels.size()> first_line{};
    for (int code = 0; code < ASCII_Table_Text::Code_Count; ++code) {
        const QString line = Line(code);
        int previous = std::numeric_limits<int>::min();
        for (std::size_t field = 0; field < Labels.size(); ++field) {
            const qsizetype column =
                line.indexOf(QLatin1String(Labels[field]), 0, Qt::CaseInsensitive);
            ASSERT_GE(column, 0) << "code " << code << " lacks " << Labels[field];
            const int x = X_Of(code, column);
            EXPECT_GT(x, previous)
                << "code " << code << ": " << Labels[field] << " is left of the field before it";
            if (code == 0)
                first_line[field] = x;
            EXPECT_EQ(x, first_line[field]) << "code " << code << ": " << Labels[field];
            previous = x;
        }
    }
}

TEST_F(ASCII_Table_Right_To_Left, Opens_With_The_Start_Of_Every_Line_In_View) {
    const int viewport_width = table->ASCII->viewport()->width();
    const int start = X_Of(0, 0);
    EXPECT_GE(start, 0);
    EXPECT_LT(start, viewport_width / 20) << "the lines do not start at the left edge";
}

// Punctuation has no direction of its own: in a right-to-left paragraph the
// "!" of " Char = !" would be drawn at the far end of the line.
TEST_F(ASCII_Table_Right_To_Left, Each_Character_Stands_After_Its_Label) {
    for (int code = 33; code < ASCII_Table_Text::Code_Count; ++code) {
        const QString line = Line(code);
        const qsizetype equals = line.indexOf(QLatin1String("Char =")) + 5;
        EXPECT_GT(X_Of(code, line.size() - 1), X_Of(code, equals)) << "code " << code;
    }
}

} // namespace
