// The sound player over SDL2_mixer, with SDL's dummy driver for failures and its disk
// driver where a test must prove what was played: the disk driver writes the mixed
// samples to a file in real time.
#include "platform/media_player.h"
#include "platform/sdl_mixer_loader.h"
#include "support/test_files.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace trovel {
namespace {

constexpr int kRate = 44100; // the device's own rate, so samples pass through unchanged

// Frame i of a test sound holds the value (i % 30000) + 1 on both channels: never
// silence, and its beginning is easy to find in the device's output.
int16_t sample_at(int frame) { return int16_t(frame % 30000 + 1); }

QByteArray wav_bytes(int frames) {
    QByteArray data;
    data.reserve(frames * 4);
    for (int i = 0; i < frames; ++i) {
        const int16_t s = sample_at(i);
        for (int ch = 0; ch < 2; ++ch) {
            data.append(char(s & 0xFF));
            data.append(char((s >> 8) & 0xFF));
        }
    }
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + data.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(2) << quint32(kRate) << quint32(kRate * 4) << quint16(4) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(data.size());
    out.writeRawData(data.constData(), int(data.size()));
    return wav;
}

// The first frames of a test sound as the device writes them.
QByteArray sound_start() {
    const QByteArray wav = wav_bytes(16);
    return wav.mid(44, 16 * 4);
}

int count_of(const QByteArray &haystack, const QByteArray &needle) {
    int n = 0;
    for (qsizetype at = haystack.indexOf(needle); at >= 0; at = haystack.indexOf(needle, at + 1))
        ++n;
    return n;
}

// Whether SDL was mapped before main: it would be, were it linked into the program.
const bool sdl_mapped_at_start = dlopen(kSdlSoname, RTLD_LAZY | RTLD_NOLOAD) != nullptr;

TEST(SdlMixerLoader, LoadsTheLibrariesOnlyWhenAskedAndNamesWhatIsMissing) {
    EXPECT_FALSE(sdl_mapped_at_start);
    struct Case {
        const char *name;
        const char *sdl;
        const char *mixer;
        const char *text; // a part of the message; "" for success
    };
    const std::vector<Case> cases = {
        {"installed libraries", kSdlSoname, kSdlMixerSoname, ""},
        {"no SDL", "libtrovel-no-such-sdl.so.0", kSdlMixerSoname, "libtrovel-no-such-sdl.so.0: cannot open"},
        {"no mixer", kSdlSoname, "libtrovel-no-such-mixer.so.0", "libtrovel-no-such-mixer.so.0: cannot open"},
        {"not SDL", "libz.so.1", kSdlMixerSoname, "undefined symbol: SDL_GetError"},
        {"not the mixer", kSdlSoname, kSdlSoname, "undefined symbol: Mix_OpenAudio"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string error = sdl_mixer_load_error(c.sdl, c.mixer);
        if (*c.text)
            EXPECT_NE(error.find(c.text), std::string::npos) << error;
        else
            EXPECT_EQ(error, "");
    }
}

class MediaPlayer : public testing::Test {
protected:
    void TearDown() override {
        close_audio_device();
        qputenv("SDL_AUDIODRIVER", "dummy");
    }

    QString write(const QString &name, const QByteArray &bytes) {
        const QString path = dir_.filePath(name);
        test::write_file(path, bytes);
        return path;
    }

    // Reopens the audio device on SDL's disk driver, writing into a file of this test.
    void use_disk_driver() {
        close_audio_device();
        output_ = dir_.filePath("output.raw");
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output_));
    }
    QByteArray output() const {
        QFile f(output_);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    QString output_;
};

TEST_F(MediaPlayer, NothingOpenMeansCloseDoesNothingAndPlayRaises) {
    TMediaPlayer player;
    int notices = 0;
    player.OnNotify = [&] { ++notices; };
    player.Close();
    player.Close();
    EXPECT_FALSE(player.is_open());
    try {
        player.Play();
        ADD_FAILURE() << "played";
    } catch (const EMCIDeviceError &e) {
        EXPECT_STREQ(e.what(), "No MCI device open");
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(notices, 0);
}

TEST_F(MediaPlayer, OpenFailsWithTheBackendsTextAndLeavesNothingOpen) {
    const QString fifo = dir_.filePath("fifo.wav");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct Case {
        const char *name;
        QString path;
        const char *text;   // a part of the message
        std::string reason; // the system's reason on stderr, when the file did not open
    };
    const std::vector<Case> cases = {
        {"text named .wav", write("text.wav", "this is no sound\n"), "Unknown WAVE format", ""},
        {"empty .wav", write("empty.wav", QByteArray()), "Unknown WAVE format", ""},
        {"bad RIFF header", write("bad.wav", QByteArray("RIFF\x10\0\0\0WAVEjunk\0\0\0\0", 20)), "WAV", ""},
        {"missing", dir_.filePath("missing.wav"), "Couldn't open", std::strerror(ENOENT)},
        {"directory", dir_.path(), "not a regular file", ""},
        // A FIFO would block the open for good; it must fail at once.
        {"fifo", fifo, "not a regular file", ""},
    };
    TMediaPlayer player;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        player.FileName = c.path;
        QElapsedTimer timer;
        timer.start();
        testing::internal::CaptureStderr();
        try {
            player.Open();
            ADD_FAILURE() << "opened";
        } catch (const EMCIDeviceError &e) {
            EXPECT_NE(std::string(e.what()).find(c.text), std::string::npos) << e.what();
        }
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(err, c.reason.empty()
                           ? std::string()
                           : "trovel: cannot open the sound file " + c.path.toStdString() + ": " + c.reason + "\n");
        EXPECT_LT(timer.elapsed(), 2000);
        EXPECT_FALSE(player.is_open());
        EXPECT_THROW(player.Play(), EMCIDeviceError);
    }
}

// A sound file without read permission: the box says what the audio library says, the
// terminal says why.
TEST_F(MediaPlayer, UnreadableSoundFileSaysWhyOnStderr) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads files without read permission";
    const QString path = write("locked.wav", wav_bytes(100));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0200), 0);
    TMediaPlayer player;
    player.FileName = path;
    testing::internal::CaptureStderr();
    EXPECT_THROW(player.Open(), EMCIDeviceError);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "trovel: cannot open the sound file " + path.toStdString() + ": " + std::strerror(EACCES) + "\n");
}

