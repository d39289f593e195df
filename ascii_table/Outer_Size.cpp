// SPDX-License-Identifier: MIT
#include "Outer_Size.h"

#include <QWidget>

void Set_Outer_Size(QWidget& window, QSize outer) {
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    window.resize(outer - frame);
}
