// SPDX-License-Identifier: MIT
// What a screen reader is told as the user works the window, recorded from
// the accessibility events the window sends (as Qt's own accessibility tests
// record them): one announcement per command, on the row's status line, in
// the words written out below.
#include "Main_Window_Fixture.h"
#include "Status_Line.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>
#include <utility>
#include <vector>

namespace {

struct Announcement {
    const QObject* line;
    QString spoken;
    QString braille;     // Linux only
    QString after_pause; // Linux only: a second utterance
};

#ifndef Q_OS_WIN
bool Is_Ancestor(QAccessibleInterface* candidate, QAccessibleInterface* of) {
    for (QAccessibleInterface* up = of->parent(); up != nullptr; up = up->parent())
        if (up->object() != nullptr && up->object() == candidate->object())
            return true;
    return false;
}

// The text a label shows: its name, or the text it holds.
QString Shown(QAccessibleInterface* label) {
    if (!label->text(QAccessible::Name).isEmpty())
        return label->text(QAccessible::Name);
    QAccessibleTextInterface* text = label->textInterface();
    return text ? text->text(0, text->characterCount()) : QString();
}

// Orca's rules, not the window's. It speaks a notification as one
// utterance: what labels it (its first label relation, unless that is an
// ancestor, else its name); after a
// pause, the names of the labels inside it that label nothing, or else its
// description. It writes to braille the texts of those labels that the
// notification's name does not contain.
Announcement Heard_On_Linux(QAccessibleInterface* line) {
    const QString name = line->text(QAccessible::Name);
    Announcement heard{line->object(), name, {}, {}};
    const auto labels = line->relations(QAccessible::Label);
    if (!labels.isEmpty() && !Is_Ancestor(labels.first().first, line))
        heard.spoken = Shown(labels.first().first);
    for (int index = 0; index < line->childCount(); ++index) {
        QAccessibleInterface* label = line->child(index);
        if (label->role() != QAccessible::StaticText || !label->relations().isEmpty())
            continue;
        heard.after_pause += label->text(QAccessible::Name);
        const QString shown = Shown(label);
        if (!shown.isEmpty() && !name.contains(shown))
            heard.braille += shown;
    }
    if (heard.after_pause.isEmpty())
        heard.after_pause = line->text(QAccessible::Description);
    return heard;
}
#endif

std::vector<Announcement> Recorded;
// A field's focus, selection and caret events, as (field, event type).
std::vector<std::pair<const QObject*, QAccessible::Event>> Field_Events;

void Record(QAccessibleEvent* event) {
    const auto type = event->type();
    if ((type == QAccessible::Focus || type == QAccessible::TextSelectionChanged ||
         type == QAccessible::TextCaretMoved) &&
        qobject_cast<QLineEdit*>(event->object()))
        Field_Events.emplace_back(event->object(), type);
    if (!qobject_cast<Status_Line*>(event->object()))
        return;
#ifdef Q_OS_WIN
    // UI Automation raises a value change carrying a text as a notification
    // (Windows 10 1709 and later; Wine has no such call, so only the event
    // itself can be checked there).
    if (event->type() == QAccessible::ValueChanged)
        Recorded.push_back({event->object(),
                            static_cast<QAccessibleValueChangeEvent*>(event)->value().toString(),
                            {},
                            {}});
#else
    if (event->type() == QAccessible::ObjectShow)
        Recorded.push_back(Heard_On_Linux(event->accessibleInterface()));
#endif
}

void Set_Screen_Reader_Listening(bool listening) {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(listening);
    QAccessible::installUpdateHandler(listening ? Record : nullptr);
}

class Screen_Reader_Test : public Main_Window_Test {
protected:
    void SetUp() override {
        Set_Screen_Reader_Listening(true);
        Main_Window_Test::SetUp();
        Recorded.clear();
        Field_Events.clear();
    }
    void TearDown() override {
        Main_Window_Test::TearDown();
        Set_Screen_Reader_Listening(false);
    }

