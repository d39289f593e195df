// SPDX-License-Identifier: MIT
// A label without event handlers: it takes mouse presses and does nothing
// with them, so a press on it never reaches the window underneath.
#pragma once

#include <QLabel>

class Inert_Label final : public QLabel {
    Q_OBJECT
public:
    explicit Inert_Label(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
