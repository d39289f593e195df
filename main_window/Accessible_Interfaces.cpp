// SPDX-License-Identifier: MIT
#include "Accessible_Interfaces.h"

#include "Field_Accessible.h"
#include "Number_Field.h"
#include "Status_Accessible.h"
#include "Status_Line.h"
#include "Toggle_Grid.h"

namespace {

QAccessibleInterface* Main_Window_Interface(const QString&, QObject* object) {
    if (auto* field = qobject_cast<Number_Field*>(object))
        return new Field_Accessible(field);
    if (auto* line = qobject_cast<Status_Line*>(object))
        return new Status_Accessible(line);
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
}
