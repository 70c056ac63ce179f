#include "platform/pulse_qt_mainloop.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <ctime>
#include <set>
#include <sys/time.h>

namespace trovel {

namespace pulse_loop {

struct IoEvent {
    PulseQtMainloop::Loop *loop;
    int fd;
    pa_io_event_cb_t callback;
    void *userdata;
    pa_io_event_destroy_cb_t destroy = nullptr;
    QSocketNotifier *read = nullptr; // made when first wanted
    QSocketNotifier *write = nullptr;
};

struct TimeEvent {
    PulseQtMainloop::Loop *loop;
    pa_time_event_cb_t callback;
    void *userdata;
    pa_time_event_destroy_cb_t destroy = nullptr;
    QTimer *timer = nullptr;
    timeval when{};
};

struct DeferEvent {
    PulseQtMainloop::Loop *loop;
    pa_defer_event_cb_t callback;
    void *userdata;
    pa_defer_event_destroy_cb_t destroy = nullptr;
    QTimer *timer = nullptr;
};

} // namespace pulse_loop

using pulse_loop::DeferEvent;
using pulse_loop::IoEvent;
using pulse_loop::TimeEvent;

struct PulseQtMainloop::Loop {
    pa_mainloop_api api{};
    // The parent of every notifier and timer: those of events freed from their own
    // callback are deleted later, and whatever is left goes with the loop.
    QObject owner;
    std::set<IoEvent *> io;
    std::set<TimeEvent *> time;
    std::set<DeferEvent *> defer;
};

namespace {

using Loop = PulseQtMainloop::Loop;

pa_io_event *as_pa(IoEvent *e) { return reinterpret_cast<pa_io_event *>(e); }
pa_time_event *as_pa(TimeEvent *e) { return reinterpret_cast<pa_time_event *>(e); }
pa_defer_event *as_pa(DeferEvent *e) { return reinterpret_cast<pa_defer_event *>(e); }
IoEvent *ours(pa_io_event *e) { return reinterpret_cast<IoEvent *>(e); }
TimeEvent *ours(pa_time_event *e) { return reinterpret_cast<TimeEvent *>(e); }
DeferEvent *ours(pa_defer_event *e) { return reinterpret_cast<DeferEvent *>(e); }
Loop *loop_of(pa_mainloop_api *api) { return static_cast<Loop *>(api->userdata); }

// A freed event's Qt object may be the one whose signal runs now: it goes quiet at once
// and is deleted when control is back in the event loop.
void retire(QSocketNotifier *notifier) {
    if (!notifier) return;
    QObject::disconnect(notifier, nullptr, nullptr, nullptr);
    notifier->setEnabled(false);
    notifier->deleteLater();
}

void retire(QTimer *timer) {
    QObject::disconnect(timer, nullptr, nullptr, nullptr);
    timer->stop();
    timer->deleteLater();
}

// Milliseconds from now until `when` on the wall clock, which is the clock libpulse's
// contexts and streams use on a main loop other than its own.
int ms_until(const timeval &when) {
    timeval now{};
    gettimeofday(&now, nullptr);
    const int64_t us = (int64_t(when.tv_sec) - now.tv_sec) * 1000000 + (int64_t(when.tv_usec) - now.tv_usec);
    if (us <= 0) return 0;
    return int(std::min<int64_t>((us + 999) / 1000, INT_MAX));
}

void set_notifier(IoEvent *e, QSocketNotifier *&notifier, QSocketNotifier::Type type, bool wanted,
                  pa_io_event_flags_t flag) {
    if (!wanted) {
        if (notifier) notifier->setEnabled(false);
        return;
    }
    if (!notifier) {
        notifier = new QSocketNotifier(e->fd, type, &e->loop->owner);
        // Nothing of e is touched after the callback: it may have freed e.
        QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                         [e, flag] { e->callback(&e->loop->api, as_pa(e), e->fd, flag, e->userdata); });
    }
    notifier->setEnabled(true);
}

void io_enable(pa_io_event *pe, pa_io_event_flags_t events) {
    IoEvent *e = ours(pe);
    // A hang-up or an error reaches the read notifier as a readable descriptor, whose
    // read then tells libpulse what happened.
    set_notifier(e, e->read, QSocketNotifier::Read, events & PA_IO_EVENT_INPUT, PA_IO_EVENT_INPUT);
    set_notifier(e, e->write, QSocketNotifier::Write, events & PA_IO_EVENT_OUTPUT, PA_IO_EVENT_OUTPUT);
}

pa_io_event *io_new(pa_mainloop_api *api, int fd, pa_io_event_flags_t events, pa_io_event_cb_t callback,
                    void *userdata) {
    Loop *loop = loop_of(api);
    auto *e = new IoEvent{loop, fd, callback, userdata};
    loop->io.insert(e);
    io_enable(as_pa(e), events);
    return as_pa(e);
}

void io_free(pa_io_event *pe) {
    IoEvent *e = ours(pe);
    e->loop->io.erase(e);
    retire(e->read);
    retire(e->write);
    if (e->destroy) e->destroy(&e->loop->api, pe, e->userdata);
    delete e;
}

void io_set_destroy(pa_io_event *e, pa_io_event_destroy_cb_t destroy) { ours(e)->destroy = destroy; }

void time_restart(pa_time_event *pe, const timeval *when) {
    TimeEvent *e = ours(pe);
    if (!when) {
        e->timer->stop();
        return;
    }
    e->when = *when;
    e->timer->start(ms_until(*when));
}

pa_time_event *time_new(pa_mainloop_api *api, const timeval *when, pa_time_event_cb_t callback, void *userdata) {
    Loop *loop = loop_of(api);
    auto *e = new TimeEvent{loop, callback, userdata};
    e->timer = new QTimer(&loop->owner);
    e->timer->setSingleShot(true);
    QObject::connect(e->timer, &QTimer::timeout, e->timer, [e] {
        const timeval when = e->when;
        e->callback(&e->loop->api, as_pa(e), &when, e->userdata);
    });
    loop->time.insert(e);
    time_restart(as_pa(e), when);
    return as_pa(e);
}

void time_free(pa_time_event *pe) {
    TimeEvent *e = ours(pe);
    e->loop->time.erase(e);
    retire(e->timer);
    if (e->destroy) e->destroy(&e->loop->api, pe, e->userdata);
    delete e;
}

void time_set_destroy(pa_time_event *e, pa_time_event_destroy_cb_t destroy) { ours(e)->destroy = destroy; }

// An enabled defer event runs at every pass of the loop until it is disabled: a zero
// timer does that, and costs nothing while stopped.
void defer_enable(pa_defer_event *pe, int enabled) {
    QTimer *timer = ours(pe)->timer;
    if (!enabled)
        timer->stop();
    else if (!timer->isActive())
        timer->start();
}

pa_defer_event *defer_new(pa_mainloop_api *api, pa_defer_event_cb_t callback, void *userdata) {
    Loop *loop = loop_of(api);
    auto *e = new DeferEvent{loop, callback, userdata};
    e->timer = new QTimer(&loop->owner);
    e->timer->setInterval(0);
    QObject::connect(e->timer, &QTimer::timeout, e->timer, [e] { e->callback(&e->loop->api, as_pa(e), e->userdata); });
    loop->defer.insert(e);
    defer_enable(as_pa(e), 1);
    return as_pa(e);
}

void defer_free(pa_defer_event *pe) {
    DeferEvent *e = ours(pe);
    e->loop->defer.erase(e);
    retire(e->timer);
    if (e->destroy) e->destroy(&e->loop->api, pe, e->userdata);
    delete e;
}

void defer_set_destroy(pa_defer_event *e, pa_defer_event_destroy_cb_t destroy) { ours(e)->destroy = destroy; }

// Only libpulse's own main loops can be asked to quit; nothing here runs one.
void quit(pa_mainloop_api *, int) {}

} // namespace

