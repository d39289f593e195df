// SPDX-License-Identifier: MIT
#include "Random_Text.h"

#include <array>

namespace Random_Text {
namespace {

// Characters that are not plain ASCII but reach a field through a keyboard
// layout, an input method or the clipboard.
constexpr std::array<char32_t, 22> Unicode_Characters{
    0x00E9,  // e acute
    0x00A0,  // no-break space
    0x0301,  // combining acute accent
    0x0660,  // Arabic-Indic digit zero
    0x0669,  // Arabic-Indic digit nine
    0x06F5,  // extended Arabic-Indic digit five
    0xFF11,  // full-width digit one
    0xFF21,  // full-width A
    0x200E,  // left-to-right mark
    0x200F,  // right-to-left mark
    0x202E,  // right-to-left override
    0x202C,  // pop directional formatting
    0x200D,  // zero-width joiner
    0xFEFF,  // byte order mark
    0x0000,  // NUL
    0x4E00,  // a CJK ideograph
    0x05D0,  // Hebrew alef
    0x1F600, // grinning face
    0x1F4A9, // pile of poo
    0x1F1E9, // regional indicator D (half a flag)
    0x1D7D9, // mathematical double-struck digit one
    0x2212,  // minus sign
};

constexpr char Number_Characters[] = "0123456789-+.,eE \t";
constexpr char Hex_Characters[] = "0123456789ABCDEFabcdef";

QString From_Code(char32_t code) {
    return QString::fromUcs4(&code, 1);
}

QChar Ascii_From(Engine& engine, const char* pool, int size) {
    return QLatin1Char(pool[Between(engine, 0, size - 1)]);
}

enum class Kind { Digits, Number, Hex, Unicode, Mixed, Lone_Surrogate, Kinds };

void Append(Engine& engine, Kind kind, QString& text) {
    switch (kind) {
    case Kind::Digits:
        text += QLatin1Char(static_cast<char>('0' + Between(engine, 0, 9)));
        break;
    case Kind::Number:
        text += Ascii_From(engine, Number_Characters, sizeof Number_Characters - 1);
        break;
    case Kind::Hex:
        text += Ascii_From(engine, Hex_Characters, sizeof Hex_Characters - 1);
        break;
    case Kind::Unicode:
        text += From_Code(Unicode_Characters[static_cast<std::size_t>(
            Between(engine, 0, static_cast<int>(Unicode_Characters.size()) - 1))]);
        break;
    case Kind::Mixed:
        Append(engine, static_cast<Kind>(Between(engine, 0, static_cast<int>(Kind::Unicode))),
               text);
        break;
    case Kind::Lone_Surrogate: // what a careless clipboard owner may hand over
        text += Chance(engine, 0.1) ? QChar(static_cast<char16_t>(0xD800 + Between(engine, 0, 15)))
                                    : QChar(QLatin1Char('7'));
        break;
    case Kind::Kinds:
        break;
    }
}

} // namespace

QString Number_Text(Engine& engine) {
    // The edges of the rows' ranges, of 32-bit integers and of the plain
    // number text, where a comparison written one off shows.
    static constexpr std::array<const char*, 30> Edges{
        "0",          "1",           "-1",          "127",
        "128",        "-128",        "-129",        "255",
        "256",        "32767",       "32768",       "-32768",
        "-32769",     "65535",       "65536",       "2147483647",
        "2147483648", "-2147483648", "-2147483649", "4294967295",
        "4294967296", "0.5",         "2.5",         "-0.5",
        "255.5",      "536870911",   "1E15",        "999999999999999",
        "0.0001",     "1E-5"};
    if (Chance(engine, 0.3))
        return QString::fromLatin1(Edges[static_cast<std::size_t>(
            Between(engine, 0, static_cast<int>(Edges.size()) - 1))]);
    QString text;
    if (Chance(engine, 0.3))
        text += Chance(engine, 0.7) ? QLatin1Char('-') : QLatin1Char('+');
    const int digits = Between(engine, 1, 20);
    for (int i = 0; i < digits; ++i) {
        text += QLatin1Char(static_cast<char>('0' + Between(engine, 0, 9)));
        if (Chance(engine, 0.05))
            text += QLatin1Char(',');
    }
    if (Chance(engine, 0.3)) {
        text += QLatin1Char('.');
        const int fraction = Between(engine, 0, 6);
        for (int i = 0; i < fraction; ++i)
            text += QLatin1Char(static_cast<char>('0' + Between(engine, 0, 9)));
    }
    if (Chance(engine, 0.2))
        text += QStringLiteral("E%1%2")
                    .arg(Chance(engine, 0.5) ? QStringLiteral("-") : QString())
                    .arg(Between(engine, 0, 330));
    if (Chance(engine, 0.1))
        text = QStringLiteral("  ") + text + QStringLiteral("\t");
    return text;
}

int Between(Engine& engine, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(engine);
}

bool Chance(Engine& engine, double probability) {
    return std::bernoulli_distribution(probability)(engine);
}

QString Typed_Character(Engine& engine) {
    const int pick = Between(engine, 0, 99);
    QString text;
    if (pick < 45)
        Append(engine, Kind::Digits, text);
    else if (pick < 55)
        text = QStringLiteral("-");
    else if (pick < 70)
        Append(engine, Kind::Hex, text);
    else if (pick < 85)
        text = QLatin1Char(static_cast<char>(Between(engine, 0x20, 0x7E)));
    else
        Append(engine, Kind::Unicode, text);
    return text;
}

int Paste_Length(Engine& engine) {
    const int pick = Between(engine, 0, 99);
    if (pick < 70)
        return Between(engine, 0, 40);
    if (pick < 95)
        return Between(engine, 41, 40000);
    return Between(engine, 40001, 1 << 20);
}

QString Paste_Text(Engine& engine, int longest) {
    const auto kind = static_cast<Kind>(Between(engine, 0, static_cast<int>(Kind::Kinds) - 1));
    if (kind == Kind::Number && longest <= 40 && Chance(engine, 0.7))
        return Number_Text(engine).left(longest);
    QString text;
    text.reserve(longest + 1);
    if (kind == Kind::Digits && Chance(engine, 0.3)) // leading zeros keep a long text numeric
        text.fill(QLatin1Char('0'), Between(engine, 0, longest));
    while (text.size() < longest)
        Append(engine, kind, text);
    text.truncate(longest); // an emoji may have crossed the end
    return text;
}

} // namespace Random_Text
