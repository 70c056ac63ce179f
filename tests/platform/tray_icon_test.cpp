// The tray icon: switching the animation, the frames it shows and when, what reaches the
// notification area, and what the mouse does, also as Qt reports it from either kind of tray. Also the frame list and
// the frame pictures, and what happens when a notification area comes up later.
#include "platform/qt_tray_host.h"
#include "platform/status_notifier_item.h"
#include "platform/tray_activation.h"
#include "platform/tray_arrival.h"
#include "platform/tray_icon.h"
#include "support/fake_platform_timer.h"
#include "support/fake_tray_host.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QStyleHints>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace trovel {
namespace {

using test::FakePlatformTimer;
using test::FakeTrayHost;
using test::TrayCall;

QIcon load_frame(int n) { return QIcon(QPixmap(QStringLiteral(TROVEL_SOURCE_DIR "/assets/tray%1.xpm").arg(n))); }

class TrayIcon : public ::testing::Test {
protected:
    TrayIcon() {
        auto h = std::make_unique<FakeTrayHost>();
        auto t = std::make_unique<FakePlatformTimer>();
        host = h.get();
        timer = t.get();
        log = host->log;
        tray = std::make_unique<TRxTrayIcon>(std::move(h), std::move(t));
        for (int i = 0; i < 3; ++i)
            frames[i] = load_frame(i);
        stat = frames[0];
    }
    // As the form sets it up: the static icon, three frames, then the end of creation.
    void configure() {
        tray->setIcon(stat);
        for (const QIcon &f : frames)
            tray->Icons().Add(f);
        tray->Loaded();
        log->clear();
    }
    // The icons shown by the calls logged since `from`.
    std::vector<qint64> shown_since(size_t from) const {
        std::vector<qint64> keys;
        for (size_t i = from; i < log->size(); ++i)
            if ((*log)[i].kind != TrayCall::Remove) keys.push_back((*log)[i].icon);
        return keys;
    }
    void run(uint32_t ms) { test::run_for(*timer, now, ms); }

    FakeTrayHost *host = nullptr;
    FakePlatformTimer *timer = nullptr;
    std::shared_ptr<std::vector<TrayCall>> log;
    std::unique_ptr<TRxTrayIcon> tray;
    QIcon frames[3];
    QIcon stat;
    uint32_t now = 0;
};

TEST(TrayFrames, AreSixteenSquareWithTheirBackgrounds) {
    const QRgb backgrounds[] = {qRgb(192, 192, 192), qRgb(255, 0, 0), qRgb(255, 255, 0)};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const QImage img(QStringLiteral(TROVEL_SOURCE_DIR "/assets/tray%1.xpm").arg(i));
        ASSERT_EQ(img.size(), QSize(16, 16));
        EXPECT_EQ(img.pixel(0, 0), backgrounds[i]);
        EXPECT_FALSE(img.hasAlphaChannel());
    }
}

TEST_F(TrayIcon, TheIconEntersTheAreaOnceItHasAPicture) {
    EXPECT_FALSE(tray->Added());
    EXPECT_EQ(tray->IconIndex(), -1);
    tray->Icons().Add(frames[1]); // no static icon yet: stays out
    EXPECT_FALSE(tray->Added());
    EXPECT_FALSE(host->shown);
    tray->setIcon(stat);
    EXPECT_TRUE(tray->Added());
    EXPECT_TRUE(host->shown);
    EXPECT_EQ(log->back().kind, TrayCall::Add);
    EXPECT_EQ(log->back().icon, stat.cacheKey());
    tray->Loaded(); // adding again replaces, never doubles
    EXPECT_TRUE(host->shown);
    ASSERT_GE(log->size(), 2u);
    EXPECT_EQ((*log)[log->size() - 2].kind, TrayCall::Remove);
}

TEST_F(TrayIcon, SwitchingOnWithNoFramesLeavesItOff) {
    tray->setIcon(stat);
    log->clear();
    tray->setAnimated(true);
    EXPECT_FALSE(tray->Animated());
    EXPECT_TRUE(log->empty());
    EXPECT_FALSE(timer->running());
}

