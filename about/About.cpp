// SPDX-License-Identifier: MIT
#include "About.h"

#include "AppNotes.h"
#include "App_Identity.h"
#include "Error_Trap.h"
#include "Form_Control.h"
#include "Form_Graphics.h"
#include "Registry.h"
#include "Runtime_Services.h"
#include "Twips.h"

#include <QFont>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

constexpr const char* Source = "About";
constexpr int Client_Width = 6960;
constexpr int Client_Height = 3015;
const QColor Background = Qt::white;

struct Label_Design {
    int left, top, width, height;
    double point_size;
};

// Index 3 carries the licence notice; 4 is the fixed notes block.
constexpr Label_Design Info_Design[6] = {
    {60, 60, 480, 270, 9.75},  {60, 360, 480, 270, 9.75},    {60, 660, 480, 270, 9.75},
    {60, 960, 480, 270, 9.75}, {60, 1260, 6810, 1425, 9.75}, {6420, 2700, 420, 225, 8.25},
};

QString Version_Text() {
    // Before the first version check the record's text is not yet known.
    const std::string& checked = Registry::App_Version();
    return QString::fromStdString(checked.empty() ? App_Identity::Version_Text() : checked);
}

} // namespace

About::About(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      surface_(*this, Background) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(App_Icons::Tick_Icon());
    setFixedSize(Twips::Size(Client_Width, Client_Height));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Background);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    Prepare_Self_Drawn_Translucency(*this);

    Max_Time_ = new QTimer(this);
    Max_Time_->setObjectName(QStringLiteral("Max_Time"));
    Max_Time_->setInterval(Max_Time_Interval);
    // Qt's default timer may fire 5 % early or late; the window closes at 30 s.
    Max_Time_->setTimerType(Qt::PreciseTimer);
    connect(Max_Time_, &QTimer::timeout, this, &About::Max_Time_Timer);

    Create_Labels();
}

QString About::App_Notes() const {
    return app_notes_;
}
void About::Set_App_Notes(const QString& notes) {
    app_notes_ = notes;
}
qint16 About::Form_Transparency() const {
    return form_transparency_;
}
void About::Set_Form_Transparency(qint16 opacity) {
    form_transparency_ = opacity;
}

void About::Create_Labels() {
    for (int index = 0; index < 6; ++index) {
        const Label_Design& design = Info_Design[index];
        auto* label = new QLabel(this);
        // The labels have no handlers: a press on one does nothing, and it
        // must not reach the window underneath either.
        label->setAttribute(Qt::WA_NoMousePropagation);
        label->setTextFormat(Qt::PlainText);
        label->setFocusPolicy(Qt::NoFocus);
        label->setObjectName(QStringLiteral("Info_%1").arg(index));
        label->setText(QStringLiteral("Label%1").arg(index + 1)); // replaced at load
        label->setGeometry(Twips::Rect(design.left, design.top, design.width, design.height));
        QFont font(QStringLiteral("Comic Sans MS"));
        font.setPointSizeF(design.point_size);
        label->setFont(font);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Info_[index] = label;
    }
    Info_[4]->setWordWrap(true);
}

void About::showEvent(QShowEvent* event) {
    // Loading happens as the window is shown, before it is on the screen, so
    // that properties written after construction are seen.
    if (!event->spontaneous() && !loaded_)
        Load();
    QDialog::showEvent(event);
}

void About::hideEvent(QHideEvent* event) {
    if (!event->spontaneous())
        Unload();
    QDialog::hideEvent(event);
}

void About::Load() {
    loaded_ = true;
    Max_Time_->start();
    Form_Load();
}

void About::Unload() {
    Max_Time_->stop();
    loaded_ = false;
}

void About::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double opacity = Self_Drawn_Opacity(*this);
    if (opacity >= 1.0) {
        surface_.Paint(painter);
        return;
    }
    // The background and the gradient over it are one layer, blended once.
    QImage layer(size() * devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(devicePixelRatio());
    layer.fill(Qt::transparent);
    QPainter layer_painter(&layer);
    surface_.Paint(layer_painter);
    layer_painter.end();
    painter.setOpacity(opacity);
    painter.drawImage(0, 0, layer);
}

void About::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position() * Twips::Per_Pixel;
    Form_MouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void About::keyPressEvent(QKeyEvent* event) {
    // The window closes when Escape is released, not when it is pressed; the
    // dialog's own Escape and Enter handling must not run.
    event->accept();
}

void About::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat())
        return;
    Form_KeyUp(event->key(), event->modifiers());
}

void About::Form_Load() {
    Error_Trap::Run(Source, "Form_Load", [&] {
        setWindowTitle(QString::fromLatin1(App_Identity::Title));
        CenterForm(*this);
        SetTranslucent(*this, form_transparency_);
        const qint16 width = Runtime_Services::To_Int16(surface_.ScaleWidth());
        const qint16 height = Runtime_Services::To_Int16(surface_.ScaleHeight());
        PaintFX(1, 5, 10, 100, 175, 125, 0, 0, width, height, surface_);
        Info_[0]->setText(QStringLiteral("Application: ") +
                          QString::fromLatin1(App_Identity::Title));
        Grow_To_Fit(*Info_[0]);
        Info_[1]->setText(QStringLiteral("Version:  ") + Version_Text());
        Grow_To_Fit(*Info_[1]);
#ifndef Q_OS_WIN
        // Orca reads a dialog's lines of three words or more as it opens and
        // passes over shorter ones: the first line is named after both short
        // ones, so that the version is heard with the title.
        Info_[0]->setAccessibleName(Info_[0]->text() + QStringLiteral(". ") + Info_[1]->text());
#endif
        Info_[2]->setText(QStringLiteral("Compiled on: ") +
                          QString::fromLatin1(AppNotes::Compile_Date));
        Grow_To_Fit(*Info_[2]);
        Info_[3]->setText(QString::fromLatin1(AppNotes::Licence_Notice));
        Grow_To_Fit(*Info_[3]);
        Info_[4]->setText(app_notes_);
        Info_[5]->setText(QStringLiteral("Developed by: Harrowmere"));
        Grow_Into_Corner(*Info_[5]);
    });
}

void About::Form_Click() {
    Error_Trap::Run(Source, "Form_Click", [&] { done(QDialog::Rejected); });
}

void About::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, double, double) {
    Error_Trap::Run(Source, "Form_MouseDown", [&] { Form_Click(); });
}

void About::Form_KeyUp(int KeyCode, Qt::KeyboardModifiers) {
    Error_Trap::Run(Source, "Form_KeyUp", [&] {
        if (KeyCode == Qt::Key_Escape)
            Form_Click();
    });
}

void About::Max_Time_Timer() {
    Error_Trap::Run(Source, "Max_Time_Timer", [&] { Form_Click(); });
}

void About::Grow_To_Fit(QLabel& label) {
    label.resize(label.sizeHint());
}

void About::Grow_Into_Corner(QLabel& label) {
    const Label_Design& design = Info_Design[5];
    const QRect designed = Twips::Rect(design.left, design.top, design.width, design.height);
    const QSize size = label.sizeHint();
    label.setGeometry(designed.right() + 1 - size.width(), designed.bottom() + 1 - size.height(),
                      size.width(), size.height());
}
