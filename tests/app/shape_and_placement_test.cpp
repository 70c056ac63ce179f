// The form's two shapes, where it is placed, dragging it and the covers of the other
// screens during a rest: the geometry on its own with worked numbers, then on the form,
// with the controls that start a drag and those that do not.
#include "app/form_geometry.h"
#include "app/screen_covers.h"
#include "form_fixture.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <functional>

namespace trovel::test {
namespace {

using Shapes = FormTest;
using Placement = FormTest;
using Covers = FormTest;

TEST(FormGeometry, CentreRoundsHalvesToTheEvenNeighbour) {
    struct Case {
        QRect screen;
        QSize window;
        QPoint centre;
    };
    const Case cases[] = {
        {{0, 0, 1024, 768}, {130, 44}, {447, 362}},
        {{0, 0, 1024, 768}, {131, 45}, {446, 362}}, // 446.5 and 361.5: down to 446, up to 362
        {{0, 0, 1024, 768}, {129, 43}, {448, 362}}, // 447.5 and 362.5
        {{0, 0, 1366, 768}, {964, 694}, {201, 37}},
        {{0, 0, 800, 600}, {1000, 700}, {-100, -50}},
        // A primary screen away from 0,0: right of, left of and above another monitor.
        {{1920, 0, 1920, 1080}, {130, 44}, {2815, 518}},
        {{1920, 0, 1920, 1080}, {1860, 1006}, {1950, 37}},
        {{-1280, 56, 1280, 1024}, {131, 45}, {-706, 546}},
        {{0, -1080, 1920, 1080}, {130, 44}, {895, -562}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(centred(c.screen, c.window), c.centre) << c.window.width() << " x " << c.window.height();
}

TEST(FormGeometry, ScreensToCoverAreAllButTheOneTheRestStandsOn) {
    struct Case {
        const char *what;
        QList<QRect> screens;
        QRect rest;
        QList<QRect> covered;
    };
    const QRect primary{1920, 0, 1920, 1080}, left{0, 0, 1920, 1080}, above{1920, -1024, 1280, 1024};
    const Case cases[] = {
        {"one screen", {{0, 0, 1024, 768}}, {30, 37, 964, 694}, {}},
        {"three screens, in their order", {primary, left, above}, {1950, 37, 1860, 1006}, {left, above}},
        {"straddling: its centre decides", {primary, left}, {1419, 0, 1000, 100}, {primary}},
        {"centre on no screen: the primary is its own", {primary, left}, {5000, 5000, 100, 100}, {left}},
        {"a mirror holding the centre too", {left, {0, 0, 1280, 1024}}, {30, 37, 964, 694}, {}},
        {"empty and repeated screens", {primary, {}, left, left}, {1950, 37, 1860, 1006}, {left}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(screens_to_cover(c.screens, c.rest), c.covered) << c.what;
}

TEST(FormGeometry, RestWindowSizeForTheCheckedItem) {
    struct Case {
        const char *what;
        QSize screen;
        SizeItems checked;
        QSize size;
    };
    const Case cases[] = {
        {"screen/16", {1024, 768}, {.tiny = true}, {128, 154}},
        {"screen/16, W / 8 = 170.75 rounds up", {1366, 768}, {.tiny = true}, {171, 197}},
        {"screen/8, W / 4 = 341.5 to the even 342", {1366, 768}, {.small = true}, {342, 368}},
        {"screen/4", {1366, 768}, {.large = true}, {683, 410}},
        {"screen/4, odd H / 2 = 450.5 to the even 450", {1600, 901}, {.large = true}, {800, 476}},
        {"full", {1366, 768}, {.full = true}, {1306, 694}},
        {"full on a 1920 x 1080 primary", {1920, 1080}, {.full = true}, {1860, 1006}},
        {"several: the last wins", {1024, 768}, {.tiny = true, .full = true}, {964, 694}},
        {"none: the width stays", {1024, 768}, {}, {130, 26}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rest_window_size(c.screen, c.checked, 130, 21), c.size) << c.what;
}

TEST(FormGeometry, DragEndKeepsTheBarReachable) {
    struct Case {
        const char *what;
        QPoint from, travelled;
        DragEnd end;
        QRect screen = {0, 0, 1366, 768};
    };
    // The bar row 21 high and the hands 31 wide.
    const QRect right{1366, 0, 1920, 1080}, above{0, -1080, 1920, 1080};
    const Case cases[] = {
        {"plain move", {300, 300}, {50, -20}, {{350, 280}, true}},
        {"onto the top edge", {300, 300}, {0, -300}, {{300, 1}, false}},
        {"one below the top edge", {300, 300}, {0, -299}, {{300, 1}, true}},
        {"left edge", {300, 300}, {-300, 0}, {{1, 300}, true}},
        {"right threshold W - 33 kept", {300, 300}, {1033, 0}, {{1333, 300}, true}},
        {"one past it: W - 32", {300, 300}, {1034, 0}, {{1334, 300}, true}},
        {"bottom: the bar row stays", {300, 300}, {0, 500}, {{300, 747}, true}},
        // Measured from the edges of the screen the mouse was let go on.
        {"onto a screen on the right", {300, 300}, {2260, 0}, {{2560, 300}, true}, right},
        {"past its left edge", {1500, 300}, {-140, 0}, {{1367, 300}, true}, right},
        {"past its right edge", {1500, 300}, {2000, 0}, {{3254, 300}, true}, right},
        {"past its bottom", {1500, 300}, {0, 900}, {{1500, 1059}, true}, right},
        {"onto the top edge of a screen above", {300, 300}, {0, -1380}, {{300, -1079}, false}, above},
        {"one below it", {300, 300}, {0, -1379}, {{300, -1079}, true}, above},
    };
    for (const Case &c : cases) {
        const DragEnd end = drag_end(c.from, c.travelled, c.screen, 21, 31);
        EXPECT_EQ(end.pos, c.end.pos) << c.what;
        EXPECT_EQ(end.second_row, c.end.second_row) << c.what;
    }
}

TEST_F(Shapes, LargeShapeFollowsTheCheckedSizeItem) {
    struct Case {
        TMenuItem *TForm1::*item;
        QSize size;
    };
    const Case cases[] = {{&TForm1::menu_full, {964, 694}},
                          {&TForm1::menu_large, {512, 410}},
                          {&TForm1::menu_small, {256, 282}},
                          {&TForm1::menu_tiny, {128, 154}}};
    show();
    for (const Case &c : cases) {
        TMenuItem *item = (*form).*(c.item);
        item->setChecked(true);
        form->make_large();
        EXPECT_EQ(form->size(), c.size) << item->Caption().toStdString();
        EXPECT_EQ(form->Panel_image->height(), c.size.height() - 44) << "image area under both rows";
    }
    form->make_small();
    EXPECT_EQ(form->size(), QSize(130, 44));
}

TEST_F(Shapes, LargeShapeWithNoSizeItemIsTwentySixHighAndKeepsItsWidth) {
    show();
    form->menu_full->Click(); // unchecking the checked radio item empties its group
    ASSERT_FALSE(form->menu_full->Checked() || form->menu_large->Checked() || form->menu_small->Checked() ||
                 form->menu_tiny->Checked());
    form->make_large();
    EXPECT_EQ(form->size(), QSize(130, 26));
}

TEST_F(Shapes, CompactHeightFollowsTheVisibleRows) {
    form->Lbl_default_left->setCaption("200");
    form->lbl_default_top->setCaption("0");
    show();
    EXPECT_EQ(geometry(), QRect(200, 0, 130, 21)) << "a bar at the top edge shows only its first row";
    form->lbl_default_top->setCaption("2");
    form->place_form("type");
    EXPECT_EQ(geometry(), QRect(200, 2, 130, 44));
}

TEST_F(Shapes, BreaksIgnoredLabelFitsItsCaptionBeforeTheFirstPaint) {
    // It is measured only once the window is on its way to the screen (the first text
    // measured loads the fonts), in the first turn of the event loop.
    show();
    QCoreApplication::processEvents();
    EXPECT_EQ(form->Label2->size(), form->Label2->sizeHint());
    EXPECT_EQ(form->Label2->pos(), QPoint(56, 5));
}

TEST_F(Shapes, SizeItemAppliesAtOnceToAShownRestWindow) {
    show();
    form->menu_testClick();
    ASSERT_EQ(form->size(), QSize(964, 694));
    form->menu_tiny->Click();
    EXPECT_EQ(form->size(), QSize(128, 154));
    form->btn_ignoreClick();
    form->menu_small->Click(); // in the compact shape nothing changes size
    EXPECT_EQ(form->size(), QSize(130, 44));
}

TEST_F(Placement, LabelsAreTheSourceOfTruthWithTheCentreAsFallback) {
    struct Case {
        const char *what;
        QString left, top;
        QPoint expected;
    };
    const Case cases[] = {
        {"design captions", "Lbl_default_left", "lbl_default_top", {447, 362}},
        {"stored place", "10", "700", {10, 700}},
        {"partly on the screen", "1000", "760", {1000, 760}},
        {"one coordinate not a number", "x12", "100", {447, 100}},
        {"wholly off every screen", "5000", "5000", {447, 362}},
        {"left of the screen", "-200", "10", {447, 362}},
    };
    show();
    for (const Case &c : cases) {
        form->Lbl_default_left->setCaption(c.left);
        form->lbl_default_top->setCaption(c.top);
        form->place_form("type");
        EXPECT_EQ(form->pos(), c.expected) << c.what;
        EXPECT_EQ(form->Lbl_default_left->Caption(), c.left) << "the labels keep their text";
    }
}

TEST_F(Placement, SecondScreenKeepsAPlaceThatIsOnIt) {
    env.screens = {QRect(0, 0, 1024, 768), QRect(1024, 0, 1280, 1024)};
    form->Lbl_default_left->setCaption("2000");
    form->lbl_default_top->setCaption("900");
    show();
    EXPECT_EQ(form->pos(), QPoint(2000, 900));
}

TEST_F(Placement, StoreCommandsWriteTheFormsPlaceIntoTheLabels) {
    show();
    form->move(100, 200);
    form->menu_default_storeClick();
    EXPECT_EQ(form->Lbl_default_left->Caption(), "100");
    EXPECT_EQ(form->lbl_default_top->Caption(), "200");
    EXPECT_EQ(form->lbl_nag_left->Caption(), "447") << "working copies of the nag place are written too";
    form->menu_testClick();
    form->move(50, 60);
    form->menu_nag_storeClick();
    form->btn_ignoreClick();
    EXPECT_EQ(form->pos(), QPoint(100, 200));
    form->menu_center->setChecked(false);
    form->menu_testClick();
    EXPECT_EQ(form->pos(), QPoint(50, 60));
}

TEST_F(Placement, BarAndRestStandOnThePrimaryScreen) {
    struct Case {
        const char *what;
        QList<QRect> screens;
        QRect bar, rest;
    };
    const Case cases[] = {
        {"one screen", {{0, 0, 1024, 768}}, {447, 362, 130, 44}, {30, 37, 964, 694}},
        {"primary right of another",
         {{1920, 0, 1920, 1080}, {0, 0, 1920, 1080}},
         {2815, 518, 130, 44},
         {1950, 37, 1860, 1006}},
        {"primary below a smaller one",
         {{0, 768, 1366, 768}, {0, 0, 1024, 768}},
         {618, 1130, 130, 44},
         {30, 805, 1306, 694}},
    };
    for (const bool centre : {false, true}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.what) + (centre ? ", centred" : ", at the nag place"));
            env.screens = c.screens;
            recreate();
            show();
            EXPECT_EQ(geometry(), c.bar);
            form->menu_center->setChecked(centre);
            form->menu_testClick();
            EXPECT_EQ(geometry(), c.rest);
        }
    }
}

TEST_F(Placement, FormLeftOnNoScreenMovesWhereItsPhasePutsIt) {
    struct Case {
        const char *what;
        bool rest;
        QPoint stands;
        QList<QRect> after;
        QPoint expected;
    };
    const QRect left{0, 0, 1024, 768}, right{1024, 0, 1280, 1024};
    // The typing place is stored at 1100,100 and the nag place at 2000,900, both on the right.
    const Case cases[] = {
        {"typing bar, its place gone", false, {2000, 500}, {left}, {447, 362}},
        {"typing bar, its place left", false, {2000, 500}, {left, {1024, 0, 200, 200}}, {1100, 100}},
        {"typing bar still partly on", false, {1000, 500}, {left}, {1000, 500}},
        {"rest, its place gone", true, {2000, 900}, {left}, {30, 37}},
        {"primary removed", false, {100, 100}, {right}, {1100, 100}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        env.screens = {left, right};
        recreate();
        form->Lbl_default_left->setCaption("1100");
        form->lbl_default_top->setCaption("100");
        form->lbl_nag_left->setCaption("2000");
        form->lbl_nag_top->setCaption("900");
        form->menu_center->setChecked(false);
        show();
        if (c.rest) form->menu_testClick();
        form->move(c.stands);
        env.change_screens(c.after);
        EXPECT_EQ(form->pos(), c.expected);
        EXPECT_EQ(form->Lbl_default_left->Caption() + "," + form->lbl_nag_top->Caption(), "1100,900")
            << "the stored places stay";
    }
}

TEST_F(Placement, DragMovesOnceAtMouseUpAndKeepsTheBarReachable) {
    struct Case {
        const char *what;
        QPoint start, press, release;
        QPoint end;
        bool second_row;
        QList<QRect> screens = {{0, 0, 1024, 768}};
    };
    // The bar is dragged by Panel_menu; positions are in Panel_menu's coordinates.
    const QList<QRect> two{{0, 0, 1024, 768}, {1024, 0, 1920, 1080}};
    const Case cases[] = {
        {"plain move", {300, 300}, {10, 10}, {60, 30}, {350, 320}, true},
        {"above the top edge", {300, 300}, {10, 10}, {10, -400}, {300, 1}, false},
        {"onto the top edge", {300, 300}, {10, 10}, {10, -290}, {300, 1}, false},
        {"one pixel below the top", {300, 300}, {10, 10}, {10, -289}, {300, 1}, true},
        {"past the left edge", {300, 300}, {10, 10}, {-400, 10}, {1, 300}, true},
        {"past the right edge", {300, 300}, {10, 10}, {800, 10}, {1024 - 32, 300}, true},
        {"right at the threshold", {300, 300}, {10, 10}, {701, 10}, {991, 300}, true},
        {"below the bottom", {300, 300}, {10, 10}, {10, 900}, {300, 768 - 21}, true},
        // Clamped to the screen the mouse is let go on.
        {"onto the other monitor", {300, 300}, {10, 10}, {2270, 10}, {2560, 300}, true, two},
        {"past its right edge", {300, 300}, {20, 10}, {2640, 10}, {1024 + 1920 - 32, 300}, true, two},
        {"past its bottom", {300, 300}, {10, 10}, {800, 770}, {1090, 1080 - 21}, true, two},
        {"let go on the primary", {300, 300}, {10, 10}, {10, 900}, {300, 768 - 21}, true, two},
    };
    show();
    for (const Case &c : cases) {
        env.screens = c.screens;
        form->move(c.start);
        form->set_auto_size(true);
        QTest::mousePress(form->Panel_menu, Qt::LeftButton, Qt::NoModifier, c.press);
        EXPECT_TRUE(form->dragging());
        EXPECT_EQ(form->pos(), c.start) << c.what << ": the form does not follow the held mouse";
        QTest::mouseRelease(form->Panel_menu, Qt::LeftButton, Qt::NoModifier, c.release);
        EXPECT_EQ(form->pos(), c.end) << c.what;
        EXPECT_EQ(!form->Panel_www->isHidden(), c.second_row) << c.what;
        EXPECT_FALSE(form->dragging());
        // Placing the bar again brings back the second row for the next case.
        form->Panel_www->show();
    }
}

TEST_F(Placement, OnlyTheDragSurfacesDragWithAnyButton) {
    enum Phase { typing, half_bar, paused, rest, clock };
    struct Case {
        const char *control;
        Phase phase;
        QPoint at; // in the control
        bool drags;
    };
    const Case cases[] = {
        {"Panel_menu", typing, {34, 10}, true},
        {"label_minutes", typing, {5, 5}, true},
        {"Shader1", typing, {5, 5}, true},
        {"Panel_hands", typing, {1, 1}, true},
        {"Image_hands", typing, {5, 5}, true},
        {"Panel_image", rest, {5, 60}, true},
        {"image_picture", rest, {300, 300}, true},
        {"RxClock1", clock, {300, 300}, true},
        {"Panel_progress", typing, {1, 1}, false}, // its border
        {"Panel_progress", half_bar, {50, 9}, false},
        {"Panel_progress", paused, {5, 5}, false}, // a bar of no width
        {"label_image_nr", rest, {1, 1}, false},
    };
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.control) + " in phase " + std::to_string(c.phase) +
                         (button == Qt::LeftButton ? ", left" : ", right"));
            recreate();
            show();
            if (c.phase == clock) form->menu_clock->Click();
            if (c.phase == rest || c.phase == clock) form->menu_testClick();
            if (c.phase == half_bar) form->set_progress(50);
            if (c.phase == paused) form->menu_pauseClick();
            form->move(100, 100);
            auto *w = form->findChild<QWidget *>(c.control);
            ASSERT_TRUE(w && w->isVisible());
            // Through the window, as the window system delivers it: to the control under the
            // mouse, and on to its parents while none takes it. The picture covers all of
            // Panel_image, so that one is only reached directly.
            const bool direct = w == form->Panel_image;
            const QPoint at = w->mapTo(form.get(), c.at);
            if (!direct) {
                ASSERT_EQ(form->childAt(at), w);
            }
            auto send = [&](QTest::MouseAction action, QPoint offset) {
                if (direct)
                    QTest::mouseEvent(action, w, button, Qt::NoModifier, c.at + offset);
                else
                    QTest::mouseEvent(action, form->windowHandle(), button, Qt::NoModifier, at + offset);
            };
            send(QTest::MousePress, {});
            EXPECT_EQ(form->dragging(), c.drags);
            EXPECT_EQ(QApplication::overrideCursor() != nullptr, c.drags);
            send(QTest::MouseRelease, {10, 20});
            EXPECT_EQ(form->pos(), c.drags ? QPoint(110, 120) : QPoint(100, 100));
            EXPECT_FALSE(form->dragging());
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        }
    }
}

TEST_F(Placement, DoubleClickOnTheProgressBarIgnoresTheBreak) {
    for (const bool bar : {true, false}) {
        SCOPED_TRACE(bar ? "on the bar" : "on the panel of a bar with no width");
        recreate();
        show();
        form->menu_testClick();
        ASSERT_EQ(form->state(), "rest");
        if (!bar) form->set_progress(0);
        const QPoint at = form->Panel_progress->mapTo(form.get(), QPoint(5, 5));
        ASSERT_EQ(form->childAt(at), bar ? static_cast<QWidget *>(form->Shader1) : form->Panel_progress);
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_EQ(form->state(), "type");
        EXPECT_EQ(form->lbl_cancel_count->Caption(), "1");
        EXPECT_FALSE(form->dragging());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

// On a compositor that places windows itself (sway) every place and size the form takes
// is told to it, once the window is on the screen.
TEST_F(Placement, EveryPlaceAndSizeIsToldToACompositorThatPlacesWindowsItself) {
    env.screens = {QRect(0, 0, 1024, 768), QRect(1024, 0, 800, 600)};
    make_form({.placer = true});
    form->setGeometry(QRect(100, 600, 130, 44));
    EXPECT_TRUE(placer->placed.isEmpty()) << "nothing before the window is shown";
    show_on_screen();
    ASSERT_FALSE(placer->placed.isEmpty());
    EXPECT_EQ(placer->placed.last(), geometry()) << "told after the first expose";
    type_length(form->N1min1);
    placer->placed.clear();
    ticks(6); // the rest
    ASSERT_FALSE(placer->placed.isEmpty());
    EXPECT_TRUE(placer->placed.contains(QRect(30, 37, 964, 694)));
    EXPECT_TRUE(placer->placed.contains(QRect(1024, 0, 800, 600))) << "the cover of the other screen too";
    ticks(6); // back to the bar
    EXPECT_EQ(placer->placed.last(), geometry());
    EXPECT_EQ(geometry().size(), QSize(130, 44));
    // A drag tells the place it ends at.
    placer->placed.clear();
    QTest::mousePress(form->label_minutes, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(form->label_minutes, Qt::LeftButton, Qt::NoModifier, QPoint(105, 55));
    ASSERT_FALSE(placer->placed.isEmpty());
    EXPECT_EQ(placer->placed.last().topLeft(), geometry().topLeft());
}

// "x,y wxh text" of every cover window of the form, " clock" added when it shows one.
QStringList covers_of(TForm1 &form) {
    QStringList out;
    for (const ScreenCover *c : form.findChildren<ScreenCover *>()) {
        const QRect g = c->geometry();
        out << QString("%1,%2 %3x%4 ").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()) + c->text() +
                   (c->shows_clock() ? " clock" : "") + (c->isVisible() ? "" : " hidden");
    }
    return out;
}

TEST_F(Covers, OtherScreensAreCoveredWhileARestShowsAndFreedByEachEndOfIt) {
    const std::pair<const char *, std::function<void(TForm1 &)>> ends[] = {
        {"it runs out", [this](TForm1 &) { ticks(4); }},
        {"type", [](TForm1 &f) { f.btn_ignoreClick(); }},
        {"pause", [](TForm1 &f) { f.menu_pauseClick(); }},
        {"a close request", [](TForm1 &f) { f.close(); }},
    };
    env.screens = {{1920, 0, 1920, 1080}, {0, 0, 1920, 1080}};
    for (const auto &[what, end] : ends) {
        SCOPED_TRACE(what);
        recreate();
        show();
        ticks(1);
        EXPECT_EQ(covers_of(*form), QStringList()) << "no cover window while typing";
        form->menu_testClick();
        EXPECT_EQ(covers_of(*form), QStringList{"0,0 1920x1080 01:00"});
        ticks(2);
        form->menu_testClick(); // taking a break again: the new rest's time
        EXPECT_EQ(covers_of(*form), QStringList{"0,0 1920x1080 01:00"});
        ticks(2);
        EXPECT_EQ(covers_of(*form), QStringList{"0,0 1920x1080 00:40"});
        end(*form);
        EXPECT_EQ(covers_of(*form), QStringList());
    }
    // The hidden alarm shows the bar's text, which runs on below zero.
    recreate();
    show();
    QTemporaryDir pictures;
    ASSERT_TRUE(QFile(pictures.filePath("tmp.bmp")).open(QIODevice::WriteOnly));
    form->menu_vantor->setChecked(true);
    form->menu_pict_dir->setCaption(pictures.path() + "/*.jpg");
    form->menu_testClick();
    ASSERT_EQ(form->state(), "alarm");
    EXPECT_EQ(covers_of(*form), QStringList{"0,0 1920x1080 " + countdown()});
}

TEST_F(Covers, FollowTheScreensADragTheOptionAndTheClock) {
    const QRect primary{1920, 0, 1920, 1080}, left{0, 0, 1920, 1080}, above{1920, -1024, 1280, 1024};
    env.screens = {primary, left};
    show();
    form->menu_testClick();
    const ScreenCover *first = form->findChild<ScreenCover *>();
    EXPECT_TRUE(first->windowFlags().testFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                               Qt::WindowDoesNotAcceptFocus));
    env.change_screens({primary, left, above});
    EXPECT_EQ(covers_of(*form), QStringList({"0,0 1920x1080 01:00", "1920,-1024 1280x1024 01:00"}));
    EXPECT_EQ(form->findChild<ScreenCover *>(), first) << "moved, not made again";
    env.change_screens({primary, above});
    EXPECT_EQ(covers_of(*form), QStringList{"1920,-1024 1280x1024 01:00"});
    env.change_screens({primary});
    EXPECT_EQ(covers_of(*form), QStringList());
    env.change_screens({primary, left});
    // Dragged onto the left monitor, the rest window frees it and covers the primary.
    form->FormMouseDown(form->Panel_image, Qt::LeftButton, {10, 10});
    form->FormMouseUp(form->Panel_image, Qt::LeftButton, {10 - 1900, 10});
    EXPECT_EQ(covers_of(*form), QStringList{"1920,0 1920x1080 01:00"});
    form->menu_cover_screens->Click();
    EXPECT_EQ(covers_of(*form), QStringList()) << "switched off during a rest: at once";
    form->menu_cover_screens->Click();
    form->btn_ignoreClick();
    form->menu_clock->Click();
    form->menu_testClick();
    EXPECT_EQ(covers_of(*form), QStringList{"0,0 1920x1080 01:00 clock"});
    form->menu_cover_screens->Click();
    form->menu_testClick();
    EXPECT_EQ(covers_of(*form), QStringList()) << "a rest begun with the option off";
}

} // namespace
} // namespace trovel::test
