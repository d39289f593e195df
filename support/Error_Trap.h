// SPDX-License-Identifier: MIT
// The error trap of every window handler: run the body; on any failure log it
// under the window's source name and the handler's procedure name, then
// return as if the handler had finished.
#pragma once

#include "Error_Logging.h"
#include "Runtime_Services.h"

#include <exception>
#include <new>

namespace Error_Trap {

// The number a caught exception is logged with: a Run_Time_Failure's own
// number, 7 for std::bad_alloc, 51 for anything else.
int Failure_Number(std::exception_ptr failure) noexcept;

// Brings any failure number into the 16-bit range the log takes.
std::int16_t To_Log_Number(int number) noexcept;

// Logs the failure being handled; never throws.
void Log_Failure(const char* source, const char* procedure, std::exception_ptr failure) noexcept;

template <typename Body> void Run(const char* source, const char* procedure, Body&& body) noexcept {
    try {
        body();
    } catch (...) {
        Log_Failure(source, procedure, std::current_exception());
    }
}

} // namespace Error_Trap
