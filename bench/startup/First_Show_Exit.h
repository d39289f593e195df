// SPDX-License-Identifier: MIT
// Ends a start-up benchmark's process once its main window has been shown
// and painted for the first time, after printing "shown <ns>": the steady
// clock's reading then, which the driver compares with its own at the spawn.
#pragma once

class QWidget;

void Exit_After_First_Paint(QWidget& window);
