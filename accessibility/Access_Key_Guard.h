// SPDX-License-Identifier: MIT
// Keeps a menu opened by its access key open under a screen reader.
#pragma once

// With a screen reader listening on Linux, Qt's accessibility bridge holds
// every key press and release back until the screen reader has seen it, and
// then posts a copy to the window it was meant for. An access key opens its
// menu at once (shortcuts are matched before keys are delivered), so the
// copy of the Alt press that began Alt+A can arrive after the menu opened.
// It is then delivered to the open menu, and a menu closes on Alt: the menu
// flashed open and shut, and the focus went back to the field. The guard
// drops that one late press: the Alt press not yet delivered when a menu
// opened with Alt held. An Alt pressed once the menu is open still closes it.
//
// Installs the guard on the application once; later calls change nothing.
void Install_Access_Key_Guard();
