// SPDX-License-Identifier: MIT
// The input field NumIn(i): a line edit that hands every typed character to
// the window's key handler before it reaches the text, and reports focus.
#pragma once

#include <QLineEdit>
#include <functional>

class Number_Field : public QLineEdit {
    Q_OBJECT
public:
    // The handler gets the typed character's code and may change it; 0 drops it.
    using Key_Handler = std::function<void(int& key_code)>;
    using Focus_Handler = std::function<void()>;

    Number_Field(QWidget* parent, Key_Handler on_key, Focus_Handler on_focus);

    // The character code a key press types: printable characters, Enter 13,
    // Escape 27, Backspace 8, Ctrl with a letter 1 to 26; -1 for keys that
    // type nothing (arrows, Delete, Tab, function keys), which pass untouched.
    static int Typed_Code(const QKeyEvent& event);

    // setText, skipped when it would leave the field as it is: the same text,
    // the caret at its end, nothing selected, no undo or redo steps, not
    // modified. QLineEdit writes even an identical text anew and tells the
    // screen readers it replaced the whole text; "Clear All" writes every
    // row's text up to three times, and those events reach the screen
    // reader ahead of the result it should speak.
    void Set_Text(const QString& text);

    // Where the character at offset is drawn, in screen coordinates; empty
    // past the end. For screen readers and magnifiers.
    QRect Character_Rect(int offset) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Type_Each_Character(const QString& text);

    Key_Handler on_key_;
    Focus_Handler on_focus_;
    bool select_after_click_ = false;
};
