// SPDX-License-Identifier: MIT
// What a screen reader is told about an input field: its text, caret,
// selection and the attribute runs of its text.
#pragma once

#include <QAccessibleWidget>
#include <functional>

class QLineEdit;

// Qt's own line-edit interface reports an empty attribute run at every
// offset, which screen readers merge into a range one character short: the
// field holding 200 is read as "20". This interface reports one run over the
// whole text. (Qt's line-edit interface is not exported, so it cannot be
// extended; this one is complete in itself.)
class Field_Accessible final : public QAccessibleWidget,
                               public QAccessibleTextInterface,
                               public QAccessibleEditableTextInterface {
public:
    // Where a character is drawn, in screen coordinates, is the field's own
    // knowledge (a line edit keeps its caret's place to itself).
    using Character_Rect = std::function<QRect(int offset)>;

    Field_Accessible(QLineEdit* field, Character_Rect character_rect);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString& text) override;
    QAccessible::State state() const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* Field() const;
    // -2 stands for the caret in the offsets that screen readers pass.
    int Resolved(int offset) const { return offset == -2 ? cursorPosition() : offset; }

    Character_Rect character_rect_;
};
