// The writer thread in front of the history file.
#include "history/history_store.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <exception>

namespace trovel {

namespace {

// Nothing may leave the writer thread as an exception: it would end the program.
void guarded(const std::function<void()> &work) {
    try {
        work();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "trovel: the history could not be written: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "trovel: the history could not be written\n");
    }
}

} // namespace

HistoryStore::HistoryStore(QString path)
    : clock_([] { return QDateTime::currentDateTime(); }), file_(std::make_unique<HistoryFile>(std::move(path))) {}

HistoryStore::~HistoryStore() {
    hand_over();
    first_write_.reset();
    if (!thread_) return;
    run_and_wait([this] { file_->finish(); });
    thread_->quit();
    thread_->wait();
    context_.reset();
}

void HistoryStore::start() {
    if (thread_) return;
    thread_ = std::make_unique<QThread>();
    thread_->setObjectName(QStringLiteral("trovel-history"));
    context_ = std::make_unique<QObject>();
    context_->moveToThread(thread_.get());
    thread_->start();
}

void HistoryStore::post(std::function<void()> work) {
    start();
    QMetaObject::invokeMethod(
        context_.get(), [work = std::move(work)] { guarded(work); }, Qt::QueuedConnection);
}

void HistoryStore::run_and_wait(const std::function<void()> &work) {
    start();
    QMetaObject::invokeMethod(
        context_.get(), [&work] { guarded(work); }, Qt::BlockingQueuedConnection);
}

void HistoryStore::record(HistoryEvent event) {
    if (!event.at.isValid()) event.at = clock_();
    if (!thread_) {
        held_.push_back(std::move(event));
        if (!first_write_) {
            first_write_ = std::make_unique<QTimer>();
            first_write_->setSingleShot(true);
            first_write_->setTimerType(Qt::CoarseTimer); // a very coarse timer rounds a short delay down to nothing
            QObject::connect(first_write_.get(), &QTimer::timeout, [this] { hand_over(); });
        }
        if (!first_write_->isActive()) first_write_->start(first_write_delay_ms_);
        return;
    }
    post([this, event = std::move(event)]() mutable { file_->record(std::move(event)); });
}

void HistoryStore::hand_over() {
    if (first_write_) first_write_->stop();
    if (held_.empty()) return;
    post([this, held = std::move(held_)]() mutable {
        for (HistoryEvent &e : held)
            file_->record(std::move(e));
    });
    held_.clear();
}

std::vector<HistoryEvent> HistoryStore::events(QDate from) {
    hand_over();
    std::vector<HistoryEvent> out;
    run_and_wait([&] { out = file_->events(from); });
    return out;
}

size_t HistoryStore::waiting() {
    hand_over();
    size_t n = 0;
    run_and_wait([&] { n = file_->waiting(); });
    return n;
}

void HistoryStore::set_note(std::function<void(const QString &)> note) {
    if (!thread_) return file_->set_note(std::move(note));
    run_and_wait([&] { file_->set_note(std::move(note)); });
}

} // namespace trovel
