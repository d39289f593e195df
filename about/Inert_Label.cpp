// SPDX-License-Identifier: MIT
#include "Inert_Label.h"

#include <QMouseEvent>

Inert_Label::Inert_Label(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
}

void Inert_Label::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
void Inert_Label::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
void Inert_Label::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
