// SPDX-License-Identifier: MIT
#include "Focus_Walk.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>

namespace {

int Depth = 0;
QAccessible::UpdateHandler Handler_Before = nullptr;
const QObject* Unannounced_Field = nullptr;

// What a field sends because the focus passed through it: the focus, and
// the selection and caret of the text selected on entry and cleared on exit.
bool Is_Focus_Passing(const QAccessibleEvent* event) {
    switch (event->type()) {
    case QAccessible::Focus:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextCaretMoved:
        return qobject_cast<QLineEdit*>(event->object()) != nullptr;
    default:
        return false;
    }
}

void Hold_Back_Field_Focus(QAccessibleEvent* event) {
    if (Is_Focus_Passing(event)) {
        if (event->type() == QAccessible::Focus)
            Unannounced_Field = event->object();
        return;
    }
    if (Handler_Before != nullptr) {
        Handler_Before(event);
        return;
    }
    // Without a handler the event goes to the platform's bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(Hold_Back_Field_Focus);
}

} // namespace

Focus_Walk::Focus_Walk() {
    if (Depth++ == 0) {
        Unannounced_Field = nullptr;
        Handler_Before = QAccessible::installUpdateHandler(Hold_Back_Field_Focus);
    }
}

Focus_Walk::~Focus_Walk() {
    if (--Depth != 0)
        return;
    QAccessible::installUpdateHandler(Handler_Before);
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus != Unannounced_Field)
        return;
    Unannounced_Field = nullptr;
    QAccessibleEvent event(focus, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}
