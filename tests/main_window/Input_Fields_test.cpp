// SPDX-License-Identifier: MIT
// Key filters, Enter and Escape, focus normalisation.
#include "Main_Window_Fixture.h"
#include "Test_Tables.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <utility>

namespace {

// Opens the widget's own context menu (it pops up without blocking) and
// chooses the entry, "Paste" or "Copy", as a user would.
void Choose_From_Context_Menu(QWidget* widget, const QString& entry) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().remove('&').startsWith(entry))
            chosen = action;
    ASSERT_NE(chosen, nullptr);
    // As a click does: the menu closes, the focus comes back, then the action runs.
    menu->hide();
    chosen->trigger();
}

struct Typing_Case {
    const char* name;
    int row;
    const char* keys;
    const char* text;
};

class Key_Filters : public Main_Window_Test, public testing::WithParamInterface<Typing_Case> {};

TEST_P(Key_Filters, KeepOnlyTheRowsCharacters) {
    Type(GetParam().row, QString::fromUtf8(GetParam().keys));
    EXPECT_EQ(Field(GetParam().row), QString::fromUtf8(GetParam().text));
}

const Typing_Case Typing_Cases[] = {
    {"unsigned_drops_letters", 0, "1a2", "12"},
    {"unsigned_drops_minus", 1, "-5", "5"},
    {"unsigned_drops_blank_and_point", 2, "1 .5", "15"},
    {"signed_takes_minus", 3, "-5", "-5"},
    {"signed_takes_minus_anywhere", 4, "5-5", "5-5"},
    {"signed_drops_letters", 5, "x1y", "1"},
    {"msb_field_takes_everything", 6, "a b!", "a b!"},
    {"hex_to_dec_field_has_no_filter_for_decimal_row", 7, "12z", "12z"},
    {"hex_capitalises_and_drops_g", 8, "fFg1", "FF1"},
    {"hex_drops_blank", 8, "A B", "AB"},
    {"unicode_dropped_in_unsigned", 0,
     "1\xc3\xa9"
     "2",
     "12"},
    {"unicode_kept_in_row_6", 6, "\xc3\xa9", "\xc3\xa9"},
};

INSTANTIATE_TEST_SUITE_P(Rows, Key_Filters, testing::ValuesIn(Typing_Cases),
                         Test_Tables::Row_Name<Typing_Case>);

TEST_F(Main_Window_Test, BackspaceDeleteAndArrowsStillEdit) {
    Type(0, "123");
    Press(0, Qt::Key_Backspace);
    EXPECT_EQ(Field(0), "12");
    Press(0, Qt::Key_Left);
    Press(0, Qt::Key_Left);
    Press(0, Qt::Key_Delete);
    EXPECT_EQ(Field(0), "2");
    Press(0, Qt::Key_End);
    QTest::keyClicks(window->NumIn(0), "9");
    EXPECT_EQ(Field(0), "29");
}

TEST_F(Main_Window_Test, PasteKeyIsDroppedButContextMenuPasteIsNot) {
    QApplication::clipboard()->setText("77");
    Type(0, "1");
    Press(0, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Field(0), "1");
    Choose_From_Context_Menu(window->NumIn(0), "Paste");
    EXPECT_EQ(Field(0), "177");
}

TEST_F(Main_Window_Test, ContextMenuPasteKeepsTheTextBeforeTheCaret) {
    QApplication::clipboard()->setText("3");
    Type(6, "12");
    Choose_From_Context_Menu(window->NumIn(6), "Paste");
    EXPECT_EQ(Field(6), "123");
}

