// SPDX-License-Identifier: MIT
// Small helpers for data-driven tests of the engine and the number services.
#pragma once

#include "Runtime_Services.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace Test_Tables {

// A failing row prints as its name rather than as raw bytes. A table's file
// takes it into its own namespace with `using Test_Tables::PrintTo;`, where
// GoogleTest's printer finds it beside the row type.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

// The failure number a call raises, or 0 when it returns normally.
inline int Failure_Number(const std::function<void()>& call) {
    try {
        call();
    } catch (const Run_Time_Failure& failure) {
        return failure.number();
    }
    return 0;
}

// The row of a table of one function's results: the case's name, the
// argument and what the function must give for it.
template <typename Input, typename Expected> struct Row {
    std::string name;
    Input input;
    Expected expected;
};

// The same for a bit-pattern routine, which also takes the pattern's width.
template <typename Input, typename Expected> struct Width_Row {
    std::string name;
    Input input;
    std::int16_t width;
    Expected expected;
};

// Names a parameterised case after its row's name.
template <typename Row> std::string Row_Name(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

} // namespace Test_Tables
