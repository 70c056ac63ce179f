#include "platform/media_player.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

#include "platform/sdl_mixer_api.h"
#include "platform/sdl_mixer_loader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace trovel {

namespace {

// SDL_mixer has one music channel and one finished hook for the whole process. The hook
// runs on SDL's audio thread (or inside Mix_HaltMusic) with the audio lock held; it
// forwards the notice to the player whose sound it was. Lock order: audio lock, then this
// mutex; never take the audio lock (any Mix_ call) while holding it.
std::mutex owner_mutex;
TMediaPlayer *music_owner = nullptr;
bool audio_open = false;
// The audio libraries, loaded at the first Open; set whenever audio_open is, or a player
// holds a file.
const SdlMixerApi *sdl = nullptr;

QString backend_error() {
    const char *text = sdl->SDL_GetError();
    return text && *text ? QString::fromUtf8(text) : QStringLiteral("Unknown error code");
}

// The audio library's message says only that a file could not be opened; the system's
// reason ("Permission denied") goes to the terminal, where the user can act on it.
void tell_why_unopened(const QString &path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return;
    }
    std::fprintf(stderr, "trovel: cannot open the sound file %s: %s\n", qUtf8Printable(path), std::strerror(errno));
    std::fflush(stderr);
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
    if (!sdl) {
        std::string error;
        sdl = sdl_mixer_api(error);
        if (!sdl) throw EMCIDeviceError(error);
    }
    if (sdl->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) throw EMCIDeviceError(backend_error().toStdString());
    if (sdl->Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, MIX_DEFAULT_CHANNELS, 2048) != 0) {
        const QString error = backend_error();
        sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        throw EMCIDeviceError(error.toStdString());
    }
    sdl->Mix_HookMusicFinished(music_finished);
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
    sdl->Mix_HaltMusic();
    sdl->Mix_HookMusicFinished(nullptr);
    sdl->Mix_CloseAudio();
    sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
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
    sdl->SDL_ClearError();
    music_ = sdl->Mix_LoadMUS(QFile::encodeName(FileName).constData());
    if (!music_) {
        const QString error = backend_error();
        tell_why_unopened(FileName);
        throw EMCIDeviceError(error.toStdString());
    }
}

void TMediaPlayer::Close() {
    if (!music_) return;
    bool playing_ours;
    {
        std::lock_guard lock(owner_mutex);
        playing_ours = music_owner == this;
    }
    // Halting calls the finished hook, which posts this player's notice of the stop.
    if (playing_ours) sdl->Mix_HaltMusic();
    {
        std::lock_guard lock(owner_mutex);
        if (music_owner == this) music_owner = nullptr;
    }
    sdl->Mix_FreeMusic(music_);
    music_ = nullptr;
}

void TMediaPlayer::Play() {
    if (!music_) throw EMCIDeviceError("No MCI device open");
    {
        std::lock_guard lock(owner_mutex);
        music_owner = this;
    }
    // Starting the music again rewinds it; a failure to start stays silent.
    sdl->Mix_PlayMusic(music_, 1);
}

void TMediaPlayer::deliver_notice() {
    if (OnNotify) OnNotify();
}

} // namespace trovel
