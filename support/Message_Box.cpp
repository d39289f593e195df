// SPDX-License-Identifier: MIT
#include "Message_Box.h"

#include "App_Identity.h"

#include <QMessageBox>

namespace Message_Box {
namespace {

void Show_Real_Box(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(App_Identity::Title), text,
                    QMessageBox::Ok);
    box.exec();
}

Handler& Current_Handler() {
    static Handler handler = Show_Real_Box;
    return handler;
}

} // namespace

void Show(const QString& text) { Current_Handler()(text); }

Handler Set_Handler(Handler handler) {
    Handler previous = Current_Handler();
    Current_Handler() = handler ? std::move(handler) : Handler(Show_Real_Box);
    return previous;
}

} // namespace Message_Box