TEST_F(TrayIcon, FrameZeroAtOnceThenOneFrameEachInterval) {
    configure();
    tray->setAnimated(true);
    EXPECT_TRUE(tray->Animated());
    EXPECT_EQ(tray->IconIndex(), 0);
    EXPECT_EQ(shown_since(0), (std::vector<qint64>{frames[0].cacheKey()}));
    run(149);
    EXPECT_EQ(log->size(), 1u);
    run(1);
    run(600);
    const std::vector<qint64> expected = {frames[0].cacheKey(), frames[1].cacheKey(), frames[2].cacheKey(),
                                          frames[0].cacheKey(), frames[1].cacheKey(), frames[2].cacheKey()};
    EXPECT_EQ(shown_since(0), expected);
    EXPECT_EQ(log->back().kind, TrayCall::Modify);
}

TEST_F(TrayIcon, SwitchingOnTwiceDoesNotRestartTheCycle) {
    configure();
    tray->setAnimated(true);
    run(320);
    const size_t sent = log->size();
    const int starts = timer->starts;
    tray->setAnimated(true);
    EXPECT_EQ(log->size(), sent);
    EXPECT_EQ(timer->starts, starts);
    EXPECT_EQ(tray->IconIndex(), 2);
    run(130); // the step due at 450 still comes on time
    EXPECT_EQ(tray->IconIndex(), 0);
}

TEST_F(TrayIcon, SwitchingOffShowsTheIconAndNoFrameFollows) {
    configure();
    tray->setAnimated(false); // off while off
    EXPECT_TRUE(log->empty());

    tray->setAnimated(true);
    run(200);
    log->clear();
    tray->setAnimated(false);
    EXPECT_EQ(shown_since(0), (std::vector<qint64>{stat.cacheKey()}));
    EXPECT_EQ(tray->IconIndex(), 0);
    run(1000);
    EXPECT_EQ(log->size(), 1u);
    tray->setAnimated(false);
    EXPECT_EQ(log->size(), 1u);
}

TEST_F(TrayIcon, ANewIntervalAppliesFromTheNextStep) {
    configure();
    tray->setAnimated(true);
    run(100);
    tray->setInterval(400);
    run(50); // the step already waited for comes at 150
    EXPECT_EQ(tray->IconIndex(), 1);
    run(399);
    EXPECT_EQ(tray->IconIndex(), 1);
    run(1);
    EXPECT_EQ(tray->IconIndex(), 2);
}

TEST_F(TrayIcon, RemovedIconPausesTheAnimationAndAddingResumesIt) {
    configure();
    tray->setAnimated(true);
    tray->setActive(false);
    EXPECT_FALSE(tray->Added());
    EXPECT_FALSE(host->shown);
    log->clear();
    run(1000);
    EXPECT_TRUE(log->empty());
    tray->setActive(true);
    EXPECT_TRUE(host->shown);
    run(150);
    EXPECT_EQ(tray->IconIndex(), 1);
}

TEST_F(TrayIcon, WithNoAreaTheAnimationWaitsForOne) {
    host->area = false;
    configure();
    tray->setAnimated(true);
    EXPECT_EQ(log->back().icon, frames[0].cacheKey());
    EXPECT_FALSE(timer->running());
    run(1000);
    EXPECT_EQ(tray->IconIndex(), 0);
    host->area = true;
    host->on_area_arrived();
    run(150);
    EXPECT_EQ(tray->IconIndex(), 1);
    EXPECT_EQ(log->back().icon, frames[1].cacheKey());
    tray->setAnimated(false);
    host->on_area_arrived(); // an area that comes up after the rest starts nothing
    EXPECT_FALSE(timer->running());
}

TEST_F(TrayIcon, ARefusedAddIsRetriedAtEveryStep) {
    host->accept = false;
    configure();
    tray->setAnimated(true);
    EXPECT_FALSE(tray->Added());
    run(300);
    int adds = 0;
    for (const TrayCall &c : *log)
        adds += c.kind == TrayCall::Add;
    EXPECT_EQ(adds, 3); // switching on, and each of two steps
    host->accept = true;
    run(150);
    EXPECT_TRUE(tray->Added());
    EXPECT_EQ(log->back().icon, frames[0].cacheKey());
}

