#include "widgets/adv_picture.h"

#include "platform/environment.h"
#include "widgets/picture_fit.h"

#include <QPainter>

namespace trovel {

void TIPicture::load_file(const QString &path) noexcept {
    try {
        const std::optional<FileStamp> stamp = FileStamp::of(path);
        std::optional<DecodedPicture> prefetched;
        if (prefetcher_) prefetched = prefetcher_->take(path, screen_size_);
        if (prefetched) {
            empty_ = false;
            decoded_ = std::move(*prefetched);
        } else {
            // A file that cannot be read leaves the previous picture held but not drawn.
            const QByteArray bytes = read_picture_file(path);
            empty_ = false;
            decoded_ = DecodedPicture(); // release the previous picture before decoding the next
            ++decodes_;
            decoded_ = decode_picture(bytes, screen_size_);
        }
        released_ = false;
        path_ = path;
        stamp_ = stamp;
        if (OnChange) OnChange();
    } catch (...) {
        empty_ = true;
        released_ = false;
    }
}

void TIPicture::release() noexcept {
    if (empty_ || released_ || decoded_.image.isNull()) return;
    decoded_.image = QImage();
    released_ = true;
}

void TIPicture::restore() noexcept {
    if (!released_) return;
    released_ = false;
    try {
        if (!stamp_ || FileStamp::of(path_) != stamp_) return;
        const QByteArray bytes = read_picture_file(path_);
        ++decodes_;
        DecodedPicture again = decode_picture(bytes, screen_size_);
        if (again.pixel_size == decoded_.pixel_size) decoded_.image = std::move(again.image);
    } catch (...) {
        // Nothing to draw; the sizes stay, as after a failed read.
    }
}

void TIPicture::prefetch(const QString &path) noexcept {
    ++prefetch_requests_;
    try {
        if (!prefetcher_) prefetcher_ = std::make_unique<PicturePrefetcher>();
        prefetcher_->start(path, screen_size_);
    } catch (...) {
        // No thread to be had: the load decodes the picture itself, as without a prefetch.
    }
}

void TIPicture::drop_prefetch() noexcept {
    if (prefetcher_) prefetcher_->discard();
}

QSize TIPicture::draw_size() const {
    const QSize logical = decoded_.logical_screen;
    const QSize natural = decoded_.pixel_size;
    return QSize(logical.width() != 0 ? logical.width() : natural.width(),
                 logical.height() != 0 ? logical.height() : natural.height());
}

TAdvPicture::TAdvPicture(QWidget *parent) : QWidget(parent) {
    // No background of its own: the panel's face and caption show around the picture.
    setAutoFillBackground(false);
    resize(100, 100);
    // The display always fills the area its container gives it, so asking for the
    // picture's own size would change nothing: a load only repaints.
    picture_.OnChange = [this] { refresh(); };
}

void TAdvPicture::set_up(Environment &env) {
    const int dpi = env.screen_dpi();
    picture_.set_pixels_per_inch(uint32_t(dpi), uint32_t(dpi));
    picture_.set_screen_size(env.screen_size());
}

QRect TAdvPicture::draw_rect() const {
    if (picture_.empty()) return QRect();
    return fit_picture(picture_.draw_size(), size());
}

void TAdvPicture::refresh() {
    scaled_ = QImage();
    update();
}

void TAdvPicture::hideEvent(QHideEvent *) {
    scaled_ = QImage();
    picture_.release();
    picture_.drop_prefetch();
}

void TAdvPicture::paintEvent(QPaintEvent *) {
    const QRect target = draw_rect();
    if (!target.isEmpty()) picture_.restore();
    const QImage &image = picture_.image();
    if (target.isEmpty() || image.isNull()) return;

    QPainter painter(this);
    if (image.size() == target.size()) {
        painter.drawImage(target.topLeft(), image);
        return;
    }
    // Area-averaged shrinking looks far better than sampling; keep the result while the
    // picture and the area stay the same.
    if (scaled_.size() != target.size() || scaled_from_ != image.cacheKey()) {
        scaled_ = image.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_from_ = image.cacheKey();
    }
    painter.drawImage(target.topLeft(), scaled_);
}

} // namespace trovel
