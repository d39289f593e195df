// SPDX-License-Identifier: MIT
#include "Clipping_Check.h"

#include "Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>

namespace {

QString Name(const QWidget& widget) {
    return widget.objectName().isEmpty() ? QLatin1String(widget.metaObject()->className())
                                         : widget.objectName();
}

// A toggle without caption shows only its check mark; the designed toggles
// are wider (255 twips) than their spacing (240), so their empty right
// edges overlap by design.
QRect Visible_Part(const QWidget& widget) {
    const auto* toggle = qobject_cast<const QCheckBox*>(&widget);
    if (!toggle || !toggle->text().isEmpty())
        return widget.rect();
    QStyleOptionButton option;
    option.initFrom(toggle);
    return toggle->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, toggle);
}

QRect In_Window(const QWidget& widget, const QWidget& window) {
    return Visible_Part(widget).translated(widget.mapTo(&window, QPoint(0, 0)));
}

QString Too_Small(const QWidget& widget, const char* what, int needed, int room) {
    return QStringLiteral("%1: %2 needs %3 px, room for %4")
        .arg(Name(widget), QLatin1String(what))
        .arg(needed)
        .arg(room);
}

void Check_Button(const QPushButton& button, QStringList& faults) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect contents =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QFontMetrics metrics = button.fontMetrics();
    if (metrics.horizontalAdvance(button.text()) > contents.width())
        faults << Too_Small(button, "caption width", metrics.horizontalAdvance(button.text()),
                            contents.width());
    if (metrics.height() > contents.height())
        faults << Too_Small(button, "caption height", metrics.height(), contents.height());
}

// What the frame draws itself (border, title, fill), without its controls.
QImage Frame_Alone(QGroupBox& frame) {
    const qreal scale = frame.devicePixelRatioF();
    QImage image(frame.size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(frame.palette().color(QPalette::Window));
    frame.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

// The rows, in device pixels of the label, where it draws its text.
std::pair<int, int> Ink_Rows(QLabel& label) {
    const QImage image = label.grab().toImage();
    const QRgb background = label.palette().color(label.backgroundRole()).rgb();
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    return {first, last};
}

// The rows, in device pixels, of the thin lines that the frame draws down
// one column: runs of one colour shorter than 3 logical pixels between two
// other runs (its fill above and below a border is a long run).
QList<int> Line_Rows(const QImage& image, int column) {
    const int thin = qRound(3 * image.devicePixelRatio());
    QList<int> rows;
    int run_start = 0;
    for (int y = 1; y <= image.height(); ++y) {
        if (y < image.height() && image.pixel(column, y) == image.pixel(column, run_start))
            continue;
        if (run_start > 0 && y < image.height() && y - run_start < thin)
            for (int row = run_start; row < y; ++row)
                rows << row;
        run_start = y;
    }
    return rows;
}

// A label has no background of its own: a line that the frame draws where
// the label's text stands (its top border, in styles that draw it below the
// title) runs through that text.
void Check_Lines_Under_Labels(QGroupBox& frame, QStringList& faults) {
    const QImage image = Frame_Alone(frame);
    const qreal scale = image.devicePixelRatio();
    for (QLabel* label : frame.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!label->isVisible() || label->autoFillBackground())
            continue;
        const auto [first, last] = Ink_Rows(*label);
        const int top = qRound(label->y() * scale);
        const int column = qRound(label->geometry().center().x() * scale);
        if (first < 0 || column >= image.width())
            continue;
        for (const int row : Line_Rows(image, column))
            if (row >= top + first && row <= top + last) {
                faults << QStringLiteral("%1: a line of %2 runs through its text (at y %3)")
                              .arg(Name(*label), Name(frame))
                              .arg(row / scale);
                break;
            }
    }
}

// The title must fit the frame and no control of the frame may cover it.
void Check_Frame(const QGroupBox& frame, QStringList& faults) {
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.textAlignment = frame.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    const QRect label = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, &frame);
    const int needed = frame.fontMetrics().horizontalAdvance(frame.title());
    if (label.width() < needed || !frame.rect().contains(label))
        faults << Too_Small(frame, "title width", needed, label.width());
    for (const QWidget* child : frame.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && child->geometry().intersects(label))
            faults << QStringLiteral("%1: title covered by %2").arg(Name(frame), Name(*child));
}

