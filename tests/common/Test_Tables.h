// SPDX-License-Identifier: MIT
// Small helpers for data-driven tests of the engine and the number services.
#pragma once

#include "Runtime_Services.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace Test_Tables {

// The failure number a call raises, or 0 when it returns normally.
inline int Failure_Number(const std::function<void()>& call) {
    try {
        call();
    } catch (const Run_Time_Failure& failure) {
        return failure.number();
    }
    return 0;
}

// Names a parameterised case after its row's name.
template <typename Row> std::string Row_Name(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

} // namespace Test_Tables
