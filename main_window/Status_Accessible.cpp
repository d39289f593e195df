// SPDX-License-Identifier: MIT
#include "Status_Accessible.h"

#include "Status_Line.h"

Status_Accessible::Status_Accessible(Status_Line* line)
    : QAccessibleWidget(line, QAccessible::Notification) {}

QString Status_Accessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Name)
        return static_cast<const Status_Line*>(widget())->Spoken_Text();
    return QAccessibleWidget::text(type);
}
