// SPDX-License-Identifier: MIT
// Every message box of the program goes through this one service, so that
// tests can redirect it and no test ever blocks on a real box.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;

namespace Message_Box {

using Handler = std::function<void(const QString& text)>;

// Shows a modal box titled with the application title, the text, one OK
// button and no icon; returns when the user has dismissed it.
void Show(const QString& text);

// Replaces the handler (a null handler restores the real box); returns the
// previous one.
Handler Set_Handler(Handler handler);

// The box Show opens, built but not shown.
std::unique_ptr<QMessageBox> Make_Box(const QString& text);

} // namespace Message_Box