void Check_Field(const QLineEdit& field, QStringList& faults) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field);
    option.midLineWidth = 0;
    option.features = QStyleOptionFrame::None;
    const QRect contents = field.style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, &field)
                               .marginsRemoved(field.textMargins());
    constexpr int Horizontal_Margin = 2; // QLineEdit's own, inside the contents
    const QFontMetrics metrics = field.fontMetrics();
    if (metrics.height() > contents.height())
        faults << Too_Small(field, "text height", metrics.height(), contents.height());
    const int room = contents.width() - 2 * Horizontal_Margin;
    if (metrics.horizontalAdvance(field.text()) > room)
        faults << Too_Small(field, "text width", metrics.horizontalAdvance(field.text()), room);
}

// Status lines size themselves to their text; the text must stay inside
// its frame (clear of the frame's right border).
void Check_Status(const QLabel& status, QStringList& faults) {
    if (status.sizeHint().width() > status.width() || status.sizeHint().height() > status.height())
        faults << Too_Small(status, "text", status.sizeHint().width(), status.width());
    const QWidget* frame = status.parentWidget();
    constexpr int Border = 2;
    if (frame && status.geometry().right() > frame->width() - 1 - Border)
        faults << QStringLiteral("%1: text runs to x %2, past its frame's border at %3")
                      .arg(Name(status))
                      .arg(status.geometry().right())
                      .arg(frame->width() - 1 - Border);
}

void Check_Toggle(const QCheckBox& toggle, QStringList& faults) {
    const QSize designed = Twips::Size(255, 195);
    if (toggle.width() < designed.width() || toggle.height() < designed.height())
        faults << QStringLiteral("%1: %2 x %3 px, smaller than the designed %4 x %5")
                      .arg(Name(toggle))
                      .arg(toggle.width())
                      .arg(toggle.height())
                      .arg(designed.width())
                      .arg(designed.height());
    QStyleOptionButton option;
    option.initFrom(&toggle);
    const QRect mark =
        toggle.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &toggle);
    if (!toggle.rect().contains(mark))
        faults << QStringLiteral("%1: check mark cut off").arg(Name(toggle));
}

// Two controls on the same spot hide part of each other.
void Check_Overlaps(const QList<const QWidget*>& controls, const QWidget& window,
                    QStringList& faults) {
    for (qsizetype a = 0; a < controls.size(); ++a)
        for (qsizetype b = a + 1; b < controls.size(); ++b)
            if (In_Window(*controls[a], window).intersects(In_Window(*controls[b], window)))
                faults
                    << QStringLiteral("%1 overlaps %2").arg(Name(*controls[a]), Name(*controls[b]));
}

} // namespace

QStringList Clipped_Controls(const QWidget& window) {
    QStringList faults;
    QList<const QWidget*> controls;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->isWindow())
            continue;
        if (const auto* button = qobject_cast<const QPushButton*>(widget))
            Check_Button(*button, faults);
        else if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
            Check_Frame(*frame, faults);
        else if (const auto* field = qobject_cast<const QLineEdit*>(widget))
            Check_Field(*field, faults);
        else if (const auto* status = qobject_cast<const QLabel*>(widget))
            Check_Status(*status, faults);
        else if (const auto* toggle = qobject_cast<const QCheckBox*>(widget))
            Check_Toggle(*toggle, faults);
        else
            continue;
        if (!qobject_cast<const QGroupBox*>(widget))
            controls << widget;
    }
    Check_Overlaps(controls, window, faults);
    return faults;
}

QStringList Texts_Crossed_By_Frame_Lines(QWidget& window) {
    QStringList faults;
    for (QGroupBox* frame : window.findChildren<QGroupBox*>())
        if (frame->isVisibleTo(&window))
            Check_Lines_Under_Labels(*frame, faults);
    return faults;
}
