// The picture display of the rest window. (Stand-in: loads nothing yet.)
#pragma once

#include <QString>
#include <QWidget>

namespace trovel {

class TIPicture {
public:
    // Reads the file whole, decodes it and refreshes the display; never throws.
    void load_file(const QString &path) { (void)path; empty_ = true; }
    bool empty() const { return empty_; }

private:
    bool empty_ = true;
};

class TAdvPicture : public QWidget {
    Q_OBJECT
public:
    explicit TAdvPicture(QWidget *parent = nullptr) : QWidget(parent) {}
    TIPicture *Picture() { return &picture_; }

private:
    TIPicture picture_;
};

}  // namespace trovel
