// The popup menu as shown: built from the items at each opening, with every caption,
// separator, submenu, check mark, radio group, hint and the bold default item; opened by
// a left click on the hands or the menu button at 17, 12 inside the form; never by a
// right click; and a chosen entry runs only its item's command.
#include "app/popup_menu.h"
#include "form_fixture.h"
#include "support/test_files.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>

namespace trovel::test {
namespace {

using PopupMenu = FormTest;

// One line per entry: the caption, then what it shows besides: "-" for a separator,
// " >" for a submenu, "(x)"/"( )" for radio items, "[x]" for a checked check item, and
// <default>, <hidden>, <disabled>.
std::vector<std::string> describe(const QMenu &menu) {
    std::vector<std::string> lines;
    for (const QAction *a : menu.actions()) {
        QString line = a->isSeparator() ? QStringLiteral("-") : a->text();
        if (a->menu()) line += " >";
        if (a->actionGroup())
            line += a->isChecked() ? " (x)" : " ( )";
        else if (a->isChecked())
            line += " [x]";
        if (menu.defaultAction() == a) line += " <default>";
        if (!a->isVisible()) line += " <hidden>";
        if (!a->isEnabled()) line += " <disabled>";
        lines.push_back(line.toStdString());
    }
    return lines;
}

QMenu *submenu(QMenu &menu, const char *name) {
    auto *action = menu.findChild<QAction *>(QString::fromLatin1(name));
    return action ? action->menu() : nullptr;
}

TEST_F(PopupMenu, MenuShowsTheWholeTreeInDisplayOrder) {
    PopupMenuView view(*form->PopupMenu1);
    QMenu &top = view.menu();
    EXPECT_EQ(describe(top), (std::vector<std::string>{
                                 "&TROVEL Take microbreak <default>",
                                 "Rest (micropause/nag) settings >",
                                 "-",
                                 "start &TYPING (ignore break)",
                                 "&LATER: micropause in 5 minutes <disabled>",
                                 "&STATISTICS...",
                                 "Type settings >",
                                 "-",
                                 "Version 2.0; Show disclaimer....",
                                 "Visit us trovel.example.org",
                                 "vantor alarm icon (disable trovel) <hidden> <disabled>",
                                 "-",
                                 "E&XIT/close/stop trovel",
                             }));
    ASSERT_NE(submenu(top, "Rest1"), nullptr);
    EXPECT_EQ(describe(*submenu(top, "Rest1")), (std::vector<std::string>{
                                                    "MINUTES of micropause (1, 2 or 5) >",
                                                    "-",
                                                    "&Play wav/mp3 file at startof micropause",
                                                    "Click here to select wav/mp3 file to play...",
                                                    "-",
                                                    "show nagwindow during micropause [x]",
                                                    "use screen &Center for nagwindow [x]",
                                                    "cover OTHER SCREENS during micropause [x]",
                                                    "size of nagwindow (full/quarter/...) >",
                                                    "-",
                                                    "show &IMAGES from image-directory [x]",
                                                    "Click here to set image-directory...",
                                                    "show images in rand&Om order",
                                                    "-",
                                                    "show CLOCK (instead of images)",
                                                    "show clock when near half/whole hour",
                                                    "count time &AWAY as micropause [x]",
                                                    "micropause counts only with HANDS OFF",
                                                    "wait while another program is &FULL SCREEN [x]",
                                                    "wait while a CALL uses the MICROPHONE or camera [x]",
                                                    "-",
                                                    "store current position for &Nag-window",
                                                }));
    ASSERT_NE(submenu(top, "restbetweencountdowns1"), nullptr);
    EXPECT_EQ(describe(*submenu(top, "restbetweencountdowns1")),
              (std::vector<std::string>{"&1 minute (x)", "&2 minutes ( )", "&5 minutes ( )"}));
    ASSERT_NE(submenu(top, "menusize1"), nullptr);
    EXPECT_EQ(describe(*submenu(top, "menusize1")),
              (std::vector<std::string>{"&Full screen (x)", "screen/4 ( )", "screen/8 ( )", "screen/16 ( )"}));
    ASSERT_NE(submenu(top, "Typing1"), nullptr);
    EXPECT_EQ(describe(*submenu(top, "Typing1")),
              (std::vector<std::string>{"&MINUTES allowed >", "-", "store POSITION as default",
                                        "start trovel at &LOGIN", "-", "&PAUSE trovel", "PAUSE for >"}));
    ASSERT_NE(submenu(top, "menu_pause_for"), nullptr);
    EXPECT_EQ(describe(*submenu(top, "menu_pause_for")),
              (std::vector<std::string>{"30 minutes", "1 hour", "2 hours", "until tomorrow"}));
    ASSERT_NE(submenu(top, "minutes1"), nullptr);
    EXPECT_EQ(describe(*submenu(top, "minutes1")),
              (std::vector<std::string>{"&1 min ( )", "&2 min ( )", "&3 min ( )", "&4 min ( )", "&5 min (x)",
                                        "&6 min ( )", "&7 min ( )", "&8 min ( )", "&9 min ( )", "10 min ( )",
                                        "15 min ( )", "20 min ( )", "30 min ( )"}));
}

TEST_F(PopupMenu, MenuShowsHintsAsToolTips) {
    PopupMenuView view(*form->PopupMenu1);
    const std::pair<TMenuItem *, QString> hinted[] = {
        {form->menu_pict_dir, "klick here to select one imagefile"},
        {form->menu_random, "instead of original consecutive order"},
        {form->menu_wwwhomepage, "visit our site trovel.example.org"},
        {form->menu_vantor, "if image exists then show it (alarm)"},
        {form->exitclose1, "stop the program"},
    };
    for (const auto &[item, hint] : hinted)
        EXPECT_EQ(view.action_for(item)->toolTip(), hint) << item->objectName().toStdString();
    EXPECT_TRUE(view.menu().toolTipsVisible());
    for (const QMenu *sub : view.menu().findChildren<QMenu *>())
        EXPECT_TRUE(sub->toolTipsVisible()) << sub->objectName().toStdString();
}

TEST_F(PopupMenu, RadioGroupsArePerParentAndGroupNumberAndMayBeEmpty) {
    PopupMenuView view(*form->PopupMenu1);
    auto group = [&](TMenuItem *item) { return view.action_for(item)->actionGroup(); };
    const std::vector<std::vector<TMenuItem *>> groups = {
        {form->menu_1min, form->menu_2min, form->menu_5min},
        {form->menu_full, form->menu_large, form->menu_small, form->menu_tiny},
        {form->N1min1, form->N2min1, form->N3min1, form->N4min1, form->N5min1, form->N6min1, form->N7min1, form->N8min1,
         form->N9min1, form->N10min1, form->N15min1, form->N20min1, form->N30min1},
    };
    std::set<QActionGroup *> seen;
    for (const auto &members : groups) {
        QActionGroup *g = group(members.front());
        ASSERT_NE(g, nullptr);
        EXPECT_TRUE(seen.insert(g).second) << "each radio group has its own action group";
        EXPECT_EQ(g->exclusionPolicy(), QActionGroup::ExclusionPolicy::ExclusiveOptional);
        EXPECT_EQ(g->actions().size(), qsizetype(members.size()));
        for (TMenuItem *m : members)
            EXPECT_EQ(group(m), g) << m->objectName().toStdString();
    }
    EXPECT_EQ(group(form->menu_play), nullptr);

    // The items are the truth: an emptied group shows empty, other checks show as set.
    form->menu_1min->setChecked(false);
    form->menu_pause->setChecked(true);
    form->menu_use_nag->setChecked(false);
    PopupMenuView again(*form->PopupMenu1);
    for (TMenuItem *m : groups[0])
        EXPECT_FALSE(again.action_for(m)->isChecked()) << m->objectName().toStdString();
    EXPECT_TRUE(again.action_for(form->menu_pause)->isChecked());
    EXPECT_FALSE(again.action_for(form->menu_use_nag)->isChecked());
}

// Runs act on the first popup menu the form opens, while it is open.
class MenuWatch {
public:
    explicit MenuWatch(std::function<void(QMenu &)> act = [](QMenu &m) { m.close(); }) : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(5);
    }
    ~MenuWatch() {
        // A test that failed to close the menu must not hang: close whatever is still open.
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    }
    int opened = 0;
    QPoint pos;
    QString name;

private:
    void poll() {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (menu && opened > 0 && since_.elapsed() > 3000) {
            ADD_FAILURE() << "the menu stayed open";
            while (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
            return;
        }
        if (!menu || opened > 0) return;
        ++opened;
        since_.start();
        pos = menu->pos();
        name = menu->objectName();
        act_(*menu);
    }
    std::function<void(QMenu &)> act_;
    QTimer timer_;
    QElapsedTimer since_;
};

void click(QWidget *w, Qt::MouseButton button) {
    QTest::mouseClick(w, button, Qt::NoModifier, w->rect().center());
    QTest::qWait(20);
}

TEST_F(PopupMenu, LeftClickOnTheHandsOrTheMenuButtonOpensTheMenuAt17And12) {
    show();
    ASSERT_EQ(form->pos(), QPoint(447, 362));
    for (QWidget *w : std::initializer_list<QWidget *>{form->Panel_hands, form->Image_hands, form->SpeedButton1}) {
        SCOPED_TRACE(w->objectName().toStdString());
        MenuWatch watch;
        click(w, Qt::LeftButton);
        EXPECT_EQ(watch.opened, 1);
        EXPECT_EQ(watch.name, "PopupMenu1");
        EXPECT_EQ(watch.pos, form->pos() + QPoint(17, 12));
    }
}

TEST_F(PopupMenu, RightClickOpensNothing) {
    show();
    for (QWidget *w : std::initializer_list<QWidget *>{form->Panel_hands, form->Image_hands, form->SpeedButton1,
                                                       form->Panel_menu, form->label_minutes}) {
        MenuWatch watch;
        click(w, Qt::RightButton);
        EXPECT_EQ(watch.opened, 0) << w->objectName().toStdString();
    }
}

// Sends keys to whichever menu of the popup has the keyboard.
void keys(const std::vector<Qt::Key> &sequence) {
    for (Qt::Key k : sequence)
        QTest::keyClick(QApplication::activePopupWidget(), k);
}

TEST_F(PopupMenu, KeyboardChoosesThroughSubmenusAndAccelerators) {
    show();
    {
        // Down selects the first entry, the default item: take a break.
        MenuWatch watch([](QMenu &) { keys({Qt::Key_Down, Qt::Key_Return}); });
        click(form->Panel_hands, Qt::LeftButton);
        ASSERT_EQ(watch.opened, 1);
        EXPECT_EQ(form->state(), "rest");
    }
    {
        // Type settings > MINUTES allowed > "&2 min" by its accelerator (during the rest
        // "later" is one more entry on the way).
        MenuWatch watch([](QMenu &) {
            keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right,
                  Qt::Key_Right, Qt::Key_2});
        });
        click(form->Image_hands, Qt::LeftButton);
        ASSERT_EQ(watch.opened, 1);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_TRUE(form->N2min1->Checked());
        EXPECT_FALSE(form->N5min1->Checked());
        EXPECT_EQ(form->spin_timeout->Value(), 2);
        EXPECT_EQ(form->state(), "type");
        EXPECT_EQ(title(), "02:00 Type trovel");
    }
}

