// The form's controls with their design values, the start-up and end handlers, and the
// two shapes: the compact bar and the large rest window.
#include "app/timer_u.h"

#include "app/autostart.h"
#include "app/form_geometry.h"
#include "app/statistics_window.h"
#include "app/stored_props.h"
#include "history/history_store.h"
#include "platform/error_report.h"
#include "settings/trovel_options.h"

// The pixel art is compiled in: reading it from a resource would load every image plugin
// at start-up.
#include "assets/hands.xpm"
#include "assets/tray0.xpm"
#include "assets/tray1.xpm"
#include "assets/tray2.xpm"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QWindow>

namespace trovel {

namespace {

constexpr int kMenuRowHeight = 21;
constexpr int kWwwRowHeight = 23;

template <typename W> W *make(QWidget *parent, const char *name, int l, int t, int w, int h) {
    auto *widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(l, t, w, h);
    return widget;
}

TLabel *make_label(QWidget *parent, const char *name, const QString &caption, int l, int t, int w, int h) {
    auto *label = make<TLabel>(parent, name, l, t, w, h);
    label->setCaption(caption);
    return label;
}

} // namespace

TForm1::TForm1(FormSeams seams, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), env_(seams.env),
      report_(seams.report), dialogs_(seams.dialogs), idle_source_(std::move(seams.idle)),
      full_screen_(std::move(seams.full_screen)), placer_(std::move(seams.placer)), call_probe_(std::move(seams.call)),
      pause_alarm_(std::move(seams.pause_alarm)), history_recorder_(seams.history),
      covers_(seams.env, this, placer_.get()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("trovel"));
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(11);
    setFont(f);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, to_qcolor(clBtnFace));
    pal.setColor(QPalette::WindowText, to_qcolor(clWindowText));
    setPalette(pal);
    move(467, 84);
    set_form_size(133, 277);

    create_controls(std::move(seams.tray_host), std::move(seams.tick_timer));
    create_menu();
    if (!seams.idle_time_known) {
        // Natural breaks are off for this run; the setting itself stays as it is.
        menu_natural->setEnabled(false);
        menu_natural->Hint = tr("this desktop does not tell trovel how long you have been away");
    }
    wire_menu();
    pause_alarm_->on_alarm = [this] { report_errors(report_, [this] { timed_pause_ended(); }); };
    realign();
    // The end of loading: the storage binds its stored properties and the tray icon
    // enters the notification area; then the creation handler sees the design values.
    FormStorage1 = new TFormStorage(this, env_, this);
    FormStorage1->setObjectName(QStringLiteral("FormStorage1"));
    FormStorage1->set_stored_props(form_stored_props());
    FormStorage1->bind_stored_props();
    // The options of our own section are read and saved with the form's, in one write.
    FormStorage1->set_second_section(
        kTrovelSection, [this](const IniDocument &file) { load_own_options(file); },
        [this](const IniDocument &file) { return own_option_entries(file); });
    // An entry that stores nothing is dropped quietly at run time, but a developer's build
    // stops here: a renamed control would otherwise lose that setting unnoticed.
    Q_ASSERT_X(FormStorage1->unbound_props().isEmpty(), "TForm1",
               qPrintable(QStringLiteral("stored properties that store nothing: ") +
                          FormStorage1->unbound_props().join(QStringLiteral(", "))));
    RxTrayIcon1->Loaded();
    FormCreate();
}

TForm1::~TForm1() {
    // Saves the settings unless a close request already did, while every control still
    // holds its value. No handler may run while the form comes apart.
    FormStorage1->on_destroy();
    RxTimerList1->setActive(false);
    RxTrayIcon1->setAnimated(false);
    pause_alarm_->cancel();
    pause_alarm_->on_alarm = nullptr;
    // Every end of the program comes here (the exit command, a close request, a signal).
    record_program_end();
    delete statistics_window_; // it reads the store
    // Writes every event handed over and stops the writer thread.
    history_store_.reset();
}

