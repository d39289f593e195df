// SPDX-License-Identifier: MIT
#include "Toggle_Grid.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <algorithm>

Toggle_Grid::Toggle_Grid(QWidget* frame) : QWidget(frame) {
    setFocusPolicy(Qt::NoFocus);
}

void Toggle_Grid::Take_Toggles(std::vector<QCheckBox*> bits) {
    bits_ = std::move(bits);
    QRect in_frame;
    for (const QCheckBox* toggle : bits_)
        in_frame |= toggle->geometry();
    setGeometry(in_frame);
    for (QCheckBox* toggle : bits_) {
        toggle->move(toggle->pos() - in_frame.topLeft());
        toggle->installEventFilter(this);
    }
    Make_Tab_Stop(static_cast<int>(bits_.size()) - 1);
}

int Toggle_Grid::Bit_Of(const QObject* toggle) const {
    const auto found = std::find(bits_.begin(), bits_.end(), toggle);
    return found == bits_.end() ? -1 : static_cast<int>(found - bits_.begin());
}

// Only the stop takes the focus from Tab; every bit still takes it from a
// click or an arrow key.
void Toggle_Grid::Make_Tab_Stop(int bit) {
    for (std::size_t b = 0; b < bits_.size(); ++b)
        bits_[b]->setFocusPolicy(static_cast<int>(b) == bit ? Qt::StrongFocus : Qt::ClickFocus);
}

void Toggle_Grid::Move_To(int bit) {
    const int last = static_cast<int>(bits_.size()) - 1;
    bits_[static_cast<std::size_t>(std::clamp(bit, 0, last))]->setFocus(Qt::OtherFocusReason);
}

bool Toggle_Grid::eventFilter(QObject* watched, QEvent* event) {
    const int bit = Bit_Of(watched);
    if (bit < 0)
        return false;
    if (event->type() == QEvent::FocusIn) {
        Make_Tab_Stop(bit);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    // The bits read from the most significant, on the left, to bit 0.
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        Move_To(bit + 1);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        Move_To(bit - 1);
        return true;
    case Qt::Key_Home:
        Move_To(static_cast<int>(bits_.size()) - 1);
        return true;
    case Qt::Key_End:
        Move_To(0);
        return true;
    default:
        return false;
    }
}