// An empty frame removes the icon, and a removed icon does not animate, so it stays out
// until the animation is switched off and the static icon comes back.
TEST_F(TrayIcon, AnEmptyFrameTakesTheIconOutUntilTheAnimationEnds) {
    configure();
    tray->Icons().setItems(1, QIcon());
    tray->setAnimated(true);
    run(150);
    EXPECT_FALSE(tray->Added());
    EXPECT_EQ(log->back().kind, TrayCall::Remove);
    EXPECT_FALSE(timer->running());
    tray->setAnimated(false);
    EXPECT_TRUE(tray->Added());
    EXPECT_EQ(log->back().icon, stat.cacheKey());
}

TEST_F(TrayIcon, ClearingTheFramesEndsTheAnimation) {
    configure();
    tray->setAnimated(true);
    tray->Icons().Clear();
    EXPECT_FALSE(tray->Animated());
    EXPECT_EQ(log->back().icon, stat.cacheKey());
    EXPECT_FALSE(timer->running());
}

TEST_F(TrayIcon, TheTipIsTheHintBeforeTheBarCutTo63) {
    configure();
    struct Case {
        QString hint, tip;
    };
    const QString long_text(100, QLatin1Char('x'));
    for (const Case &c : std::vector<Case>{
             {"Trovel|the long hint", "Trovel"}, {long_text, long_text.left(63)}, {"|nothing before", ""}, {"", ""}}) {
        SCOPED_TRACE(c.hint.toStdString());
        tray->setHint(c.hint);
        EXPECT_EQ(tray->Tip(), c.tip);
    }
    tray->setHint("a|b");
    tray->setAnimated(true);
    run(150);
    EXPECT_EQ(log->back().tip, "a"); // every update sends the tip again
}

struct MouseCase {
    const char *what;
    std::function<void(FakeTrayHost &)> gesture;
    bool enabled, active, has_default;
    int default_clicks;
    std::vector<std::string> hooks;
};

TEST_F(TrayIcon, MouseNotifications) {
    const std::vector<MouseCase> cases = {
        {"double click runs the default item",
         [](FakeTrayHost &h) { h.double_click_left(); },
         true,
         true,
         true,
         1,
         {"down L", "click L", "up L", "down L dbl"}},
        {"no default item: OnDblClick follows",
         [](FakeTrayHost &h) { h.double_click_left(); },
         true,
         true,
         false,
         1,
         {"down L", "click L", "up L", "dblclick", "down L dbl"}},
        {"inactive icon clicks no item",
         [](FakeTrayHost &h) { h.double_click_left(); },
         true,
         false,
         true,
         0,
         {"down L", "click L", "up L", "dblclick", "down L dbl"}},
        {"disabled icon does nothing", [](FakeTrayHost &h) { h.double_click_left(); }, false, true, true, 0, {}},
        {"single click", [](FakeTrayHost &h) { h.click_left(); }, true, true, true, 0, {"down L", "click L", "up L"}},
        {"right click opens nothing",
         [](FakeTrayHost &h) { h.click_right(); },
         true,
         true,
         true,
         0,
         {"down R", "click R", "up R"}},
        {"middle click is no click",
         [](FakeTrayHost &h) { h.click_middle(); },
         true,
         true,
         true,
         0,
         {"down M", "up M"}},
    };
    for (const MouseCase &c : cases) {
        SCOPED_TRACE(c.what);
        int default_clicks = 0;
        std::vector<std::string> hooks;
        auto name = [](const TrayMouseEvent &e) {
            return std::string(e.button == TrayButton::Left    ? "L"
                               : e.button == TrayButton::Right ? "R"
                                                               : "M") +
                   (e.double_click ? " dbl" : "");
        };
        tray->ClickDefaultItem = [&] {
            ++default_clicks;
            return c.has_default;
        };
        tray->OnClick = [&](const TrayMouseEvent &e) { hooks.push_back("click " + name(e)); };
        tray->OnDblClick = [&](const TrayMouseEvent &) { hooks.push_back("dblclick"); };
        tray->OnMouseDown = [&](const TrayMouseEvent &e) {
            EXPECT_EQ(e.pos, QPoint(100, 200));
            hooks.push_back("down " + name(e));
        };
        tray->OnMouseUp = [&](const TrayMouseEvent &e) { hooks.push_back("up " + name(e)); };
        tray->setEnabled(c.enabled);
        tray->setActive(c.active);
        c.gesture(*host);
        EXPECT_EQ(default_clicks, c.default_clicks);
        EXPECT_EQ(hooks, c.hooks);
    }
}