void TForm1::end_without_display() {
    // The statistics window stays: deleting it would talk to the display, and no event is
    // dispatched again before the exit.
    FormStorage1->on_destroy();
    record_program_end();
    history_store_.reset();
}

void TForm1::create_controls(std::unique_ptr<TrayHost> tray_host, std::unique_ptr<PlatformTimer> tick_timer) {
    // The tray icon first: docking it takes a few round trips to the window system,
    // which then run while the rest of the form is built.
    RxTrayIcon1 = new TRxTrayIcon(std::move(tray_host), make_qt_platform_timer(), this);
    RxTrayIcon1->setObjectName(QStringLiteral("RxTrayIcon1"));
    const QIcon frame0{QPixmap(tray0_xpm)};
    setWindowIcon(frame0);
    RxTrayIcon1->setIcon(frame0);
    RxTrayIcon1->Icons().BeginUpdate();
    for (const char **frame : {tray0_xpm, tray1_xpm, tray2_xpm})
        RxTrayIcon1->Icons().Add(QIcon(QPixmap(frame)));
    RxTrayIcon1->Icons().EndUpdate();
    RxTrayIcon1->setAnimated(true);
    // The tray's double click: the item's Click catches the command's errors itself.
    RxTrayIcon1->ClickDefaultItem = [this] {
        for (TMenuItem *item : PopupMenu1->Items())
            if (item->Default && item->Enabled()) {
                // The history tells a break taken from the tray from one taken in the menu.
                click_source_ = BreakSource::tray;
                item->Click();
                click_source_ = BreakSource::menu;
                return true;
            }
        return false;
    };

    install_accessible_controls();
    Panel_menu = make<TPanel>(this, "Panel_menu", 0, 0, 133, kMenuRowHeight);
    Panel_menu->setToolTip(tr("if you want to move this form drag here."));

    SpeedButton1 = make<TButton>(Panel_menu, "SpeedButton1", 61, 3, 34, 15);
    SpeedButton1->setText(QStringLiteral("t&Rv"));
    SpeedButton1->setFlat(true);
    SpeedButton1->setToolTip(tr("change settings\r\nstored in c:/win.../trv-timer.ini"));
    btn_test = make<TButton>(Panel_menu, "btn_test", 45, 5, 27, 14);
    btn_test->setText(tr("&Next"));
    btn_test->setFlat(true);

    Panel_hands = make<TPanel>(Panel_menu, "Panel_hands", 2, 2, 31, 17);
    Panel_hands->setBevelOuter(TBevel::bvSpace);
    Panel_hands->setToolTip(tr("press here for popup menu\r\nsettings stored in\r\nc:\\win..\\trovel.ini"));
    Image_hands = make<TImage>(Panel_hands, "Image_hands", 5, 3, 23, 13);
    Image_hands->setPicture(QImage(hands_xpm));
    Image_hands->setToolTip(tr("if hands are shown, you are allowed to type/mouse (green phase)"));
    // What a screen reader says of the bar: the window's title holds the time left and the
    // phase; the controls say what they are.
    Panel_hands->setAccessibleName(tr("Trovel menu"));
    Panel_hands->setAccessibleDescription(tr("opens the menu with every setting and command"));
    Image_hands->setAccessibleName(tr("hands: green while you may type"));

    // The progress panel lies over the two flat buttons and covers them.
    Panel_progress = make<TProgressPanel>(Panel_menu, "Panel_progress", 36, 2, 59, 18);
    Panel_progress->setAccessibleName(tr("countdown left"));
    Panel_progress->setBevelOuter(TBevel::bvLowered);
    Shader1 = make<TShader>(Panel_progress, "Shader1", 2, 2, 39, 14);
    Shader1->setFromColor(clTeal);
    Shader1->setToColor(clLime);
    Shader1->setDirection(true);
    Shader1->setToolTip(
        tr("percentage of the countdown\r\ngreen : you can type/type\r\nred     : you should pause (10 seconds before "
           "end, extra pause)\r\n[yellow: program is paused, you are on your own]\r\nif fingers hurt during green "
           "phase, decrease number of minutes!"));

    label_minutes = make_label(Panel_menu, "label_minutes", QStringLiteral("00:00"), 99, 4, 31, 13);
    label_minutes->setToolTip(tr("countdown"));
    label_minutes->setAccessibleDescription(tr("time left"));

    Panel_www = make<TPanel>(this, "Panel_www", 0, kMenuRowHeight, 133, kWwwRowHeight);
    btn_ignore = make<TButton>(Panel_www, "btn_ignore", 2, 2, 32, 19);
    btn_ignore->setText(tr("&type"));
    lbl_cancel_count = make_label(Panel_www, "lbl_cancel_count", QStringLiteral("0"), 38, 5, 15, 13);
    lbl_cancel_count->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QFont bold = font();
    bold.setBold(true);
    lbl_cancel_count->setFont(bold);
    lbl_cancel_count->setAccessibleDescription(tr("breaks ignored"));
    Label2 = make_label(Panel_www, "Label2", tr("breaks ignored"), 56, 5, 70, 13);
    Label2->setAutoSize(true);

    Panel_image = make<TPanel>(this, "Panel_image", 0, 44, 133, 233);
    Memo1 = make<TMemo>(Panel_image, "Memo1", 0, 0, 120, 233);
    Memo1->setPlainText(tr("Trovel is a small free\n"
                           "tool that reminds you\n"
                           "to take micropauses,\n"
                           "made against pain in\n"
                           "fingers and wrists.\n"
                           "\n"
                           "It comes without any\n"
                           "guarantee: it does not\n"
                           "promise to prevent or\n"
                           "cure the complaint.\n"
                           "If it does not help\n"
                           "you, do not use it.\n"
                           "\n"
                           "You may give it away,\n"
                           "but not sell it.\n"
                           "\n"
                           "Please send us what\n"
                           "you find, and visit\n"
                           "our site:\n") +
                        kHomePageText + QLatin1Char('\n'));
    Memo1->hide();
    image_picture = make<TAdvPicture>(Panel_image, "image_picture", 0, 0, 100, 100);
    image_picture->set_up(env_);
    image_picture->setAccessibleName(tr("rest picture"));
    label_image_nr = make_label(Panel_image, "label_image_nr", QStringLiteral("nr"), 5, 5, 9, 13);
    label_image_nr->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label_image_nr->setAutoSize(true);
    Lbl_default_left = make_label(Panel_image, "Lbl_default_left", QStringLiteral("Lbl_default_left"), 0, 0, 80, 13);
    lbl_default_top = make_label(Panel_image, "lbl_default_top", QStringLiteral("lbl_default_top"), 0, 0, 80, 13);
    lbl_nag_left = make_label(Panel_image, "lbl_nag_left", QStringLiteral("lbl_nag_left"), 0, 0, 80, 13);
    lbl_nag_top = make_label(Panel_image, "lbl_nag_top", QStringLiteral("lbl_nag_top"), 0, 0, 80, 13);
    for (TLabel *l : {Lbl_default_left, lbl_default_top, lbl_nag_left, lbl_nag_top}) {
        l->setFontColor(clRed);
        l->hide();
    }
    MediaPlayer1 = new TMediaPlayer(Panel_image);
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));

    RxClock1 = new TRxClock(env_, Panel_image);
    RxClock1->setObjectName(QStringLiteral("RxClock1"));
    RxClock1->setAccessibleName(tr("clock"));
    HTMLabel1 = new THTMLabel(env_, RxClock1);
    HTMLabel1->setObjectName(QStringLiteral("HTMLabel1"));
    HTMLabel1->setGeometry(32, 3, 95, 15);
    HTMLabel1->setHTMLText(QStringLiteral("<a href=\"%1\">%2</a>").arg(kHomePageUrl, kHomePageText));
    HTMLabel1->setURLColor(clBlue);
    HTMLabel1->setToolTip(tr("please visit our site %1").arg(kHomePageText));
    HTMLabel1->hide();
    spin_timeout = new TAdvSpinEdit(RxClock1);
    spin_timeout->setObjectName(QStringLiteral("spin_timeout"));
    // A new user gets the typing length that the checked "5 min" item promises.
    spin_timeout->setValue(5);

    RxTimerList1 = new TRxTimerList([this] { return env_.tick_count(); }, std::move(tick_timer), report_, this);
    RxTimerList1->setObjectName(QStringLiteral("RxTimerList1"));
    // Wake only for passes at which something fires: while typing, once in 10 s.
    RxTimerList1->set_skip_idle_passes(true);
    RxTimerEvent_TYPE.setInterval(30000);
    RxTimerEvent_TYPE.OnTimer = [this](TRxTimerEvent &) { RxTimerEvent_TYPETimer(); };
    RxTimerEvent_knipper.setInterval(300);
    RxTimerEvent_knipper.OnTimer = [this](TRxTimerEvent &) { RxTimerEvent_knipperTimer(); };
    RxTimerList1->add(&RxTimerEvent_TYPE);
    RxTimerList1->add(&RxTimerEvent_knipper);

    for (QWidget *w : std::initializer_list<QWidget *>{Panel_menu, label_minutes, Shader1, Panel_hands, Image_hands,
                                                       Panel_image, image_picture, RxClock1, Panel_progress})
        w->installEventFilter(this);
    // A mouse event a control leaves unhandled goes on to its parent; these two lie on drag
    // surfaces but are none themselves, so their presses must not reach the surface.
    Panel_progress->setAttribute(Qt::WA_NoMousePropagation);
    label_image_nr->setAttribute(Qt::WA_NoMousePropagation);
    connect(SpeedButton1, &QPushButton::clicked, this,
            [this] { report_errors(report_, [this] { SpeedButton1Click(); }); });
    connect(btn_test, &QPushButton::clicked, this, [this] { report_errors(report_, [this] { menu_testClick(); }); });
    connect(btn_ignore, &QPushButton::clicked, this, [this] { report_errors(report_, [this] { btn_ignoreClick(); }); });
    env_.watch_screens(this, [this] { report_errors(report_, [this] { screens_changed(); }); });
}

