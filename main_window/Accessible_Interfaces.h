// SPDX-License-Identifier: MIT
// The main window's own accessible interfaces, for its input fields, status
// lines, toggle grids and menus, in place of Qt's.
#pragma once

// Installs them once per process. Must run before any of these is first
// asked for its interface: Qt keeps the first interface it makes.
void Install_Accessible_Interfaces();
