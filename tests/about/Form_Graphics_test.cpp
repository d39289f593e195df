// SPDX-License-Identifier: MIT
#include "Form_Graphics.h"
#include "Recording_Surface.h"
#include "Surface_Image.h"
#include "Test_Environment.h"
#include "Test_Tables.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Test_Tables::PrintTo;

QColor Base_Plus(int amount) {
    return QColor(10 + amount, 20 + amount, 30 + amount);
}

class Form_Graphics_Test : public testing::Test {
protected:
    void SetUp() override {
        Test_Environment::Clear_Messages();
        Test_Environment::Clear_Log();
    }
    void TearDown() override {
        // The drawing effects report through message boxes only.
        EXPECT_TRUE(Test_Environment::Log_Lines().isEmpty());
    }
};

// Rectangle (100, 200)-(1100, 800) in 4 steps: StepX 250, StepY 150.
std::vector<Drawn_Box> Shade_Boxes(qint16 mode, qint16 steps = 4) {
    Recording_Surface surface(6960, 3015);
    ShadeFX(mode, 10, 20, 30, steps, 100, 200, 1100, 800, surface);
    return surface.drawn;
}

struct Sliding_Case {
    std::string name;
    qint16 mode;
    Drawn_Box second, last; // boxes 1 and 4 of 0..4
};

class Sliding_Modes : public Form_Graphics_Test,
                      public testing::WithParamInterface<Sliding_Case> {};

TEST_P(Sliding_Modes, boxes_shrink_towards_their_side_one_step_lighter_each) {
    const Sliding_Case& c = GetParam();
    const std::vector<Drawn_Box> boxes = Shade_Boxes(c.mode);
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[0], Filled(100, 200, 1100, 800, Base_Plus(0)));
    EXPECT_EQ(boxes[1], c.second);
    EXPECT_EQ(boxes[4], c.last);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(boxes[i].colour, Base_Plus(i)) << "box " << i;
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Modes_1_to_8, Sliding_Modes,
    testing::Values(Sliding_Case{"mode_1_top_edge", 1, Filled(100, 200, 1100, 650, Base_Plus(1)),
                                 Filled(100, 200, 1100, 200, Base_Plus(4))},
                    Sliding_Case{"mode_2_bottom_edge", 2, Filled(100, 350, 1100, 800, Base_Plus(1)),
                                 Filled(100, 800, 1100, 800, Base_Plus(4))},
                    Sliding_Case{"mode_3_left_edge", 3, Filled(100, 200, 850, 800, Base_Plus(1)),
                                 Filled(100, 200, 100, 800, Base_Plus(4))},
                    Sliding_Case{"mode_4_right_edge", 4, Filled(350, 200, 1100, 800, Base_Plus(1)),
                                 Filled(1100, 200, 1100, 800, Base_Plus(4))},
                    Sliding_Case{"mode_5_top_left", 5, Filled(100, 200, 850, 650, Base_Plus(1)),
                                 Filled(100, 200, 100, 200, Base_Plus(4))},
                    Sliding_Case{"mode_6_top_right", 6, Filled(350, 200, 1100, 650, Base_Plus(1)),
                                 Filled(1100, 200, 1100, 200, Base_Plus(4))},
                    Sliding_Case{"mode_7_bottom_left", 7, Filled(100, 350, 850, 800, Base_Plus(1)),
                                 Filled(100, 800, 100, 800, Base_Plus(4))},
                    Sliding_Case{"mode_8_bottom_right", 8,
                                 Filled(350, 350, 1100, 800, Base_Plus(1)),
                                 Filled(1100, 800, 1100, 800, Base_Plus(4))}),
    Test_Tables::Row_Name<Sliding_Case>);

using Symmetric_Case = Test_Tables::Row<qint16, std::vector<Drawn_Box>>; // a mode, its boxes

class Symmetric_Modes : public Form_Graphics_Test,
                        public testing::WithParamInterface<Symmetric_Case> {};

