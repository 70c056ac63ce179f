// The link label: its anchor, its painting, its cursor and its presses.
#include "widgets/html_label.h"

#include "pixels.h"
#include "support/fake_environment.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace trovel {
namespace {

const QString home = R"(<a href="https://trovel.example.org/">trovel.example.org</a>)";

// Stands for the clock beneath the label: counts the presses that reach it.
class Surface : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

class HtmlLabelTest : public testing::Test {
protected:
    void SetUp() override {
        surface.resize(200, 60);
        surface.setAutoFillBackground(true);
        QPalette pal = surface.palette();
        pal.setColor(QPalette::Window, Qt::white);
        surface.setPalette(pal);
        // About the size of the form's 8-point font; the label takes it from its parent.
        QFont small = surface.font();
        small.setPixelSize(11);
        surface.setFont(small);
        label.setHTMLText(home);
        // The form's label is 95 wide; leave room beside the link whatever this font's width.
        label.setGeometry(32, 3, std::max(95, label.link_rect().width() + 20), 15);
        surface.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    }

    // A real press on the window at a point of the label, routed as the platform would.
    void press_at(QPoint in_label, Qt::MouseButton button) {
        QTest::mousePress(surface.windowHandle(), button, {}, label.mapTo(&surface, in_label));
        QTest::mouseRelease(surface.windowHandle(), button, {}, label.mapTo(&surface, in_label));
    }

    test::FakeEnvironment env;
    Surface surface;
    THTMLabel label{env, &surface};
};

TEST_F(HtmlLabelTest, ParsesTheAnchor) {
    EXPECT_EQ(label.link_text(), "trovel.example.org");
    EXPECT_EQ(label.link_target(), "https://trovel.example.org/");
    const QRect r = label.link_rect();
    EXPECT_EQ(r.topLeft(), QPoint(0, 0));
    EXPECT_GT(r.width(), 20);
    EXPECT_EQ(r.height(), QFontMetrics(label.font()).height());
}

TEST(ParseAnchor, ReadsOnlyAWholeAnchor) {
    struct Row {
        QString html;
        bool link;
        QString target, text;
    };
    const Row rows[] = {
        {home, true, "https://trovel.example.org/", "trovel.example.org"},
        {" \t<A\nHREF = \"mailto:x@y\" >Mail</A> \r\n", true, "mailto:x@y", "Mail"},
        {R"(<a href="">a</a> b</a>)", true, "", "a</a> b"},
        {R"(<a href="x"></a>)", true, "x", ""},
        {"<a href=\"x\">multi\nline</a>", true, "x", "multi\nline"},
        {R"(<ahref="x">t</a>)", false, {}, {}},
        {R"(<a href='x'>t</a>)", false, {}, {}},
        {R"(<a href="x">t</a> tail)", false, {}, {}},
        {R"(<a href="x">t)", false, {}, {}},
        {R"(<a href="x>t</a>)", false, {}, {}},
        {"plain text", false, {}, {}},
        {"", false, {}, {}},
    };
    for (const Row &row : rows) {
        const std::optional<HtmlAnchor> a = parse_anchor(row.html);
        ASSERT_EQ(a.has_value(), row.link) << row.html.toStdString();
        if (!a) continue;
        EXPECT_EQ(a->target, row.target) << row.html.toStdString();
        EXPECT_EQ(a->text, row.text) << row.html.toStdString();
    }
}

TEST_F(HtmlLabelTest, PaintsUnderlinedLinkTextOnlyInsideItsRectangle) {
    const QImage img = test::grab_image(surface);
    const QRect link = label.link_rect().translated(label.pos());
    int url_pixels = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const TColor c = test::pixel_at(img, x, y);
            if (!link.contains(x, y))
                ASSERT_EQ(c, clWhite) << "painted outside the link at " << x << "," << y;
            else if (c == clBlue)
                ++url_pixels;
        }
    // At least the underline is solid URLColor across the text.
    EXPECT_GE(url_pixels, link.width() - 2);
}

TEST_F(HtmlLabelTest, PressesOpenTheTargetOnlyOnTheLinkText) {
    const QRect link = label.link_rect();
    struct Case {
        const char *what;
        QPoint at;
        Qt::MouseButton button;
        int opened;
    } cases[] = {
        {"left on the text", link.center(), Qt::LeftButton, 1},
        {"right on the text", link.center(), Qt::RightButton, 1},
        {"middle on the text", QPoint(1, 1), Qt::MiddleButton, 1},
        {"beside the text", QPoint(link.right() + 3, link.center().y()), Qt::LeftButton, 0},
        {"below the text", QPoint(1, link.bottom() + 1), Qt::LeftButton, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        env.opened_urls.clear();
        surface.presses = 0;
        press_at(c.at, c.button);
        EXPECT_EQ(env.opened_urls.size(), c.opened);
        if (c.opened) {
            EXPECT_EQ(env.opened_urls.front(), "https://trovel.example.org/");
        }
        EXPECT_EQ(surface.presses, 0) << "the press must not reach the surface beneath (no drag)";
    }
}

TEST_F(HtmlLabelTest, OpensOnThePressNotTheRelease) {
    QTest::mousePress(surface.windowHandle(), Qt::LeftButton, {}, label.mapTo(&surface, QPoint(2, 2)));
    EXPECT_EQ(env.opened_urls.size(), 1);
    QTest::mouseRelease(surface.windowHandle(), Qt::LeftButton, {}, label.mapTo(&surface, QPoint(2, 2)));
    EXPECT_EQ(env.opened_urls.size(), 1);
}

TEST_F(HtmlLabelTest, OnlyWebAndMailTargetsOpen) {
    const std::pair<QString, bool> targets[] = {
        {"mailto:someone@trovel.example.org", true},
        {"ftp://trovel.example.org", true},
        {"trovel.example.org", false},
        {"#top", false},
    };
    for (const auto &[target, opens] : targets) {
        SCOPED_TRACE(target.toStdString());
        env.opened_urls.clear();
        label.setHTMLText(QString(R"(<a href="%1">trovel.example.org</a>)").arg(target));
        press_at(QPoint(2, 2), Qt::LeftButton);
        EXPECT_EQ(env.opened_urls, opens ? QStringList{target} : QStringList{});
    }
}

TEST_F(HtmlLabelTest, PointingHandOnlyOverTheLinkText) {
    const QRect link = label.link_rect();
    const std::pair<QPoint, Qt::CursorShape> moves[] = {
        {link.center(), Qt::PointingHandCursor},
        {QPoint(link.right() + 3, 2), Qt::ArrowCursor},
        {QPoint(0, 0), Qt::PointingHandCursor},
        {QPoint(1, link.bottom() + 1), Qt::ArrowCursor},
    };
    for (const auto &[at, shape] : moves) {
        QMouseEvent move(QEvent::MouseMove, at, label.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&label, &move);
        EXPECT_EQ(label.cursor().shape(), shape) << at.x() << "," << at.y();
    }
}

} // namespace
} // namespace trovel
