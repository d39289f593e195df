// SPDX-License-Identifier: MIT
// What every fault test asks of a run of the probe: Tessaly started, worked
// as in a kind world, and wrote nothing but its own log and settings files.
#pragma once

#include "Fault_Scenario.h"
#include "QString_Printer.h"

#include <QStringList>

enum class Log_Place { Program_Folder, Fallback_Folder, Nowhere };

// Ended normally with code 0 (no sanitizer report, no crash, no hang), every
// row converted at start-up, the typed row, the toggle and the pasted text
// gave what they give in a kind world.
void Expect_Tessaly_Works(const Probe_Report& report);

// The run changed nothing under the scenario's root but these files and the
// folders that lead to them.
void Expect_Only_Written(const Fault_Scenario& scenario, const QStringList& files);

// The logged type mismatch is one line at that place and nowhere else.
void Expect_Log_Entry(const Fault_Scenario& scenario, Log_Place place);

// The files a run may write: the settings file and both logs.
QStringList Own_Files(const Fault_Scenario& scenario);

// The "Version" value of the settings file, read back with Qt's INI reader.
QString Stored_Version(const Fault_Scenario& scenario);

// The version the running build records.
QString Running_Version();
