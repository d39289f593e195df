// SPDX-License-Identifier: MIT
#pragma once

// Installs the application's style: the platform's own, except that under a
// very dark palette (high contrast) the edges of check boxes and text fields,
// which most styles draw in a darker shade of the window colour, are drawn in
// the window-text colour so that an unchecked toggle stays visible.
// Calling it again changes nothing.
void Install_Edge_Style();
