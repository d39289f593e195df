// SPDX-License-Identifier: MIT
// The area that holds one row's bit toggles: it draws nothing, gives the
// grid a name for screen readers, and makes the grid one stop of the Tab key.
#pragma once

#include <QWidget>
#include <vector>

class QCheckBox;

// Tab reaches the bit the user was last on (at first the most significant,
// the leftmost); the arrow keys move between the bits, Home and End go to
// the first and the last, Space toggles as ever.
class Toggle_Grid final : public QWidget {
    Q_OBJECT
public:
    explicit Toggle_Grid(QWidget* frame);

    // The toggles, index b standing for bit b: children of the grid, placed
    // where they belong in the frame. The grid then covers them exactly and
    // they keep their places on the screen.
    void Take_Toggles(std::vector<QCheckBox*> bits);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int Bit_Of(const QObject* toggle) const;
    void Make_Tab_Stop(int bit);
    // To the bit `bit`, kept within the grid.
    void Move_To(int bit);

    std::vector<QCheckBox*> bits_;
};
