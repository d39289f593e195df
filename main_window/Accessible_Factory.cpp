// SPDX-License-Identifier: MIT
#include "Accessible_Factory.h"

#include "Access_Key_Guard.h"
#include "Field_Accessible.h"
#include "Menu_Accessible.h"
#include "Number_Field.h"
#include "Status_Accessible.h"
#include "Status_Line.h"
#include "Toggle_Grid.h"

#include <QMenu>
#include <QMenuBar>

namespace {

QAccessibleInterface* Main_Window_Interface(const QString&, QObject* object) {
    if (auto* field = qobject_cast<Number_Field*>(object))
        return new Field_Accessible(field,
                                    [field](int offset) { return field->Character_Rect(offset); });
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

} // namespace

void Install_Accessible_Interfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(Main_Window_Interface);
        return true;
    }();
    (void)installed;
    Install_Access_Key_Guard();
}
