// The sound player: opens a WAV or MP3 file, plays it once in the background and tells
// when it has ended. A thin layer over SDL2_mixer's music channel.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <stdexcept>

typedef struct _Mix_Music Mix_Music;

namespace trovel {

class EMCIDeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TMediaPlayer : public QObject {
    Q_OBJECT
public:
    explicit TMediaPlayer(QObject *parent = nullptr);
    // Closes the file; a sound still playing stops.
    ~TMediaPlayer() override;

    // Path of the file the next Open opens.
    QString FileName;
    // Called on the GUI thread when a sound has ended or has been stopped by Close.
    std::function<void()> OnNotify;

    // Opens FileName, closing what was open first; returns when the file is ready to play.
    // The audio libraries are loaded and the device opened on the first call. Throws
    // EMCIDeviceError with the dynamic loader's or the audio backend's text when the
    // libraries, the device or the file cannot be opened.
    void Open();
    // Stops the sound and releases the file. Does nothing when nothing is open.
    void Close();
    // Plays the open file once from its beginning and returns at once. Throws
    // EMCIDeviceError "No MCI device open" when nothing is open.
    void Play();

    bool is_open() const { return music_ != nullptr; }

    // Calls OnNotify. The audio layer queues a call to it on the player's thread when the
    // player's sound ends or is stopped.
    void deliver_notice();

private:
    Mix_Music *music_ = nullptr;
};

// Stops all sound and closes the audio device; the next Open opens it again (with the
// SDL audio driver the environment names then). Also done when the application ends.
void close_audio_device();

} // namespace trovel