void TForm1::FormCreate() {
    RxTimerList1->setActive(false);
    RxTimerEvent_TYPE.setInterval(10000);
    make_small();
    Panel_hands->setColor(clLime);
    RxClock1->hide();
}

void TForm1::FormShow() {
    place_form(place::type);
    Shader1->resize(Panel_progress->width() - 6, Shader1->height());
    const int v = spin_timeout->Value();
    type_minutes_ = v;
    countdown_minutes_ = v;
    show_countdown(v, 0);
    start_typing();
}

void TForm1::FormClose() { write_positions(); }

void TForm1::make_small() {
    set_auto_size(false);
    HTMLabel1->hide();
    Panel_image->hide();
    set_form_size(width(), Panel_menu->height() + 2);
    set_form_size(Panel_progress->x() + Panel_progress->width() + label_minutes->width() + 4, height());
    set_auto_size(true);
}

void TForm1::make_large() {
    set_auto_size(false);
    HTMLabel1->show();
    const SizeItems checked{menu_tiny->Checked(), menu_small->Checked(), menu_large->Checked(), menu_full->Checked()};
    const QSize rest = rest_window_size(env_.screen_size(), checked, width(), Panel_menu->height());
    Panel_image->show();
    set_form_size(rest.width(), rest.height());
    set_auto_size(true);
}

