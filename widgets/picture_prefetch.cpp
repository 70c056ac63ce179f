#include "widgets/picture_prefetch.h"

#include "platform/file_stamp.h"

#include <QFile>

#include <sys/stat.h>

namespace trovel {

struct PicturePrefetcher::Result {
    QString path;
    QSize min_size;
    FileStamp stamp;
    DecodedPicture picture;
};

PicturePrefetcher::PicturePrefetcher() = default;

PicturePrefetcher::~PicturePrefetcher() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
        pending_.reset();
    }
    changed_.notify_all();
    if (worker_.joinable()) worker_.join();
}

void PicturePrefetcher::start(const QString &path, QSize min_size) {
    std::unique_ptr<Result> dropped;
    {
        std::lock_guard lock(mutex_);
        // First the worker: a request that no worker would ever serve would be waited for.
        if (!worker_.joinable()) worker_ = std::thread([this] { run(); });
        pending_ = Request{path, min_size, ++generation_};
        dropped = std::move(ready_);
    }
    changed_.notify_all();
    // The dropped picture is released here, outside the lock.
}

void PicturePrefetcher::discard() {
    std::unique_ptr<Result> dropped;
    std::lock_guard lock(mutex_);
    pending_.reset();
    ++generation_; // a decode under way ends in nothing
    dropped = std::move(ready_);
}

bool PicturePrefetcher::running_for(const QString &path, QSize min_size) const {
    const auto is = [&](const std::optional<Request> &r) {
        return r && r->generation == generation_ && r->path == path && r->min_size == min_size;
    };
    return is(pending_) || is(busy_);
}

std::optional<DecodedPicture> PicturePrefetcher::take(const QString &path, QSize min_size) {
    std::unique_ptr<Result> result;
    {
        std::unique_lock lock(mutex_);
        // Decoding the same file a second time would only take longer than waiting.
        changed_.wait(lock, [&] { return !running_for(path, min_size); });
        result = std::move(ready_);
        // Whatever is still on its way is of no use any more.
        pending_.reset();
        ++generation_;
    }
    if (!result || result->path != path || result->min_size != min_size) return std::nullopt;
    const std::optional<FileStamp> now = FileStamp::of(path);
    if (!now || !(*now == result->stamp)) return std::nullopt;
    return std::move(result->picture);
}

void PicturePrefetcher::run() {
    for (;;) {
        Request request;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return stop_ || pending_; });
            if (stop_) return;
            request = std::move(*pending_);
            pending_.reset();
            busy_ = request;
        }
        // The stamp is taken before reading: a file changed while it is read no longer
        // matches it afterwards, and is decoded afresh when shown.
        std::unique_ptr<Result> result;
        try {
            const std::optional<FileStamp> stamp = FileStamp::of(request.path);
            if (stamp) {
                const QByteArray bytes = read_picture_file(request.path);
                decodes_.fetch_add(1);
                result = std::make_unique<Result>(
                    Result{request.path, request.min_size, *stamp, decode_picture(bytes, request.min_size)});
            }
        } catch (...) {
            // A failed prefetch leaves nothing behind; showing the file will fail as usual.
        }
        {
            std::lock_guard lock(mutex_);
            busy_.reset();
            if (result && request.generation == generation_) std::swap(ready_, result);
        }
        changed_.notify_all();
        // A result that came too late is released here, outside the lock.
    }
}

} // namespace trovel
