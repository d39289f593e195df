// SPDX-License-Identifier: MIT
// Any control with a read/write text, as the ASCII table writes to it.
#pragma once

#include <QString>
#include <concepts>

class Text_Target {
public:
    virtual ~Text_Target() = default;
    virtual QString Text() const = 0;
    virtual void Set_Text(const QString& text) = 0;
};

// Controls whose whole text is plain text (QPlainTextEdit, QTextEdit).
template <typename Control>
concept Has_Plain_Text = requires(Control& control, const QString& text) {
    { control.toPlainText() } -> std::convertible_to<QString>;
    control.setPlainText(text);
};

// Controls with a single text property (QLineEdit, QLabel).
template <typename Control>
concept Has_Text_Property = requires(Control& control, const QString& text) {
    { control.text() } -> std::convertible_to<QString>;
    control.setText(text);
};

template <typename Control>
concept Text_Control = Has_Plain_Text<Control> || Has_Text_Property<Control>;

// Lends a control's text to code that takes a Text_Target.
template <Text_Control Control> class Control_Text_Target final : public Text_Target {
public:
    explicit Control_Text_Target(Control& control) : control_(control) {}

    QString Text() const override {
        if constexpr (Has_Plain_Text<Control>)
            return control_.toPlainText();
        else
            return control_.text();
    }

    void Set_Text(const QString& text) override {
        if constexpr (Has_Plain_Text<Control>)
            control_.setPlainText(text);
        else
            control_.setText(text);
    }

private:
    Control& control_;
};
