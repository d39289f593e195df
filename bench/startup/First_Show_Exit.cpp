// SPDX-License-Identifier: MIT
#include "First_Show_Exit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {

class First_Paint_Watch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The children paint in the same pass: the zero timer fires once
            // the whole window has reached the screen.
            QTimer::singleShot(0, this, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("shown %lld\n",
                            static_cast<long long>(std::chrono::nanoseconds(now).count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

void Exit_After_First_Paint(QWidget& window) {
    window.installEventFilter(new First_Paint_Watch(&window));
}
