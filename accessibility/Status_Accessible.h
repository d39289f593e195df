// SPDX-License-Identifier: MIT
// What a screen reader is told about a status line, and how a new text on
// it is announced.
#pragma once

#include <QAccessibleWidget>
#include <array>

class QLabel;

// Linux: a notification. Orca speaks one whenever it is shown, wherever the
// focus is, in one utterance: "notification" and what labels it (its label
// relation, else its name). It writes to a braille display, and into its
// list of recent notifications, only the texts of the labels inside it that
// label nothing and that its name does not contain. So the notification has
// no name and two labels: one labels it with the spoken form (bit patterns
// digit by digit, Spoken_Form), the other, which has no name to speak,
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
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;

private:
    QLabel* Line() const;
    // The two labels, made when first asked for.
    mutable std::array<QAccessible::Id, 2> parts_{};
};

// Has screen readers speak the line's text now, wherever the focus is.
// Nothing is sent while no screen reader listens or the line is hidden.
void Announce(QLabel* line);
