// SPDX-License-Identifier: MIT
// Every conversion routine on representative inputs, each beside a plain
// baseline that does the same job without the routine's rules: std::bitset
// for bit texts, std::to_chars/std::from_chars for hexadecimal and decimal
// text, a bit loop for reading bit texts, std::bit_width for bit counts.
#include "Number_Conversions.h"
#include "Ratio_Reporter.h"
#include "Runtime_Services.h"

#include <benchmark/benchmark.h>

#include <bit>
#include <bitset>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace Number_Conversions;

// Inputs are cycled so that no single value is measured alone.
constexpr std::size_t Input_Count = 256;

std::mt19937_64& Random() {
    static std::mt19937_64 random(1);
    return random;
}

template <typename Value> std::vector<Value> Uniform(Value lowest, Value highest) {
    std::vector<Value> values;
    if constexpr (std::is_floating_point_v<Value>) {
        std::uniform_real_distribution<Value> distribution(lowest, highest);
        while (values.size() < Input_Count)
            values.push_back(std::floor(distribution(Random())));
    } else {
        std::uniform_int_distribution<Value> distribution(lowest, highest);
        while (values.size() < Input_Count)
            values.push_back(distribution(Random()));
    }
    return values;
}

template <std::size_t W> std::vector<std::string> Bit_Texts() {
    std::vector<std::string> texts;
    for (const std::uint64_t pattern : Uniform<std::uint64_t>(0, (std::uint64_t{1} << W) - 1))
        texts.push_back(std::bitset<W>(pattern).to_string());
    return texts;
}

std::vector<std::string> Hex_Texts(std::size_t digits) {
    std::vector<std::string> texts;
    const std::string alphabet = "0123456789ABCDEF";
    while (texts.size() < Input_Count) {
        std::string text(1, alphabet[1 + Random()() % 15]);
        while (text.size() < digits)
            text += alphabet[Random()() % 16];
        texts.push_back(text);
    }
    return texts;
}

// Runs `work` over the inputs, one input per iteration.
template <typename Input, typename Work>
void Measure(benchmark::State& state, const std::vector<Input>& inputs, Work work) {
    std::size_t at = 0;
    for (auto _ : state) {
        auto result = work(inputs[at]);
        benchmark::DoNotOptimize(result);
        at = (at + 1) % inputs.size();
    }
}

// Registers "<name>" and "<name>_baseline" side by side.
template <typename Input, typename Routine, typename Baseline>
void Register_Pair(const std::string& name, std::vector<Input> inputs, Routine routine,
                   Baseline baseline) {
    benchmark::RegisterBenchmark(name.c_str(), [inputs, routine](benchmark::State& state) {
        Measure(state, inputs, routine);
    });
    benchmark::RegisterBenchmark(
        (name + "_baseline").c_str(),
        [inputs, baseline](benchmark::State& state) { Measure(state, inputs, baseline); });
}

template <std::size_t W> void Register_Signed_To_Bits(const std::string& name) {
    constexpr std::int32_t highest = static_cast<std::int32_t>((std::int64_t{1} << (W - 1)) - 1);
    Register_Pair(
        name, Uniform<std::int32_t>(-highest - 1, highest),
        [](std::int32_t value) { return Signed_To_Bits(value, W); },
        [](std::int32_t value) {
            return std::bitset<W>(static_cast<std::uint32_t>(value)).to_string();
        });
}

template <std::size_t W> void Register_Unsigned_To_Bits(const std::string& name) {
    Register_Pair(
        name, Uniform<double>(0, std::ldexp(1.0, W) - 1),
        [](double value) { return Unsigned_To_Bits(value, W); },
        [](double value) { return std::bitset<W>(static_cast<std::uint64_t>(value)).to_string(); });
}

template <std::size_t W> void Register_Bits_To_Signed(const std::string& name) {
    Register_Pair(
        name, Bit_Texts<W>(), [](const std::string& bits) { return Bits_To_Signed(bits, W); },
        [](const std::string& bits) {
            std::uint32_t pattern = 0;
            for (const char c : bits)
                pattern = (pattern << 1) | (c == '1' ? 1U : 0U);
            const std::int64_t sign = std::int64_t{1} << (W - 1);
            return static_cast<std::int32_t>(static_cast<std::int64_t>(pattern ^ sign) - sign);
        });
}

template <std::size_t W> void Register_Bits_To_Unsigned(const std::string& name) {
    Register_Pair(
        name, Bit_Texts<W>(), [](const std::string& bits) { return Bits_To_Unsigned(bits, W); },
        [](const std::string& bits) {
            std::uint64_t pattern = 0;
            for (const char c : bits)
                pattern = (pattern << 1) | (c == '1' ? 1U : 0U);
            return static_cast<double>(pattern);
        });
}

void Register_Hex_To_Decimal(const std::string& name, std::size_t digits) {
    Register_Pair(
        name, Hex_Texts(digits), [](const std::string& hex) { return Hex_To_Decimal(hex); },
        [](const std::string& hex) {
            // Hexadecimal digits read as a double, correctly rounded.
            double value = 0;
            std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
            return value;
        });
}

void Register_Decimal_To_Hex() {
    Register_Pair(
        "Decimal_To_Hex", Uniform<double>(-2147483648.0, 4294967295.0),
        [](double value) { return Decimal_To_Hex(value); },
        [](double value) {
            char buffer[16];
            const auto digits = static_cast<std::uint32_t>(static_cast<std::int64_t>(value));
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, digits, 16);
            return std::string(buffer, result.ptr);
        });
}

void Register_Bits_Required() {
    Register_Pair(
        "Bits_Required", Uniform<double>(0, 4294967295.0),
        [](double value) { return Bits_Required(value); },
        [](double value) { return std::bit_width(static_cast<std::uint64_t>(value)); });
}

void Register_Number_Services() {
    Register_Pair(
        "To_Double",
        std::vector<std::string>{"1,000", " 007 ", "1E2", "+12", "1.50", "-2147483648",
                                 "4294967295", "0.0001"},
        [](const std::string& text) { return Runtime_Services::To_Double(text); },
        [](const std::string& text) {
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            return value;
        });
    Register_Pair(
        "Canonical_Number_Text", Uniform<double>(-1e12, 1e12),
        [](double value) { return Runtime_Services::Canonical_Number_Text(value / 1000); },
        [](double value) {
            char buffer[32];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, value / 1000,
                                              std::chars_format::general, 15);
            return std::string(buffer, result.ptr);
        });
}

void Register_All() {
    Register_Signed_To_Bits<8>("Signed_To_Bits_8");
    Register_Signed_To_Bits<16>("Signed_To_Bits_16");
    Register_Signed_To_Bits<32>("Signed_To_Bits_32");
    Register_Unsigned_To_Bits<8>("Unsigned_To_Bits_8");
    Register_Unsigned_To_Bits<32>("Unsigned_To_Bits_32");
    Register_Bits_To_Signed<8>("Bits_To_Signed_8");
    Register_Bits_To_Signed<32>("Bits_To_Signed_32");
    Register_Bits_To_Unsigned<8>("Bits_To_Unsigned_8");
    Register_Bits_To_Unsigned<32>("Bits_To_Unsigned_32");
    Register_Hex_To_Decimal("Hex_To_Decimal_8_digits", 8);
    Register_Hex_To_Decimal("Hex_To_Decimal_20_digits", 20);
    Register_Decimal_To_Hex();
    Register_Bits_Required();
    Register_Number_Services();
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Register_All();
    Ratio_Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
