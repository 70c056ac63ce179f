// The gradient bar as painted: band colours at known columns and rows, and repainting.
#include "widgets/shader.h"

#include "widgets/gradient_bands.h"

#include "pixels.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace trovel {
namespace {

using test::grab_image;
using test::pixel_at;

TEST(Shader, TypingRampOnTheFullBar) {
    TShader bar;
    bar.setFromColor(clTeal);
    bar.setToColor(clLime);
    bar.setDirection(true);
    bar.resize(53, 14);
    const QImage img = grab_image(bar);
    struct Column {
        int x;
        TColor color;
    };
    // Band 9 starts at 24, band 10 at 26 (overwriting band 9's overlap) and band 11 at 29.
    const Column columns[] = {{0, clTeal},
                              {2, clTeal},
                              {3, band_color(clTeal, clLime, 20, 1)},
                              {25, band_color(clTeal, clLime, 20, 9)},
                              {26, 0x40BF00},
                              {28, 0x40BF00},
                              {29, band_color(clTeal, clLime, 20, 11)},
                              {50, 0x06F900},
                              {52, 0x06F900}};
    for (const Column &c : columns) {
        for (int y : {0, 13}) {
            SCOPED_TRACE(testing::Message() << "column " << c.x << " row " << y);
            EXPECT_EQ(pixel_at(img, c.x, y), c.color);
        }
    }
}

TEST(Shader, DirectionFalsePaintsHorizontalStripsTopToBottom) {
    TShader bar;
    bar.setFromColor(clRed);
    bar.setToColor(clYellow);
    bar.resize(7, 53);
    const QImage img = grab_image(bar);
    for (int x : {0, 6}) {
        EXPECT_EQ(pixel_at(img, x, 0), clRed);
        EXPECT_EQ(pixel_at(img, x, 27), 0x0080FF);
        EXPECT_EQ(pixel_at(img, x, 52), 0x00F2FF);
    }
}

TEST(Shader, EqualColoursPaintOneSolidColour) {
    TShader bar;
    bar.setFromColor(clGray);
    bar.setToColor(clGray);
    bar.setDirection(true);
    bar.resize(53, 14);
    const QImage img = grab_image(bar);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_EQ(pixel_at(img, x, y), clGray) << x << "," << y;
}

TEST(Shader, ZeroStepsPaintsTheFirstColourAndBecomesOne) {
    TShader bar;
    bar.setFromColor(clRed);
    bar.setToColor(clYellow);
    bar.setDirection(true);
    bar.setSteps(0);
    bar.resize(30, 5);
    const QImage img = grab_image(bar);
    EXPECT_EQ(bar.Steps(), 1);
    EXPECT_EQ(pixel_at(img, 0, 0), clRed);
    EXPECT_EQ(pixel_at(img, 29, 4), clRed);
}

class CountingShader : public TShader {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *e) override {
        ++paints;
        TShader::paintEvent(e);
    }
};

TEST(Shader, EveryAssignmentRepaintsEvenWithTheSameValue) {
    CountingShader bar;
    bar.resize(53, 14);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    const std::pair<const char *, std::function<void()>> setters[] = {
        {"FromColor", [&] { bar.setFromColor(bar.FromColor()); }},
        {"ToColor", [&] { bar.setToColor(bar.ToColor()); }},
        {"Steps", [&] { bar.setSteps(bar.Steps()); }},
        {"Direction", [&] { bar.setDirection(bar.Direction()); }},
    };
    for (const auto &[name, assign] : setters) {
        SCOPED_TRACE(name);
        QTest::qWait(20);
        bar.paints = 0;
        assign();
        EXPECT_TRUE(QTest::qWaitFor([&] { return bar.paints > 0; }, 1000));
    }
}

} // namespace
} // namespace trovel
