// SPDX-License-Identifier: MIT
// A focus walk through input fields that screen readers are told of only
// where it ends.
#pragma once

class QObject;

// "Clear All" takes the focus through every row's field on its way back to
// the first. A screen reader told of each move queues them all and speaks
// the first row's result only once it has worked through them; told only
// where the focus ends, it speaks the result at once. While a walk lasts,
// the line edits' focus events are held back, and with them the selection
// and caret events of the text each field selects on entry and clears on
// exit (Orca spends a tenth of a second on each of those on a busy machine,
// and reads both afresh from the field the focus ends in). Texts, names and
// toggles still reach it, so that what it has cached of them stays true.
// When the last walk ends, the field the focus reached unannounced is
// announced if it still has the focus (input handled during the walk can
// leave the focus where it ends, and then the last move moves nothing).
//
// Walks may nest (a reset run from within a reset): they share one filter.
class Focus_Walk {
public:
    Focus_Walk();
    ~Focus_Walk();
    Focus_Walk(const Focus_Walk&) = delete;
    Focus_Walk& operator=(const Focus_Walk&) = delete;
};
