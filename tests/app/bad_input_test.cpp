// Hostile or broken input: settings files, picture folders and sound files that must end
// in a clear outcome, without a crash or a hang and without losing what was saved.
#include "form_fixture.h"
#include "support/test_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trovel::test {
namespace {

class BadInput : public FormTest {
protected:
    // Starts the program on a settings file with the given bytes, or on whatever
    // prepare() leaves at the settings file's place.
    void start_with(const QByteArray &settings) {
        start_with_prepared([&](const QString &path) { test::write_file(path, settings); });
    }
    template <typename Prepare> void start_with_prepared(Prepare prepare) {
        form.reset();
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
        prepare(settings_file());
        make_form({.keep_settings = true});
        show();
    }
    // Ends the run as the exit command does: the form is destroyed and saves.
    void end_run() { form.reset(); }
    QByteArray settings_bytes() const {
        QFile f(settings_file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

const char kNulLines[] = "[TForm1]\nFormVersion=1\nspin_\0timeout_Value=9\nspin_timeout_Value=8\0\n";

TEST_F(BadInput, BrokenSettingsFilesLoadWhatTheyCanAndKeepEveryByteOnSave) {
    QByteArray random(64 * 1024, '\0');
    QRandomGenerator gen(42);
    for (char &c : random)
        c = static_cast<char>(gen.bounded(256));
    struct Case {
        const char *what;
        QByteArray bytes;
        const char *title; // the first countdown shows what was loaded
    };
    const Case cases[] = {
        {"random bytes", random, "05:00 Type trovel"},
        {"a 1 MB line before the section",
         QByteArray(1 << 20, 'x') + "\n[TForm1]\nFormVersion=1\nspin_timeout_Value=7\n", "07:00 Type trovel"},
        {"NUL bytes in lines", QByteArray(kNulLines, sizeof kNulLines - 1), "08:00 Type trovel"},
        {"no newline at the end", "[TForm1]\nFormVersion=1\nspin_timeout_Value=3", "03:00 Type trovel"},
        {"text that is not UTF-8", "; caf\xe9 \xff\xfe\n[TForm1]\nFormVersion=1\nspin_timeout_Value=4\n",
         "04:00 Type trovel"},
        // Values nobody changed keep their bytes, even those the program cannot write
        // back the same way.
        {"a picture folder that is not UTF-8",
         "[TForm1]\nFormVersion=1\nmenu_pict_dir_Caption=/home/u/caf\xe9/*.jpg\nspin_timeout_Value=4\n",
         "04:00 Type trovel"},
        {"a 3,000-character picture folder",
         "[TForm1]\nFormVersion=1\nmenu_pict_dir_Caption=/p/" + QByteArray(2990, 'x') +
             "/*.jpg\nspin_timeout_Value=4\n",
         "04:00 Type trovel"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        start_with(c.bytes);
        EXPECT_EQ(title(), c.title);
        end_run();
        const QByteArray saved = settings_bytes();
        // Nothing is lost: every line of the old file is still there, byte for byte.
        for (const QByteArray &line : c.bytes.split('\n')) {
            if (line.startsWith("spin_timeout_Value=") || line.startsWith("FormVersion="))
                continue; // our own keys, written anew
            EXPECT_TRUE(saved.contains(line)) << "lost: " << line.left(40).toHex().toStdString();
        }
        EXPECT_TRUE(saved.contains("FormVersion=1"));
        EXPECT_TRUE(saved.contains("Visible=1"));
        EXPECT_TRUE(env.errors.isEmpty());
    }
}

// A typing length that is no length loads as the design value; the program never counts
// down from 0, and never saves a 0 of its own.
TEST_F(BadInput, TypingLengthThatIsNoLengthLoadsAsFiveMinutes) {
    const std::pair<const char *, int> cases[] = {
        {"-5", 5},  {"0x10", 5}, {"3.5", 5}, {"1e9", 5},   {"0", 5},     {"", 5},
        {"ten", 5}, {"1", 1},    {"+7", 7},  {"100", 100}, {"250", 100}, {"1000000000", 100},
    };
    for (const auto &[value, minutes] : cases) {
        SCOPED_TRACE(value);
        start_with(QByteArray("[TForm1]\nFormVersion=1\nspin_timeout_Value=") + value + "\n");
        EXPECT_EQ(form->spin_timeout->Value(), minutes);
        EXPECT_EQ(title(), QStringLiteral("%1:00 Type trovel").arg(minutes, 2, 10, QLatin1Char('0')));
        end_run();
        // The value the user wrote stays as written, and the next start reads the same.
        const QByteArray saved = settings_bytes();
        start_with(saved);
        EXPECT_EQ(form->spin_timeout->Value(), minutes) << saved.toStdString();
        end_run();
    }
}

TEST_F(BadInput, FiftyMegabyteSettingsFileLoadsAndSavesWithoutLosingALine) {
    QByteArray big;
    big.reserve(50 << 20);
    const QByteArray comment = "; a hand-written note that goes on for a while, number ";
    for (int i = 0; big.size() < (50 << 20); ++i)
        big += comment + QByteArray::number(i) + '\n';
    big += "[TForm1]\nFormVersion=1\nspin_timeout_Value=6\n";
    QElapsedTimer clock;
    clock.start();
    start_with(big);
    EXPECT_EQ(title(), "06:00 Type trovel");
    end_run();
    const QByteArray saved = settings_bytes();
    EXPECT_TRUE(saved.startsWith(big.left(big.size() - 60)));
    EXPECT_TRUE(saved.contains("Visible=1"));
    std::printf("50 MB settings file: start and end took %lld ms\n", static_cast<long long>(clock.elapsed()));
}

TEST_F(BadInput, FolderInPlaceOfTheSettingsFileIsReportedAndLeftAlone) {
    start_with_prepared([](const QString &path) { ASSERT_TRUE(QDir().mkpath(path + "/inside")); });
    EXPECT_EQ(title(), "05:00 Type trovel");
    end_run();
    ASSERT_EQ(env.errors.size(), 1);
    EXPECT_EQ(env.errors.first().second, "Unable to write to trovel.ini.");
    EXPECT_TRUE(QFileInfo(settings_file()).isDir());
    EXPECT_TRUE(QFileInfo(settings_file() + "/inside").isDir());
}

TEST_F(BadInput, UnwritableSettingsFileIsReportedAndKept) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
    const QByteArray old = "[TForm1]\nFormVersion=1\nspin_timeout_Value=2\n";
    start_with(old);
    ASSERT_EQ(::chmod(QFile::encodeName(settings_file()).constData(), 0444), 0);
    form->N9min1->Click();
    end_run();
    EXPECT_EQ(env.errors.size(), 1);
    EXPECT_EQ(settings_bytes(), old);
}

TEST_F(BadInput, HostilePicturesShowNothingQuickly) {
    QTemporaryDir dir;
    auto write = [&](const QString &name, const QByteArray &bytes) { test::write_file(dir.filePath(name), bytes); };
    // A tiny JPEG whose frame header claims 60000 x 60000 pixels.
    QImage small(8, 8, QImage::Format_RGB32);
    small.fill(Qt::green);
    small.save(dir.filePath("real.jpg"), "JPEG");
    QFile real(dir.filePath("real.jpg"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    QByteArray huge = real.readAll();
    const qsizetype sof = huge.indexOf("\xff\xc0");
    ASSERT_GT(sof, 0);
    huge[sof + 5] = char(0xEA), huge[sof + 6] = char(0x60); // height 60000
    huge[sof + 7] = char(0xEA), huge[sof + 8] = char(0x60); // width 60000
    write("huge.jpg", huge);
    write("empty.jpg", {});
    write("cut.jpg", real.readAll().left(0) + huge.left(200));
    QFile sparse(dir.filePath("sparse.jpg"));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
    ASSERT_TRUE(sparse.resize(qint64(1) << 30));
    sparse.close();
    ASSERT_EQ(::symlink("loop2.jpg", QFile::encodeName(dir.filePath("loop1.jpg")).constData()), 0);
    ASSERT_EQ(::symlink("loop1.jpg", QFile::encodeName(dir.filePath("loop2.jpg")).constData()), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo.jpg")).constData(), 0600), 0);
    QFile::remove(dir.filePath("real.jpg"));

    show();
    form->menu_pict_dir->setCaption(dir.path() + "/*.jpg");
    QElapsedTimer clock;
    for (int rest = 0; rest < 7; ++rest) {
        clock.start();
        form->menu_testClick();
        EXPECT_LT(clock.elapsed(), 2000) << "rest " << rest;
        EXPECT_TRUE(form->image_picture->Picture()->empty()) << form->label_image_nr->Caption().toStdString();
        form->btn_ignoreClick();
    }
    EXPECT_EQ(form->image_counter(), 8) << "every entry took its turn";
}

TEST_F(BadInput, HundredThousandFilesAreListedInGoodTime) {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    for (int i = 0; i < 100000; ++i) {
        const QByteArray name = folder + "/f" + QByteArray::number(i) + ".txt";
        const int fd = ::open(name.constData(), O_CREAT | O_WRONLY, 0600);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    QImage one(4, 4, QImage::Format_RGB32);
    one.fill(Qt::blue);
    ASSERT_TRUE(one.save(dir.filePath("only.bmp"), "BMP"));
    show();
    form->menu_pict_dir->setCaption(dir.path() + "/*.bmp");
    QElapsedTimer clock;
    clock.start();
    form->menu_testClick();
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_FALSE(form->image_picture->Picture()->empty());
}

TEST_F(BadInput, UnplayableSoundFilesGiveAClearErrorAtOnce) {
    QTemporaryDir dir;
    auto make = [&](const QString &name, const QByteArray &bytes) {
        test::write_file(dir.filePath(name), bytes);
        return dir.filePath(name);
    };
    QFile huge(dir.filePath("huge.mp3"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(qint64(1) << 30));
    huge.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo.wav")).constData(), 0600), 0);
    const QString files[] = {make("text.wav", "just words\n"), make("empty.wav", {}), huge.fileName()};
    show();
    form->menu_play->setChecked(true);
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        form->menu_soundfile->setCaption(file);
        QElapsedTimer clock;
        clock.start();
        ReportedErrors errors;
        form->menu_testClick();
        ASSERT_EQ(errors.messages.size(), 1);
        EXPECT_GT(errors.messages[0].size(), QStringLiteral("Cannot play %1: ").arg(file).size() + 5);
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_EQ(form->state(), "rest");
        form->btn_ignoreClick();
    }
    // A FIFO is no sound file: nothing is played, nothing waits on it, the rest beeps.
    const int beeps = env.beeps;
    form->menu_soundfile->setCaption(dir.filePath("fifo.wav"));
    form->menu_testClick();
    EXPECT_FALSE(form->MediaPlayer1->is_open());
    EXPECT_EQ(env.beeps, beeps + 1);
}

} // namespace
} // namespace trovel::test