void TForm1::set_auto_size(bool on) {
    auto_size_ = on;
    apply_auto_size();
}

void TForm1::apply_auto_size() {
    // The image area fills the large form, so only the compact shape follows its rows.
    if (!auto_size_ || !Panel_image->isHidden()) return;
    const int h = Panel_menu->height() + (Panel_www->isHidden() ? 0 : Panel_www->height());
    set_form_size(width(), h);
}

void TForm1::set_form_size(int w, int h) {
    w = std::max(w, 0);
    h = std::max(h, 0);
    if (w == width() && h == height() && minimumSize() == QSize(w, h)) return;
    // Fixed minimum and maximum: the window system offers neither resizing nor maximizing.
    setFixedSize(w, h);
    tell_placer();
}

void TForm1::tell_placer() {
    if (placer_ && isVisible()) placer_->place(winId(), geometry());
}

void TForm1::set_panel_www_visible(bool v) {
    Panel_www->setVisible(v);
    realign();
    apply_auto_size();
}

void TForm1::realign() {
    const int w = width();
    int y = 0;
    Panel_menu->setGeometry(0, y, w, Panel_menu->height());
    y += Panel_menu->height();
    if (!Panel_www->isHidden()) {
        Panel_www->setGeometry(0, y, w, Panel_www->height());
        y += Panel_www->height();
    }
    Panel_image->setGeometry(0, y, w, std::max(0, height() - y));
    const int pw = Panel_image->width(), ph = Panel_image->height();
    int x = 0;
    if (!Memo1->isHidden()) {
        Memo1->setGeometry(0, 0, std::min(120, pw), ph);
        x = Memo1->width();
    }
    image_picture->setGeometry(x, 0, std::max(0, pw - x), ph);
    RxClock1->setGeometry(x, 0, std::max(0, pw - x), ph);
}

