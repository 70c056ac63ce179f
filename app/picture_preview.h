// The picture chooser's preview: the current file decoded by its extension and shown
// shrunk into a small pane, with its size in pixels above it; an empty pane and
// "Picture:" for anything that cannot be shown.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;

namespace trovel {

struct PreviewContent {
    QImage image; // null when the file cannot be shown
    QString label;
};

// What the preview shows for the file at path: the picture shrunk (never enlarged) to fit
// into box with its proportions kept, and " (WxH)" with the file's own size in pixels.
PreviewContent preview_content(const QString &path, QSize box);

class PicturePreview : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kBox{200, 200};

    explicit PicturePreview(QWidget *parent = nullptr);

    // Shows the file at path; an empty path or a folder shows the empty preview.
    void show_file(const QString &path);

    QString label_text() const;
    QImage image() const { return image_; }

private:
    QLabel *label_ = nullptr;
    QLabel *picture_ = nullptr;
    QImage image_;
    QString path_; // the file shown, so that one change reported twice decodes once
    bool shown_ = false;
};

} // namespace trovel
