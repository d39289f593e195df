// SPDX-License-Identifier: MIT
// Test programs with one fault each, whose test itself passes: they prove
// that a sanitizer report alone fails a test of the sanitized suite. Run only
// through Expect_Report.cmake, which passes when the run fails with the report.
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

TEST(Sanitizer_Canary, Heap_Buffer_Overflow) {
    volatile std::size_t size = 4;
    // Kept in a volatile pointer: an optimiser may drop an allocation that
    // nothing else sees, and the overflow with it.
    char* volatile bytes = new char[size];
    std::memset(bytes, 0, size + 1);
    delete[] bytes;
    SUCCEED();
}

TEST(Sanitizer_Canary, Signed_Integer_Overflow) {
    volatile std::int32_t largest = std::numeric_limits<std::int32_t>::max();
    const std::int32_t beyond = largest + 1;
    EXPECT_NE(beyond, 0);
}

// Not part of GCC's -fsanitize=undefined: the asan preset adds it.
TEST(Sanitizer_Canary, Float_Cast_Overflow) {
    volatile double too_large = 1e20;
    const auto truncated = static_cast<std::int32_t>(too_large);
    EXPECT_NE(truncated, 1);
}

// The asan preset's _GLIBCXX_ASSERTIONS: bounds of standard containers.
TEST(Sanitizer_Canary, Vector_Index_Out_Of_Bounds) {
    std::vector<int> numbers(4);
    volatile std::size_t beyond = 4;
    EXPECT_NE(&numbers[beyond], nullptr);
}

TEST(Sanitizer_Canary, Leak) {
    // Nothing refers to it any more once the pointer is overwritten.
    int* volatile lost = new int[16];
    lost[0] = 1;
    lost = nullptr;
    SUCCEED();
}

} // namespace