// A line copied from a terminal or a spreadsheet ends in a line break; the
// field keeps what precedes the first one, wherever the text is inserted.
TEST_F(Main_Window_Test, PastedOrDroppedTextKeepsItsFirstLine) {
    QApplication::clipboard()->setText("255\r\n");
    Type(0, "");
    Choose_From_Context_Menu(window->NumIn(0), "Paste");
    Press(0, Qt::Key_Return);
    EXPECT_EQ(Status(0), "255 = 11111111");

    QApplication::clipboard()->setText("5\n6");
    Type(1, "1234");
    window->NumIn(1)->setSelection(1, 2);
    Choose_From_Context_Menu(window->NumIn(1), "Paste");
    EXPECT_EQ(Field(1), "154");

    QMimeData dropped;
    dropped.setText("7\r8");
    Type(6, "");
    window->NumIn(6)->clear();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(window->NumIn(6), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(window->NumIn(6), &drop);
    EXPECT_EQ(Field(6), "7");
}

TEST_F(Main_Window_Test, EveryCharacterOfAComposedKeyIsFiltered) {
    Type(1, "");
    QTest::sendKeyEvent(QTest::Click, window->NumIn(1), Qt::Key_unknown, QString("5x-f"), {});
    EXPECT_EQ(Field(1), "5");
    Type(8, "");
    QTest::sendKeyEvent(QTest::Click, window->NumIn(8), Qt::Key_unknown, QString("1fg"), {});
    EXPECT_EQ(Field(8), "1F");
}

TEST_F(Main_Window_Test, FilteredFieldsTakeNoInputMethodText) {
    for (int row : {0, 1, 2, 3, 4, 5, 8})
        EXPECT_FALSE(window->NumIn(row)->testAttribute(Qt::WA_InputMethodEnabled)) << row;
    EXPECT_TRUE(window->NumIn(6)->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(Main_Window_Test, PasteKeyWorksInTheUnfilteredFields) {
    QApplication::clipboard()->setText("77");
    Type(7, "1");
    Press(7, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Field(7), "177");
}

TEST_F(Main_Window_Test, EnterConvertsAndIsNotInserted) {
    Type(4, "-300");
    Press(4, Qt::Key_Enter);
    EXPECT_EQ(Field(4), "-300");
    EXPECT_EQ(Status(4), "-300 = 1111111011010100");
}

TEST_F(Main_Window_Test, EscapeResetsTheRowAndConverts) {
    Type(8, "FF");
    Press(8, Qt::Key_Return);
    EXPECT_EQ(Status(8), "[Hexadecimal] FF = [Decimal] 255");
    Press(8, Qt::Key_Escape);
    EXPECT_EQ(Field(8), "0");
    EXPECT_EQ(Status(8), "[Hexadecimal] 0 = [Decimal] 0");
}

TEST_F(Main_Window_Test, FocusNormalisesAndSelectsTheText) {
    window->NumIn(1)->setText("00255");
    window->NumIn(8)->setText("1E3");
    window->PB(1)->setFocus();
    QTest::keyClick(window->PB(1), Qt::Key_Tab); // into field 1
    ASSERT_EQ(QApplication::focusWidget(), window->NumIn(1));
    EXPECT_EQ(Field(1), "255");
    EXPECT_EQ(window->NumIn(1)->selectedText(), "255");
    window->NumIn(8)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Field(8), "1000");
}

// What a screen reader reads of a field: all of its text, selected, in one
// attribute run, whatever offset it asks about.
TEST_F(Main_Window_Test, ScreenReadersGetTheWholeTextOfAField) {
    for (const QString text : {"200", "16384", "FF", "-1"}) {
        window->NumIn(6)->setText(text);
        window->NumIn(6)->selectAll();
        QAccessibleTextInterface* reader =
            QAccessible::queryAccessibleInterface(window->NumIn(6))->textInterface();
        const int length = static_cast<int>(text.size());
        ASSERT_EQ(reader->characterCount(), length);
        EXPECT_EQ(reader->text(0, length), text);
        int start = -1, end = -1;
        reader->selection(0, &start, &end);
        EXPECT_EQ(std::pair(start, end), std::pair(0, length)) << text.toStdString();
        for (int offset = 0; offset <= length; ++offset) {
            reader->attributes(offset, &start, &end);
            EXPECT_EQ(std::pair(start, end), std::pair(0, length)) << offset;
        }
    }
}

TEST_F(Main_Window_Test, AClickIntoAFieldSelectsTheWholeText) {
    window->NumIn(2)->setText("0042");
    QTest::mouseClick(window->NumIn(2), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Field(2), "42");
    EXPECT_EQ(window->NumIn(2)->selectedText(), "42");
}

} // namespace

// A status line is selected with the mouse and copied from its menu, the
// whole line when nothing is selected; a new text from the program ends the
// selection.
TEST_F(Main_Window_Test, StatusLineTextIsSelectedWithTheMouseAndCopied) {
    Convert(2, "4294967295");
    Status_Line* status = window->Status(2);
    const int middle = status->height() / 2;
    const QPoint after_equals(status->fontMetrics().horizontalAdvance("4294967295 = "), middle);
    QTest::mousePress(status, Qt::LeftButton, {}, after_equals);
    QTest::mouseMove(status, QPoint(status->width() - 1, middle));
    QTest::mouseRelease(status, Qt::LeftButton, {}, QPoint(status->width() - 1, middle));
    EXPECT_EQ(status->selectedText(), QString(32, '1'));
    EXPECT_EQ(status->focusPolicy(), Qt::NoFocus);
    Choose_From_Context_Menu(status, "Copy");
    EXPECT_EQ(QApplication::clipboard()->text(), QString(32, '1'));

    Convert(2, "5");
    EXPECT_EQ(Status(2), "5 = 00000000000000000000000000000101");
    EXPECT_TRUE(status->selectedText().isEmpty());
    EXPECT_EQ(status->cursor().shape(), Qt::IBeamCursor);
    Choose_From_Context_Menu(window->Status(7), "Copy");
    EXPECT_EQ(QApplication::clipboard()->text(), "[Decimal] 0 = [Hexadecimal] 0");
    Choose_From_Context_Menu(status, "Select All");
    EXPECT_EQ(status->selectedText(), Status(2));
}
