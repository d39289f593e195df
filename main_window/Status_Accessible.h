// SPDX-License-Identifier: MIT
// What a screen reader is told about a status line: a notification (on
// Windows a text), named by the line's spoken form.
#pragma once

#include <QAccessibleWidget>

class Status_Line;

// Orca speaks a notification whenever it is shown, wherever the focus is,
// which is how a new result reaches a listener at once (Status_Line::Announce).
// UI Automation knows no notification role; there the line stays a text. Spoken texts and visible
// ones differ in bit patterns only (Spoken_Bits).
class Status_Accessible final : public QAccessibleWidget {
public:
    explicit Status_Accessible(Status_Line* line);
    QString text(QAccessible::Text type) const override;
};
