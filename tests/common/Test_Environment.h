// SPDX-License-Identifier: MIT
// The isolated world every test program runs in (a Test_World): a temporary
// home with its own settings, data and log folders, and message boxes that
// are recorded instead of shown.
#pragma once

#include <QString>
#include <QStringList>

namespace Test_Environment {

// Sets HOME and XDG_* to a fresh temporary folder and the offscreen platform.
// Call before the QApplication exists.
void Prepare_Process();

// Points the error log at the temporary folder and records message boxes.
// Call once the QApplication exists.
void Prepare_Application();

// Removes the temporary folder.
void Clean_Up();

QString Root();            // the temporary folder
QString Program_Folder();  // where the log is written ("program folder")
QString Fallback_Folder(); // the log's per-user fallback folder

QStringList Messages(); // texts of the message boxes shown so far
void Clear_Messages();

QStringList Log_Lines();                       // lines of "Application Log.txt" in Program_Folder()
QStringList Lines_Of_Log(const QString& path); // of any log file; each ends in CR LF
void Clear_Log();

} // namespace Test_Environment
