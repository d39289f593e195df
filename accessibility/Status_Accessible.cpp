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

using Relations = QList<QPair<QAccessibleInterface*, QAccessible::Relation>>;

enum Part { Spoken_Label, Shown_Text };

// One of the notification's two labels: the one that labels it with the
// spoken form, or the one that holds the text as shown.
class Status_Part final : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    Status_Part(QLabel* line, Part part) : line_(line), part_(part) {}

    bool isValid() const override { return !line_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Parent()->window(); }
    QAccessibleInterface* parent() const override { return Parent(); }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override {
        return part_ == Spoken_Label && type == QAccessible::Name ? Spoken_Form(line_->text())
                                                                  : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return Parent()->rect(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !line_->isVisible();
        state.readOnly = true;
        return state;
    }
    Relations relations(QAccessible::Relation match) const override {
        if (part_ == Spoken_Label && (match & QAccessible::Labelled))
            return {{Parent(), QAccessible::Labelled}};
        return {};
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return part_ == Shown_Text && type == QAccessible::TextInterface
                   ? static_cast<QAccessibleTextInterface*>(this)
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
    Part part_;
};

} // namespace

Status_Accessible::Status_Accessible(QLabel* line) : QAccessibleWidget(line, Status_Role) {}

Status_Accessible::~Status_Accessible() {
    for (const QAccessible::Id part : parts_)
        if (part != 0)
            QAccessible::deleteAccessibleInterface(part);
}

QLabel* Status_Accessible::Line() const {
    return static_cast<QLabel*>(widget());
}

QString Status_Accessible::text(QAccessible::Text type) const {
    if (Is_Notification)
        return type == QAccessible::Name || type == QAccessible::Description
                   ? QString()
                   : QAccessibleWidget::text(type);
    return type == QAccessible::Name ? Spoken_Form(Line()->text()) : QAccessibleWidget::text(type);
}

int Status_Accessible::childCount() const {
    return Is_Notification ? static_cast<int>(parts_.size()) : 0;
}

QAccessibleInterface* Status_Accessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id& part = parts_[static_cast<std::size_t>(index)];
    if (part == 0)
        part = QAccessible::registerAccessibleInterface(
            new Status_Part(Line(), index == 0 ? Spoken_Label : Shown_Text));
    return QAccessible::accessibleInterface(part);
}

int Status_Accessible::indexOfChild(const QAccessibleInterface* item) const {
    for (int index = 0; index < childCount(); ++index)
        if (item != nullptr && item == child(index))
            return index;
    return -1;
}

QAccessibleInterface* Status_Accessible::childAt(int x, int y) const {
    return rect().contains(x, y) ? child(childCount() - 1) : nullptr;
}

// Orca reads only the first label relation, and passes over a label that
// contains the object: the frame, which Qt gives as the line's label, would
// leave the notification unlabelled.
Relations Status_Accessible::relations(QAccessible::Relation match) const {
    Relations related = QAccessibleWidget::relations(match);
    if (Is_Notification && (match & QAccessible::Label)) {
        related.removeIf([](const auto& pair) { return pair.second == QAccessible::Label; });
        related.prepend({child(Spoken_Label), QAccessible::Label});
    }
    return related;
}

// Qt 6.4 has no announcement event. What reaches the screen readers is, on
// Linux, the notification's "showing" state (name and description changes
// are sent without their text and are not spoken), after its spoken label's
// new name, which Orca may have kept from before; on Windows a value change
// carrying the text, which Qt raises as a UI Automation notification from
// Windows 10 1709 on.
void Announce(QLabel* line) {
    if (!QAccessible::isActive() || !line->isVisible())
        return;
#ifdef Q_OS_WIN
    QAccessibleValueChangeEvent announcement(line, Spoken_Form(line->text()));
#else
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(line);
    QAccessibleEvent renamed(status->child(Spoken_Label), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent announcement(line, QAccessible::ObjectShow);
#endif
    QAccessible::updateAccessibility(&announcement);
}
