// SPDX-License-Identifier: MIT
// Whether this program is built under AddressSanitizer: GCC tells by a macro,
// clang by a feature test.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool Under_Address_Sanitizer = true;
#elif defined(__has_feature)
inline constexpr bool Under_Address_Sanitizer = __has_feature(address_sanitizer);
#else
inline constexpr bool Under_Address_Sanitizer = false;
#endif
