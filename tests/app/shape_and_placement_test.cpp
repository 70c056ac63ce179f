// The form's two shapes, where it is placed, and dragging it.
#include "form_fixture.h"

#include <QTest>

namespace trovel::test {
namespace {

using Shapes = FormTest;
using Placement = FormTest;

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
    form->menu_full->Click();  // unchecking the checked radio item empties its group
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
    form->menu_small->Click();  // in the compact shape nothing changes size
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

TEST_F(Placement, NagPlaceFallsBackToTheCentreForTheLargeSize) {
    show();
    form->menu_center->setChecked(false);
    form->menu_testClick();
    EXPECT_EQ(geometry(), QRect(30, 37, 964, 694));
}

TEST_F(Placement, DragMovesOnceAtMouseUpAndKeepsTheBarReachable) {
    struct Case {
        const char *what;
        QPoint start, press, release;
        QPoint end;
        bool second_row;
    };
    // The bar is dragged by Panel_menu; positions are in Panel_menu's coordinates.
    const Case cases[] = {
        {"plain move", {300, 300}, {10, 10}, {60, 30}, {350, 320}, true},
        {"above the top edge", {300, 300}, {10, 10}, {10, -400}, {300, 1}, false},
        {"onto the top edge", {300, 300}, {10, 10}, {10, -290}, {300, 1}, false},
        {"one pixel below the top", {300, 300}, {10, 10}, {10, -289}, {300, 1}, true},
        {"past the left edge", {300, 300}, {10, 10}, {-400, 10}, {1, 300}, true},
        {"past the right edge", {300, 300}, {10, 10}, {800, 10}, {1024 - 32, 300}, true},
        {"right at the threshold", {300, 300}, {10, 10}, {701, 10}, {991, 300}, true},
        {"below the bottom", {300, 300}, {10, 10}, {10, 900}, {300, 768 - 21}, true},
    };
    show();
    for (const Case &c : cases) {
        form->move(c.start);
        form->set_auto_size(true);
        QTest::mousePress(form->Panel_menu, Qt::LeftButton, Qt::NoModifier, c.press);
        EXPECT_TRUE(form->dragging);
        EXPECT_EQ(form->pos(), c.start) << c.what << ": the form does not follow the held mouse";
        QTest::mouseRelease(form->Panel_menu, Qt::LeftButton, Qt::NoModifier, c.release);
        EXPECT_EQ(form->pos(), c.end) << c.what;
        EXPECT_EQ(!form->Panel_www->isHidden(), c.second_row) << c.what;
        EXPECT_FALSE(form->dragging);
        // Placing the bar again brings back the second row for the next case.
        form->Panel_www->show();
    }
}

TEST_F(Placement, AnyButtonDragsFromEveryDragSurface) {
    show();
    form->menu_testClick();  // the large shape shows the image area and the picture
    for (QWidget *surface : std::initializer_list<QWidget *>{form->Panel_menu, form->label_minutes, form->Shader1,
                                                              form->Panel_image, form->image_picture}) {
        form->move(100, 100);
        QTest::mousePress(surface, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseRelease(surface, Qt::RightButton, Qt::NoModifier, QPoint(15, 25));
        EXPECT_EQ(form->pos(), QPoint(110, 120)) << surface->objectName().toStdString();
    }
}

TEST_F(Placement, DoubleClickOnTheProgressBarIgnoresTheBreak) {
    show();
    form->menu_testClick();
    ASSERT_EQ(form->state, "rest");
    QTest::mouseDClick(form->Shader1, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(form->state, "type");
    EXPECT_EQ(form->lbl_cancel_count->Caption(), "1");
}

}  // namespace
}  // namespace trovel::test