TEST_F(TrayIcon, WithoutHooksOnlyTheDoubleClickDoesAnything) {
    configure();
    int default_clicks = 0;
    tray->ClickDefaultItem = [&] {
        ++default_clicks;
        return true;
    };
    host->click_left();
    host->click_right();
    host->click_middle();
    host->send(TrayNotification::MouseMove);
    EXPECT_EQ(default_clicks, 0);
    host->double_click_left();
    EXPECT_EQ(default_clicks, 1);
    EXPECT_TRUE(log->empty()); // nothing about the icon changed
}

// Status-notifier panels send one Trigger per click and no double click; an XEmbed tray
// sends a Trigger per press and a DoubleClick for a double click's second press. Either
// way a double click must take exactly one break. Each step waits its milliseconds, then
// activates; the double-click interval is 400 ms.
TEST_F(TrayIcon, ActivationsFromEitherKindOfTrayDoubleClickOnce) {
    using A = TrayActivation;
    struct Step {
        int64_t wait;
        A activation;
    };
    struct Case {
        const char *what;
        std::vector<Step> steps;
        int default_clicks;
    };
    const std::vector<Case> cases = {
        {"one Trigger is a click", {{0, A::Trigger}}, 0},
        {"two Triggers 80 ms apart", {{0, A::Trigger}, {80, A::Trigger}}, 1},
        {"two Triggers just within the interval", {{0, A::Trigger}, {399, A::Trigger}}, 1},
        {"two Triggers just outside the interval", {{0, A::Trigger}, {400, A::Trigger}}, 0},
        {"XEmbed: Trigger then native DoubleClick", {{0, A::Trigger}, {60, A::DoubleClick}}, 1},
        {"a Trigger for each press, then the native DoubleClick",
         {{0, A::Trigger}, {60, A::Trigger}, {0, A::DoubleClick}},
         1},
        {"three quick Triggers", {{0, A::Trigger}, {80, A::Trigger}, {80, A::Trigger}}, 1},
        {"four quick Triggers are two double clicks",
         {{0, A::Trigger}, {80, A::Trigger}, {80, A::Trigger}, {80, A::Trigger}},
         2},
        {"XEmbed: two double clicks in a row",
         {{0, A::Trigger}, {60, A::DoubleClick}, {60, A::Trigger}, {60, A::DoubleClick}},
         2},
        {"a late click, then a double click", {{0, A::Trigger}, {900, A::Trigger}, {80, A::Trigger}}, 1},
        {"a right click between two left clicks", {{0, A::Trigger}, {40, A::Context}, {40, A::Trigger}}, 0},
    };
    configure();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        int64_t clock = 1000;
        TrayActivationMap clicks([&] { return clock; }, [] { return 400; });
        int default_clicks = 0;
        tray->ClickDefaultItem = [&] {
            ++default_clicks;
            return true;
        };
        for (const Step &s : c.steps) {
            clock += s.wait;
            clicks.map(s.activation, [&](TrayNotification n) { host->send(n); });
        }
        EXPECT_EQ(default_clicks, c.default_clicks);
    }
}

