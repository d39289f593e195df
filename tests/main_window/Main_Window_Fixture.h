// SPDX-License-Identifier: MIT
// A shown main window, with helpers that type into it and read it back.
#pragma once

#include "Number_Field.h"
#include "QString_Printer.h"
#include "Tessaly.h"
#include "Test_Environment.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The six grids as the window documents them (8, 16 and 32 bits, unsigned
// then signed), written out here so that a wrong width or reading in the
// window's own table cannot set its own expectations.
struct Grid_Shape {
    int width;
    bool is_signed; // two's complement
};
inline constexpr Grid_Shape Documented_Grids[] = {{8, false}, {16, false}, {32, false},
                                                  {8, true},  {16, true},  {32, true}};

// The grid's toggles as a bit text, most significant first, read from the
// check boxes themselves.
inline QString Toggle_Bits(const Tessaly& window, int grid) {
    QString bits;
    for (int bit = Documented_Grids[grid].width - 1; bit >= 0; --bit)
        bits += window.Toggle(grid, bit)->isChecked() ? '1' : '0';
    return bits;
}

// What a screen reader speaks of a status line: on Linux the name of what
// labels the notification, on Windows the text's own name.
inline QString Spoken_Status(QWidget* line) {
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(line);
#ifndef Q_OS_WIN
    const auto labels = status->relations(QAccessible::Label);
    if (!labels.isEmpty())
        return labels.first().first->text(QAccessible::Name);
#endif
    return status->text(QAccessible::Name);
}

class Main_Window_Test : public testing::Test {
protected:
    void SetUp() override {
        Test_Environment::Clear_Log();
        Test_Environment::Clear_Messages();
        window = std::make_unique<Tessaly>();
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { window.reset(); }

    QString Field(int row) const { return window->NumIn(row)->text(); }
    QString Status(int row) const { return window->Status(row)->text(); }

    // Text that reaches the field otherwise than by typing (a paste), then a
    // click on the row's button.
    void Convert(int row, const QString& text) {
        window->NumIn(row)->setText(text);
        QTest::mouseClick(window->PB(row), Qt::LeftButton);
    }

    // Typed as a user would: into the focused field, every key through the filter.
    void Type(int row, const QString& keys) {
        window->NumIn(row)->setFocus();
        window->NumIn(row)->selectAll();
        for (const QChar c : keys) {
            if (c.unicode() < 128)
                QTest::keyClick(window->NumIn(row), c.toLatin1());
            else // QTest knows no key for it: send the typed text alone
                QTest::sendKeyEvent(QTest::Click, window->NumIn(row), Qt::Key_unknown, QString(c),
                                    {});
        }
    }
    void Press(int row, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window->NumIn(row), key, modifiers);
    }

    QString Toggles(int grid) const { return Toggle_Bits(*window, grid); }

    void Click_Toggle(int grid, int bit) {
        QCheckBox* toggle = window->Toggle(grid, bit);
        QTest::mouseClick(toggle, Qt::LeftButton, {}, toggle->rect().center());
    }

    std::unique_ptr<Tessaly> window;
};
