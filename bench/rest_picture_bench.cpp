// One rest with a big picture, as it comes at the end of a one-minute typing phase: the
// time from the tick that starts the rest until the rest window with the picture has been
// painted, and the resident memory at the start of the phase and at the peak. Run by
// bench/rest_picture, one process per run.
#include "app/application.h"
#include "app/timer_u.h"

#include <QElapsedTimer>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <thread>

namespace {

long rss_kib() {
    FILE *f = std::fopen("/proc/self/status", "r");
    long kib = 0;
    char line[256];
    while (f && std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "VmRSS: %ld kB", &kib) == 1) break;
    if (f) std::fclose(f);
    return kib;
}

long peak_kib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: rest_picture_bench FOLDER_MASK\n");
        return 2;
    }
    // Pixels go to the X server in the request, as the program sends them (app/main.cpp).
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    trovel::ErrorReport report;
    trovel::TApplication app(argc, argv, report);
    trovel::QtEnvironment env;
    trovel::QtDialogs dialogs;
    trovel::TForm1 form(trovel::desktop_seams(env, report, dialogs));
    form.show();
    QCoreApplication::processEvents();
    form.menu_pict_dir->setCaption(QString::fromLocal8Bit(argv[1]));
    form.menu_soundfile->setCaption(QString());
    form.N1min1->Click();
    QCoreApplication::processEvents();
    const long idle = rss_kib();

    // The typing phase's ticks up to 10 s before its end (the picture is prefetched on the
    // way), then the last 10 s pass, shortened to about a second.
    for (int tick = 0; tick < 5; ++tick)
        form.RxTimerEvent_TYPETimer();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 1000) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }

    trovel::TIPicture &picture = *form.image_picture->Picture();
    const int decodes_before = picture.decode_count();
    QElapsedTimer timer;
    timer.start();
    form.RxTimerEvent_TYPETimer();
    form.repaint();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const bool shown = form.state() == QStringLiteral("rest") && !picture.empty();
    // The rest took the picture decoded ahead when its load decoded nothing itself.
    const bool ahead = picture.prefetch_requests() == 1 && picture.decode_count() == decodes_before;
    const long peak = peak_kib();
    // A load on its own, with nothing decoded ahead, tells decoding apart from growing and
    // painting.
    timer.restart();
    picture.load_file(form.image_directory() + QStringLiteral("photo.jpg"));
    const double load_ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::printf("%.1f %ld %ld %d %.1f %d\n", ms, idle, peak, shown ? 1 : 0, load_ms, ahead ? 1 : 0);
    return shown ? 0 : 1;
}
