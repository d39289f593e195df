// SPDX-License-Identifier: MIT
// The Actions and Help menus with the real ASCII table and About windows.
#include "ASCII_Table.h"
#include "Main_Window_Fixture.h"
#include "Top_Level_Windows.h"

#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

namespace {

// Ending the program asks the application's event loop to quit, which makes
// every later nested loop (a modal dialog, QTest::qWaitFor) return at once. Running the
// application loop once clears that request again.
void Forget_Quit_Request() {
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

class Menus : public Main_Window_Test {
protected:
    void TearDown() override {
        Close_Windows("ASCII_Table");
        Main_Window_Test::TearDown();
    }
    void Choose(const char* action) { window->findChild<QAction*>(action)->trigger(); }
};

TEST_F(Menus, ShowingTheTableTwiceLeavesOneWindow) {
    Choose("sMnu_0");
    Choose("sMnu_0");
    ASSERT_EQ(Open_Windows("ASCII_Table").size(), 1);
    EXPECT_EQ(Open_Windows("ASCII_Table")[0]->parentWidget(), nullptr); // no owner
}

TEST_F(Menus, TheTableIsBuiltAfreshAfterItWasClosed) {
    Choose("sMnu_0");
    // Watched, not compared: the new window may be given the old one's address.
    const QPointer<QWidget> first = Open_Windows("ASCII_Table").value(0);
    ASSERT_TRUE(first);
    Close_Windows("ASCII_Table");
    EXPECT_TRUE(first.isNull());
    Choose("sMnu_0");
    ASSERT_EQ(Open_Windows("ASCII_Table").size(), 1);
}

TEST_F(Menus, TheMainWindowWorksWhileTheTableIsOpen) {
    Choose("sMnu_0");
    QApplication::setActiveWindow(window.get());
    Type(0, "42");
    Press(0, Qt::Key_Return);
    EXPECT_EQ(Status(0), "42 = 00101010");
}

TEST_F(Menus, DropDownMenusUseTheMenuBarsFont) {
    for (const char* menu : {"mAct", "mHlp"})
        EXPECT_EQ(window->findChild<QMenu*>(menu)->font(), window->menuBar()->font()) << menu;
}

TEST_F(Menus, ExitClosesEveryWindow) {
    Choose("sMnu_0");
    Choose("sMnu_1");
    EXPECT_TRUE(Open_Windows("ASCII_Table").isEmpty());
    EXPECT_FALSE(window->isVisible());
    Forget_Quit_Request();
}

TEST_F(Menus, ClosingTheMainWindowClosesTheTableToo) {
    Choose("sMnu_0");
    window->close();
    EXPECT_TRUE(Open_Windows("ASCII_Table").isEmpty());
    Forget_Quit_Request();
}

// The notes as written, one line feed right after "Comments:".
const QString Notes =
    QStringLiteral("Comments:\nTessaly is a number conversion tool. This "
                   "application converts Binary, Decimal and Hexadecimal numbers.");

TEST(About_Notes, HaveOneLineFeedRightAfterComments) {
    EXPECT_EQ(Tessaly::About_Notes(), Notes);
}

// While the modal About window is open, input to the main window goes
// through the window system and must be blocked.
TEST_F(Menus, AboutIsModalAndGetsItsNotesAndOpacity) {
    QString notes;
    QVariant opacity;
    bool about_was_open = false;
    QTimer::singleShot(50, [&] {
        QWidget* about = QApplication::activeModalWidget();
        about_was_open = about && about->objectName() == "About";
        if (!about_was_open)
            return;
        notes = about->property("App_Notes").toString();
        opacity = about->property("Form_Transparency");
        QTest::keyClick(window->windowHandle(), Qt::Key_5);
        const QPoint clear_all = window->PB(Rows::Clear_All)->mapTo(window.get(), QPoint(5, 5));
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, clear_all);
        about->close();
    });
    window->mAbout_Click(); // returns once the About window has closed
    ASSERT_TRUE(about_was_open);
    EXPECT_EQ(notes, Notes);
    EXPECT_EQ(opacity.value<qint16>(), 235);
    EXPECT_EQ(Field(0), "0");
    EXPECT_FALSE(window->Timer_Delay_Reset().isActive());
    EXPECT_TRUE(Test_Environment::Log_Lines().isEmpty());

    // Back in use once it has closed.
    QApplication::setActiveWindow(window.get());
    Type(0, "5");
    EXPECT_EQ(Field(0), "5");
}

} // namespace
