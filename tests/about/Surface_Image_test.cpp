// SPDX-License-Identifier: MIT
#include "Surface_Image.h"

#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const QColor White = Qt::white;
const QColor Red = QColor(255, 0, 0);
const QColor Green = QColor(0, 255, 0);

class Surface_Image_Test : public testing::Test {
protected:
    void SetUp() override { window.resize(40, 30); }

    QColor At(int x, int y) const { return surface.Image().pixelColor(x, y); }

    int Count(QColor colour) const {
        int count = 0;
        for (int y = 0; y < surface.Image().height(); ++y)
            for (int x = 0; x < surface.Image().width(); ++x)
                count += At(x, y) == colour;
        return count;
    }

    QWidget window;
    Surface_Image surface{window, White};
};

TEST_F(Surface_Image_Test, scale_is_the_client_size_in_twips) {
    EXPECT_EQ(surface.ScaleWidth(), 600);
    EXPECT_EQ(surface.ScaleHeight(), 450);
}

TEST_F(Surface_Image_Test, cls_fills_everything_with_the_background) {
    surface.Line_Filled_Box(0, 0, 600, 450, Red);
    surface.Cls();
    EXPECT_EQ(surface.Image().size(), QSize(40, 30));
    EXPECT_EQ(Count(White), 40 * 30);
}

TEST_F(Surface_Image_Test, filled_box_includes_both_corner_pixels) {
    surface.Cls();
    surface.Line_Filled_Box(15, 30, 45, 60, Red); // pixels 1..3 by 2..4
    EXPECT_EQ(Count(Red), 3 * 3);
    EXPECT_EQ(At(1, 2), Red);
    EXPECT_EQ(At(3, 4), Red);
    EXPECT_EQ(At(4, 4), White);
    EXPECT_EQ(At(3, 5), White);
}

TEST_F(Surface_Image_Test, filled_box_corners_in_any_order_fill_the_same_pixels) {
    surface.Cls();
    surface.Line_Filled_Box(15, 30, 45, 60, Red);
    const QImage forwards = surface.Image();
    for (const QRectF corners :
         {QRectF(QPointF(45, 60), QPointF(15, 30)), QRectF(QPointF(45, 30), QPointF(15, 60)),
          QRectF(QPointF(15, 60), QPointF(45, 30))}) {
        surface.Cls();
        surface.Line_Filled_Box(corners.left(), corners.top(), corners.right(), corners.bottom(),
                                Red);
        EXPECT_EQ(surface.Image(), forwards);
    }
}

TEST_F(Surface_Image_Test, box_outline_is_one_pixel_ring) {
    surface.Cls();
    surface.Line_Box(0, 0, 600 - 15, 450 - 15, Red);
    EXPECT_EQ(Count(Red), 2 * 40 + 2 * 28);
    EXPECT_EQ(At(0, 0), Red);
    EXPECT_EQ(At(39, 29), Red);
    EXPECT_EQ(At(39, 0), Red);
    EXPECT_EQ(At(0, 29), Red);
    EXPECT_EQ(At(1, 1), White);
    EXPECT_EQ(At(38, 28), White);
}

TEST_F(Surface_Image_Test, boxes_sharing_an_edge_leave_no_gap) {
    // Edges between whole pixels and inside a pixel alike.
    for (const int edge : {150, 157, 164}) {
        surface.Cls();
        surface.Line_Filled_Box(0, 0, edge, 450, Red);
        surface.Line_Filled_Box(edge, 0, 600, 450, Green);
        EXPECT_EQ(Count(White), 0) << "edge at " << edge;
    }
}

TEST_F(Surface_Image_Test, boxes_reaching_outside_are_clipped) {
    surface.Cls();
    surface.Line_Filled_Box(-3000, -3000, 30000, 15, Red);
    EXPECT_EQ(Count(Red), 40 * 2);
}

TEST_F(Surface_Image_Test, paint_shows_the_kept_picture_on_every_repaint) {
    surface.Cls();
    surface.Line_Filled_Box(0, 0, 150, 150, Red);
    for (int repaint = 0; repaint < 2; ++repaint) {
        QImage target(40, 30, QImage::Format_RGB32);
        target.fill(Qt::black);
        QPainter painter(&target);
        surface.Paint(painter);
        painter.end();
        EXPECT_EQ(target.pixelColor(10, 10), Red);
        EXPECT_EQ(target.pixelColor(11, 11), White);
    }
}

TEST_F(Surface_Image_Test, growing_window_keeps_what_was_drawn) {
    surface.Cls();
    surface.Line_Filled_Box(0, 0, 150, 150, Red);
    window.resize(50, 40);
    surface.Line_Filled_Box(600, 450, 750, 600, Green); // drawing fits the new size
    EXPECT_EQ(surface.Image().size(), QSize(50, 40));
    EXPECT_EQ(At(5, 5), Red);
    EXPECT_EQ(At(45, 35), Green);
}

} // namespace
