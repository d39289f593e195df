// SPDX-License-Identifier: MIT
#include "Int16_Arithmetic.h"

#include "Runtime_Services.h"

#include <limits>

namespace Int16_Arithmetic {
namespace {

qint16 Checked(int result) {
    if (result < std::numeric_limits<qint16>::min() || result > std::numeric_limits<qint16>::max())
        throw Run_Time_Failure(Failure::Overflow);
    return static_cast<qint16>(result);
}

} // namespace

qint16 Add(qint16 a, qint16 b) {
    return Checked(int{a} + int{b});
}
qint16 Subtract(qint16 a, qint16 b) {
    return Checked(int{a} - int{b});
}
qint16 Multiply(qint16 a, qint16 b) {
    return Checked(int{a} * int{b});
}

qint16 Rounded_Quotient(qint16 dividend, qint16 divisor) {
    if (divisor == 0)
        throw Run_Time_Failure(Failure::Division_By_Zero);
    return Runtime_Services::To_Int16(static_cast<double>(dividend) / divisor);
}

} // namespace Int16_Arithmetic
