#include "platform/environment.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <ctime>

namespace trovel {

namespace {

void show_box(const QString &caption, const QString &text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    // The bar and the rest window stay on top of everything; the box must stand above them,
    // or a modal box hidden under a full-screen rest would block it unseen.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

} // namespace

QtEnvironment::QtEnvironment() : error_boxes_(show_box) {}

uint32_t QtEnvironment::tick_count() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    // Truncation to 32 bits is the wrap of the counter.
    return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u +
                                 static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

int64_t QtEnvironment::time_asleep_ms() {
    // CLOCK_BOOTTIME runs on through a suspend, CLOCK_MONOTONIC does not: their difference
    // grows only while the computer sleeps.
    timespec boot{}, mono{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    clock_gettime(CLOCK_MONOTONIC, &mono);
    const int64_t ns = (int64_t{boot.tv_sec} - mono.tv_sec) * 1000000000 + (boot.tv_nsec - mono.tv_nsec);
    return ns / 1000000;
}

QTime QtEnvironment::local_time() { return QTime::currentTime(); }

QSize QtEnvironment::screen_size() {
    QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1024, 768);
}

QSizeF QtEnvironment::screen_size_mm() {
    QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->physicalSize() : QSizeF();
}

int QtEnvironment::screen_dpi() {
    QScreen *s = QGuiApplication::primaryScreen();
    return s ? qRound(s->logicalDotsPerInch()) : 96;
}

QList<QRect> QtEnvironment::screen_rects() {
    QScreen *primary = QGuiApplication::primaryScreen();
    QList<QRect> rects;
    if (primary) rects.append(primary->geometry());
    for (QScreen *s : QGuiApplication::screens())
        if (s != primary) rects.append(s->geometry());
    return rects;
}

void QtEnvironment::watch_screens(QObject *context, std::function<void()> changed) {
    auto watch_geometry = [context, changed](QScreen *s) {
        QObject::connect(s, &QScreen::geometryChanged, context, [changed] { changed(); });
    };
    for (QScreen *s : QGuiApplication::screens())
        watch_geometry(s);
    auto *app = qGuiApp;
    QObject::connect(app, &QGuiApplication::screenAdded, context, [changed, watch_geometry](QScreen *s) {
        watch_geometry(s);
        changed();
    });
    // Qt sends screenRemoved while the screen is still in its list: look again once it is gone.
    QObject::connect(
        app, &QGuiApplication::screenRemoved, context, [changed] { changed(); }, Qt::QueuedConnection);
    QObject::connect(app, &QGuiApplication::primaryScreenChanged, context, [changed] { changed(); });
}

void QtEnvironment::beep() { QApplication::beep(); }

void QtEnvironment::open_url(const QString &url) { QDesktopServices::openUrl(QUrl(url)); }

void QtEnvironment::show_error(const QString &caption, const QString &text) { error_boxes_.report(caption, text); }

} // namespace trovel
