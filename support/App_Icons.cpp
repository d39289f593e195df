// SPDX-License-Identifier: MIT
#include "App_Icons.h"

namespace App_Icons {

QIcon Application_Icon() {
    return QIcon(QStringLiteral(":/icons/tessaly.xpm"));
}
QIcon Tick_Icon() {
    return QIcon(QStringLiteral(":/icons/tick.xpm"));
}

} // namespace App_Icons
