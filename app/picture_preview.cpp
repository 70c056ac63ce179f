#include "app/picture_preview.h"

#include "widgets/picture_decoder.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <exception>

namespace trovel {

namespace {
QString no_picture() { return PicturePreview::tr("Picture:"); }
} // namespace

PreviewContent preview_content(const QString &path, QSize box) {
    try {
        // The decoder may hand back a JPEG at a reduced scale; the label gives the file's size.
        const DecodedPicture decoded = decode_preview_by_extension(path, box);
        if (decoded.image.isNull()) return {QImage(), no_picture()};
        QImage image = decoded.image;
        if (image.width() > box.width() || image.height() > box.height())
            image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return {image, QString::asprintf(" (%dx%d)", decoded.pixel_size.width(), decoded.pixel_size.height())};
    } catch (const std::exception &) {
        // A preview is only a help for choosing: whatever went wrong, it shows nothing.
        return {QImage(), no_picture()};
    }
}

PicturePreview::PicturePreview(QWidget *parent) : QWidget(parent) {
    auto *layout = new QVBoxLayout(this);
    label_ = new QLabel(no_picture(), this);
    picture_ = new QLabel(this);
    picture_->setFixedSize(kBox);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(label_);
    layout->addWidget(picture_);
    layout->addStretch(1);
}

void PicturePreview::show_file(const QString &path) {
    if (shown_ && path == path_) return;
    shown_ = true;
    path_ = path;
    const PreviewContent content = preview_content(path, picture_->contentsRect().size().boundedTo(kBox));
    image_ = content.image;
    label_->setText(content.label);
    picture_->setPixmap(image_.isNull() ? QPixmap() : QPixmap::fromImage(image_));
}

QString PicturePreview::label_text() const { return label_->text(); }

} // namespace trovel