// Without a fake interval the desktop's setting applies, read at each click.
TEST(TrayActivationMapQt, TheIntervalIsTheDesktopsDoubleClickInterval) {
    int64_t clock = 0;
    TrayActivationMap clicks([&] { return clock; });
    int doubles = 0;
    auto trigger_after = [&](int64_t ms) {
        clock += ms;
        clicks.map(TrayActivation::Trigger, [&](TrayNotification n) { doubles += n == TrayNotification::LeftDouble; });
    };
    QStyleHints *hints = QGuiApplication::styleHints();
    const int saved = hints->mouseDoubleClickInterval();
    hints->setMouseDoubleClickInterval(700);
    trigger_after(1000);
    trigger_after(650);
    EXPECT_EQ(doubles, 1);
    hints->setMouseDoubleClickInterval(100);
    trigger_after(1000);
    trigger_after(150);
    EXPECT_EQ(doubles, 1);
    hints->setMouseDoubleClickInterval(saved);
}

TEST_F(TrayIcon, DestructionTakesTheIconOut) {
    configure();
    tray->setAnimated(true);
    log->clear();
    tray.reset();
    ASSERT_FALSE(log->empty());
    EXPECT_EQ(log->back().kind, TrayCall::Remove);
    EXPECT_EQ(std::count_if(log->begin(), log->end(), [](const TrayCall &c) { return c.kind != TrayCall::Remove; }), 0);
}

TEST(IconList, NotifiesAfterEachChangeAndOnceAfterTheOutermostUpdate) {
    TIconList list;
    int notes = 0;
    list.OnChange = [&] { ++notes; };
    const QIcon a = load_frame(0), b = load_frame(1), c = load_frame(2);
    list.Add(a);
    list.Add(b);
    list.Insert(0, c);   // c a b
    list.Exchange(0, 2); // b a c
    list.Move(0, 2);     // a c b
    list.setItems(1, QIcon());
    EXPECT_EQ(notes, 6);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0].cacheKey(), a.cacheKey());
    EXPECT_TRUE(list[1].isNull());
    EXPECT_EQ(list[2].cacheKey(), b.cacheKey());

    list.BeginUpdate();
    list.BeginUpdate();
    list.Delete(1);
    list.Add(c);
    list.EndUpdate();
    EXPECT_EQ(notes, 6);
    list.EndUpdate();
    EXPECT_EQ(notes, 7);
    list.Clear();
    EXPECT_EQ(notes, 8);
    EXPECT_THROW(list.Items(0), std::out_of_range);
    EXPECT_THROW(list.Insert(1, a), std::out_of_range);
}

TEST(TrayIconQt, TheRealTimerStepsTheFrames) {
    TRxTrayIcon tray(std::make_unique<FakeTrayHost>(), make_qt_platform_timer());
    for (int i = 0; i < 3; ++i)
        tray.Icons().Add(load_frame(i));
    tray.setIcon(load_frame(0));
    tray.setInterval(20);
    tray.setAnimated(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tray.IconIndex() == 2; }, 3000));
    tray.setAnimated(false);
    QTest::qWait(100);
    EXPECT_EQ(tray.IconIndex(), 0);
}

// The real notification area makes its QSystemTrayIcon only when the event loop turns after
// the first add (making one waits for the session bus), and shows what was last asked for.
TEST(TrayHostQt, TheIconIsMadeInTheEventLoopWithWhatWasLastAsked) {
    const QIcon a = load_frame(0), b = load_frame(1);
    struct Row {
        const char *name;
        std::function<void(QtTrayHost &)> before_loop;
        bool shown;
        qint64 icon;
        QString tip;
    };
    const Row rows[] = {
        {"add", [&](QtTrayHost &h) { h.add(a, "one"); }, true, a.cacheKey(), "one"},
        {"add, modify",
         [&](QtTrayHost &h) {
             h.add(a, "one");
             h.modify(b, "two");
         },
         true, b.cacheKey(), "two"},
        {"add, remove",
         [&](QtTrayHost &h) {
             h.add(a, "one");
             h.remove();
         },
         false, 0, ""},
        // every add of the tray icon begins with a remove
        {"remove, add, remove, add",
         [&](QtTrayHost &h) {
             h.remove();
             h.add(a, "one");
             h.remove();
             h.add(b, "two");
         },
         true, b.cacheKey(), "two"},
        {"modify only", [&](QtTrayHost &h) { h.modify(a, "one"); }, false, 0, ""},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        QtTrayHost host;
        r.before_loop(host);
        EXPECT_EQ(host.icon(), nullptr) << "nothing is made before the event loop turns";
        QCoreApplication::processEvents();
        if (!r.shown) {
            EXPECT_EQ(host.icon(), nullptr) << "an icon nobody wants is never made";
            continue;
        }
        ASSERT_NE(host.icon(), nullptr);
        EXPECT_TRUE(host.icon()->isVisible());
        EXPECT_EQ(host.icon()->icon().cacheKey(), r.icon);
        EXPECT_EQ(host.icon()->toolTip(), r.tip);
    }
}

