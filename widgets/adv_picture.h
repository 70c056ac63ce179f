// The picture display of the rest window: one picture read from a file, shrunk to fit
// its area if need be and centred, with nothing drawn around it.
#pragma once

#include "platform/file_stamp.h"
#include "widgets/picture_decoder.h"
#include "widgets/picture_prefetch.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace trovel {

class Environment;

// The picture a display holds.
class TIPicture {
public:
    // Reads the file whole, recognises its format from the content, decodes it and calls
    // the change notice. Never throws: any failure (unreadable, not a regular file, too
    // large, not a picture) only leaves the picture empty, and calls nothing.
    // A picture prefetched from the same, unchanged file for the same screen size is taken
    // instead of decoding again (waiting for its prefetch if it is still under way).
    void load_file(const QString &path) noexcept;
    bool empty() const { return empty_; }

    // Starts decoding the file in the background for a load that is expected soon. One
    // prefetch at a time: a newer one replaces the older, and any load_file ends it. The
    // picture shown meanwhile stays as it is; a file that fails leaves nothing behind.
    void prefetch(const QString &path) noexcept;
    // Forgets a prefetch that will not be used.
    void drop_prefetch() noexcept;
    // How often prefetch was asked for, and how many pictures were decoded in all (by
    // load_file and ahead of time): for tests and measurements.
    int prefetch_requests() const { return prefetch_requests_; }
    int decode_count() const { return decodes_ + (prefetcher_ ? prefetcher_->decodes() : 0); }

    // The primary screen's size in pixels: large JPEGs are decoded only as finely as it needs.
    void set_screen_size(QSize size) { screen_size_ = size; }
    QSize screen_size() const { return screen_size_; }
    // The screen's resolution. Kept with the picture; sizes come from the decoder's pixels.
    void set_pixels_per_inch(uint32_t x, uint32_t y) {
        ppi_x_ = x;
        ppi_y_ = y;
    }
    uint32_t pixels_per_inch_x() const { return ppi_x_; }
    uint32_t pixels_per_inch_y() const { return ppi_y_; }

    // The decoded picture's size in pixels (the file's full size even when it was decoded
    // at a reduced scale); 0x0 with no decoded picture.
    QSize natural_size() const { return decoded_.pixel_size; }
    // The GIF logical screen size, where the file has one that counts; 0x0 otherwise.
    QSize logical_screen_size() const { return decoded_.logical_screen; }
    // The size the display fits: per direction the logical screen size when set, else the
    // natural size.
    QSize draw_size() const;
    const QImage &image() const { return decoded_.image; }

    // Drops the decoded pixels of a loaded picture while it is not seen, keeping its sizes
    // and where it came from. The next load replaces it as usual; restore() decodes it
    // again should it be drawn before that.
    void release() noexcept;
    bool released() const { return released_; }
    // Decodes a released picture again from its file. A file that has changed since the
    // load, or can no longer be read, leaves the pixels empty: nothing is drawn then.
    void restore() noexcept;

    // Called after every successful load; the display sets it to its refresh.
    std::function<void()> OnChange;

private:
    DecodedPicture decoded_;
    bool empty_ = true;
    bool released_ = false;
    QString path_;                   // the file of the last successful load
    std::optional<FileStamp> stamp_; // and its state when it was read
    QSize screen_size_;
    uint32_t ppi_x_ = 96;
    uint32_t ppi_y_ = 96;
    int prefetch_requests_ = 0;
    int decodes_ = 0;
    std::unique_ptr<PicturePrefetcher> prefetcher_; // made at the first prefetch
};

class TAdvPicture : public QWidget {
    Q_OBJECT
public:
    explicit TAdvPicture(QWidget *parent = nullptr);

    TIPicture *Picture() { return &picture_; }
    const TIPicture *Picture() const { return &picture_; }

    // Gives the picture the primary screen's size and resolution; call once the form is built.
    void set_up(Environment &env);

    // Where the picture is drawn in the display's own coordinates; empty when nothing is
    // drawn (no picture, or no area).
    QRect draw_rect() const;

protected:
    void paintEvent(QPaintEvent *) override;
    // While the display is not seen (the bar between rests) it keeps neither the scaled
    // copy nor the decoded pixels; a paint before the next load decodes them again. A
    // picture read ahead for the rest that just ended is dropped too.
    void hideEvent(QHideEvent *) override;

private:
    void refresh();

    TIPicture picture_;
    // The last scaled copy, so repaints of an unchanged area do not resample again.
    QImage scaled_;
    qint64 scaled_from_ = 0;
};

} // namespace trovel