TEST_F(PopupMenu, ChoosingTheCheckedRadioEntryEmptiesItsGroup) {
    show();
    auto choose = [&](const char *name) {
        MenuWatch watch([name](QMenu &m) {
            QAction *a = m.findChild<QAction *>(QString::fromLatin1(name));
            ASSERT_NE(a, nullptr);
            a->trigger();
        });
        click(form->Panel_hands, Qt::LeftButton);
        ASSERT_EQ(watch.opened, 1);
    };
    choose("menu_2min");
    EXPECT_FALSE(form->menu_1min->Checked());
    EXPECT_TRUE(form->menu_2min->Checked());
    choose("menu_2min");
    EXPECT_FALSE(form->menu_1min->Checked() || form->menu_2min->Checked() || form->menu_5min->Checked());
    // A check item flips by its command alone.
    choose("menu_random");
    EXPECT_TRUE(form->menu_random->Checked());
    choose("menu_random");
    EXPECT_FALSE(form->menu_random->Checked());
}

TEST_F(PopupMenu, ClosingTheMenuWithoutAChoiceRunsNothing) {
    show();
    const QString before = title();
    MenuWatch watch([](QMenu &) { keys({Qt::Key_Down, Qt::Key_Escape}); });
    click(form->Panel_hands, Qt::LeftButton);
    ASSERT_EQ(watch.opened, 1);
    EXPECT_EQ(form->state(), "type");
    EXPECT_EQ(title(), before);
}

