// SPDX-License-Identifier: MIT
#include "Field_Accessible.h"

#include <QLineEdit>

Field_Accessible::Field_Accessible(QLineEdit* field, Character_Rect character_rect)
    : QAccessibleWidget(field, QAccessible::EditableText),
      character_rect_(std::move(character_rect)) {
    addControllingSignal(QStringLiteral("textChanged(QString)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit* Field_Accessible::Field() const {
    return static_cast<QLineEdit*>(widget());
}

void* Field_Accessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString Field_Accessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Value)
        return Field()->text();
    return QAccessibleWidget::text(type);
}

void Field_Accessible::setText(QAccessible::Text type, const QString& text) {
    if (type == QAccessible::Value)
        Field()->setText(text);
    else
        QAccessibleWidget::setText(type, text);
}

QAccessible::State Field_Accessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = Field()->isReadOnly();
    state.selectableText = true;
    return state;
}

void Field_Accessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Field()->hasSelectedText())
        return;
    *startOffset = Field()->selectionStart();
    *endOffset = Field()->selectionEnd();
}

int Field_Accessible::selectionCount() const {
    return Field()->hasSelectedText() ? 1 : 0;
}

void Field_Accessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void Field_Accessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        Field()->deselect();
}

void Field_Accessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        Field()->setSelection(startOffset, endOffset - startOffset);
}

int Field_Accessible::cursorPosition() const {
    return Field()->cursorPosition();
}

void Field_Accessible::setCursorPosition(int position) {
    Field()->setCursorPosition(position);
}

QString Field_Accessible::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset)
        return {};
    return Field()->text().mid(startOffset, endOffset - startOffset);
}

QString Field_Accessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const {
    return QAccessibleTextInterface::textBeforeOffset(Resolved(offset), boundaryType, startOffset,
                                                      endOffset);
}

QString Field_Accessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int* startOffset, int* endOffset) const {
    return QAccessibleTextInterface::textAfterOffset(Resolved(offset), boundaryType, startOffset,
                                                     endOffset);
}

QString Field_Accessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int* startOffset, int* endOffset) const {
    return QAccessibleTextInterface::textAtOffset(Resolved(offset), boundaryType, startOffset,
                                                  endOffset);
}

int Field_Accessible::characterCount() const {
    return static_cast<int>(Field()->text().size());
}

QRect Field_Accessible::characterRect(int offset) const {
    return character_rect_(offset);
}

int Field_Accessible::offsetAtPoint(const QPoint& point) const {
    return Field()->cursorPositionAt(Field()->mapFromGlobal(point));
}

void Field_Accessible::scrollToSubstring(int startIndex, int endIndex) {
    Field()->setCursorPosition(endIndex);
    Field()->setCursorPosition(startIndex);
}

// The field's text has one look throughout: one run, without attributes,
// from the first character to the end, whatever the offset asked about.
QString Field_Accessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void Field_Accessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, QString());
}

void Field_Accessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void Field_Accessible::replaceText(int startOffset, int endOffset, const QString& text) {
    Field()->setText(Field()->text().replace(startOffset, endOffset - startOffset, text));
}
