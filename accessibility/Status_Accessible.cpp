// SPDX-License-Identifier: MIT
#include "Status_Accessible.h"

#include "Spoken_Form.h"

#include <QLabel>
#include <QPointer>

#ifdef Q_OS_WIN
constexpr bool Is_Notification = false;
constexpr QAccessible::Role Status_Role = QAccessible::StaticText;
#else
constexpr bool Is_Notification = true;
constexpr QAccessible::Role Status_Role = QAccessible::Notification;
#endif

namespace {

// The status line's text as it is shown, as a label inside the notification.
class Shown_Text_Accessible final : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    explicit Shown_Text_Accessible(QLabel* line) : line_(line) {}

    bool isValid() const override { return !line_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Parent()->window(); }
    QAccessibleInterface* parent() const override { return Parent(); }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text) const override { return {}; } // no name to speak
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return Parent()->rect(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !line_->isVisible();
        state.readOnly = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : nullptr;
    }

    // QAccessibleTextInterface: the shown text, read only, nothing selected.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        return startOffset > endOffset ? QString()
                                       : line_->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(line_->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QAccessibleInterface* Parent() const { return QAccessible::queryAccessibleInterface(line_); }
    QPointer<QLabel> line_;
};

} // namespace

Status_Accessible::Status_Accessible(QLabel* line) : QAccessibleWidget(line, Status_Role) {}

Status_Accessible::~Status_Accessible() {
    if (shown_text_ != 0)
        QAccessible::deleteAccessibleInterface(shown_text_);
}

QLabel* Status_Accessible::Line() const {
    return static_cast<QLabel*>(widget());
}

QString Status_Accessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Name)
        return Is_Notification ? QString() : Spoken_Form(Line()->text());
    if (type == QAccessible::Description && Is_Notification)
        return Spoken_Form(Line()->text());
    return QAccessibleWidget::text(type);
}

int Status_Accessible::childCount() const {
    return Is_Notification ? 1 : 0;
}

QAccessibleInterface* Status_Accessible::child(int index) const {
    if (!Is_Notification || index != 0)
        return nullptr;
    if (shown_text_ == 0)
        shown_text_ = QAccessible::registerAccessibleInterface(new Shown_Text_Accessible(Line()));
    return QAccessible::accessibleInterface(shown_text_);
}

int Status_Accessible::indexOfChild(const QAccessibleInterface* item) const {
    return item != nullptr && item == child(0) ? 0 : -1;
}

QAccessibleInterface* Status_Accessible::childAt(int x, int y) const {
    return rect().contains(x, y) ? child(0) : nullptr;
}

// Qt 6.4 has no announcement event. What reaches the screen readers is, on
// Linux, the notification's "showing" state (name and description changes
// are sent without their text and are not spoken), and on Windows a value
// change carrying the text, which Qt raises as a UI Automation notification
// from Windows 10 1709 on.
void Announce(QLabel* line) {
    if (!QAccessible::isActive() || !line->isVisible())
        return;
#ifdef Q_OS_WIN
    QAccessibleValueChangeEvent announcement(line, Spoken_Form(line->text()));
#else
    QAccessibleEvent announcement(line, QAccessible::ObjectShow);
#endif
    QAccessible::updateAccessibility(&announcement);
}
