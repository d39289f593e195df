// SPDX-License-Identifier: MIT
#include "Accessible_Interfaces.h"

#include "Field_Accessible.h"
#include "Menu_Accessible.h"
#include "Number_Field.h"
#include "Status_Accessible.h"
#include "Status_Line.h"
#include "Toggle_Grid.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

QAccessibleInterface* Main_Window_Interface(const QString&, QObject* object) {
    if (auto* field = qobject_cast<Number_Field*>(object))
        return new Field_Accessible(field);
    if (auto* line = qobject_cast<Status_Line*>(object))
        return new Status_Accessible(line);
#ifndef Q_OS_WIN
    if (auto* bar = qobject_cast<QMenuBar*>(object))
        return new Menu_Bar_Accessible(bar);
    // Only the menus that drop down from the bar; context menus stay Qt's.
    if (auto* menu = qobject_cast<QMenu*>(object); menu && qobject_cast<QMenuBar*>(menu->parent()))
        return new Menu_Accessible(menu);
#endif
    // A named group: entering it, a screen reader says which grid it is.
    if (auto* grid = qobject_cast<Toggle_Grid*>(object))
        return new QAccessibleWidget(grid, QAccessible::Grouping);
    return nullptr;
}

// The focus walk's state: one walk at a time (a reset run from within a
// reset shares the filter), the handler it stands in front of, and the field
// whose arrival it held back.
int Walk_Depth = 0;
QAccessible::UpdateHandler Handler_Before_Walk = nullptr;
const QObject* Unannounced_Field = nullptr;

void Hold_Back_Field_Focus(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus && qobject_cast<Number_Field*>(event->object())) {
        Unannounced_Field = event->object();
        return;
    }
    if (Handler_Before_Walk != nullptr) {
        Handler_Before_Walk(event);
        return;
    }
    // Without a handler the event goes to the platform's bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(Hold_Back_Field_Focus);
}

} // namespace

void Install_Accessible_Interfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(Main_Window_Interface);
        return true;
    }();
    (void)installed;
}

Focus_Walk_Unannounced::Focus_Walk_Unannounced() {
    if (Walk_Depth++ == 0) {
        Unannounced_Field = nullptr;
        Handler_Before_Walk = QAccessible::installUpdateHandler(Hold_Back_Field_Focus);
    }
}

Focus_Walk_Unannounced::~Focus_Walk_Unannounced() {
    if (--Walk_Depth == 0)
        QAccessible::installUpdateHandler(Handler_Before_Walk);
}

void Focus_Walk_Unannounced::Announce_Focus_Left_Unannounced() {
    QWidget* focus = QApplication::focusWidget();
    if (Walk_Depth != 0 || focus == nullptr || focus != Unannounced_Field)
        return;
    Unannounced_Field = nullptr;
    QAccessibleEvent event(focus, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}
