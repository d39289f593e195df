// SPDX-License-Identifier: MIT
#include "Edge_Style.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace {

class Edge_Style : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if ((element == PE_IndicatorCheckBox || element == PE_PanelLineEdit) &&
            Is_Very_Dark(option->palette)) {
            painter->save();
            painter->setPen(option->palette.color(QPalette::WindowText));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->restore();
        }
    }

private:
    static bool Is_Very_Dark(const QPalette& palette) {
        return palette.color(QPalette::Window).lightness() < 40;
    }
};

} // namespace

void Install_Edge_Style() {
    if (!dynamic_cast<const Edge_Style*>(QApplication::style()))
        QApplication::setStyle(new Edge_Style);
}
