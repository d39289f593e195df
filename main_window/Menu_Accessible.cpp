// SPDX-License-Identifier: MIT
#include "Menu_Accessible.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

namespace {

// The item's interface, made once and kept by Qt until the action goes.
QAccessibleInterface* Item_Of(QWidget* owner, QAction* action) {
    if (!action)
        return nullptr;
    if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(action))
        return known;
    auto* item = new Menu_Item_Accessible(owner, action);
    QAccessible::registerAccessibleInterface(item);
    return item;
}

QAccessibleInterface* Item_At(QWidget* owner, int index) {
    const QList<QAction*> actions = owner->actions();
    return index >= 0 && index < actions.size() ? Item_Of(owner, actions.at(index)) : nullptr;
}

int Index_Of(const QWidget* owner, const QAccessibleInterface* child) {
    return child ? static_cast<int>(owner->actions().indexOf(child->object())) : -1;
}

// The bar's entries are its menus themselves.
QAccessibleInterface* Entry_Of(QMenuBar* bar, QAction* action) {
    if (action && action->menu())
        return QAccessible::queryAccessibleInterface(action->menu());
    return Item_Of(bar, action);
}

QRect Action_Rect(QWidget* owner, QAction* action) {
    QRect local;
    if (auto* bar = qobject_cast<QMenuBar*>(owner))
        local = bar->actionGeometry(action);
    else if (auto* menu = qobject_cast<QMenu*>(owner))
        local = menu->actionGeometry(action);
    return local.translated(owner->mapToGlobal(QPoint(0, 0)));
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
    const QList<QAction*> actions = Bar()->actions();
    return index >= 0 && index < actions.size() ? Entry_Of(Bar(), actions.at(index)) : nullptr;
}

int Menu_Bar_Accessible::indexOfChild(const QAccessibleInterface* child) const {
    if (const auto* menu = child ? qobject_cast<const QMenu*>(child->object()) : nullptr)
        return static_cast<int>(Bar()->actions().indexOf(menu->menuAction()));
    return Index_Of(Bar(), child);
}

QAccessibleInterface* Menu_Bar_Accessible::childAt(int x, int y) const {
    return Entry_Of(Bar(), Bar()->actionAt(Bar()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* Menu_Bar_Accessible::focusChild() const {
    return Entry_Of(Bar(), Bar()->activeAction());
}

Menu_Accessible::Menu_Accessible(QMenu* menu) : QAccessibleWidget(menu, QAccessible::List) {}

QMenu* Menu_Accessible::Menu() const {
    return static_cast<QMenu*>(widget());
}

QString Menu_Accessible::text(QAccessible::Text type) const {
    if (type != QAccessible::Name)
        return QAccessibleWidget::text(type);
    const QString name = QAccessibleWidget::text(type);
    return (name.isEmpty() ? Menu()->menuAction()->iconText() : name) + QStringLiteral(" menu");
}

// The bar it drops down from: a group inside a menu item would count as
// layout only, and go unspoken.
QAccessibleInterface* Menu_Accessible::parent() const {
    if (auto* bar = qobject_cast<QMenuBar*>(Menu()->parentWidget()))
        return QAccessible::queryAccessibleInterface(bar);
    return QAccessibleWidget::parent();
}

int Menu_Accessible::childCount() const {
    return static_cast<int>(Menu()->actions().size());
}

QAccessibleInterface* Menu_Accessible::child(int index) const {
    return Item_At(Menu(), index);
}

int Menu_Accessible::indexOfChild(const QAccessibleInterface* child) const {
    return Index_Of(Menu(), child);
}

QAccessibleInterface* Menu_Accessible::childAt(int x, int y) const {
    return Item_Of(Menu(), Menu()->actionAt(Menu()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* Menu_Accessible::focusChild() const {
    return Item_Of(Menu(), Menu()->activeAction());
}

Menu_Item_Accessible::Menu_Item_Accessible(QWidget* owner, QAction* action)
    : owner_(owner), action_(action) {}

bool Menu_Item_Accessible::isValid() const {
    return owner_ && action_;
}

QObject* Menu_Item_Accessible::object() const {
    return action_;
}

QWindow* Menu_Item_Accessible::window() const {
    return owner_ ? owner_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* Menu_Item_Accessible::parent() const {
    return QAccessible::queryAccessibleInterface(owner_);
}

int Menu_Item_Accessible::childCount() const {
    return action_ && action_->menu() ? 1 : 0;
}

QAccessibleInterface* Menu_Item_Accessible::child(int index) const {
    return index == 0 && childCount() ? QAccessible::queryAccessibleInterface(action_->menu())
                                      : nullptr;
}

int Menu_Item_Accessible::indexOfChild(const QAccessibleInterface* child) const {
    return childCount() && child && child->object() == action_->menu() ? 0 : -1;
}

QString Menu_Item_Accessible::text(QAccessible::Text type) const {
    if (!isValid())
        return {};
    if (type == QAccessible::Name) // the caption without its access key's "&"
        return action_->iconText();
    if (type == QAccessible::Accelerator)
        return action_->shortcut().toString(QKeySequence::NativeText);
    return {};
}

QRect Menu_Item_Accessible::rect() const {
    return isValid() ? Action_Rect(owner_, action_) : QRect();
}

QAccessible::Role Menu_Item_Accessible::role() const {
    return action_ && action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAction* Menu_Item_Accessible::Active() const {
    if (auto* bar = qobject_cast<QMenuBar*>(owner_))
        return bar->activeAction();
    if (auto* menu = qobject_cast<QMenu*>(owner_))
        return menu->activeAction();
    return nullptr;
}

QAccessible::State Menu_Item_Accessible::state() const {
    QAccessible::State state;
    if (!isValid())
        return state;
    state.invisible = !owner_->isVisible() || !action_->isVisible();
    state.focusable = true;
    state.focused = Active() == action_;
    state.disabled = action_->isSeparator() || !action_->isEnabled();
    state.checkable = action_->isCheckable();
    state.checked = action_->isChecked();
    state.hasPopup = action_->menu() != nullptr;
    return state;
}

void* Menu_Item_Accessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList Menu_Item_Accessible::actionNames() const {
    return {childCount() ? showMenuAction() : pressAction()};
}

void Menu_Item_Accessible::doAction(const QString& actionName) {
    if (!isValid() || !action_->isEnabled())
        return;
    if (actionName == showMenuAction()) {
        if (auto* bar = qobject_cast<QMenuBar*>(owner_))
            bar->setActiveAction(action_);
    } else if (actionName == pressAction()) {
        if (auto* menu = qobject_cast<QMenu*>(owner_))
            menu->hide();
        action_->trigger();
    }
}
