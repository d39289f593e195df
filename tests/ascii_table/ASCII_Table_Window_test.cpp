// SPDX-License-Identifier: MIT
#include "ASCII_Table.h"
#include "ASCII_Table_Text.h"
#include "Form_Control.h"
#include "QString_Printer.h"
#include "Test_Environment.h"
#include "Top_Level_Windows.h"
#include "Twips.h"

#include <QApplication>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

void Flush_Deferred_Deletes() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList Log_Lines_Of(const QString& procedure) {
    return Test_Environment::Log_Lines().filter(
        QStringLiteral("][ASCII_Table][%1][").arg(procedure));
}

class ASCII_Table_Window : public testing::Test {
protected:
    void SetUp() override {
        Test_Environment::Clear_Log();
        Test_Environment::Clear_Messages();
    }

    void TearDown() override {
        delete window;
        Flush_Deferred_Deletes();
    }

    ASCII_Table& Shown_Window() {
        window = new ASCII_Table;
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return *window;
    }

    QPointer<ASCII_Table> window;
};

TEST_F(ASCII_Table_Window, Loads_Captioned_Sized_And_Centred) {
    ASCII_Table table;
    EXPECT_EQ(table.objectName(), "ASCII_Table");
    EXPECT_EQ(table.windowTitle(), "Data Equivalents");
    // Offscreen windows have no frame: the outer size is the client size.
    EXPECT_EQ(table.frameGeometry().size(), Twips::Size(12000, 7500));
    const QRect screen = table.screen()->geometry();
    EXPECT_EQ(table.frameGeometry().center().x() - screen.center().x(), 0);
    EXPECT_EQ(table.frameGeometry().center().y() - screen.center().y(), 0);
    EXPECT_TRUE(Test_Environment::Log_Lines().isEmpty());
}

