// SPDX-License-Identifier: MIT
#include "Status_Accessible.h"

#include "Status_Line.h"

#ifdef Q_OS_WIN
constexpr QAccessible::Role Status_Role = QAccessible::StaticText;
#else
constexpr QAccessible::Role Status_Role = QAccessible::Notification;
#endif

Status_Accessible::Status_Accessible(Status_Line* line) : QAccessibleWidget(line, Status_Role) {}

QString Status_Accessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Name)
        return static_cast<const Status_Line*>(widget())->Spoken_Text();
    return QAccessibleWidget::text(type);
}
