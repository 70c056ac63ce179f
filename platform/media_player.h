// The sound player. (Stand-in: opens and plays nothing yet.)
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <stdexcept>

namespace trovel {

class EMCIDeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TMediaPlayer : public QObject {
    Q_OBJECT
public:
    explicit TMediaPlayer(QObject *parent = nullptr) : QObject(parent) {}

    QString FileName;
    std::function<void()> OnNotify;

    void Open() { open_ = true; }
    void Close() { open_ = false; }
    void Play() { if (!open_) throw EMCIDeviceError("No MCI device open"); }

private:
    bool open_ = false;
};

}  // namespace trovel
