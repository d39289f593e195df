// SPDX-License-Identifier: MIT
#include "Message_Box.h"

#include "App_Identity.h"

#include <QApplication>
#include <QMessageBox>

namespace Message_Box {
namespace {

void Show_Real_Box(const QString& text) {
    // A box needs the widget application; without one there is nobody to see it.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    Make_Box(text)->exec();
}

Handler& Current_Handler() {
    static Handler handler = Show_Real_Box;
    return handler;
}

} // namespace

std::unique_ptr<QMessageBox> Make_Box(const QString& text) {
    return std::make_unique<QMessageBox>(
        QMessageBox::NoIcon, QString::fromLatin1(App_Identity::Title), text, QMessageBox::Ok);
}

void Show(const QString& text) {
    Current_Handler()(text);
}

Handler Set_Handler(Handler handler) {
    Handler previous = Current_Handler();
    Current_Handler() = handler ? std::move(handler) : Handler(Show_Real_Box);
    return previous;
}

} // namespace Message_Box
