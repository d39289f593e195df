// SPDX-License-Identifier: MIT
#include "Access_Key_Guard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>

namespace {

class Access_Key_Guard final : public QObject {
public:
    using QObject::QObject;

protected:
    // Only what reaches a widget counts as delivered: a key event first goes
    // to its window, where the bridge may hold it back.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType())
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt &&
                   Alt_Delivered(watched, event->type() == QEvent::KeyPress);
        case QEvent::Show:
            if (auto* menu = qobject_cast<QMenu*>(watched);
                menu && (QGuiApplication::keyboardModifiers() & Qt::AltModifier) && !alt_down_)
                menu_awaiting_alt_ = menu;
            return false;
        case QEvent::Hide:
            if (watched == menu_awaiting_alt_)
                menu_awaiting_alt_ = nullptr;
            return false;
        default:
            return false;
        }
    }

private:
    // True when the press is the late one, to be dropped.
    bool Alt_Delivered(QObject* receiver, bool pressed) {
        alt_down_ = pressed;
        if (menu_awaiting_alt_ == nullptr)
            return false;
        const bool late = pressed && receiver == menu_awaiting_alt_;
        // A release first: the screen reader kept the press for itself.
        menu_awaiting_alt_ = nullptr;
        return late;
    }

    bool alt_down_ = false; // as far as the widgets were told
    QPointer<QMenu> menu_awaiting_alt_;
};

} // namespace

void Install_Access_Key_Guard() {
    static QPointer<Access_Key_Guard> guard;
    if (guard == nullptr && qApp != nullptr) {
        guard = new Access_Key_Guard(qApp);
        qApp->installEventFilter(guard);
    }
}
