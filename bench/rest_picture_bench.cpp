// One rest with a big picture, as it comes at the end of a one-minute typing phase: the
// time from the tick that starts the rest until the rest window with the picture has been
// painted, and the resident memory at the start of the phase and at the peak. With
// --clock, a rest with the analog clock instead: the CPU time of the program and of the X
// server while the rest runs for a while. Run by bench/rest_picture, one process per run.
#include "app/application.h"
#include "app/timer_u.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
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

// Nanoseconds on the CPU, summed over the threads of process pid (0: this process).
double cpu_ns(long pid) {
    const std::string dir = pid == 0 ? std::string("/proc/self/task") : "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    for (const auto &task : std::filesystem::directory_iterator(dir)) {
        FILE *f = std::fopen((task.path() / "schedstat").c_str(), "r");
        double on_cpu = 0;
        if (f && std::fscanf(f, "%lf", &on_cpu) == 1) ns += on_cpu;
        if (f) std::fclose(f);
    }
    return ns;
}

// The clock case: a rest of five minutes with the clock, measured for `seconds` after a
// short settling. Prints the program's and the X server's CPU milliseconds per 60 s.
int clock_rest(trovel::TForm1 &form, int seconds, long server_pid) {
    form.menu_show_imageClick();       // pictures off, the clock on
    form.menu_1min->setChecked(false); // the items of a group do not uncheck each other
    form.menu_5min->setChecked(true);
    form.menu_soundfile->setCaption(QString());
    form.menu_natural->setChecked(false); // nobody types under the benchmark
    form.N1min1->Click();
    QCoreApplication::processEvents();
    for (int tick = 0; tick < 6; ++tick)
        form.RxTimerEvent_TYPETimer();
    const bool shown = form.state() == QStringLiteral("rest") && form.RxClock1->isVisible();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 2000) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const double program_before = cpu_ns(0), server_before = cpu_ns(server_pid);
    double program_ms = 0, server_ms = 0;
    bool still = false;
    QTimer::singleShot(seconds * 1000, qApp, [&] {
        const double per_minute = 60.0 / seconds / 1e6;
        program_ms = (cpu_ns(0) - program_before) * per_minute;
        server_ms = (cpu_ns(server_pid) - server_before) * per_minute;
        still = form.state() == QStringLiteral("rest") && form.RxClock1->isVisible();
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    std::printf("%.0f %.0f %d\n", program_ms, server_ms, shown && still ? 1 : 0);
    return shown && still ? 0 : 1;
}

long peak_kib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char **argv) {
    const bool clock = argc == 4 && std::string(argv[1]) == "--clock";
    if (argc < 2 || (!clock && argc != 2)) {
        std::fprintf(stderr, "usage: rest_picture_bench FOLDER_MASK | --clock SECONDS X_SERVER_PID\n");
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
    if (clock) return clock_rest(form, std::max(std::atoi(argv[2]), 1), std::atol(argv[3]));
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
