// SPDX-License-Identifier: MIT
// The main window's own accessible interfaces, for its input fields, status
// lines and toggle grids, in place of Qt's.
#pragma once

// Installs them once per process. Must run before a field, status line or grid is
// first asked for its interface: Qt keeps the first interface it makes.
void Install_Accessible_Interfaces();