// The icon waits until the windows shown before it have been drawn: the bar's first paint
// comes before the session bus is asked about the notification area.
TEST(TrayHostQt, TheIconWaitsUntilTheShownWindowsHaveBeenDrawn) {
    QtTrayHost host;
    class Window : public QWidget {
    public:
        explicit Window(const QtTrayHost &h) : host_(h) {}
        int paints = 0;
        bool icon_before_first_paint = false;

    protected:
        void paintEvent(QPaintEvent *) override {
            if (paints++ == 0) icon_before_first_paint = host_.icon() != nullptr;
        }

    private:
        const QtTrayHost &host_;
    } window(host);
    window.resize(50, 20);
    window.show();
    ASSERT_FALSE(window.windowHandle()->isExposed()) << "the platform exposes windows in the event loop";
    host.add(load_frame(0), "one");
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.icon() != nullptr; }, 1000));
    EXPECT_GE(window.paints, 1);
    EXPECT_FALSE(window.icon_before_first_paint);
}

TEST(TrayHostQt, OnceMadeItChangesAtOnceAndLeavesInTheNextTurn) {
    const QIcon a = load_frame(0), b = load_frame(1);
    QtTrayHost host;
    host.add(a, "one");
    QCoreApplication::processEvents();
    ASSERT_NE(host.icon(), nullptr);
    host.modify(b, "two");
    EXPECT_EQ(host.icon()->icon().cacheKey(), b.cacheKey());
    EXPECT_EQ(host.icon()->toolTip(), "two");
    host.remove();
    EXPECT_TRUE(host.icon()->isVisible()) << "a remove waits for the event loop";
    QCoreApplication::processEvents();
    EXPECT_FALSE(host.icon()->isVisible());
    host.add(a, "one");
    EXPECT_TRUE(host.icon()->isVisible()) << "an add to a made icon needs no turn";
}

TEST(TrayHostQt, AHostGoneBeforeTheEventLoopTurnsLeavesNothingToRun) {
    auto host = std::make_unique<QtTrayHost>();
    host->add(load_frame(0), "one");
    host.reset();
    QCoreApplication::processEvents(); // under ASan, a use after free here would fail
    SUCCEED();
}

// What the icon does when a notification area comes up while the program runs.
TEST(TrayArrivalRule, APanelOrTrayThatComesLater) {
    using K = TrayIconKind;
    using A = TrayArrival;
    using S = TrayStep;
    struct Row {
        K kind;
        bool has_host;
        A arrival;
        S step;
    };
    const Row rows[] = {
        // not made yet: it chooses when it is made
        {K::none, false, A::status_notifier_watcher, S::keep},
        {K::none, false, A::xembed_tray, S::keep},
        // a Qt icon with a host stays; Qt keeps it there itself
        {K::qt_icon, true, A::status_notifier_watcher, S::keep},
        {K::qt_icon, true, A::xembed_tray, S::keep},
        // made without one: Qt never asks for a watcher again, but a new Qt icon docks
        {K::qt_icon, false, A::status_notifier_watcher, S::own_item},
        {K::qt_icon, false, A::xembed_tray, S::remake_qt_icon},
        // the own item registers with each new watcher; a tray alone takes a Qt icon again
        {K::own_item, false, A::status_notifier_watcher, S::register_again},
        {K::own_item, true, A::status_notifier_watcher, S::keep},
        {K::own_item, true, A::xembed_tray, S::keep},
        {K::own_item, false, A::xembed_tray, S::remake_qt_icon},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "kind " << int(r.kind) << ", host " << r.has_host << ", arrival "
                                        << int(r.arrival));
        EXPECT_EQ(after_arrival(r.kind, r.has_host, r.arrival), r.step);
    }
}

