// SPDX-License-Identifier: MIT
// The main and ASCII table windows take every colour from the palette, so
// that dark and high-contrast themes reach every control.
#include "ASCII_Table.h"
#include "Edge_Style.h"
#include "Number_Field.h"
#include "Tessaly.h"
#include "Test_Palettes.h"
#include "Twips.h"
#include "Widest_Results.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The application's palette for one test; the one before it afterwards.
class Palette_Scope {
public:
    explicit Palette_Scope(const QPalette& palette) : before_(QApplication::palette()) {
        QApplication::setPalette(palette);
    }
    ~Palette_Scope() { QApplication::setPalette(before_); }
    Palette_Scope(const Palette_Scope&) = delete;
    Palette_Scope& operator=(const Palette_Scope&) = delete;

private:
    const QPalette before_;
};

// Shown_Main_Window installs the program's style application-wide: each test
// puts back the style it found, so that no later test depends on link order.
class Palette : public testing::Test {
protected:
    void TearDown() override {
        if (QApplication::style() != style_before_)
            QApplication::setStyle(name_before_);
    }
    const QStyle* const style_before_ = QApplication::style();
    const QString name_before_ = QApplication::style()->name();
};

// A dark palette whose text roles all differ, so that a control drawn with
// the wrong role shows in its pixels.
QPalette Distinct_Text_Roles() {
    QPalette palette = Test_Palettes::Dark();
    palette.setColor(QPalette::WindowText, QColor(255, 200, 0));
    palette.setColor(QPalette::Text, QColor(0, 220, 255));
    palette.setColor(QPalette::ButtonText, QColor(255, 0, 200));
    return palette;
}

// Antialiased text blends its colour into the background channel by
// channel, so each channel lies between the two.
bool Is_Blend(QColor pixel, QColor background, QColor text) {
    auto within = [](int value, int a, int b) {
        constexpr int Rounding = 2;
        return value >= std::min(a, b) - Rounding && value <= std::max(a, b) + Rounding;
    };
    return within(pixel.red(), background.red(), text.red()) &&
           within(pixel.green(), background.green(), text.green()) &&
           within(pixel.blue(), background.blue(), text.blue());
}

// How far the pixel has gone from the background towards the text colour,
// 0 to 1, measured on the red channel, where the two differ most.
double Text_Share(QColor pixel, QColor background, QColor text) {
    return double(pixel.red() - background.red()) / double(text.red() - background.red());
}

std::unique_ptr<Tessaly> Shown_Main_Window() {
    Install_Edge_Style(); // as the program's start does
    auto window = std::make_unique<Tessaly>();
    Show_Widest_Results(*window);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
}

std::unique_ptr<ASCII_Table> Shown_ASCII_Table() {
    auto table = std::make_unique<ASCII_Table>();
    table->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    return table;
}

TEST_F(Palette, Status_Lines_Are_Drawn_In_The_Window_Text_Colour) {
    const Palette_Scope scope(Distinct_Text_Roles());
    const auto window = Shown_Main_Window();
    const QColor background = QApplication::palette().color(QPalette::Window);
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    for (int row = 0; row < Rows::Count; ++row) {
        const QImage image = window->Status(row)->grab().toImage();
        double strongest = 0;
        int foreign = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                strongest = std::max(strongest, Text_Share(pixel, background, text));
                foreign += !Is_Blend(pixel, background, text);
            }
        // Hinted glyph stems cover whole pixels, or nearly.
        EXPECT_GT(strongest, 0.9) << "Status_" << row;
        EXPECT_EQ(foreign, 0) << "Status_" << row << " has colours of another role";
    }
}

void Expect_Palette_Colours_Only(const QWidget& window) {
    QList<const QWidget*> widgets{&window};
    for (const QWidget* child : window.findChildren<QWidget*>())
        widgets << child;
    for (const QWidget* widget : widgets) {
        const std::string name =
            widget->objectName().toStdString() + " (" + widget->metaObject()->className() + ")";
        EXPECT_FALSE(widget->testAttribute(Qt::WA_SetPalette)) << name;
        EXPECT_TRUE(widget->styleSheet().isEmpty()) << name;
        const QPalette expected = QApplication::palette(widget);
        for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Base,
                                QPalette::Text, QPalette::Button, QPalette::ButtonText,
                                QPalette::Highlight, QPalette::HighlightedText})
            EXPECT_EQ(widget->palette().color(role).name().toStdString(),
                      expected.color(role).name().toStdString())
                << name << " role " << role;
    }
}

TEST_F(Palette, No_Control_Of_The_Main_Window_Has_Colours_Of_Its_Own) {
    const Palette_Scope scope(Test_Palettes::High_Contrast());
    Expect_Palette_Colours_Only(*Shown_Main_Window());
}

TEST_F(Palette, No_Control_Of_The_ASCII_Table_Has_Colours_Of_Its_Own) {
    const Palette_Scope scope(Test_Palettes::High_Contrast());
    Expect_Palette_Colours_Only(*Shown_ASCII_Table());
}

// The dark palette has nothing lighter than 235: a near-white pixel is a
// colour that did not come from it.
int Near_White_Pixels(QWidget& window) {
    const QImage image = window.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += std::min({pixel.red(), pixel.green(), pixel.blue()}) > 240;
        }
    return count;
}

TEST_F(Palette, Under_A_Dark_Palette_No_Light_Area_Remains) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the Windows style draws its themed controls from the system theme, "
                    "whatever the palette";
#endif
    const Palette_Scope scope(Test_Palettes::Dark());
    EXPECT_EQ(Near_White_Pixels(*Shown_Main_Window()), 0) << "main window";
    EXPECT_EQ(Near_White_Pixels(*Shown_ASCII_Table()), 0) << "ASCII table";
}

// Pixels that stand out from the window colour by at least half the range
// of lightness: what a user of a high-contrast theme can see.
int Contrasting_Pixels(const QImage& image, QRect area, QColor window) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += std::abs(image.pixelColor(x, y).lightness() - window.lightness()) >= 128;
    return count;
}

// An unchecked toggle is nothing but its outline, and a field's edge is all
// that marks where to click.
TEST_F(Palette, Under_High_Contrast_Unchecked_Toggles_And_Fields_Show_Their_Edges) {
    const Palette_Scope scope(Test_Palettes::High_Contrast());
    const auto window = Shown_Main_Window();
    const QColor background = QApplication::palette().color(QPalette::Window);
    QCheckBox* toggle = window->Toggle(3, 0); // off: -128 sets only the sign
    ASSERT_FALSE(toggle->isChecked());
    const QImage mark = toggle->grab().toImage();
    EXPECT_GE(Contrasting_Pixels(mark, mark.rect(), background), 2 * Twips::To_Pixels(195))
        << "an unchecked toggle is invisible";
    const QImage field = window->NumIn(0)->grab().toImage();
    const QRect top_edge(0, 0, field.width(), 2);
    EXPECT_GE(Contrasting_Pixels(field, top_edge, background), field.width() / 2)
        << "a field's edge is invisible";
}

} // namespace