void TForm1::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    if (shown_once_) return;
    shown_once_ = true;
    FormStorage1->on_show();
    menu_autostart->setChecked(Autostart::for_this_program().enabled());
    report_errors(report_, [this] { FormShow(); });
    // Labels size themselves to their caption. Measuring the first text loads the fonts, so
    // it waits until the window is on its way to the screen: it runs while the window
    // system maps the window, before the first paint.
    QMetaObject::invokeMethod(
        this, [this] { Label2->fit_caption(); }, Qt::QueuedConnection);
    // The history begins when the window system has put the bar on the screen.
    if (QWindow *window = windowHandle()) window->installEventFilter(this);
}

void TForm1::closeEvent(QCloseEvent *e) {
    FormStorage1->on_close_query();
    report_errors(report_, [this] { FormClose(); });
    // The program ends: its covers go with the rest window, not after it.
    covers_.cover({}, {}, false);
    e->accept();
}

void TForm1::resizeEvent(QResizeEvent *e) {
    QWidget::resizeEvent(e);
    realign();
}

bool TForm1::eventFilter(QObject *watched, QEvent *e) {
    const QEvent::Type type = e->type();
    if (watched == windowHandle()) {
        // The window itself is watched for its first expose only; its mouse events reach
        // the controls as usual. Only now does the history begin (its thread and file
        // follow a minute later) and the program take its name on the session bus, so
        // that work never competes with the bar's way to the screen. Posted, so the bar
        // is painted first.
        if (type == QEvent::Expose && windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    record_program_start();
                    // The sound server's connection is made now, off the bar's way to
                    // the screen.
                    if (call_probe_) call_probe_->start();
                    // Only a window on the screen can be placed by a compositor that
                    // places windows itself.
                    tell_placer();
                    emit on_screen();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return QWidget::eventFilter(watched, e);
    bool handled = true;
    report_errors(report_,
                  [&] { handled = filter_mouse(static_cast<QWidget *>(watched), static_cast<QMouseEvent *>(e)); });
    return handled;
}

} // namespace trovel