// A panel reads the item's pictures as ARGB in network byte order, row by row, one per size.
TEST(StatusNotifierPixmaps, ArgbBigEndianRowByRowForEachSize) {
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0x11, 0x22, 0x33, 0xff));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));
    image.setPixel(0, 1, qRgba(0xff, 0, 0, 0xff));
    image.setPixel(1, 1, qRgba(0, 0, 0xff, 0xff));
    const SniPixmaps one = sni_pixmaps(QIcon(QPixmap::fromImage(image)));
    ASSERT_EQ(one.size(), 1);
    EXPECT_EQ(one[0].width, 2);
    EXPECT_EQ(one[0].height, 2);
    EXPECT_EQ(one[0].argb, QByteArray::fromHex("ff112233"
                                               "00000000"
                                               "ffff0000"
                                               "ff0000ff"));

    QIcon two;
    two.addPixmap(load_frame(0).pixmap(16, 16));
    two.addPixmap(QPixmap::fromImage(load_frame(1).pixmap(16, 16).toImage().scaled(32, 32)));
    const SniPixmaps sizes = sni_pixmaps(two);
    ASSERT_EQ(sizes.size(), 2);
    for (const SniPixmap &p : sizes)
        EXPECT_EQ(p.argb.size(), p.width * p.height * 4) << p.width;
    EXPECT_EQ(sizes[0].width + sizes[1].width, 48);
    EXPECT_TRUE(sni_pixmaps(QIcon()).isEmpty());
}

// A status-notifier panel that comes up after the Qt icon was made without a host gets the
// program's own item, with the picture and tip of that moment, and its clicks come through
// as from Qt's icon; a tray that comes up while the item has no watcher gets a Qt icon again.
TEST(TrayHostQt, APanelThatComesLaterGetsTheIconAsItIsThen) {
    if (QSystemTrayIcon::isSystemTrayAvailable()) GTEST_SKIP() << "a notification area is there already";
    const QIcon a = load_frame(0), b = load_frame(1), c = load_frame(2);
    QtTrayHost host;
    std::vector<TrayNotification> notes;
    host.on_notification = [&](TrayNotification n) { notes.push_back(n); };
    int arrivals = 0;
    host.on_area_arrived = [&] { ++arrivals; };
    host.host_arrived(TrayArrival::status_notifier_watcher);
    EXPECT_EQ(host.item(), nullptr) << "before the icon is made, nothing changes";
    host.add(a, "one");
    QCoreApplication::processEvents();
    ASSERT_NE(host.icon(), nullptr);
    EXPECT_FALSE(host.area_present()) << "a Qt icon that nothing shows";
    host.modify(b, "two");

    host.host_arrived(TrayArrival::status_notifier_watcher);
    EXPECT_EQ(arrivals, 2);
    EXPECT_TRUE(host.area_present());
    EXPECT_EQ(host.icon(), nullptr);
    ASSERT_NE(host.item(), nullptr);
    EXPECT_EQ(host.item()->icon_pixmap()[0].argb, sni_pixmaps(b)[0].argb);
    EXPECT_EQ(host.item()->tool_tip().title, "two");
    host.modify(c, "three");
    EXPECT_EQ(host.item()->icon_pixmap()[0].argb, sni_pixmaps(c)[0].argb) << "the animation goes on";
    host.item()->Activate(10, 10);
    host.item()->Activate(10, 10);
    EXPECT_NE(std::find(notes.begin(), notes.end(), TrayNotification::LeftDouble), notes.end());

    host.host_arrived(TrayArrival::xembed_tray);
    EXPECT_EQ(host.item(), nullptr);
    ASSERT_NE(host.icon(), nullptr);
    EXPECT_TRUE(host.icon()->isVisible());
    EXPECT_EQ(host.icon()->icon().cacheKey(), c.cacheKey());
    EXPECT_EQ(host.icon()->toolTip(), "three");
}

} // namespace
} // namespace trovel
