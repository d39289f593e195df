// SPDX-License-Identifier: MIT
#include "Widest_Results.h"

#include "Number_Field.h"
#include "Tessaly.h"

#include <array>

namespace {

void Convert_Rows(Tessaly& window, const std::array<const char*, Rows::Count>& inputs) {
    for (int row = 0; row < Rows::Count; ++row) {
        window.NumIn(row)->setText(QLatin1String(inputs[static_cast<std::size_t>(row)]));
        window.PB_Click(row);
    }
}

} // namespace

void Show_Widest_Results(Tessaly& window) {
    Convert_Rows(window, {"255", "65535", "4294967295", "-128", "-32768", "-2147483648",
                          "2147483647", "4294967295", "FFFFFFFF"});
}

void Show_Refusals(Tessaly& window) {
    Convert_Rows(window, {"99999999999", "99999999999", "99999999999", "99999999999", "99999999999",
                          "99999999999", "-1", "99999999999", "FFFFFFFFFFFF"});
}
