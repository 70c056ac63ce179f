// One rest with a big picture: the time from start_rest until the rest window with the
// picture has been painted, and the resident memory before and at the peak. Run by
// bench/rest_picture, one process per run.
#include "app/application.h"
#include "app/timer_u.h"

#include <QElapsedTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

long rss_kib() {
    FILE *f = std::fopen("/proc/self/status", "r");
    long kib = 0;
    char line[256];
    while (f && std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "VmRSS: %ld kB", &kib) == 1)
            break;
    if (f)
        std::fclose(f);
    return kib;
}

long peak_kib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: rest_picture_bench FOLDER_MASK\n");
        return 2;
    }
    trovel::TApplication app(argc, argv);
    trovel::QtEnvironment env;
    trovel::TForm1 form(env);
    form.show();
    QCoreApplication::processEvents();
    form.menu_pict_dir->setCaption(QString::fromLocal8Bit(argv[1]));
    form.menu_soundfile->setCaption(QString());
    const long idle = rss_kib();

    QElapsedTimer timer;
    timer.start();
    form.menu_testClick();
    form.repaint();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const bool shown = !form.image_picture->Picture()->empty();
    const long peak = peak_kib();
    // The same load again, on its own, tells decoding apart from growing and painting.
    timer.restart();
    form.image_picture->Picture()->load_file(form.image_directory() + QStringLiteral("photo.jpg"));
    const double load_ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::printf("%.1f %ld %ld %d %.1f\n", ms, idle, peak, shown ? 1 : 0, load_ms);
    return shown ? 0 : 1;
}
