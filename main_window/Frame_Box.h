// SPDX-License-Identifier: MIT
// A conversion frame: a group box whose border and caption are drawn once
// into an image and copied from it for every later paint. The frame lies
// under all toggles and fields of its rows, so each of their repaints
// repaints a piece of it; the style's border drawing costs more than a copy.
#pragma once

#include <QGroupBox>
#include <QPixmap>

class QStyleOptionGroupBox;

class Frame_Box : public QGroupBox {
    Q_OBJECT
public:
    Frame_Box(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Look {
        QSize size;
        qreal pixel_ratio = 0;
        qint64 palette_key = 0;
        QString font_key;
        QString title;
        int state = 0;
        int alignment = 0;
        int features = 0;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        const void* style = nullptr;
        bool operator==(const Look&) const = default;
    };
    // Everything the drawn border depends on.
    Look Look_Of(const QStyleOptionGroupBox& option) const;

    QPixmap drawn_;
    Look drawn_look_;
};
