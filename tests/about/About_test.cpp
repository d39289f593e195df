// SPDX-License-Identifier: MIT
#include "About.h"
#include "AppNotes.h"
#include "App_Identity.h"
#include "Test_Environment.h"

#include <QFontInfo>
#include <QLabel>
#include <QMetaProperty>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int Width = 464;  // 6960 twips
constexpr int Height = 201; // 3015 twips
const QColor Base(10, 100, 175);

class About_Test : public testing::Test {
protected:
    void SetUp() override {
        Test_Environment::Clear_Messages();
        Test_Environment::Clear_Log();
    }
    void TearDown() override { EXPECT_TRUE(Test_Environment::Log_Lines().isEmpty()); }

    QLabel& Info(int index) {
        auto* label = about.findChild<QLabel*>(QStringLiteral("Info_%1").arg(index));
        if (!label)
            throw std::runtime_error("no label Info_" + std::to_string(index));
        return *label;
    }
    QTimer& Max_Time() { return *about.findChild<QTimer*>(QStringLiteral("Max_Time")); }

    // A point of the painted background that no label covers.
    QPoint Background_Point(QPoint point) {
        EXPECT_EQ(about.childAt(point), nullptr)
            << "a label covers " << point.x() << ", " << point.y();
        return point;
    }

    About about;
};

// Properties and loading

TEST_F(About_Test, properties_are_qt_properties_with_their_defaults) {
    const QMetaObject* meta = about.metaObject();
    const QMetaProperty notes = meta->property(meta->indexOfProperty("App_Notes"));
    const QMetaProperty opacity = meta->property(meta->indexOfProperty("Form_Transparency"));
    ASSERT_TRUE(notes.isValid());
    ASSERT_TRUE(opacity.isValid());
    EXPECT_EQ(notes.metaType(), QMetaType::fromType<QString>());
    EXPECT_EQ(opacity.metaType(), QMetaType::fromType<qint16>());
    EXPECT_EQ(about.property("App_Notes").toString(), QString());
    EXPECT_EQ(about.property("Form_Transparency").toInt(), 0);

    EXPECT_TRUE(about.setProperty("App_Notes", QStringLiteral("notes")));
    EXPECT_TRUE(about.setProperty("Form_Transparency", 235));
    EXPECT_EQ(about.App_Notes(), QStringLiteral("notes"));
    EXPECT_EQ(about.Form_Transparency(), 235);
}

TEST_F(About_Test, nothing_loads_before_the_window_is_shown) {
    about.Set_App_Notes(QStringLiteral("notes"));
    EXPECT_EQ(about.objectName(), QStringLiteral("About"));
    EXPECT_NE(about.windowTitle(), QStringLiteral("Tessaly"));
    EXPECT_NE(Info(0).text(), QStringLiteral("Application: Tessaly"));
    EXPECT_NE(Info(4).text(), QStringLiteral("notes"));
    EXPECT_FALSE(Max_Time().isActive());
}

TEST_F(About_Test, showing_loads_the_captions_and_reads_the_properties) {
    about.Set_App_Notes(QStringLiteral("Some notes"));
    about.Set_Form_Transparency(235);
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Tessaly"));
    EXPECT_EQ(Info(0).text(), QStringLiteral("Application: Tessaly"));
    EXPECT_EQ(Info(1).text(), QStringLiteral("Version:  1.0.24"));
    EXPECT_EQ(Info(2).text(), QStringLiteral("Compiled on: 02/02/2013"));
    EXPECT_EQ(Info(3).text(), QString::fromLatin1(AppNotes::Licence_Notice));
    EXPECT_EQ(Info(4).text(), QStringLiteral("Some notes"));
    EXPECT_EQ(Info(5).text(), QStringLiteral("Developed by: Harrowmere"));
    EXPECT_NEAR(about.windowOpacity(), 235 / 255.0, 1.0 / 512);
    EXPECT_TRUE(Test_Environment::Messages().isEmpty());
}

