// Decoding a picture ahead of time on a worker thread, so that it is ready the moment it
// is to be shown. Holds at most one request and one decoded picture; the worker only reads
// and decodes, and hands its result over under a lock.
#pragma once

#include "widgets/picture_decoder.h"

#include <QSize>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace trovel {

class PicturePrefetcher {
public:
    PicturePrefetcher();
    // Waits for a decode under way to finish (it cannot be cut short) and ends the worker.
    ~PicturePrefetcher();
    PicturePrefetcher(const PicturePrefetcher &) = delete;
    PicturePrefetcher &operator=(const PicturePrefetcher &) = delete;

    // Starts reading and decoding the file in the background, as decode_picture(bytes,
    // min_size) would. Replaces any earlier request and drops its result. A file that
    // cannot be read or decoded leaves nothing behind.
    void start(const QString &path, QSize min_size);

    // The decoded picture of this file, if one was prefetched for the same min_size and the
    // file is still the one that was read (same size, modification and change times, same
    // inode). Waits for a prefetch of it that is still running. Whatever the answer, the
    // prefetcher holds nothing afterwards.
    std::optional<DecodedPicture> take(const QString &path, QSize min_size);

    // Drops the request and any picture decoded for it: nothing is to be shown soon.
    void discard();

    // How many pictures the worker has decoded (successfully or not), for tests.
    int decodes() const { return decodes_.load(); }

private:
    struct Request {
        QString path;
        QSize min_size;
        uint64_t generation = 0;
    };
    struct Result;

    void run();
    bool running_for(const QString &path, QSize min_size) const;

    std::mutex mutex_;
    std::condition_variable changed_;
    // Everything below up to worker_ is guarded by mutex_.
    bool stop_ = false;
    uint64_t generation_ = 0; // a result of an older generation is dropped
    std::optional<Request> pending_;
    std::optional<Request> busy_; // the request the worker is decoding
    std::unique_ptr<Result> ready_;
    std::thread worker_; // started with the first request
    std::atomic<int> decodes_{0};
};

} // namespace trovel
