// SPDX-License-Identifier: MIT
#include "Menu_Accessible.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

namespace {

// The item's interface, made once and kept by Qt until the action goes.
QAccessibleInterface* Item_Of(QMenu* menu, QAction* action) {
    if (!action)
        return nullptr;
    if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(action))
        return known;
    auto* item = new Menu_Item_Accessible(menu, action);
    QAccessible::registerAccessibleInterface(item);
    return item;
}

// The bar's entries are its menus themselves.
QAccessibleInterface* Menu_Of(QAction* entry) {
    return entry && entry->menu() ? QAccessible::queryAccessibleInterface(entry->menu()) : nullptr;
}

} // namespace

Menu_Bar_Accessible::Menu_Bar_Accessible(QMenuBar* bar)
    : QAccessibleWidget(bar, QAccessible::MenuBar) {}

QMenuBar* Menu_Bar_Accessible::Bar() const {
    return static_cast<QMenuBar*>(widget());
}

int Menu_Bar_Accessible::childCount() const {
    return static_cast<int>(Bar()->actions().size());
}

QAccessibleInterface* Menu_Bar_Accessible::child(int index) const {
    return Menu_Of(Bar()->actions().value(index));
}

int Menu_Bar_Accessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* menu = child ? qobject_cast<const QMenu*>(child->object()) : nullptr;
    return menu ? static_cast<int>(Bar()->actions().indexOf(menu->menuAction())) : -1;
}

QAccessibleInterface* Menu_Bar_Accessible::childAt(int x, int y) const {
    return Menu_Of(Bar()->actionAt(Bar()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* Menu_Bar_Accessible::focusChild() const {
    return Menu_Of(Bar()->activeAction());
}

Menu_Accessible::Menu_Accessible(QMenu* menu) : QAccessibleWidget(menu, QAccessible::List) {}

QMenu* Menu_Accessible::Menu() const {
    return static_cast<QMenu*>(widget());
}

QString Menu_Accessible::text(QAccessible::Text type) const {
    if (type != QAccessible::Name)
        return QAccessibleWidget::text(type);
    // The caption without its access key's "&".
    return Menu()->menuAction()->iconText() + QStringLiteral(" menu");
}

// A popup is a window of its own; its parent is the bar it drops down from.
QAccessibleInterface* Menu_Accessible::parent() const {
    return QAccessible::queryAccessibleInterface(Menu()->parentWidget());
}

int Menu_Accessible::childCount() const {
    return static_cast<int>(Menu()->actions().size());
}

QAccessibleInterface* Menu_Accessible::child(int index) const {
    return Item_Of(Menu(), Menu()->actions().value(index));
}

int Menu_Accessible::indexOfChild(const QAccessibleInterface* child) const {
    return child ? static_cast<int>(Menu()->actions().indexOf(child->object())) : -1;
}

QAccessibleInterface* Menu_Accessible::childAt(int x, int y) const {
    return Item_Of(Menu(), Menu()->actionAt(Menu()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* Menu_Accessible::focusChild() const {
    return Item_Of(Menu(), Menu()->activeAction());
}

Menu_Item_Accessible::Menu_Item_Accessible(QMenu* menu, QAction* action)
    : menu_(menu), action_(action) {}

bool Menu_Item_Accessible::isValid() const {
    return menu_ && action_;
}

QObject* Menu_Item_Accessible::object() const {
    return action_;
}

QWindow* Menu_Item_Accessible::window() const {
    return menu_ ? menu_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* Menu_Item_Accessible::parent() const {
    return QAccessible::queryAccessibleInterface(menu_);
}

QString Menu_Item_Accessible::text(QAccessible::Text type) const {
    // The caption without its access key's "&"; the items have no shortcuts.
    return isValid() && type == QAccessible::Name ? action_->iconText() : QString();
}

QRect Menu_Item_Accessible::rect() const {
    if (!isValid())
        return {};
    return menu_->actionGeometry(action_).translated(menu_->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State Menu_Item_Accessible::state() const {
    QAccessible::State state;
    if (!isValid())
        return state;
    state.invisible = !menu_->isVisible() || !action_->isVisible();
    state.focusable = true;
    state.focused = menu_->activeAction() == action_;
    state.disabled = !action_->isEnabled();
    return state;
}

void* Menu_Item_Accessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList Menu_Item_Accessible::actionNames() const {
    return {pressAction()};
}

void Menu_Item_Accessible::doAction(const QString& actionName) {
    if (!isValid() || !action_->isEnabled() || actionName != pressAction())
        return;
    menu_->hide();
    action_->trigger();
}
