// SPDX-License-Identifier: MIT
#include "Number_Field.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QValidator>
#include <limits>

namespace {

// A single-line field keeps what precedes the first line break of a pasted
// or dropped text, as the platform's single-line text boxes do: a line
// copied from a terminal or a spreadsheet cell ends in CR LF. Every change of
// the text passes here with the caret after what was inserted; the inserted
// part starts where the text first differs from what it was before.
class First_Line_Of_Insertions final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& caret) const override {
        const qsizetype start = Common_Prefix(before_, input);
        qsizetype line_break = start;
        while (line_break < caret && input[line_break] != QLatin1Char('\r') &&
               input[line_break] != QLatin1Char('\n'))
            ++line_break;
        if (line_break < caret) {
            input.remove(line_break, caret - line_break);
            caret = static_cast<int>(line_break);
        }
        before_ = input;
        return Acceptable;
    }

private:
    static qsizetype Common_Prefix(const QString& a, const QString& b) {
        const qsizetype shorter = std::min(a.size(), b.size());
        qsizetype same = 0;
        while (same < shorter && a[same] == b[same])
            ++same;
        return same;
    }

    mutable QString before_;
};

} // namespace

Number_Field::Number_Field(QWidget* parent, Key_Handler on_key, Focus_Handler on_focus)
    : QLineEdit(parent), on_key_(std::move(on_key)), on_focus_(std::move(on_focus)) {
    // A field has no length limit: Qt's default would cut a paste at 32,767
    // characters without a word.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new First_Line_Of_Insertions(this));
}

int Number_Field::Typed_Code(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    const auto modifiers = event.modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) &&
        event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return event.key() - Qt::Key_A + 1;
    const QString text = event.text();
    if (text.isEmpty())
        return -1;
    const char32_t code = text.toUcs4().value(0);
    if (code < 0x20 || code == 0x7F)
        return -1; // other control characters type nothing
    return static_cast<int>(code);
}

// Measured from the caret, which the field places itself: the text between
// the caret and the character is laid out in one line in the field's font.
QRect Number_Field::Character_Rect(int offset) const {
    const QString shown = text();
    if (offset < 0 || offset >= shown.size())
        return {};
    const QFontMetrics metrics(font());
    const QRect caret = cursorRect();
    const int left = caret.center().x() + metrics.horizontalAdvance(shown.left(offset)) -
                     metrics.horizontalAdvance(shown.left(cursorPosition()));
    const QRect local(left, caret.top(), metrics.horizontalAdvance(shown.at(offset)),
                      metrics.height());
    return local.translated(mapToGlobal(QPoint(0, 0)));
}

void Number_Field::keyPressEvent(QKeyEvent* event) {
    const int typed = Typed_Code(*event);
    if (typed < 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->text().toUcs4().size() > 1) {
        Type_Each_Character(event->text());
        event->accept();
        return;
    }
    int key_code = typed;
    on_key_(key_code);
    if (key_code == 0) {
        event->accept(); // dropped
    } else if (key_code == typed) {
        QLineEdit::keyPressEvent(event);
    } else {
        const char32_t replaced = static_cast<char32_t>(key_code);
        insert(QString::fromUcs4(&replaced, 1));
        event->accept();
    }
}

void Number_Field::Set_Text(const QString& text) {
    const bool unchanged = text == this->text() && cursorPosition() == text.size() &&
                           !hasSelectedText() && !isUndoAvailable() && !isRedoAvailable() &&
                           !isModified() && !isReadOnly(); // read-only hides the undo steps
    if (!unchanged)
        setText(text);
}

void Number_Field::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // The focus coming back from the field's own context menu or from another
    // window is no entry into the field: selecting the text then would make a
    // context-menu paste replace it.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    on_focus_();
    // A click places the caret after the focus arrives; select again once the
    // button is released so that a click selects the whole text as Tab does.
    select_after_click_ = event->reason() == Qt::MouseFocusReason;
}

void Number_Field::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (select_after_click_ && !hasSelectedText())
        selectAll();
    select_after_click_ = false;
}

// A key event may carry several characters (a compose sequence); each goes
// through the key handler on its own, as if typed one by one.
void Number_Field::Type_Each_Character(const QString& text) {
    for (const char32_t character : text.toUcs4()) {
        int key_code = static_cast<int>(character);
        on_key_(key_code);
        if (key_code != 0) {
            const char32_t kept = static_cast<char32_t>(key_code);
            insert(QString::fromUcs4(&kept, 1));
        }
    }
}