    // Exactly one announcement since the last look, on the row's status line.
    void Expect_Heard(int row, const char* spoken, const char* shown) {
        ASSERT_EQ(Recorded.size(), 1u)
            << "row " << row << ": " << Recorded.size() << " announcements";
        EXPECT_EQ(Recorded[0].line, window->Status(row)) << "row " << row;
        EXPECT_EQ(Recorded[0].spoken, QString::fromUtf8(spoken));
#ifndef Q_OS_WIN
        EXPECT_EQ(Recorded[0].braille, QString::fromUtf8(shown));
        EXPECT_EQ(Recorded[0].after_pause, "");
#endif
        EXPECT_EQ(Status(row), QString::fromUtf8(shown));
        Recorded.clear();
    }
};

struct Result {
    int row;
    const char* input;
    const char* shown;
    const char* spoken;
};

// A result in every row; the bit patterns come from the two's complement
// worked out by hand (43981 is 0xABCD, -12345 is 0xCFC7).
const Result Results[] = {
    {0, "200", "200 = 11001000", "200 = 1 1 0 0, 1 0 0 0"},
    {1, "43981", "43981 = 1010101111001101", "43981 = 1 0 1 0, 1 0 1 1, 1 1 0 0, 1 1 0 1"},
    {2, "3000000000", "3000000000 = 10110010110100000101111000000000",
     "3000000000 = 1 0 1 1, 0 0 1 0, 1 1 0 1, 0 0 0 0, 0 1 0 1, 1 1 1 0, 0 0 0 0, 0 0 0 0"},
    {3, "-5", "-5 = 11111011", "-5 = 1 1 1 1, 1 0 1 1"},
    {4, "-12345", "-12345 = 1100111111000111", "-12345 = 1 1 0 0, 1 1 1 1, 1 1 0 0, 0 1 1 1"},
    {5, "-2147483648", "-2147483648 = 10000000000000000000000000000000",
     "-2147483648 = 1 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0"},
    {6, "1000", "1000 requires 10 bits, MSB is bit 9 = 512",
     "1000 requires 10 bits, MSB is bit 9 = 512"},
    {7, "255", "[Decimal] 255 = [Hexadecimal] FF", "[Decimal] 255 = [Hexadecimal] FF"},
    {8, "FF", "[Hexadecimal] FF = [Decimal] 255", "[Hexadecimal] FF = [Decimal] 255"},
};

// Escape: the row's conversion of 0.
const Result Zeros[] = {
    {0, "0", "0 = 00000000", "0 = 0 0 0 0, 0 0 0 0"},
    {1, "0", "0 = 0000000000000000", "0 = 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0"},
    {2, "0", "0 = 00000000000000000000000000000000",
     "0 = 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0"},
    {3, "0", "0 = 00000000", "0 = 0 0 0 0, 0 0 0 0"},
    {4, "0", "0 = 0000000000000000", "0 = 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0"},
    {5, "0", "0 = 00000000000000000000000000000000",
     "0 = 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0"},
    {6, "0", "0 requires 1 bits, MSB is bit 0 = 1", "0 requires 1 bits, MSB is bit 0 = 1"},
    {7, "0", "[Decimal] 0 = [Hexadecimal] 0", "[Decimal] 0 = [Hexadecimal] 0"},
    {8, "0", "[Hexadecimal] 0 = [Decimal] 0", "[Hexadecimal] 0 = [Decimal] 0"},
};

// One above each decimal row's limit (the hexadecimal row has none).
const Result Refusals[] = {
    {0, "256", "256 is to large to process", "256 is to large to process"},
    {1, "65536", "65536 is to large to process", "65536 is to large to process"},
    {2, "4294967296", "4294967296 is to large to process", "4294967296 is to large to process"},
    {3, "128", "128 is to large to process", "128 is to large to process"},
    {4, "32768", "32768 is to large to process", "32768 is to large to process"},
    {5, "2147483648", "2147483648 is to large to process", "2147483648 is to large to process"},
    {6, "2147483648", "2147483648 is to large to process", "2147483648 is to large to process"},
    {7, "4294967296", "4294967296 is to large to process", "4294967296 is to large to process"},
};

// Space on each grid's first Tab stop, its most significant bit, from 0.
const Result Top_Bits[] = {
    {0, "", "128 = 10000000", "128 = 1 0 0 0, 0 0 0 0"},
    {1, "", "32768 = 1000000000000000", "32768 = 1 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0"},
    {2, "", "2147483648 = 10000000000000000000000000000000",
     "2147483648 = 1 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0"},
    {3, "", "-128 = 10000000", "-128 = 1 0 0 0, 0 0 0 0"},
    {4, "", "-32768 = 1000000000000000", "-32768 = 1 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0"},
    {5, "", "-2147483648 = 10000000000000000000000000000000",
     "-2147483648 = 1 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0, 0 0 0 0"},
};

TEST_F(Screen_Reader_Test, EnterAnnouncesTheRowsResultOnce) {
    for (const Result& result : Results) {
        window->NumIn(result.row)->setText(QString::fromUtf8(result.input));
        Press(result.row, Qt::Key_Return);
        Expect_Heard(result.row, result.spoken, result.shown);
    }
}

TEST_F(Screen_Reader_Test, TheRowsButtonAnnouncesItsResultOnce) {
    for (const Result& result : Results) {
        Convert(result.row, QString::fromUtf8(result.input));
        Expect_Heard(result.row, result.spoken, result.shown);
    }
}

TEST_F(Screen_Reader_Test, EscapeAnnouncesTheConversionOfZeroOnce) {
    for (const Result& zero : Zeros) {
        window->NumIn(zero.row)->setText(QStringLiteral("12"));
        Press(zero.row, Qt::Key_Escape);
        Expect_Heard(zero.row, zero.spoken, zero.shown);
    }
}

TEST_F(Screen_Reader_Test, ARefusalIsAnnouncedOnce) {
    for (const Result& refusal : Refusals) {
        Type(refusal.row, QString::fromUtf8(refusal.input));
        Recorded.clear();
        Press(refusal.row, Qt::Key_Return);
        Expect_Heard(refusal.row, refusal.spoken, refusal.shown);
    }
}

TEST_F(Screen_Reader_Test, SpaceOnAToggleAnnouncesTheGridsValueOnce) {
    for (const Result& top : Top_Bits) {
        QCheckBox* toggle = window->Toggle(top.row, Documented_Grids[top.row].width - 1);
        toggle->setFocus(Qt::TabFocusReason);
        Recorded.clear();
        QTest::keyClick(toggle, Qt::Key_Space);
        Expect_Heard(top.row, top.spoken, top.shown);
    }
}

// A failed conversion leaves the old text, which is no new result.
TEST_F(Screen_Reader_Test, AFailedConversionAnnouncesNothing) {
    const std::pair<int, const char*> failures[] = {{1, "-3000000000"}, {8, "ff"}};
    for (const auto& [row, text] : failures) {
        const QString before = Status(row);
        window->NumIn(row)->setText(QString::fromUtf8(text));
        Press(row, Qt::Key_Return);
        EXPECT_EQ(Status(row), before) << row;
        EXPECT_TRUE(Recorded.empty()) << "row " << row << ": " << Recorded.size();
        Recorded.clear();
    }
    EXPECT_EQ(Test_Environment::Log_Lines().size(), 2);
}

// The reset walks the focus through every field, selecting each one's text
// on the way; a screen reader hears of the first field only, and then of its
// result, once.
TEST_F(Screen_Reader_Test, ClearAllAnnouncesTheFirstRowWhereTheFocusEnds) {
    Convert(3, "-5");
    window->PB(Rows::Clear_All)->setFocus(); // row 3's field clears its selection
    Recorded.clear();
    Field_Events.clear();
    QTest::mouseClick(window->PB(Rows::Clear_All), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([] { return !Recorded.empty(); }, 2000));
    QTest::qWait(200); // nothing more follows
    EXPECT_EQ(QApplication::focusWidget(), window->NumIn(0));
    ASSERT_EQ(Field_Events.size(), 1u);
    EXPECT_EQ(Field_Events[0].first, window->NumIn(0));
    EXPECT_EQ(Field_Events[0].second, QAccessible::Focus);
    Expect_Heard(0, "0 = 0 0 0 0, 0 0 0 0", "0 = 00000000");
}

// Every child's parent is the one that lists it, at the index it gives.
void Expect_Consistent_Tree(QAccessibleInterface* parent, int depth) {
    for (int index = 0; index < parent->childCount(); ++index) {
        QAccessibleInterface* child = parent->child(index);
        ASSERT_NE(child, nullptr) << parent->text(QAccessible::Name).toStdString() << " " << index;
        ASSERT_NE(child->parent(), nullptr);
        EXPECT_EQ(child->parent()->object(), parent->object())
            << child->text(QAccessible::Name).toStdString();
        EXPECT_EQ(parent->indexOfChild(child), index)
            << child->text(QAccessible::Name).toStdString();
        if (depth > 0)
            Expect_Consistent_Tree(child, depth - 1);
    }
}

// The commands at the tree's leaves. On Linux the bar's entries are the menus
// themselves; Qt's own tree on Windows has a menu item between the two.
void Collect_Commands(QAccessibleInterface* node, QStringList& commands) {
    for (int index = 0; index < node->childCount(); ++index) {
        QAccessibleInterface* child = node->child(index);
        if (child->childCount() == 0 && child->role() == QAccessible::MenuItem)
            commands << child->text(QAccessible::Name);
        else
            Collect_Commands(child, commands);
    }
}

TEST_F(Screen_Reader_Test, TheMenusFormAConsistentTree) {
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(window->menuBar());
    ASSERT_EQ(bar->childCount(), 2);
    Expect_Consistent_Tree(bar, 2);
    QStringList commands;
    Collect_Commands(bar, commands);
    EXPECT_EQ(commands, QStringList({"Show ASCII Table", "Exit", "About"}));
#ifndef Q_OS_WIN
    EXPECT_EQ(bar->child(0)->text(QAccessible::Name), "Actions menu");
    EXPECT_EQ(bar->child(1)->text(QAccessible::Name), "Help menu");
#endif
    // The window lists the bar, and the bar's parent is the window.
    QAccessibleInterface* main = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_GE(main->indexOfChild(bar), 0);
    EXPECT_EQ(bar->parent()->object(), window.get());
}

// Under a screen reader, Qt's bridge holds every key back until the reader
// has seen it and then posts a copy to the window: the copy of the Alt press
// that began Alt+A reaches the menu that Alt+A opened. Played here with the
// same window-system calls as a real keyboard, the bridge's hold stood in
// for by a filter that keeps what reaches the window and posts it after.
class Held_Keys : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!event->spontaneous() || watched->isWidgetType() ||
            (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        held_.push_back({watched, new QKeyEvent(key->type(), key->key(), key->modifiers())});
        return true;
    }
    void Release() {
        for (const auto& [target, copy] : held_)
            QCoreApplication::postEvent(target, copy);
        held_.clear();
        QCoreApplication::processEvents();
    }

private:
    std::vector<std::pair<QObject*, QKeyEvent*>> held_;
};

void Key(QWindow* window, QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
        window, type, key, modifiers);
}

TEST_F(Screen_Reader_Test, AMenuOpenedByItsAccessKeyStaysOpenWhenTheHeldAltArrives) {
    QWindow* handle = window->windowHandle();
    for (const Qt::Key access : {Qt::Key_A, Qt::Key_H}) {
        window->NumIn(3)->setFocus();
        Held_Keys bridge;
        qApp->installEventFilter(&bridge);
        Key(handle, QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        Key(handle, QEvent::KeyPress, access, Qt::AltModifier);
        Key(handle, QEvent::KeyRelease, access, Qt::AltModifier);
        Key(handle, QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        qApp->removeEventFilter(&bridge);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "the access key opened no menu";
        bridge.Release();
        EXPECT_TRUE(menu->isVisible()) << menu->objectName().toStdString();
        // Alt pressed now closes it, as ever.
        QTest::keyClick(menu, Qt::Key_Alt);
        EXPECT_FALSE(menu->isVisible()) << menu->objectName().toStdString();
        menu->hide();
    }
}

} // namespace