TEST_F(About_Test, default_transparency_makes_the_window_fully_transparent) {
    about.show();
    EXPECT_EQ(about.windowOpacity(), 0.0);
}

TEST_F(About_Test, transparency_outside_a_byte_is_reported_and_loading_goes_on) {
    about.Set_Form_Transparency(300);
    about.show();
    EXPECT_EQ(Test_Environment::Messages(), QStringList{"SetTranslucent: Overflow 6"});
    EXPECT_EQ(Info(5).text(), QStringLiteral("Developed by: Harrowmere"));
    EXPECT_EQ(about.Surface().Image().pixelColor(0, 0), Base);
}

TEST_F(About_Test, reopening_loads_afresh_with_the_new_properties) {
    about.Set_App_Notes(QStringLiteral("first"));
    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    ASSERT_FALSE(about.isVisible());
    about.Set_App_Notes(QStringLiteral("second"));
    about.Set_Form_Transparency(128);
    about.show();
    EXPECT_EQ(Info(4).text(), QStringLiteral("second"));
    EXPECT_NEAR(about.windowOpacity(), 128 / 255.0, 1.0 / 512);
    EXPECT_TRUE(Max_Time().isActive());
    EXPECT_EQ(Max_Time().timerType(), Qt::PreciseTimer); // closes at 30 s, not 29.6 to 30.3
}

// Window and labels

TEST_F(About_Test, window_is_a_fixed_dialog_of_6960_by_3015_twips_with_the_tick_icon) {
    about.show();
    EXPECT_EQ(about.size(), QSize(Width, Height));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(about.windowIcon().pixmap(32, 32).toImage(),
              App_Icons::Tick_Icon().pixmap(32, 32).toImage());
}

TEST_F(About_Test, loading_centres_the_window_on_its_screen) {
    about.show();
    const QPoint screen_centre = about.screen()->geometry().center();
    EXPECT_LE((about.frameGeometry().center() - screen_centre).manhattanLength(), 2);
}

TEST_F(About_Test, labels_use_comic_sans_or_its_stand_in) {
    about.show();
    for (int index = 0; index < 6; ++index) {
        const QFont font = Info(index).font();
        EXPECT_EQ(font.family(), QStringLiteral("Comic Sans MS")) << "Info_" << index;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), index == 5 ? 8.25 : 9.75) << "Info_" << index;
        EXPECT_TRUE(QFontInfo(font).family().startsWith(QStringLiteral("Comic")))
            << QFontInfo(font).family().toStdString();
        EXPECT_FALSE(Info(index).autoFillBackground()) << "Info_" << index;
    }
}

TEST_F(About_Test, growing_labels_fit_their_text_from_their_designed_corner) {
    about.show();
    const QPoint designed[] = {{4, 4}, {4, 24}, {4, 44}, {4, 64}};
    for (int index = 0; index < 4; ++index) {
        QLabel& label = Info(index);
        EXPECT_EQ(label.pos(), designed[index]) << "Info_" << index;
        EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(label.text()))
            << "Info_" << index;
        EXPECT_GE(label.height(), label.fontMetrics().height()) << "Info_" << index;
    }
    // Info(5) keeps its bottom-right corner at (6840, 2925) twips.
    QLabel& corner = Info(5);
    EXPECT_EQ(corner.geometry().right(), 455);
    EXPECT_EQ(corner.geometry().bottom(), 194);
    EXPECT_GE(corner.width(), corner.fontMetrics().horizontalAdvance(corner.text()));
    EXPECT_GE(corner.geometry().left(), 0);
}

TEST_F(About_Test, notes_block_keeps_its_size_wraps_and_clips_at_its_bottom) {
    QString notes;
    for (int line = 0; line < 30; ++line)
        notes += QStringLiteral("Line %1 of notes that is long enough to wrap inside the block "
                                "at a word boundary.\n")
                     .arg(line);
    about.Set_App_Notes(notes);
    about.show();
    QLabel& block = Info(4);
    EXPECT_EQ(block.geometry(), QRect(4, 84, 454, 95));
    EXPECT_TRUE(block.wordWrap());
    // Below the block, left of Info(5), only the painted background shows.
    const QImage shown = about.grab().toImage();
    for (int y = block.geometry().bottom() + 1; y < Height; ++y)
        for (int x = 0; x < Info(5).x(); ++x)
            ASSERT_EQ(shown.pixelColor(x, y), about.Surface().Image().pixelColor(x, y))
                << "pixel " << x << ", " << y;
}

