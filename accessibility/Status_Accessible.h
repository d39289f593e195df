// SPDX-License-Identifier: MIT
// What a screen reader is told about a status line, and how a new text on
// it is announced.
#pragma once

#include <QAccessibleWidget>

class QLabel;

// Linux: a notification. Orca speaks one whenever it is shown, wherever the
// focus is; it speaks the notification's name, or, with no name, its
// description, and it writes to a braille display, and into its list of
// recent notifications, only the texts of the labels inside it that the
// spoken words do not already contain. So the notification itself has no
// name: its description is the spoken form (bit patterns digit by digit,
// Spoken_Form) and its one label, which has no name of its own to speak,
// holds the line as it is shown, which braille readers read as it is.
//
// Windows: a text named by its spoken form. UI Automation has no
// notification role; the announcement is a value change carrying the spoken
// form, which Qt raises as a UI Automation notification.
class Status_Accessible final : public QAccessibleWidget {
public:
    explicit Status_Accessible(QLabel* line);
    ~Status_Accessible() override;
    Status_Accessible(const Status_Accessible&) = delete;
    Status_Accessible& operator=(const Status_Accessible&) = delete;

    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    QLabel* Line() const;
    mutable QAccessible::Id shown_text_ = 0; // the label, made when first asked for
};

// Has screen readers speak the line's text now, wherever the focus is.
// Nothing is sent while no screen reader listens or the line is hidden.
void Announce(QLabel* line);