TEST_F(MediaPlayer, OpenFailsWhenTheAudioDeviceCannotBeOpened) {
    close_audio_device();
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    TMediaPlayer player;
    player.FileName = write("a.wav", wav_bytes(100));
    try {
        player.Open();
        ADD_FAILURE() << "opened";
    } catch (const EMCIDeviceError &e) {
        EXPECT_NE(std::string(e.what()), "");
        EXPECT_NE(std::string(e.what()), "Unknown error code");
    }
    EXPECT_FALSE(player.is_open());

    // The device is tried again at the next Open.
    qputenv("SDL_AUDIODRIVER", "dummy");
    player.Open();
    EXPECT_TRUE(player.is_open());
}

TEST_F(MediaPlayer, PlaysOnceInTheBackgroundAndNotifiesOnTheGuiThread) {
    use_disk_driver();
    TMediaPlayer player;
    player.FileName = write("a.wav", wav_bytes(kRate / 5));
    int notices = 0;
    bool on_gui_thread = true;
    player.OnNotify = [&] {
        ++notices;
        on_gui_thread = on_gui_thread && QThread::currentThread() == qApp->thread();
    };
    player.Open();
    QElapsedTimer timer;
    timer.start();
    player.Play();
    EXPECT_LT(timer.elapsed(), 100); // returns at once

    ASSERT_TRUE(QTest::qWaitFor([&] { return notices > 0; }, 5000));
    EXPECT_TRUE(on_gui_thread);
    // The whole sound reached the device, once.
    const QByteArray last_frames = wav_bytes(kRate / 5).right(64);
    const QByteArray played = output();
    EXPECT_EQ(count_of(played, sound_start()), 1);
    EXPECT_EQ(count_of(played, last_frames), 1);
    // The file stays open after its end, until closed.
    EXPECT_TRUE(player.is_open());
    QTest::qWait(100);
    EXPECT_EQ(notices, 1);
    player.Close();
    EXPECT_FALSE(player.is_open());
}

TEST_F(MediaPlayer, CloseStopsTheSoundAndOpenPlayRestartsItFromTheBeginning) {
    use_disk_driver();
    const QString path = write("long.wav", wav_bytes(kRate * 2));
    TMediaPlayer player;
    int notices = 0;
    player.OnNotify = [&] { ++notices; };
    player.FileName = path;
    player.Open();
    player.Play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return count_of(output(), sound_start()) == 1; }, 3000));
    QTest::qWait(200);

    // A rest starting while the sound still plays: close, reopen, play.
    player.Close();
    player.FileName = path;
    player.Open();
    player.Play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return count_of(output(), sound_start()) == 2; }, 3000));
    QTest::qWait(200);
    EXPECT_GE(notices, 1); // the stop was noticed

    // Stopped mid-sound: from then on the device gets silence.
    player.Close();
    const qsizetype stopped_at = output().size();
    QTest::qWait(400);
    const QByteArray after = output().mid(stopped_at + 8192);
    ASSERT_GT(after.size(), 4096);
    EXPECT_EQ(after.count('\0'), after.size());
    EXPECT_EQ(count_of(output(), wav_bytes(kRate * 2).right(64)), 0); // never reached its end
}

TEST_F(MediaPlayer, DestroyingAPlayingPlayerStopsItsSoundSafely) {
    use_disk_driver();
    const QString path = write("long.wav", wav_bytes(kRate));
    int notices = 0;
    {
        auto player = std::make_unique<TMediaPlayer>();
        player->OnNotify = [&] { ++notices; };
        player->FileName = path;
        player->Open();
        player->Play();
        QTest::qWait(100);
    }
    // Its stop notice went with it.
    QTest::qWait(200);
    EXPECT_EQ(notices, 0);

    // Another player's Close leaves the sound of the one playing alone.
    TMediaPlayer first, second;
    first.FileName = second.FileName = path;
    first.Open();
    second.Open();
    second.Play();
    first.Close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return count_of(output(), sound_start()) == 2; }, 3000));
}

} // namespace
} // namespace trovel