TEST_F(About_Test, empty_notes_let_the_gradient_show_through_the_block) {
    about.show();
    const QImage shown = about.grab().toImage();
    const QRect block = Info(4).geometry();
    for (int y = block.top(); y <= block.bottom(); ++y)
        for (int x = block.left(); x <= block.right(); ++x)
            ASSERT_EQ(shown.pixelColor(x, y), about.Surface().Image().pixelColor(x, y))
                << "pixel " << x << ", " << y;
}

// The painted background

// Pixel p covers the twips 15 p to 15 p + 14 and a box includes its corner
// pixels, so box i = (0, 0)-(6960 - 56 i, 3015 - 24 i) covers the pixels from
// 0 to the floor of its corner / 15, either side of 0.
int Floor_Div_15(int twips) {
    return twips >= 0 ? twips / 15 : -((-twips + 14) / 15);
}

bool Box_Covers(int i, int x, int y) {
    const int right = Floor_Div_15(6960 - 56 * i);
    const int bottom = Floor_Div_15(3015 - 24 * i);
    return x >= std::min(0, right) && x <= std::max(0, right) && y >= std::min(0, bottom) &&
           y <= std::max(0, bottom);
}

QColor Expected_Pixel(int x, int y) {
    if (x == 0 || y == 0 || x == Width - 1 || y == Height - 1)
        return Base; // the border ring
    int last = -1;
    for (int i = 0; i <= 125; ++i)
        if (Box_Covers(i, x, y))
            last = i;
    return QColor(10 + last, 100 + last, std::min(175 + last, 255));
}

TEST_F(About_Test, background_is_the_style_1_mode_5_gradient_with_its_border) {
    about.show();
    const QImage& painted = about.Surface().Image();
    ASSERT_EQ(painted.size(), QSize(Width, Height));
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            ASSERT_EQ(painted.pixelColor(x, y), Expected_Pixel(x, y)) << "pixel " << x << ", " << y;
}

TEST_F(About_Test, background_darkest_bottom_right_lighter_towards_top_left) {
    about.show();
    const QImage& painted = about.Surface().Image();
    for (int y = 1; y < Height - 1; ++y)
        EXPECT_EQ(painted.pixelColor(462, y), Base) << "right band, row " << y;
    for (int x = 0; x < Width; ++x) {
        EXPECT_EQ(painted.pixelColor(x, 0), Base) << "top border, column " << x;
        EXPECT_EQ(painted.pixelColor(x, Height - 1), Base) << "bottom border, column " << x;
    }
    for (int y = 0; y < Height; ++y) {
        EXPECT_EQ(painted.pixelColor(0, y), Base) << "left border, row " << y;
        EXPECT_EQ(painted.pixelColor(Width - 1, y), Base) << "right border, row " << y;
    }
    EXPECT_EQ(painted.pixelColor(1, 1), QColor(134, 224, 255));
    // Along the diagonal each step towards the top-left is at least as light.
    for (int x = 2; x < 460; ++x) {
        const int y = x * (Height - 2) / (Width - 2);
        const QColor nearer = painted.pixelColor(x - 1, std::max(1, y - 1));
        EXPECT_GE(nearer.red(), painted.pixelColor(x, y).red()) << "column " << x;
    }
}

