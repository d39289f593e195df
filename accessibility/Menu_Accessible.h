// SPDX-License-Identifier: MIT
// What a screen reader is told about the menu bar, its drop-down menus and
// their items (Linux only: UI Automation announces Qt's menus itself).
#pragma once

#include <QAccessibleWidget>
#include <QPointer>

class QAction;
class QMenu;
class QMenuBar;

// Orca speaks no name for the popup menu that Qt makes of a drop-down menu,
// and Qt 6.4 maps none of its roles to the menu role Orca announces: opening
// "Actions" said only its first item. A list is announced with its name as
// it opens ("Actions menu, list"), so each drop-down menu is a list named
// after its caption. Qt's own menu interfaces are not exported, so the bar,
// whose entries are these lists, and the items are described here too.
class Menu_Bar_Accessible final : public QAccessibleWidget {
public:
    explicit Menu_Bar_Accessible(QMenuBar* bar);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    QMenuBar* Bar() const;
};

class Menu_Accessible final : public QAccessibleWidget {
public:
    explicit Menu_Accessible(QMenu* menu);

    QString text(QAccessible::Text type) const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    QMenu* Menu() const;
};

// An item of a drop-down menu: a command, without a menu of its own.
class Menu_Item_Accessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    Menu_Item_Accessible(QMenu* menu, QAction* action);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QMenu> menu_;
    QPointer<QAction> action_;
};
