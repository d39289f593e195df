// SPDX-License-Identifier: MIT
// The error log: one line per trapped failure in "Application Log.txt".
#pragma once

#include <QString>
#include <cstdint>

namespace Error_Logging {

// Appends "[time stamp][source][procedure][number][description]" and CR LF
// to "Application Log.txt" in the program's folder, or, when that folder is
// not writable, in the per-user application data folder. Never throws and
// never shows anything; when both folders fail the entry is lost quietly.
void Log_Error(const QString& source, const QString& procedure, std::int16_t number) noexcept;

// Folders the log is written to. Default: the program's own folder and
// QStandardPaths::AppLocalDataLocation. Tests point both at temporary folders.
void Set_Log_Folders(const QString& program_folder, const QString& fallback_folder);

// The full path of the primary log file ("<program folder>/Application Log.txt").
QString Log_File_Path();

} // namespace Error_Logging

using Error_Logging::Log_Error;
