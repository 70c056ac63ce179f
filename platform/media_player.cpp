#include "platform/media_player.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaObject>

#include <SDL.h>
#include <SDL_mixer.h>
#include <mutex>

namespace trovel {

namespace {

// SDL_mixer has one music channel and one finished hook for the whole process. The hook
// runs on SDL's audio thread (or inside Mix_HaltMusic) with the audio lock held; it
// forwards the notice to the player whose sound it was. Lock order: audio lock, then this
// mutex; never take the audio lock (any Mix_ call) while holding it.
std::mutex owner_mutex;
TMediaPlayer *music_owner = nullptr;
bool audio_open = false;

QString backend_error() {
    const char *text = SDL_GetError();
    return text && *text ? QString::fromUtf8(text) : QStringLiteral("Unknown error code");
}

void music_finished() {
    std::lock_guard lock(owner_mutex);
    if (!music_owner) return;
    // Queued to the player's (GUI) thread; a player destroyed before delivery takes the
    // pending call with it.
    TMediaPlayer *owner = music_owner;
    QMetaObject::invokeMethod(
        owner, [owner] { owner->deliver_notice(); }, Qt::QueuedConnection);
}

void open_audio_device() {
    if (audio_open) return;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) throw EMCIDeviceError(backend_error().toStdString());
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, MIX_DEFAULT_CHANNELS, 2048) != 0) {
        const QString error = backend_error();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        throw EMCIDeviceError(error.toStdString());
    }
    Mix_HookMusicFinished(music_finished);
    audio_open = true;
    static bool cleanup_registered = false;
    if (!cleanup_registered && QCoreApplication::instance()) {
        qAddPostRoutine(close_audio_device);
        cleanup_registered = true;
    }
}

} // namespace

void close_audio_device() {
    if (!audio_open) return;
    {
        std::lock_guard lock(owner_mutex);
        music_owner = nullptr;
    }
    Mix_HaltMusic();
    Mix_HookMusicFinished(nullptr);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audio_open = false;
}

TMediaPlayer::TMediaPlayer(QObject *parent) : QObject(parent) {}

TMediaPlayer::~TMediaPlayer() { Close(); }

void TMediaPlayer::Open() {
    Close();
    // SDL opens the file by its path with a blocking open: a FIFO with no writer would
    // hang the program there, and a directory or device is no sound either.
    const QFileInfo info(FileName);
    if (info.exists() && !info.isFile())
        throw EMCIDeviceError(QStringLiteral("Couldn't open '%1': not a regular file").arg(FileName).toStdString());
    open_audio_device();
    SDL_ClearError();
    music_ = Mix_LoadMUS(QFile::encodeName(FileName).constData());
    if (!music_) throw EMCIDeviceError(backend_error().toStdString());
}

void TMediaPlayer::Close() {
    if (!music_) return;
    bool playing_ours;
    {
        std::lock_guard lock(owner_mutex);
        playing_ours = music_owner == this;
    }
    // Halting calls the finished hook, which posts this player's notice of the stop.
    if (playing_ours) Mix_HaltMusic();
    {
        std::lock_guard lock(owner_mutex);
        if (music_owner == this) music_owner = nullptr;
    }
    Mix_FreeMusic(music_);
    music_ = nullptr;
}

void TMediaPlayer::Play() {
    if (!music_) throw EMCIDeviceError("No MCI device open");
    {
        std::lock_guard lock(owner_mutex);
        music_owner = this;
    }
    // Starting the music again rewinds it; a failure to start stays silent.
    Mix_PlayMusic(music_, 1);
}

void TMediaPlayer::deliver_notice() {
    if (OnNotify) OnNotify();
}

} // namespace trovel
