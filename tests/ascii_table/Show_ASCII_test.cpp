// SPDX-License-Identifier: MIT
#include "Runtime_Services.h"
#include "Show_ASCII.h"
#include "Test_Environment.h"
#include "Test_Tables.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "QString_Printer.h"

#include <string>

namespace {

using Test_Tables::PrintTo;

// A plain text holder that keeps exactly what it is given.
class Recording_Target : public Text_Target {
public:
    explicit Recording_Target(QString text = {}) : text_(std::move(text)) {}
    QString Text() const override { return text_; }
    void Set_Text(const QString& text) override {
        text_ = text;
        ++writes;
    }
    int writes = 0;

private:
    QString text_;
};

class Show_ASCII_Test : public testing::Test {
protected:
    void SetUp() override {
        Test_Environment::Clear_Log();
        Test_Environment::Clear_Messages();
    }
};

TEST_F(Show_ASCII_Test, Replaces_The_Text_With_The_Table_In_One_Write) {
    Recording_Target target(QStringLiteral("old text that must go"));
    Show_ASCII(target);
    EXPECT_EQ(target.writes, 1);
    EXPECT_EQ(target.Text().size(), 23884);
    EXPECT_EQ(target.Text(), ASCII_Table_Text::Table());
    EXPECT_TRUE(Test_Environment::Log_Lines().isEmpty());
}

TEST_F(Show_ASCII_Test, Writes_CR_LF_After_Every_Line_To_A_Plain_Target) {
    Recording_Target target;
    Show_ASCII(target);
    const QString text = target.Text();
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 256);
    EXPECT_EQ(text.count('\r'), 256) << "no lone carriage return";
    EXPECT_EQ(text.count('\n'), 256) << "no lone line feed";
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
}

TEST_F(Show_ASCII_Test, Writes_Into_A_Label_Through_Its_Text_Property) {
    QLabel label(QStringLiteral("old"));
    Show_ASCII(label);
    EXPECT_EQ(label.text(), ASCII_Table_Text::Table());
}

TEST_F(Show_ASCII_Test, Writes_Into_A_Rich_Text_Box_As_Plain_Text) {
    QTextEdit box;
    Show_ASCII(box);
    // The box keeps its own paragraph ends; the lines themselves arrive intact
    // (its plain text would turn the no-break space of code 160 into a blank).
    const QStringList expected = ASCII_Table_Text::Table().split(QStringLiteral("\r\n"));
    EXPECT_EQ(box.document()->toRawText().split(QChar::ParagraphSeparator), expected);
}

using Injected_Failure = Test_Tables::Row<int, int>; // the failing code, the failure number

class Show_ASCII_Failure : public Show_ASCII_Test,
                           public testing::WithParamInterface<Injected_Failure> {};

TEST_P(Show_ASCII_Failure, Keeps_The_Lines_Built_So_Far_And_Logs_One_Line) {
    const int failing_code = GetParam().input;
    const int number = GetParam().expected;
    Recording_Target target(QStringLiteral("old text that must go"));
    Show_ASCII(target, [&](int code) {
        if (code == failing_code)
            throw Run_Time_Failure(number);
    });

    QString expected;
    for (int code = 0; code < failing_code; ++code)
        expected += ASCII_Table_Text::Line(code);
    EXPECT_EQ(target.Text(), expected);

    const QStringList log = Test_Environment::Log_Lines();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].contains(QStringLiteral("][ASCII_Table][Show_ASCII][%1][").arg(number)))
        << log[0].toStdString();
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Part_Way, Show_ASCII_Failure,
    testing::Values(Injected_Failure{"at_first_code_leaves_it_empty", 0, Failure::Overflow},
                    Injected_Failure{"at_code_1_keeps_one_line", 1, Failure::Type_Mismatch},
                    Injected_Failure{"at_code_100_keeps_100_lines", 100, Failure::Overflow},
                    Injected_Failure{"at_last_code_keeps_255_lines", 255, Failure::Type_Mismatch}),
    Test_Tables::Row_Name<Injected_Failure>);

TEST_F(Show_ASCII_Test, A_Failure_Part_Way_Leaves_The_Built_Lines_In_The_Real_Box) {
    QPlainTextEdit box;
    Show_ASCII(box, [](int code) {
        if (code == 40)
            throw std::bad_alloc();
    });
    EXPECT_EQ(box.document()->blockCount(), 41) << "40 lines and the empty one after the last";
    EXPECT_TRUE(box.toPlainText().endsWith(QStringLiteral("Char = '\n")));
    const QStringList log = Test_Environment::Log_Lines();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].contains(QStringLiteral("][ASCII_Table][Show_ASCII][7][")));
}

} // namespace
