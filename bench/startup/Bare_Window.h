// SPDX-License-Identifier: MIT
// The main window's widgets built with plain Qt and nothing else: the same
// frames, buttons, fields, status lines, toggles, menus, font, texts, tool
// tips and size, without the program's start-up work (version record,
// conversions, error trap). The start-up benchmarks measure Tessaly against it.
#pragma once

#include <QMainWindow>
#include <memory>

std::unique_ptr<QMainWindow> Make_Bare_Window();