PulseQtMainloop::PulseQtMainloop() : loop_(std::make_unique<Loop>()) {
    pa_mainloop_api &api = loop_->api;
    api.userdata = loop_.get();
    api.io_new = io_new;
    api.io_enable = io_enable;
    api.io_free = io_free;
    api.io_set_destroy = io_set_destroy;
    api.time_new = time_new;
    api.time_restart = time_restart;
    api.time_free = time_free;
    api.time_set_destroy = time_set_destroy;
    api.defer_new = defer_new;
    api.defer_enable = defer_enable;
    api.defer_free = defer_free;
    api.defer_set_destroy = defer_set_destroy;
    api.quit = quit;
}

PulseQtMainloop::~PulseQtMainloop() {
    while (!loop_->io.empty())
        io_free(as_pa(*loop_->io.begin()));
    while (!loop_->time.empty())
        time_free(as_pa(*loop_->time.begin()));
    while (!loop_->defer.empty())
        defer_free(as_pa(*loop_->defer.begin()));
}

pa_mainloop_api *PulseQtMainloop::api() { return &loop_->api; }

int PulseQtMainloop::live_events() const { return int(loop_->io.size() + loop_->time.size() + loop_->defer.size()); }

int PulseQtMainloop::armed_timers() const {
    const auto armed = [](const auto &events) {
        return std::count_if(events.begin(), events.end(), [](const auto *e) { return e->timer->isActive(); });
    };
    return int(armed(loop_->time) + armed(loop_->defer));
}

} // namespace trovel
