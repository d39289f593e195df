// SPDX-License-Identifier: MIT
#include "Error_Trap.h"

#include <limits>

namespace Error_Trap {

int Failure_Number(std::exception_ptr failure) noexcept {
    if (!failure)
        return Failure::Internal_Error;
    try {
        std::rethrow_exception(failure);
    } catch (const Run_Time_Failure& run_time_failure) {
        return run_time_failure.number();
    } catch (const std::bad_alloc&) {
        return Failure::Out_Of_Memory;
    } catch (...) {
        return Failure::Internal_Error;
    }
}

std::int16_t To_Log_Number(int number) noexcept {
    // Numbers the program raises are small; anything outside 16 bits would be
    // a foreign failure, recorded as the generic internal error.
    if (number < std::numeric_limits<std::int16_t>::min() ||
        number > std::numeric_limits<std::int16_t>::max())
        return Failure::Internal_Error;
    return static_cast<std::int16_t>(number);
}

void Log_Failure(const char* source, const char* procedure, std::exception_ptr failure) noexcept {
    try {
        Log_Error(QString::fromLatin1(source), QString::fromLatin1(procedure),
                  To_Log_Number(Failure_Number(failure)));
    } catch (...) {
        // Not even the names could be built (out of memory): the entry is lost.
    }
}

} // namespace Error_Trap
