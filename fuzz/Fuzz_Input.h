// SPDX-License-Identifier: MIT
// Reads a fuzz input as readable fields, so that seeds are plain text such as
// "s8:-128": a letter, a whole number ended by ":", then the rest as it is.
// Every byte string is a valid input: a missing field reads as 0 or nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class Fuzz_Input {
public:
    Fuzz_Input(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    // The next byte, or 0 at the end.
    unsigned char Take_Byte() {
        if (rest_.empty())
            return 0;
        const auto byte = static_cast<unsigned char>(rest_.front());
        rest_.remove_prefix(1);
        return byte;
    }

    // An optional "-" and up to 9 digits (more are skipped), and the ":"
    // after them if there is one.
    std::int32_t Take_Number() {
        const bool negative = Take_If('-');
        std::int32_t number = 0;
        int digits = 0;
        while (!rest_.empty() && rest_.front() >= '0' && rest_.front() <= '9') {
            if (digits++ < 9)
                number = number * 10 + (rest_.front() - '0');
            rest_.remove_prefix(1);
        }
        Take_If(':');
        return negative ? -number : number;
    }

    std::string_view Rest() const { return rest_; }

private:
    bool Take_If(char c) {
        if (rest_.empty() || rest_.front() != c)
            return false;
        rest_.remove_prefix(1);
        return true;
    }

    std::string_view rest_;
};