TEST_P(Symmetric_Modes, boxes_close_in_towards_the_centre) {
    EXPECT_EQ(Shade_Boxes(GetParam().input), GetParam().expected);
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Modes_9_to_13, Symmetric_Modes,
    testing::Values(Symmetric_Case{"mode_9_horizontal_band_darkening",
                                   9,
                                   {Filled(100, 200, 1100, 800, Base_Plus(4)),
                                    Filled(100, 350, 1100, 650, Base_Plus(2)),
                                    Filled(100, 500, 1100, 500, Base_Plus(0))}},
                    Symmetric_Case{"mode_10_horizontal_band_lightening",
                                   10,
                                   {Filled(100, 200, 1100, 800, Base_Plus(2)),
                                    Filled(100, 350, 1100, 650, Base_Plus(4)),
                                    Filled(100, 500, 1100, 500, Base_Plus(6))}},
                    Symmetric_Case{"mode_11_vertical_band_darkening",
                                   11,
                                   {Filled(100, 200, 1100, 800, Base_Plus(4)),
                                    Filled(350, 200, 850, 800, Base_Plus(2)),
                                    Filled(600, 200, 600, 800, Base_Plus(0))}},
                    Symmetric_Case{"mode_12_vertical_band_lightening",
                                   12,
                                   {Filled(100, 200, 1100, 800, Base_Plus(2)),
                                    Filled(350, 200, 850, 800, Base_Plus(4)),
                                    Filled(600, 200, 600, 800, Base_Plus(6))}},
                    Symmetric_Case{"mode_13_centre_point_lightening",
                                   13,
                                   {Filled(100, 200, 1100, 800, Base_Plus(2)),
                                    Filled(350, 350, 850, 650, Base_Plus(4)),
                                    Filled(600, 500, 600, 500, Base_Plus(6))}}),
    Test_Tables::Row_Name<Symmetric_Case>);

