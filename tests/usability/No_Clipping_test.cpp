// SPDX-License-Identifier: MIT
// Nothing the user reads in the main window is cut off and the toggles keep
// their size and shape. ctest runs these cases at the scale factors 1, 1.25,
// 1.5 and 2 and again without the named fonts' look-alikes.
#include "Clipping_Check.h"
#include "Tessaly.h"
#include "Twips.h"
#include "Widest_Results.h"

#include <QCheckBox>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Main_Window_Texts : public testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<Tessaly>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void Expect_Nothing_Clipped() const {
        const QStringList faults = Clipped_Controls(*window);
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    }

    std::unique_ptr<Tessaly> window;
};

TEST_F(Main_Window_Texts, Nothing_Is_Clipped_At_Start_Up) {
    Expect_Nothing_Clipped();
}

TEST_F(Main_Window_Texts, Nothing_Is_Clipped_With_The_Widest_Results) {
    Show_Widest_Results(*window);
    Expect_Nothing_Clipped();
}

TEST_F(Main_Window_Texts, Nothing_Is_Clipped_With_The_Refusals) {
    Show_Refusals(*window);
    Expect_Nothing_Clipped();
}

// Checked once: the frame's border does not move with the scale factor.
TEST(Frame_Borders, Run_Clear_Of_The_Status_Lines) {
    Tessaly window;
    Show_Widest_Results(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QStringList faults = Texts_Crossed_By_Frame_Lines(window);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

// The bounding box of what the toggle draws, in device pixels: everything
// that differs from the empty strip at its right edge.
QRect Drawn_Mark(const QImage& image) {
    const QRgb background = image.pixel(image.width() - 1, image.height() / 2);
    QRect mark;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                mark |= QRect(x, y, 1, 1);
    return mark;
}

TEST_F(Main_Window_Texts, Every_Toggle_Is_Drawn_As_A_Square_Of_At_Least_13_Logical_Pixels) {
    const QSize designed = Twips::Size(255, 195);
    for (int grid = 0; grid < Rows::Grid_Count; ++grid)
        for (int bit = 0; bit < Rows::Grid_At(grid).width; ++bit) {
            QCheckBox* toggle = window->Toggle(grid, bit);
            const std::string name = toggle->objectName().toStdString();
            EXPECT_EQ(toggle->size(), window->Toggle(0, 0)->size()) << name;
            EXPECT_GE(toggle->width(), designed.width()) << name;
            EXPECT_GE(toggle->height(), designed.height()) << name;
            const QImage image = toggle->grab().toImage();
            const qreal scale = image.devicePixelRatio();
            const QRect mark = Drawn_Mark(image);
            EXPECT_LE(std::abs(mark.width() - mark.height()), 1)
                << name << ": " << mark.width() << " x " << mark.height() << " device pixels";
            EXPECT_GE(mark.height(), static_cast<int>(13 * scale)) << name << " at " << scale;
        }
}

} // namespace
