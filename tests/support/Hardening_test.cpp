// SPDX-License-Identifier: MIT
// The tests run against the program as it ships: this program is built with
// the hardening flags every target gets, so what holds here holds for
// Tessaly's code. Its own code is compiled with -Og in the optimised build,
// which still counts as optimised (__OPTIMIZE__) for the checked functions;
// at -O0 the first case below fails.
#include "Address_Sanitizer.h"

#include <gtest/gtest.h>

#if defined(__ELF__) && defined(TESSALY_HARDENED)
#include <elf.h>
#include <link.h>

namespace {

#ifdef _FORTIFY_SOURCE
constexpr int Fortify_Level = _FORTIFY_SOURCE;
#else
constexpr int Fortify_Level = 0;
#endif

// The checked functions need the optimiser; under AddressSanitizer they
// would hide overflows from it.
#ifdef __OPTIMIZE__
constexpr bool Optimised = true;
#else
constexpr bool Optimised = false;
#endif
constexpr int Expected_Fortify_Level = Optimised && !Under_Address_Sanitizer ? 2 : 0;

TEST(Hardening, Checked_Functions_Exactly_In_Optimised_Builds_Without_Sanitizers) {
    EXPECT_EQ(Fortify_Level, Expected_Fortify_Level);
}

TEST(Hardening, Strong_Stack_Protector) {
#ifdef __SSP_STRONG__
    SUCCEED();
#else
    ADD_FAILURE() << "built without -fstack-protector-strong";
#endif
}

// The first object dl_iterate_phdr reports is the program itself.
TEST(Hardening, Relocations_Read_Only_And_Bound_At_Load) {
    bool relro = false;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* found) {
            for (int i = 0; i < info->dlpi_phnum; ++i)
                if (info->dlpi_phdr[i].p_type == PT_GNU_RELRO)
                    *static_cast<bool*>(found) = true;
            return 1;
        },
        &relro);
    EXPECT_TRUE(relro);

    bool now = false;
    for (const ElfW(Dyn)* entry = _DYNAMIC; entry->d_tag != DT_NULL; ++entry)
        if ((entry->d_tag == DT_FLAGS && (entry->d_un.d_val & DF_BIND_NOW)) ||
            (entry->d_tag == DT_FLAGS_1 && (entry->d_un.d_val & DF_1_NOW)))
            now = true;
    EXPECT_TRUE(now);
}

} // namespace
#endif
