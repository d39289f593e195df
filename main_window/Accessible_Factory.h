// SPDX-License-Identifier: MIT
// Which of the main window's widgets screen readers are told about in the
// program's own terms (accessibility/), in place of Qt's.
#pragma once

// Installs the interfaces, and the access-key guard, once per process. Must
// run before any of these widgets is first asked for its interface: Qt
// keeps the first interface it makes.
void Install_Accessible_Interfaces();