TEST_F(ASCII_Table_Window, Is_A_Sizable_Owner_Free_Window_That_Destroys_Itself_When_Closed) {
    ASCII_Table& table = Shown_Window();
    EXPECT_EQ(table.frameGeometry().size(), Twips::Size(12000, 7500))
        << "outer size, frame included";
    EXPECT_TRUE(table.isWindow());
    EXPECT_EQ(table.parentWidget(), nullptr);
    EXPECT_TRUE(table.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(table.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(table.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
    EXPECT_FALSE(table.windowIcon().isNull());
    EXPECT_TRUE(table.testAttribute(Qt::WA_DeleteOnClose));
    table.close();
    Flush_Deferred_Deletes();
    EXPECT_TRUE(window.isNull());
}

TEST_F(ASCII_Table_Window, Text_Box_Is_An_Editable_Fixed_Pitch_Box_That_Never_Wraps) {
    ASCII_Table& table = Shown_Window();
    QPlainTextEdit* box = table.findChild<QPlainTextEdit*>("ASCII");
    ASSERT_EQ(box, table.ASCII);
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QFontInfo font(box->font());
    EXPECT_TRUE(font.fixedPitch()) << font.family().toStdString();
    EXPECT_TRUE(font.family() == "Courier New" || font.family() == "Liberation Mono")
        << font.family().toStdString();
    EXPECT_DOUBLE_EQ(box->font().pointSizeF(), 9.75);
    EXPECT_EQ(box->pos(), QPoint(0, 0));
}

TEST_F(ASCII_Table_Window, Text_Box_Shows_The_256_Lines) {
    ASCII_Table& table = Shown_Window();
    const QTextDocument* document = table.ASCII->document();
    // The box keeps its own paragraph ends: 256 lines and the empty one after
    // the last line end.
    ASSERT_EQ(document->blockCount(), 257);
    const QStringList lines = ASCII_Table_Text::Table().split(QStringLiteral("\r\n"));
    QTextBlock block = document->begin();
    for (int code = 0; code < 256; ++code, block = block.next())
        EXPECT_EQ(block.text(), lines[code]) << "code " << code;
    EXPECT_TRUE(block.text().isEmpty());
}

TEST_F(ASCII_Table_Window, Columns_Line_Up_On_Screen) {
    ASCII_Table& table = Shown_Window();
    const QFontMetricsF metrics(table.ASCII->font());
    const QStringList lines = ASCII_Table_Text::Table().split(QStringLiteral("\r\n"));
    // Every field starts after 80 characters of fixed-width text.
    const qreal field_start = metrics.horizontalAdvance(lines[0].left(80));
    for (int code : {1, 10, 65, 100, 200, 255})
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(lines[code].left(80)), field_start);
}

TEST_F(ASCII_Table_Window, Resize_Fits_The_Box_To_The_Client_Area_Less_A_Bottom_Strip) {
    ASCII_Table& table = Shown_Window();
    EXPECT_EQ(table.ASCII->geometry(), QRect(0, 0, table.width(), table.height() - 4));
    table.resize(640, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(table.size(), QSize(640, 300));
    EXPECT_EQ(table.ASCII->geometry(), QRect(0, 0, 640, 296));
    table.resize(300, 4);
    QCoreApplication::processEvents();
    EXPECT_EQ(table.ASCII->geometry(), QRect(0, 0, 300, 0)) << "a box of no height still fits";
    EXPECT_TRUE(Test_Environment::Log_Lines().isEmpty());
}

TEST_F(ASCII_Table_Window, Minimise_Leaves_The_Box_Alone_And_Restore_Refits_It) {
    ASCII_Table& table = Shown_Window();
    const QRect before = table.ASCII->geometry();
    table.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    ASSERT_TRUE(table.isMinimized());
    table.resize(500, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(table.ASCII->geometry(), before);
    table.setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    EXPECT_EQ(table.ASCII->geometry(), QRect(0, 0, 500, 296));
    EXPECT_TRUE(Test_Environment::Log_Lines().isEmpty());
}

TEST_F(ASCII_Table_Window, Too_Small_A_Window_Logs_One_Line_And_Leaves_The_Box_As_It_Was) {
    ASCII_Table& table = Shown_Window();
    const QRect before = table.ASCII->geometry();
    table.resize(300, 3);
    QCoreApplication::processEvents();
    ASSERT_EQ(table.size(), QSize(300, 3));
    EXPECT_EQ(table.ASCII->geometry(), before) << "neither height nor width changes";
    const QStringList log = Test_Environment::Log_Lines();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(Log_Lines_Of("Form_Resize").size(), 1) << log[0].toStdString();
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

TEST_F(ASCII_Table_Window, Resize_Processes_Pending_Events_So_The_Latest_Size_Wins) {
    ASCII_Table& table = Shown_Window();
    // Queued now, delivered by the events that the resize handler processes.
    QMetaObject::invokeMethod(
        &table, [&table] { table.resize(500, 300); }, Qt::QueuedConnection);
    table.resize(600, 400);
    EXPECT_EQ(table.size(), QSize(500, 300));
    EXPECT_EQ(table.ASCII->geometry(), QRect(0, 0, 500, 296));
    EXPECT_TRUE(Test_Environment::Log_Lines().isEmpty());
}

TEST_F(ASCII_Table_Window, A_Close_Arriving_While_Resize_Processes_Events_Waits_For_It) {
    ASCII_Table& table = Shown_Window();
    QMetaObject::invokeMethod(&table, &QWidget::close, Qt::QueuedConnection);
    table.resize(600, 400);
    EXPECT_FALSE(window.isNull()) << "the window outlives its own resize handler";
    Flush_Deferred_Deletes();
    Flush_Deferred_Deletes();
    EXPECT_TRUE(window.isNull()) << "the close still happens";
}

class Show_Table_Test : public testing::Test {
protected:
    void TearDown() override { Close_Windows("ASCII_Table"); }
};

TEST_F(Show_Table_Test, Opens_One_Window_And_Only_Raises_It_When_Opened_Again) {
    QPointer<ASCII_Table> first = ASCII_Table::Show_Table();
    ASSERT_FALSE(first.isNull());
    EXPECT_TRUE(first->isVisible());
    first->ASCII->setPlainText(QStringLiteral("typed by the user"));
    ASCII_Table* second = ASCII_Table::Show_Table();
    EXPECT_EQ(second, first.data());
    EXPECT_EQ(Open_Windows("ASCII_Table").size(), 1);
    EXPECT_EQ(first->ASCII->toPlainText(), "typed by the user") << "the table is not rebuilt";
}

TEST_F(Show_Table_Test, Restores_A_Minimised_Window) {
    ASCII_Table* table = ASCII_Table::Show_Table();
    table->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_EQ(ASCII_Table::Show_Table(), table);
    EXPECT_FALSE(table->isMinimized());
}

TEST_F(Show_Table_Test, Builds_A_Fresh_Window_After_The_Last_One_Was_Closed) {
    QPointer<ASCII_Table> first = ASCII_Table::Show_Table();
    first->ASCII->setPlainText(QStringLiteral("typed by the user"));
    first->close();
    Flush_Deferred_Deletes();
    ASSERT_TRUE(first.isNull());
    ASCII_Table* second = ASCII_Table::Show_Table();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->ASCII->document()->blockCount(), 257);
    EXPECT_EQ(Open_Windows("ASCII_Table").size(), 1);
}

} // namespace