TEST_F(PopupMenu, TheDragEndsBeforeTheMenuOpensAndARaisingCommandLeavesNoDragBehind) {
    show();
    // "Take a break" with play on and a file that is no sound: the command raises.
    QTemporaryDir dir;
    write_file(dir.filePath("notes.wav"), "this is not a sound\n");
    form->menu_play->setChecked(true);
    form->menu_soundfile->setCaption(dir.filePath("notes.wav"));
    ReportedErrors errors;
    bool dragging_in_menu = true, drag_cursor_in_menu = true;
    MenuWatch watch([&](QMenu &) {
        dragging_in_menu = form->dragging();
        drag_cursor_in_menu = QApplication::overrideCursor() != nullptr;
        keys({Qt::Key_Down, Qt::Key_Return});
    });
    const QPoint at = form->Panel_hands->rect().center();
    QTest::mousePress(form->Panel_hands, Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_TRUE(form->dragging());
    ASSERT_NE(QApplication::overrideCursor(), nullptr) << "a press shows the drag cursor";
    QTest::mouseRelease(form->Panel_hands, Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_EQ(watch.opened, 1);
    EXPECT_FALSE(dragging_in_menu);
    EXPECT_FALSE(drag_cursor_in_menu);
    EXPECT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(form->state(), "rest");
    EXPECT_FALSE(form->dragging());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace trovel::test