TEST_F(About_Test, blue_holds_at_255_from_box_80_on) {
    about.show();
    const QImage& painted = about.Surface().Image();
    // Box 79 reaches pixel 168 across, box 80 pixel 165: columns 166 to 168
    // show box 79 on row 1, column 165 box 80.
    EXPECT_EQ(painted.pixelColor(168, 1), QColor(89, 179, 254));
    EXPECT_EQ(painted.pixelColor(165, 1), QColor(90, 180, 255));
    // Box 97 is the last to reach column 100: 6960 - 56 * 97 = 1528 twips.
    EXPECT_EQ(painted.pixelColor(100, 1), QColor(10 + 97, 100 + 97, 255));
}

TEST_F(About_Test, window_shows_the_painted_background_on_every_repaint) {
    about.show();
    const QPoint points[] = {Background_Point({461, 100}), Background_Point({1, 195}),
                             Background_Point({440, 5}), Background_Point({0, 0})};
    for (int repaint = 0; repaint < 3; ++repaint) {
        about.repaint();
        const QImage shown = about.grab().toImage();
        for (const QPoint point : points)
            EXPECT_EQ(shown.pixelColor(point), Expected_Pixel(point.x(), point.y()))
                << "pixel " << point.x() << ", " << point.y() << ", repaint " << repaint;
    }
}

// Closing

TEST_F(About_Test, escape_closes_on_release) {
    about.show();
    QTest::keyPress(&about, Qt::Key_Escape);
    EXPECT_TRUE(about.isVisible());
    QTest::keyRelease(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(Max_Time().isActive());
}

TEST_F(About_Test, other_keys_leave_the_window_open) {
    about.show();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_A, Qt::Key_Tab,
                              Qt::Key_F1, Qt::Key_Backspace}) {
        QTest::keyClick(&about, key);
        EXPECT_TRUE(about.isVisible()) << "closed by key " << key;
    }
    QTest::keyClick(&about, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_FALSE(about.isVisible()) << "Escape with Shift is still Escape";
}

TEST_F(About_Test, any_mouse_button_pressed_on_the_background_closes) {
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        about.show();
        QTest::mousePress(&about, button, Qt::ControlModifier, Background_Point({461, 100}));
        EXPECT_FALSE(about.isVisible()) << "button " << button;
    }
    about.show();
    QTest::mouseClick(&about, Qt::LeftButton, {}, Background_Point({100, 190}));
    EXPECT_FALSE(about.isVisible());
}

TEST_F(About_Test, a_press_on_a_label_leaves_the_window_open) {
    about.Set_App_Notes(QStringLiteral("notes"));
    about.show();
    for (int index = 0; index < 6; ++index) {
        QLabel& label = Info(index);
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            QTest::mouseClick(&label, button, {}, label.rect().center());
            QTest::mouseDClick(&label, button, {}, label.rect().center());
        }
        EXPECT_TRUE(about.isVisible()) << "Info_" << index;
    }
}

TEST_F(About_Test, close_box_closes_and_stops_the_timer) {
    about.show();
    EXPECT_TRUE(about.close());
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(Max_Time().isActive());
}

TEST_F(About_Test, max_time_runs_30_seconds_from_load) {
    EXPECT_EQ(Max_Time().interval(), 30000);
    EXPECT_FALSE(Max_Time().isActive());
    about.show();
    EXPECT_TRUE(Max_Time().isActive());
    EXPECT_EQ(Max_Time().interval(), 30000);
}

TEST_F(About_Test, max_time_closes_the_window) {
    Max_Time().setInterval(10);
    about.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !about.isVisible(); }, 20000));
    EXPECT_FALSE(Max_Time().isActive());
}

TEST_F(About_Test, modal_show_returns_once_escape_closes_the_window) {
    bool open_after_escape = true;
    QTimer::singleShot(0, &about, [&] {
        EXPECT_TRUE(about.isModal() || about.testAttribute(Qt::WA_ShowModal));
        QTest::keyClick(&about, Qt::Key_Escape);
        open_after_escape = about.isVisible();
        if (open_after_escape)
            about.reject(); // don't hang the test
    });
    about.exec();
    EXPECT_FALSE(open_after_escape);
    EXPECT_FALSE(about.isVisible());
}

} // namespace