TEST_F(Form_Graphics_Test, shade_modes_outside_1_to_13_draw_nothing) {
    for (const qint16 mode : {0, 14, -1, 32767})
        EXPECT_TRUE(Shade_Boxes(mode).empty()) << "mode " << mode;
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

TEST_F(Form_Graphics_Test, about_gradient_follows_the_worked_case) {
    Recording_Surface surface(6960, 3015);
    ShadeFX(5, 10, 100, 175, 125, 0, 0, 6960, 3015, surface);
    ASSERT_EQ(surface.drawn.size(), 126u);
    for (int i = 0; i <= 125; ++i) {
        const QColor colour(10 + i, 100 + i, std::min(175 + i, 255));
        EXPECT_EQ(surface.drawn[i], Filled(0, 0, 6960 - 56 * i, 3015 - 24 * i, colour))
            << "box " << i;
    }
    EXPECT_EQ(surface.drawn[79].colour.blue(), 254);
    EXPECT_EQ(surface.drawn[80].colour.blue(), 255);
    EXPECT_EQ(surface.drawn[125], Filled(0, 0, -40, 15, QColor(135, 225, 255)));
}

TEST_F(Form_Graphics_Test, zero_steps_is_a_division_by_zero_before_anything_is_drawn) {
    EXPECT_TRUE(Shade_Boxes(1, 0).empty());
    EXPECT_EQ(Test_Environment::Messages(), QStringList{"ShadeFX: Division by zero 11"});
}

TEST_F(Form_Graphics_Test, negative_steps_draw_nothing) {
    EXPECT_TRUE(Shade_Boxes(5, -3).empty());
    EXPECT_TRUE(Shade_Boxes(9, -3).empty());
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

TEST_F(Form_Graphics_Test, darkening_modes_with_odd_steps_stop_at_a_negative_component) {
    // 3 steps: Half rounds 1.5 up to 2 and the last box would be base - 1.
    for (const qint16 mode : {9, 11}) {
        Test_Environment::Clear_Messages();
        Recording_Surface surface(6960, 3015);
        ShadeFX(mode, 0, 50, 100, 3, 0, 0, 600, 600, surface);
        ASSERT_EQ(surface.drawn.size(), 2u) << "mode " << mode;
        EXPECT_EQ(surface.drawn[0].colour, QColor(3, 53, 103));
        EXPECT_EQ(surface.drawn[1].colour, QColor(1, 51, 101));
        EXPECT_EQ(Test_Environment::Messages(),
                  QStringList{"ShadeFX: Invalid procedure call or argument 5"});
    }
}

TEST_F(Form_Graphics_Test, negative_base_component_fails_before_the_first_box) {
    Recording_Surface surface(6960, 3015);
    ShadeFX(1, 10, -1, 10, 4, 0, 0, 600, 600, surface);
    EXPECT_TRUE(surface.drawn.empty());
    EXPECT_EQ(Test_Environment::Messages(),
              QStringList{"ShadeFX: Invalid procedure call or argument 5"});
}

TEST_F(Form_Graphics_Test, component_overflow_ends_the_gradient_where_it_stood) {
    Recording_Surface surface(6960, 3015);
    ShadeFX(1, 32767, 0, 0, 3, 0, 0, 600, 600, surface);
    ASSERT_EQ(surface.drawn.size(), 1u);
    EXPECT_EQ(surface.drawn[0].colour, QColor(255, 0, 0));
    EXPECT_EQ(Test_Environment::Messages(), QStringList{"ShadeFX: Overflow 6"});
}

TEST_F(Form_Graphics_Test, coordinate_overflow_in_shade_draws_nothing) {
    Recording_Surface surface(6960, 3015);
    ShadeFX(1, 10, 20, 30, 4, 0, -20000, 600, 20000, surface);
    EXPECT_TRUE(surface.drawn.empty());
    EXPECT_EQ(Test_Environment::Messages(), QStringList{"ShadeFX: Overflow 6"});
}

// PaintFX

Drawn_Box Border(double width, double height, QColor colour) {
    return {Drawn_Box::Outline, 0, 0, width - 15, height - 15, colour};
}

std::vector<Drawn_Box> Paint(qint16 style, qint16 shade, qint16 steps, qint16 x1, qint16 y1,
                             qint16 x2, qint16 y2) {
    Recording_Surface surface(600, 450);
    PaintFX(style, shade, 10, 20, 30, steps, x1, y1, x2, y2, surface);
    return surface.drawn;
}

// What ShadeFX alone draws, framed by PaintFX's Cls and border.
std::vector<Drawn_Box> Framed(const std::vector<std::vector<Drawn_Box>>& gradients) {
    std::vector<Drawn_Box> expected{{Drawn_Box::Cleared, 0, 0, 0, 0, QColor()}};
    for (const auto& gradient : gradients)
        expected.insert(expected.end(), gradient.begin(), gradient.end());
    expected.push_back(Border(600, 450, Base_Plus(0)));
    return expected;
}

// Each style's first two gradient boxes tell its mode apart; the literals are
// those of the mode tables above, for the same rectangle and steps.
struct Style_Case {
    std::string name;
    qint16 style;
    Drawn_Box first, second;
    std::size_t boxes; // 5 for a sliding mode, 3 for a symmetric one
};

class Paint_Styles : public Form_Graphics_Test, public testing::WithParamInterface<Style_Case> {};

TEST_P(Paint_Styles, paint_clears_shades_the_styles_mode_and_outlines_the_client_area) {
    const Style_Case& c = GetParam();
    const std::vector<Drawn_Box> drawn = Paint(c.style, 3, 4, 100, 200, 1100, 800);
    ASSERT_EQ(drawn.size(), c.boxes + 2);
    EXPECT_EQ(drawn.front().kind, Drawn_Box::Cleared);
    EXPECT_EQ(drawn[1], c.first);
    EXPECT_EQ(drawn[2], c.second);
    EXPECT_EQ(drawn.back(), Border(600, 450, Base_Plus(0)));
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

const Drawn_Box Whole = Filled(100, 200, 1100, 800, Base_Plus(0));

INSTANTIATE_TEST_SUITE_P(
    Styles, Paint_Styles,
    testing::Values(Style_Case{"style_1_uses_the_shade_mode", 1, Whole,
                               Filled(100, 200, 850, 800, Base_Plus(1)), 5},
                    Style_Case{"style_2_is_mode_9", 2, Filled(100, 200, 1100, 800, Base_Plus(4)),
                               Filled(100, 350, 1100, 650, Base_Plus(2)), 3},
                    Style_Case{"style_3_is_mode_10", 3, Filled(100, 200, 1100, 800, Base_Plus(2)),
                               Filled(100, 350, 1100, 650, Base_Plus(4)), 3},
                    Style_Case{"style_4_is_mode_11", 4, Filled(100, 200, 1100, 800, Base_Plus(4)),
                               Filled(350, 200, 850, 800, Base_Plus(2)), 3},
                    Style_Case{"style_5_is_mode_12", 5, Filled(100, 200, 1100, 800, Base_Plus(2)),
                               Filled(350, 200, 850, 800, Base_Plus(4)), 3},
                    Style_Case{"style_7_is_mode_13", 7, Filled(100, 200, 1100, 800, Base_Plus(2)),
                               Filled(350, 350, 850, 650, Base_Plus(4)), 3}),
    Test_Tables::Row_Name<Style_Case>);

// Each quarter slides towards its own outer corner, so its last box sits
// there: top-left (mode 5), top-right (6), bottom-left (7), bottom-right (8).
TEST_F(Form_Graphics_Test, style_6_shades_each_quarter_towards_its_outer_corner) {
    // Half of 1001 is 500.5 and of 601 300.5: both round to the even 500 and
    // 300, and so do the far quarters' steps of 250.5 and 150.5.
    const QColor c0 = Base_Plus(0), c1 = Base_Plus(1), c2 = Base_Plus(2);
    EXPECT_EQ(
        Paint(6, 1, 2, 0, 0, 1001, 601),
        Framed({{Filled(0, 0, 500, 300, c0), Filled(0, 0, 250, 150, c1), Filled(0, 0, 0, 0, c2)},
                {Filled(500, 0, 1001, 300, c0), Filled(750, 0, 1001, 150, c1),
                 Filled(1000, 0, 1001, 0, c2)},
                {Filled(0, 300, 500, 601, c0), Filled(0, 450, 250, 601, c1),
                 Filled(0, 600, 0, 601, c2)},
                {Filled(500, 300, 1001, 601, c0), Filled(750, 450, 1001, 601, c1),
                 Filled(1000, 600, 1001, 601, c2)}}));
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

TEST_F(Form_Graphics_Test, style_6_splits_at_the_rounded_half) {
    // 1003 / 2 = 501.5 rounds up to the even 502: each quarter's first box.
    const std::vector<Drawn_Box> drawn = Paint(6, 1, 2, 0, 0, 1003, 600);
    ASSERT_EQ(drawn.size(), 14u); // Cls, three boxes per quarter, border
    const QColor base = Base_Plus(0);
    EXPECT_EQ(drawn[1], Filled(0, 0, 502, 300, base));
    EXPECT_EQ(drawn[4], Filled(502, 0, 1003, 300, base));
    EXPECT_EQ(drawn[7], Filled(0, 300, 502, 600, base));
    EXPECT_EQ(drawn[10], Filled(502, 300, 1003, 600, base));
}

TEST_F(Form_Graphics_Test, style_6_failing_quarters_still_leave_the_others_and_the_border) {
    EXPECT_EQ(Paint(6, 1, 0, 0, 0, 1000, 600), Framed({}));
    EXPECT_EQ(Test_Environment::Messages(),
              QStringList(4, QStringLiteral("ShadeFX: Division by zero 11")));
}

TEST_F(Form_Graphics_Test, coordinate_overflow_in_the_quarters_stops_before_the_border) {
    const std::vector<Drawn_Box> expected{{Drawn_Box::Cleared, 0, 0, 0, 0, QColor()}};
    EXPECT_EQ(Paint(6, 1, 4, -20000, 0, 20000, 600), expected);
    EXPECT_EQ(Paint(6, 1, 4, 0, 20000, 600, -20000), expected);
    EXPECT_EQ(Test_Environment::Messages(), QStringList(2, QStringLiteral("PaintFX: Overflow 6")));
}

TEST_F(Form_Graphics_Test, styles_without_a_gradient_clear_and_draw_the_border_only) {
    for (const qint16 style : {0, 8, -1, 100})
        EXPECT_EQ(Paint(style, 1, 4, 0, 0, 600, 450), Framed({})) << "style " << style;
    EXPECT_EQ(Paint(1, 14, 4, 0, 0, 600, 450), Framed({}));
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

TEST_F(Form_Graphics_Test, border_follows_the_client_area_not_the_gradient_rectangle) {
    Recording_Surface surface(6960, 3015);
    PaintFX(1, 5, 10, 100, 175, 2, 300, 300, 900, 600, surface);
    EXPECT_EQ(surface.drawn.back(), Border(6960, 3015, QColor(10, 100, 175)));
}

TEST_F(Form_Graphics_Test, border_colour_holds_components_above_255) {
    Recording_Surface surface(600, 450);
    PaintFX(0, 0, 300, 256, 1000, 4, 0, 0, 600, 450, surface);
    EXPECT_EQ(surface.drawn.back(), Border(600, 450, QColor(255, 255, 255)));
}

TEST_F(Form_Graphics_Test, negative_base_component_fails_the_gradient_and_the_border) {
    Recording_Surface surface(600, 450);
    PaintFX(1, 1, 10, 20, -30, 4, 0, 0, 600, 450, surface);
    ASSERT_EQ(surface.drawn.size(), 1u);
    EXPECT_EQ(surface.drawn[0].kind, Drawn_Box::Cleared);
    EXPECT_EQ(Test_Environment::Messages(),
              QStringList({"ShadeFX: Invalid procedure call or argument 5",
                           "PaintFX: Invalid procedure call or argument 5"}));
}

// The same cases in pixels, on a window's persistent surface.

class Painted_Pixels : public Form_Graphics_Test {
protected:
    void SetUp() override {
        Form_Graphics_Test::SetUp();
        window.resize(40, 30);                            // 600 x 450 twips
        surface.Line_Filled_Box(0, 0, 600, 450, Qt::red); // left over from earlier drawing
    }

    QColor At(int x, int y) const { return surface.Image().pixelColor(x, y); }

    bool On_Ring(int x, int y) const { return x == 0 || y == 0 || x == 39 || y == 29; }

    // Every pixel of the ring in one colour, every other pixel in another.
    void Expect_Ring(QColor ring, QColor inside) const {
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(At(x, y), On_Ring(x, y) ? ring : inside) << "pixel " << x << ", " << y;
    }

    QWidget window;
    Surface_Image surface{window, Qt::white};
};

TEST_F(Painted_Pixels, styles_0_and_8_give_the_border_only) {
    for (const qint16 style : {0, 8}) {
        PaintFX(style, 1, 10, 20, 30, 4, 0, 0, 600, 450, surface);
        Expect_Ring(Base_Plus(0), Qt::white);
    }
}

TEST_F(Painted_Pixels, zero_steps_gives_the_message_then_the_border) {
    PaintFX(1, 5, 10, 20, 30, 0, 0, 0, 600, 450, surface);
    EXPECT_EQ(Test_Environment::Messages(), QStringList{"ShadeFX: Division by zero 11"});
    Expect_Ring(Base_Plus(0), Qt::white);
}

TEST_F(Painted_Pixels, style_6_overflow_leaves_a_cleared_surface_without_border) {
    PaintFX(6, 1, 10, 20, 30, 4, -20000, 0, 20000, 450, surface);
    EXPECT_EQ(Test_Environment::Messages(), QStringList{"PaintFX: Overflow 6"});
    Expect_Ring(Qt::white, Qt::white);
}

TEST_F(Painted_Pixels, darkening_modes_stop_before_the_centre_box) {
    // Style 2 is mode 9 (horizontal band), style 4 mode 11 (vertical band).
    for (const qint16 style : {2, 4}) {
        Test_Environment::Clear_Messages();
        PaintFX(style, 1, 0, 50, 100, 3, 0, 0, 600, 450, surface);
        EXPECT_EQ(Test_Environment::Messages(),
                  QStringList{"ShadeFX: Invalid procedure call or argument 5"});
        EXPECT_EQ(At(20, 15), QColor(1, 51, 101)) << "centre, style " << style;
        EXPECT_EQ(At(1, 1), QColor(3, 53, 103)) << "corner, style " << style;
        EXPECT_EQ(At(0, 0), QColor(0, 50, 100)) << "border, style " << style;
    }
}

TEST_F(Painted_Pixels, mode_8_is_lightest_in_the_bottom_right_corner) {
    PaintFX(1, 8, 10, 20, 30, 10, 0, 0, 600, 450, surface);
    EXPECT_EQ(At(38, 28), Base_Plus(9)); // box 10 lies beyond the last pixel
    EXPECT_EQ(At(1, 1), Base_Plus(0));
    EXPECT_LT(At(10, 10).red(), At(30, 20).red());
}

// SetTranslucent

TEST_F(Form_Graphics_Test, set_translucent_maps_0_to_255_onto_the_window_opacity) {
    QWidget window;
    for (const qint16 opacity : {0, 235, 255, 128}) {
        SetTranslucent(window, opacity);
        EXPECT_NEAR(window.windowOpacity(), opacity / 255.0, 1.0 / 512) << "opacity " << opacity;
    }
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

TEST_F(Form_Graphics_Test, set_translucent_outside_a_byte_reports_and_leaves_the_opacity) {
    QWidget window;
    SetTranslucent(window, 235);
    for (const qint16 opacity : {-1, 256, 32767, -32768})
        SetTranslucent(window, opacity);
    EXPECT_NEAR(window.windowOpacity(), 235 / 255.0, 1.0 / 512);
    EXPECT_EQ(Test_Environment::Messages(),
              QStringList(4, QStringLiteral("SetTranslucent: Overflow 6")));
}

} // namespace
