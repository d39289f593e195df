// SPDX-License-Identifier: MIT
// 16-bit signed arithmetic with overflow detection: a result outside
// -32768..32767 fails with 6 instead of wrapping round.
#pragma once

#include <QtGlobal>

namespace Int16_Arithmetic {

qint16 Add(qint16 a, qint16 b);
qint16 Subtract(qint16 a, qint16 b);
qint16 Multiply(qint16 a, qint16 b);

// dividend / divisor as a real quotient, rounded halves to even; a zero
// divisor fails with 11, a quotient outside 16 bits with 6.
qint16 Rounded_Quotient(qint16 dividend, qint16 divisor);

} // namespace Int16_Arithmetic
