// SPDX-License-Identifier: MIT
// Finds what a window would cut off: captions wider or taller than their
// button, frame titles covered or cut, field texts taller than the field,
// status lines leaving their frame or running under another control,
// toggles smaller than designed or than the style's check mark.
#pragma once

#include <QStringList>

class QWidget;

// One line per fault, naming the control ("PB_7: caption 98 px wide, room
// for 95"); empty when everything fits.
QStringList Clipped_Controls(const QWidget& window);

// Status lines (labels, which have no background of their own) that a
// frame's border line runs through, as styles that draw the border below
// the frame's title do. Renders the frames and labels to look.
QStringList Texts_Crossed_By_Frame_Lines(QWidget& window);
