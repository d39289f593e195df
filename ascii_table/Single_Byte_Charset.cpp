// SPDX-License-Identifier: MIT
#include "Single_Byte_Charset.h"

#include "Runtime_Services.h"
#include "Windows_1252.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace Single_Byte_Charset {
namespace {

constexpr int Question_Mark = 0x3F;

void Check_Code(int code) {
    if (code < 0 || code > 0xFF)
        throw Run_Time_Failure(Failure::Invalid_Procedure_Call);
}

#ifdef Q_OS_WIN
// UTF-8 and the double-byte code pages have no character for a lone high
// byte; the table then falls back to Windows-1252 rather than stop half-way.
bool System_Code_Page_Is_Single_Byte() {
    static const bool single_byte = [] {
        CPINFO info{};
        return GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
    }();
    return single_byte;
}

QChar System_Character_Of(int code) {
    const char byte = static_cast<char>(code);
    wchar_t wide = 0;
    if (MultiByteToWideChar(CP_ACP, 0, &byte, 1, &wide, 1) != 1)
        throw Run_Time_Failure(Failure::Invalid_Procedure_Call);
    return QChar(static_cast<char16_t>(wide));
}

int System_Code_Of(QChar character) {
    const wchar_t wide = static_cast<wchar_t>(character.unicode());
    char bytes[4] = {};
    const int written = WideCharToMultiByte(CP_ACP, 0, &wide, 1, bytes,
                                            static_cast<int>(sizeof bytes), nullptr, nullptr);
    if (written != 1)
        return Question_Mark;
    return static_cast<unsigned char>(bytes[0]);
}
#endif

} // namespace

QChar Character_Of(int code) {
    Check_Code(code);
#ifdef Q_OS_WIN
    if (System_Code_Page_Is_Single_Byte())
        return System_Character_Of(code);
#endif
    return Windows_1252::Character_Of(static_cast<unsigned char>(code));
}

int Code_Of(QChar character) {
#ifdef Q_OS_WIN
    if (System_Code_Page_Is_Single_Byte())
        return System_Code_Of(character);
#endif
    unsigned char code = 0;
    if (!Windows_1252::Code_Of(character, code))
        return Question_Mark;
    return code;
}

} // namespace Single_Byte_Charset
