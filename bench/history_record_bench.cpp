// The GUI thread's cost of recording one event in the history: the first event (held
// until the first read), handing the held ones over (which starts the writer thread), then many events one at a time as
// the break cycle records them; beside it what the writer thread spends on the file itself (the first event opens
// SQLite and makes the file); then opening and reading a year of history as the statistics window does. Run by
// bench/history_record.
#include "history/history_file.h"
#include "history/history_store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double ms(qint64 ns) { return double(ns) / 1e6; }

void print_spread(const char *what, std::vector<qint64> ns) {
    std::sort(ns.begin(), ns.end());
    auto at = [&](double q) { return ms(ns[std::min(ns.size() - 1, size_t(q * double(ns.size())))]); };
    std::printf("%s (ms): median %.3f, 90th %.3f, 99th %.3f, max %.3f over %zu\n", what, at(0.5), at(0.9), at(0.99),
                ms(ns.back()), ns.size());
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: history_record_bench FOLDER [EVENTS]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int events = argc > 2 ? std::atoi(argv[2]) : 2000;
    const QString path = folder + QStringLiteral("/trovel/history.sqlite");
    using trovel::HistoryEvent;
    using trovel::HistoryFile;
    using trovel::HistoryStore;

    QElapsedTimer t;
    {
        HistoryStore store(path);
        t.start();
        store.record(HistoryEvent::program_start());
        std::printf("GUI thread, first event, held (ms): %.3f\n", ms(t.nsecsElapsed()));
        t.start();
        store.waiting();
        std::printf("GUI thread, handing it over and waiting for the writer thread to write it (ms): %.3f\n",
                    ms(t.nsecsElapsed()));
        std::vector<qint64> each;
        for (int i = 0; i < events; ++i) {
            const HistoryEvent e = i % 3 == 0 ? HistoryEvent::typing_phase(store.now().addSecs(-600), 600)
                                              : HistoryEvent::rest_completed(60);
            t.start();
            store.record(e);
            each.push_back(t.nsecsElapsed());
            // Events come minutes apart: let the writer finish before the next one.
            if (i % 10 == 9) store.waiting();
        }
        print_spread("GUI thread, one event", each);
        if (store.waiting() != 0) std::printf("warning: %zu events were not written\n", store.waiting());
    }
    QFile::remove(path);
    {
        // The same on the writer thread's side: the file itself.
        HistoryFile file(path);
        t.start();
        HistoryEvent first = HistoryEvent::program_start();
        first.at = QDateTime::currentDateTime();
        file.record(first);
        std::printf("writer thread, first event, opening SQLite and making the file (ms): %.3f\n",
                    ms(t.nsecsElapsed()));
        std::vector<qint64> each;
        for (int i = 0; i < events; ++i) {
            HistoryEvent e = HistoryEvent::rest_completed(60);
            e.at = QDateTime::currentDateTime();
            t.start();
            file.record(e);
            each.push_back(t.nsecsElapsed());
        }
        print_spread("writer thread, one event", each);
    }
    {
        // About a year at 100 events a day, then a fresh store as at the next start.
        HistoryStore store(path);
        for (int i = events; i < 36500; ++i)
            store.record(HistoryEvent::rest_completed(60));
    }
    {
        HistoryStore store(path);
        t.start();
        store.record(HistoryEvent::program_start());
        store.waiting();
        std::printf("writer thread, first event of a run with a year of history in the file (ms): %.3f\n",
                    ms(t.nsecsElapsed()));
        t.start();
        const size_t n = store.events().size();
        std::printf("reading all %zu events, as for the CSV export (ms): %.3f\n", n, ms(t.nsecsElapsed()));
        t.start();
        const size_t recent = store.events(QDate::currentDate().addDays(-13)).size();
        std::printf("reading the last 14 days (%zu events) for the chart (ms): %.3f\n", recent, ms(t.nsecsElapsed()));
    }
    return 0;
}
