// SPDX-License-Identifier: MIT
// The program's top-level windows, found by their object name.
#pragma once

#include <QApplication>
#include <QList>
#include <QWidget>

inline QList<QWidget*> Open_Windows(const char* name) {
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            found << widget;
    return found;
}

// Closes them and lets the closed ones be deleted.
inline void Close_Windows(const char* name) {
    for (QWidget* widget : Open_Windows(name))
        widget->close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
