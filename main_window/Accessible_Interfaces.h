// SPDX-License-Identifier: MIT
// The main window's own accessible interfaces, for its input fields, status
// lines, toggle grids and menus, in place of Qt's.
#pragma once

// Installs them once per process. Must run before any of these is first
// asked for its interface: Qt keeps the first interface it makes.
void Install_Accessible_Interfaces();

// The reset takes the focus through every row's field on its way back to
// the first. A screen reader told of each move queues them all and speaks
// the first row's result only once it has worked through them; told only
// where the focus ends, it speaks the result at once. Only the fields'
// focus events are held back: texts, names and toggles still reach it, so
// that what it has cached of them stays true.
class Focus_Walk_Unannounced {
public:
    Focus_Walk_Unannounced();
    ~Focus_Walk_Unannounced();
    Focus_Walk_Unannounced(const Focus_Walk_Unannounced&) = delete;
    Focus_Walk_Unannounced& operator=(const Focus_Walk_Unannounced&) = delete;

    // Once the walk is over, the field the focus reached unannounced is
    // announced if it still has the focus: input handled between rows can
    // leave the focus in the first row, and the last move then moves nothing.
    static void Announce_Focus_Left_Unannounced();
};
