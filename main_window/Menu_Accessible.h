// SPDX-License-Identifier: MIT
// What a screen reader is told about the menu bar, its drop-down menus and
// their items.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>

class QAction;
class QMenu;
class QMenuBar;

// Orca never speaks the name of a popup menu, the role Qt gives a drop-down
// menu, and Qt 6.4 maps none of its roles to the plain menu role that Orca
// announces: opening "Actions" said only its first item. Of the roles that
// are left, a group of menu items counts as layout only and goes unspoken,
// and a window becomes a window of its own, announced twice more; a list
// is announced as it opens: "Actions menu, list". Qt's menu interfaces are
// not exported and know only their own roles, so the bar (whose entries are
// its menus) and the items are described here too. Not on Windows, where
// UI Automation announces menus itself.
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

// An entry of the menu bar (which drops its menu down) or of a menu.
class Menu_Item_Accessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    Menu_Item_Accessible(QWidget* owner, QAction* action);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QAction* Active() const;
    QPointer<QWidget> owner_;
    QPointer<QAction> action_;
};
