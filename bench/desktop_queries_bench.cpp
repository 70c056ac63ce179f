// The cost of one idle-time query and one full-screen query, as the countdown tick would
// make them: run on an X display (bench/desktop_queries sets one up). Prints the first
// query (which also checks the extension and interns the atoms) and the median and
// 99th percentile of the following ones. With TROVEL_BENCH_DBUS=1 it times only the
// Wayland path, GNOME's idle monitor over the session bus.
#include "platform/dbus_idle_source.h"
#include "platform/x11_full_screen.h"
#include "platform/x11_idle_source.h"

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double us_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

// `query` returns what it found, for the printout: an idle time or nothing, yes or no.
void measure(const char *what, int runs, const std::function<const char *()> &query) {
    auto start = std::chrono::steady_clock::now();
    const char *answer = query();
    const double first = us_since(start);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        start = std::chrono::steady_clock::now();
        query();
        times.push_back(us_since(start));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-64s first %7.1f us, median %6.1f us, p99 %7.1f us (%d runs; %s)\n", what, first,
                times[times.size() / 2], times[times.size() * 99 / 100], runs, answer);
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const int runs = 2000;
    const char *label = argc > 1 ? argv[1] : "";
    char name[160];
    if (qEnvironmentVariable("TROVEL_BENCH_DBUS") == QLatin1String("1")) {
        trovel::DBusIdleSource mutter(trovel::DBusIdleSource::Service::gnome_idle_monitor);
        measure("idle time (D-Bus, stand-in Mutter)", 200,
                [&] { return mutter.idle_ms() ? "an idle time" : "unknown"; });
        return 0;
    }

    trovel::X11IdleSource idle;
    std::snprintf(name, sizeof name, "idle time (X11 screen saver)%s", label);
    measure(name, runs, [&] { return idle.idle_ms() ? "an idle time" : "unknown"; });

    trovel::X11FullScreenProbe probe;
    std::snprintf(name, sizeof name, "full screen (X11 active window)%s", label);
    measure(name, runs, [&] { return probe.other_program_full_screen() ? "full screen" : "not full screen"; });

    return 0;
}
