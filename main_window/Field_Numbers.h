// SPDX-License-Identifier: MIT
// The run-time number services applied to field texts, with the separators of
// the user's locale.
#pragma once

#include <QString>

namespace Field_Numbers {

bool Is_Numeric(const QString& text);
double Value_Of(const QString& text); // fails with 13 when not numeric
QString Canonical_Text(double value);

} // namespace Field_Numbers
