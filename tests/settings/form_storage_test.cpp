// The settings storage over a form of stand-in controls: what a save writes and in
// which order, what a load applies, the version check, values kept byte for byte, and
// how failures end a save without touching the file.
#include "settings/form_storage.h"
#include "settings/ini_file.h"
#include "settings/settings_path.h"
#include "settings_test_util.h"
#include "support/fake_environment.h"
#include "test_form.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace trovel {
namespace {

using test::read_file;
using test::TForm1;
using test::write_file;

const char kExampleFile[] = R"([TForm1]
FormVersion=1
Flags=0
ShowCmd=1
PixelsPerInch=96
MinMaxPos(1024x768)=-1,-1,-1,-1
MinMaxPos=-1,-1,-1,-1
NormPos(1024x768)=447,362,577,406
NormPos=447,362,577,406
Visible=1
menu_soundfile_Caption=/home/ann/Sounds/bell.wav
menu_use_nag_Checked=True
menu_1min_Checked=False
menu_play_Checked=True
menu_soundfile_Checked=False
menu_center_Checked=True
menu_2min_Checked=True
menu_5min_Checked=False
lbl_default_top_Caption=lbl_default_top
Lbl_default_left_Caption=Lbl_default_left
lbl_nag_left_Caption=lbl_nag_left
lbl_nag_top_Caption=lbl_nag_top
menu_show_image_Checked=True
menu_pict_dir_Caption=/home/ann/Pictures/*.jpg
menu_tiny_Checked=False
menu_small_Checked=False
menu_large_Checked=True
menu_random_Checked=False
menu_full_Checked=False
menu_vantor_Checked=False
menu_clock_Checked=False
menu_half_hour_Checked=False
spin_timeout_Value=10
N10min1_Checked=True
N15min1_Checked=False
N1min1_Checked=False
N20min1_Checked=False
N2min1_Checked=False
N30min1_Checked=False
N3min1_Checked=False
N4min1_Checked=False
N5min1_Checked=False
N6min1_Checked=False
N7min1_Checked=False
N8min1_Checked=False
N9min1_Checked=False
)";

// Each test gets its own configuration folder, a form at its design values placed as in
// the example file, and a bound storage.
class FormStorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        old_config_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        form_ = std::make_unique<TForm1>();
        form_->setGeometry(447, 362, 130, 44);
        form_->setWindowTitle("05:00 Type trovel");
        storage_ = make_storage(*form_);
    }
    void TearDown() override {
        storage_.reset();
        form_.reset();
        qputenv("XDG_CONFIG_HOME", old_config_);
    }

    std::unique_ptr<TFormStorage> make_storage(TForm1 &form) {
        auto storage = std::make_unique<TFormStorage>(&form, env_);
        storage->set_stored_props(test::stored_props());
        storage->bind_stored_props();
        return storage;
    }
    // A new run: a fresh form and storage that load the file as it is now.
    void restart() {
        storage_.reset();
        form_ = std::make_unique<TForm1>();
        form_->setGeometry(447, 362, 130, 44);
        storage_ = make_storage(*form_);
        storage_->on_show();
    }

    QString ini() const { return config_.filePath("trovel.ini"); }
    QString text(const QString &entry) const { return form_->stored_text(entry); }
    QByteArray design_save(const QByteArray &visible) const {
        return "[TForm1]\nFormVersion=1\nFlags=0\nShowCmd=1\nPixelsPerInch=96\n"
               "MinMaxPos(1024x768)=-1,-1,-1,-1\nMinMaxPos=-1,-1,-1,-1\n"
               "NormPos(1024x768)=447,362,577,406\nNormPos=447,362,577,406\nVisible=" +
               visible + "\n" + test::design_key_lines().join('\n').toUtf8() + "\n";
    }

    QTemporaryDir config_;
    QByteArray old_config_;
    test::FakeEnvironment env_;
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<TFormStorage> storage_;
};

TEST_F(FormStorageTest, FirstSaveAtExitWritesEveryKeyInOrder) {
    storage_->on_show();
    EXPECT_TRUE(storage_->restored());
    form_->item("menu_2min")->set_checked(true);
    form_->item("menu_large")->set_checked(true);
    form_->item("N10min1")->set_checked(true);
    form_->spin()->set_value(10);
    form_->item("menu_soundfile")->set_caption("/home/ann/Sounds/bell.wav");
    form_->item("menu_pict_dir")->set_caption("/home/ann/Pictures/*.jpg");
    form_->item("menu_play")->set_checked(true);

    storage_->on_destroy();
    EXPECT_EQ(read_file(ini()), QByteArray(kExampleFile));
    EXPECT_TRUE(storage_->saved());
    EXPECT_FALSE(storage_->destroying());
    EXPECT_TRUE(env_.errors.isEmpty());

    restart();
    EXPECT_EQ(text("menu_2min.Checked"), "True");
    EXPECT_EQ(text("menu_1min.Checked"), "False");
    EXPECT_EQ(text("N10min1.Checked"), "True");
    EXPECT_EQ(text("N5min1.Checked"), "False");
    EXPECT_EQ(text("spin_timeout.Value"), "10");
    EXPECT_EQ(text("menu_soundfile.Caption"), "/home/ann/Sounds/bell.wav");
}

TEST_F(FormStorageTest, CloseQuerySavesOnceWithVisibleZero) {
    storage_->on_show();
    storage_->on_close_query();
    EXPECT_FALSE(QFile::exists(ini())) << "no save before the form's window exists";

    form_->winId();
    storage_->on_close_query();
    EXPECT_EQ(read_file(ini()), design_save("0"));
    EXPECT_TRUE(storage_->saved());

    // Changes after the close query (the close handler's copy of the coordinates) and
    // the destruction that follows write nothing more.
    form_->label("lbl_nag_left")->set_caption("300");
    storage_->on_destroy();
    EXPECT_EQ(read_file(ini()), design_save("0"));

    // A refused close saves nothing either.
    QFile::remove(ini());
    storage_->on_close_query(false);
    EXPECT_FALSE(QFile::exists(ini()));
}

TEST_F(FormStorageTest, VersionDecidesWhetherAnythingLoads) {
    struct Case {
        const char *version_line;
        bool loads;
    };
    const std::vector<Case> cases = {
        {"FormVersion=1", true},   {"FormVersion=5", true},     {"FormVersion=0x1", true},
        {"FormVersion=0X1", true}, {"formversion= 2 ", true},   {"FormVersion=0", false},
        {"FormVersion=-1", false}, {"FormVersion=ten", false},  {"FormVersion=", false},
        {"FormVersion=0x", false}, {"FormVersion=0xZZ", false}, {"FormVersion=0xFFFFFFFF", false},
        {"FormVersion=1x", false}, {"Other=1", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.version_line);
        write_file(ini(), QByteArray("[TForm1]\n") + c.version_line + "\nspin_timeout_Value=7\n");
        TForm1 form;
        auto storage = make_storage(form);
        storage->on_show();
        EXPECT_EQ(form.spin()->value(), c.loads ? 7 : 0);
        EXPECT_TRUE(storage->restored());
        EXPECT_FALSE(storage->saved());
    }
    // Without a file nothing loads, and the next save writes the whole section.
    QFile::remove(ini());
    storage_->on_show();
    EXPECT_TRUE(storage_->restored());
    storage_->on_destroy();
    EXPECT_EQ(read_file(ini()), design_save("1"));
}

TEST_F(FormStorageTest, ValuesLoadByTheirKind) {
    struct Case {
        QByteArray key_line;
        QString entry;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"spin_timeout_Value=250", "spin_timeout.Value", "100"},
        {"spin_timeout_Value=-3", "spin_timeout.Value", "0"},
        {"spin_timeout_Value=ten", "spin_timeout.Value", "0"},
        {"spin_timeout_Value=", "spin_timeout.Value", "0"},
        {"spin_timeout_Value= 42 ", "spin_timeout.Value", "42"},
        {"spin_timeout_Value=+5", "spin_timeout.Value", "5"},
        {"spin_timeout_Value=7.5", "spin_timeout.Value", "0"},
        {"spin_timeout_Value=0x10", "spin_timeout.Value", "0"},
        {"spin_timeout_Value=99999999999", "spin_timeout.Value", "0"},
        {"menu_center_Checked=yes", "menu_center.Checked", "True"},
        {"menu_center_Checked=1", "menu_center.Checked", "True"},
        {"menu_center_Checked=FALSE", "menu_center.Checked", "False"},
        {"menu_play_Checked=TRUE", "menu_play.Checked", "True"},
        {"menu_play_Checked=  true  ", "menu_play.Checked", "True"},
        {"menu_play_Checked=\" true \"", "menu_play.Checked", "True"},
        {"menu_play_Checked=", "menu_play.Checked", "False"},
        {"menu_soundfile_Caption=", "menu_soundfile.Caption", ""},
        {"menu_soundfile_Caption=   /snd/a b.wav\t ", "menu_soundfile.Caption", "/snd/a b.wav"},
        {"menu_soundfile_Caption=\"\"/snd/a.wav\"\"", "menu_soundfile.Caption", "\"/snd/a.wav\""},
        {"menu_soundfile_Caption=\"  /snd/a.wav  \"", "menu_soundfile.Caption", "/snd/a.wav"},
        {"lbl_nag_top_Caption=120", "lbl_nag_top.Caption", "120"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key_line.toStdString());
        write_file(ini(), "[TForm1]\nFormVersion=1\n" + c.key_line + "\n");
        TForm1 form;
        auto storage = make_storage(form);
        storage->on_show();
        EXPECT_EQ(form.stored_text(c.entry), c.expected);
    }
}

TEST_F(FormStorageTest, NamesInOtherLetterCasesLoad) {
    write_file(ini(), "[tform1]\nFORMVERSION=1\nSPIN_TIMEOUT_VALUE=33\nmenu_PLAY_checked=True\n");
    storage_->on_show();
    EXPECT_EQ(text("spin_timeout.Value"), "33");
    EXPECT_EQ(text("menu_play.Checked"), "True");
}

TEST_F(FormStorageTest, RadioEntriesApplyInListOrder) {
    write_file(ini(), "[TForm1]\nFormVersion=1\nN5min1_Checked=True\nN10min1_Checked=True\n");
    storage_->on_show();
    EXPECT_EQ(text("N5min1.Checked"), "True");
    EXPECT_EQ(text("N10min1.Checked"), "False");

    QByteArray all_false = "[TForm1]\nFormVersion=1\nmenu_1min_Checked=False\nmenu_2min_Checked=False\n"
                           "menu_5min_Checked=False\n";
    for (const char *n : {"N10", "N15", "N1", "N20", "N2", "N30", "N3", "N4", "N5", "N6", "N7", "N8", "N9"})
        all_false += QByteArray(n) + "min1_Checked=False\n";
    write_file(ini(), all_false);
    restart();
    for (const QString &entry : storage_->stored_props()) {
        if (entry.startsWith('N') || entry.contains("min.")) {
            EXPECT_EQ(text(entry), "False") << entry.toStdString();
        }
    }
}

TEST_F(FormStorageTest, MissingKeysKeepTheirValuesAndAreAppendedAtTheNextSave) {
    const QByteArray before = "; written by hand\n[TForm1]\nFormVersion=1\n; my note\nspin_timeout_Value=12\n"
                              "unknown_key=keep\n\n[Other]\nx=1\n";
    write_file(ini(), before);
    storage_->on_show();
    EXPECT_EQ(text("spin_timeout.Value"), "12");
    EXPECT_EQ(text("menu_full.Checked"), "True");
    EXPECT_EQ(text("lbl_nag_top.Caption"), "lbl_nag_top");

    storage_->on_destroy();
    QStringList appended = test::design_key_lines();
    appended.removeAll("spin_timeout_Value=0");
    const QByteArray expected = "; written by hand\n[TForm1]\nFormVersion=1\n; my note\nspin_timeout_Value=12\n"
                                "unknown_key=keep\nFlags=0\nShowCmd=1\nPixelsPerInch=96\n"
                                "MinMaxPos(1024x768)=-1,-1,-1,-1\nMinMaxPos=-1,-1,-1,-1\n"
                                "NormPos(1024x768)=447,362,577,406\nNormPos=447,362,577,406\nVisible=1\n" +
                                appended.join('\n').toUtf8() + "\n\n[Other]\nx=1\n";
    EXPECT_EQ(read_file(ini()), expected);
}

TEST_F(FormStorageTest, SaveAtAnotherScreenSizeAppendsItsPair) {
    storage_->on_show();
    storage_->on_destroy();
    const QByteArray first = read_file(ini());
    ASSERT_EQ(first, design_save("1"));

    env_.screens = {QRect(0, 0, 1280, 1024)};
    restart();
    storage_->on_destroy();
    EXPECT_EQ(read_file(ini()), first + "MinMaxPos(1280x1024)=-1,-1,-1,-1\nNormPos(1280x1024)=447,362,577,406\n");
}

TEST_F(FormStorageTest, QuotedCaptionRoundTrips) {
    storage_->on_show();
    form_->item("menu_soundfile")->set_caption("\"/snd/my bell.wav\"");
    form_->label("lbl_nag_left")->set_caption("  250\t");
    storage_->on_destroy();
    const QByteArray file = read_file(ini());
    EXPECT_TRUE(file.contains("\nmenu_soundfile_Caption=\"\"/snd/my bell.wav\"\"\n"));
    EXPECT_TRUE(file.contains("\nlbl_nag_left_Caption=250\n"));
    restart();
    EXPECT_EQ(text("menu_soundfile.Caption"), "\"/snd/my bell.wav\"");
    EXPECT_EQ(text("lbl_nag_left.Caption"), "250");
}

TEST_F(FormStorageTest, PlacementFollowsTheWindow) {
    env_.dpi = 120;
    form_->setWindowState(Qt::WindowMinimized);
    storage_->on_show();
    storage_->on_destroy();
    const QByteArray file = read_file(ini());
    EXPECT_TRUE(file.contains("\nShowCmd=2\n"));
    EXPECT_TRUE(file.contains("\nPixelsPerInch=120\n"));
}

TEST_F(FormStorageTest, NothingHappensBeforeALoadOrWhileInactive) {
    storage_->on_destroy();
    EXPECT_FALSE(QFile::exists(ini())) << "a form never shown keeps the file";

    write_file(ini(), "[TForm1]\nFormVersion=1\nspin_timeout_Value=9\n");
    TForm1 form;
    auto storage = make_storage(form);
    storage->set_active(false);
    storage->on_show();
    EXPECT_EQ(form.spin()->value(), 0);
    form.winId();
    storage->on_close_query();
    storage->on_destroy();
    EXPECT_EQ(read_file(ini()), "[TForm1]\nFormVersion=1\nspin_timeout_Value=9\n");
    EXPECT_TRUE(env_.errors.isEmpty());
}

TEST_F(FormStorageTest, BindingDropsBadEntriesAndMatchesNamesInAnyCase) {
    storage_->set_stored_props({"menu_center.Checked", "no_point", ".Checked", "menu_play. ", "no_such_item.Checked",
                                "  LBL_DEFAULT_LEFT . caption ", "menu_center.NoSuchProperty", "n5MIN1.checked"});
    storage_->bind_stored_props();
    EXPECT_EQ(storage_->stored_props(), QStringList({"menu_center.Checked", "  LBL_DEFAULT_LEFT . caption ",
                                                     "menu_center.NoSuchProperty", "n5MIN1.checked"}));
    // Everything that stores nothing can be found out, so a form can check its own list.
    EXPECT_EQ(storage_->unbound_props(), QStringList({"no_point", ".Checked", "menu_play. ", "no_such_item.Checked",
                                                      "menu_center.NoSuchProperty"}));

    write_file(ini(), "[TForm1]\nFormVersion=1\nLbl_default_left_Caption=120\nN5min1_Checked=False\n");
    storage_->on_show();
    EXPECT_EQ(text("Lbl_default_left.Caption"), "120");
    EXPECT_EQ(text("N5min1.Checked"), "False");

    QFile::remove(ini());
    storage_->on_destroy();
    const QByteArray file = read_file(ini());
    // The keys use the control's and the property's own spelling; a property the
    // control lacks writes nothing.
    EXPECT_TRUE(file.endsWith("\nVisible=1\nmenu_center_Checked=True\nLbl_default_left_Caption=120\n"
                              "N5min1_Checked=False\n"))
        << file.toStdString();
}

TEST_F(FormStorageTest, OneRefusedValueDoesNotStopTheLoad) {
    new test::TestBrokenItem("broken_item", form_.get());
    storage_->set_stored_props({"broken_item.Checked", "spin_timeout.Value"});
    storage_->bind_stored_props();
    write_file(ini(), "[TForm1]\nFormVersion=1\nbroken_item_Checked=True\nspin_timeout_Value=8\n");
    storage_->on_show();
    EXPECT_EQ(text("spin_timeout.Value"), "8");
    EXPECT_TRUE(env_.errors.isEmpty());
}

// ---- failures

// A file that cannot be read is said at start, and its save fails once: at the exit, or
// at the close request (the destruction after it does not try again).
TEST_F(FormStorageTest, UnwritableFileIsReportedOnceAtExitAndOnceAtACloseRequest) {
    ASSERT_TRUE(QDir(config_.path()).mkdir("trovel.ini")); // no file can take its place
    testing::internal::CaptureStderr();
    storage_->on_show();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "trovel: cannot read " + ini().toStdString() + ": Is a directory; the settings are the defaults\n");
    storage_->on_destroy();
    ASSERT_EQ(env_.errors.size(), 1);
    EXPECT_EQ(env_.errors[0].first, "05:00 Type trovel");
    EXPECT_EQ(env_.errors[0].second, "Unable to write to trovel.ini.");
    EXPECT_FALSE(storage_->saved());
    EXPECT_FALSE(storage_->destroying());

    env_.errors.clear();
    TForm1 form;
    form.setWindowTitle("04:10 Type trovel");
    form.winId();
    auto storage = make_storage(form);
    storage->on_show();
    testing::internal::CaptureStderr();
    storage->on_close_query();
    EXPECT_FALSE(storage->saved());
    storage->on_destroy();
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_EQ(env_.errors.size(), 1);
    EXPECT_EQ(env_.errors[0].first, "04:10 Type trovel");
    EXPECT_EQ(env_.errors[0].second, "Unable to write to trovel.ini.");
    EXPECT_EQ(err, "trovel: cannot write " + ini().toStdString() + ": Is a directory\n");
}

TEST_F(FormStorageTest, ErrorNamesTheConfiguredFile) {
    storage_->set_ini_file_name("other.ini");
    ASSERT_TRUE(QDir(config_.path()).mkdir("other.ini"));
    storage_->on_show();
    QString error;
    EXPECT_FALSE(storage_->save_settings(&error));
    EXPECT_EQ(error, "cannot write " + config_.filePath("other.ini") + ": Is a directory");
    storage_->on_destroy();
    ASSERT_EQ(env_.errors.size(), 1);
    EXPECT_EQ(env_.errors[0].second, "Unable to write to other.ini.");
}

// A save fails as a whole: whichever key or write fails, the file keeps every byte it
// had, no temporary file is left, and a later save with the fault gone completes it.
TEST_F(FormStorageTest, FailedSaveLeavesTheOldFileWhole) {
    for (const bool full_disk : {true, false}) {
        SCOPED_TRACE(full_disk ? "full disk" : "a key in the middle that cannot be stored");
        env_.errors.clear();
        write_file(ini(), kExampleFile);
        restart();
        form_->spin()->set_value(25);
        form_->item("menu_soundfile")->set_caption("/snd/a much longer path than the disk has room for.wav");
        if (!full_disk) form_->item("menu_clock")->setObjectName("menu=clock");
        testing::internal::CaptureStderr();
        {
            std::optional<test::FileSizeLimit> limit;
            if (full_disk) limit.emplace(sizeof kExampleFile + 10);
            storage_->on_destroy();
        }
        const std::string err = testing::internal::GetCapturedStderr();
        ASSERT_EQ(env_.errors.size(), 1);
        EXPECT_EQ(env_.errors[0].second, "Unable to write to trovel.ini.");
        EXPECT_FALSE(storage_->saved());
        EXPECT_EQ(read_file(ini()), QByteArray(kExampleFile));
        EXPECT_EQ(QDir(config_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"trovel.ini"});
        // The terminal says which file and the system's reason.
        const std::string reason =
            full_disk ? std::strerror(EFBIG) : "the name [TForm1] menu=clock_Checked cannot be stored";
        EXPECT_EQ(err, "trovel: cannot write " + ini().toStdString() + ": " + reason + "\n");

        if (!full_disk) form_->findChild<QObject *>("menu=clock")->setObjectName("menu_clock");
        storage_->on_destroy();
        EXPECT_TRUE(storage_->saved());
        EXPECT_TRUE(read_file(ini()).contains("\nspin_timeout_Value=25\n"));
    }
}

// Every key of a save reaches the file through one rename, so a crash at any moment
// leaves the old file or the new one, never a mix.
TEST_F(FormStorageTest, OneSaveIsOneRename) {
    write_file(ini(), kExampleFile);
    restart();
    form_->spin()->set_value(7);
    form_->item("N7min1")->set_checked(true);
    form_->label("lbl_nag_top")->set_caption("120");
    env_.screens = {QRect(0, 0, 1280, 1024)};
    storage_->set_second_section(
        "Trovel", [](const IniDocument &) {},
        [](const IniDocument &) {
            return TFormPlacement::Entries{{"NaturalBreaks", "0"}};
        });

    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(config_.path()).constData(), IN_MOVED_TO | IN_CREATE), 0);
    storage_->on_destroy();
    int renames = 0, creates = 0;
    alignas(inotify_event) char buffer[8192];
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (char *at = buffer; at < buffer + n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(at);
            renames += (event->mask & IN_MOVED_TO) ? 1 : 0;
            creates += (event->mask & IN_CREATE) ? 1 : 0;
            at += sizeof(inotify_event) + event->len;
        }
    }
    ::close(watch);
    EXPECT_EQ(renames, 1);
    EXPECT_EQ(creates, 1) << "one temporary file";
    const QByteArray file = read_file(ini());
    EXPECT_TRUE(file.contains("\nspin_timeout_Value=7\n"));
    EXPECT_TRUE(file.contains("\nN7min1_Checked=True\n"));
    EXPECT_TRUE(file.contains("\nN10min1_Checked=False\n"));
    EXPECT_TRUE(file.endsWith("\nMinMaxPos(1280x1024)=-1,-1,-1,-1\nNormPos(1280x1024)=447,362,577,406\n"
                              "[Trovel]\nNaturalBreaks=0\n"))
        << "the second section in the same write";
}

// The form's own section is read whatever the version says, and a key of it that cannot
// be stored fails the whole save, as one of the stored properties would.
TEST_F(FormStorageTest, SecondSectionLoadsWithoutAVersionAndSavesWithTheFirst) {
    const QByteArray before = "[TForm1]\nFormVersion=0\nspin_timeout_Value=9\n[Trovel]\nNaturalBreaks=0\n";
    write_file(ini(), before);
    std::optional<QString> loaded;
    TFormPlacement::Entries entries = {{"NaturalBreaks", "1"}, {"bad=key", "1"}};
    storage_->set_second_section(
        "Trovel", [&](const IniDocument &file) { loaded = file.value("Trovel", "NaturalBreaks"); },
        [&](const IniDocument &) { return entries; });
    storage_->on_show();
    EXPECT_EQ(loaded.value_or("missing").toStdString(), "0");
    EXPECT_NE(text("spin_timeout.Value").toStdString(), "9") << "[TForm1] is refused for its version";
    storage_->on_destroy();
    ASSERT_EQ(env_.errors.size(), 1);
    EXPECT_EQ(read_file(ini()), before);
    EXPECT_FALSE(storage_->saved());

    entries.removeLast();
    storage_->on_destroy();
    EXPECT_TRUE(storage_->saved());
    EXPECT_TRUE(read_file(ini()).endsWith("[Trovel]\nNaturalBreaks=1\n"));
}

// A value that nobody changed keeps its line as it stands in the file, even where the
// program could not write it the same way; a changed value is written as always.
TEST_F(FormStorageTest, UnchangedValuesKeepTheirBytes) {
    const QByteArray long_folder = "/pictures/" + QByteArray(2990, 'x') + "/*.jpg"; // 3,006 characters
    struct Case {
        const char *name;
        QByteArray line;               // in the file before
        QString entry;                 // the property it loads into
        std::optional<QString> change; // a new value set before the save
        QByteArray saved;              // the line after the save
    };
    const std::vector<Case> cases = {
        {"path that is not UTF-8", "menu_pict_dir_Caption=/home/u/caf\xE9/*.jpg", "menu_pict_dir.Caption", std::nullopt,
         "menu_pict_dir_Caption=/home/u/caf\xE9/*.jpg"},
        {"value longer than a read returns", "menu_pict_dir_Caption=" + long_folder, "menu_pict_dir.Caption",
         std::nullopt, "menu_pict_dir_Caption=" + long_folder},
        {"blanks and letter case as written", "  menu_PLAY_checked =  TRUE ", "menu_play.Checked", std::nullopt,
         "  menu_PLAY_checked =  TRUE "},
        {"changed path is written", "menu_pict_dir_Caption=/home/u/caf\xE9/*.jpg", "menu_pict_dir.Caption",
         QString::fromUtf8("/home/u/caf\u00e9/*.bmp"), "menu_pict_dir_Caption=/home/u/caf\xC3\xA9/*.bmp"},
        {"changed long value is written", "menu_pict_dir_Caption=" + long_folder, "menu_pict_dir.Caption",
         QString("/p/*.jpg"), "menu_pict_dir_Caption=/p/*.jpg"},
        {"changed check mark is written", "  menu_PLAY_checked =  TRUE ", "menu_play.Checked", QString("False"),
         "menu_PLAY_checked=False"},
    };
    for (const QByteArray &eol : {QByteArray("\n"), QByteArray("\r\n")}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.name) + (eol == "\n" ? " (LF)" : " (CRLF)"));
            const QByteArray before = "[TForm1]" + eol + "FormVersion=1" + eol + c.line + eol;
            write_file(ini(), before);
            restart();
            if (c.change) {
                QObject *control = form_->findChild<QObject *>(c.entry.section('.', 0, 0));
                ASSERT_TRUE(control);
                control->setProperty(c.entry.section('.', 1).toLatin1(),
                                     *c.change == "False" ? QVariant(false) : QVariant(*c.change));
            }
            storage_->on_destroy();
            const QByteArray after = read_file(ini());
            EXPECT_TRUE(after.startsWith("[TForm1]" + eol + "FormVersion=1" + eol + c.saved + eol))
                << after.left(200).toStdString();
            EXPECT_EQ(after.count(c.saved.trimmed().left(10)), 1);
        }
    }
    // The value read is what the control holds meanwhile.
    write_file(ini(), "[TForm1]\nFormVersion=1\nmenu_pict_dir_Caption=" + long_folder + "\n");
    restart();
    EXPECT_EQ(text("menu_pict_dir.Caption").size(), 2047);
}

// Two radio items both checked in the file: the one that lost its check when the other
// loaded is written as it is now, so the file agrees with the menu again.
TEST_F(FormStorageTest, RadioItemUncheckedByTheLoadIsWrittenBack) {
    write_file(ini(), "[TForm1]\nFormVersion=1\nN10min1_Checked=True\nN5min1_Checked=True\n");
    restart();
    storage_->on_destroy();
    const QByteArray file = read_file(ini());
    EXPECT_TRUE(file.startsWith("[TForm1]\nFormVersion=1\nN10min1_Checked=False\nN5min1_Checked=True\n"));
}

// A file whose values were not loaded because of its version is kept once as
// trovel.ini.bak before a save overwrites it; nothing is copied when nothing of it
// would be lost.
TEST_F(FormStorageTest, FileNotLoadedForItsVersionIsKeptAsBackup) {
    const QString bak = ini() + ".bak";
    struct Case {
        const char *name;
        QByteArray before; // nothing: no file
        bool backup;
    };
    const std::vector<Case> cases = {
        {"no FormVersion", "; by hand\n[TForm1]\nspin_timeout_Value=12\nmenu_play_Checked=True\n", true},
        {"FormVersion 1.0", "[TForm1]\nFormVersion=1.0\nspin_timeout_Value=12\n", true},
        {"FormVersion abc", "[TForm1]\r\nFormVersion=abc\r\n", true},
        {"a version that loads", "[TForm1]\nFormVersion=1\nspin_timeout_Value=12\n", false},
        {"no section of ours", "[Other]\nx=1\n", false},
        {"no file", QByteArray(), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(ini());
        write_file(bak, "an older copy\n");
        if (!c.before.isEmpty()) write_file(ini(), c.before);
        if (!c.before.isEmpty()) {
            ASSERT_EQ(::chmod(QFile::encodeName(ini()).constData(), 0600), 0);
        }
        restart();
        testing::internal::CaptureStderr();
        storage_->on_destroy();
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(env_.errors.isEmpty());
        EXPECT_TRUE(read_file(ini()).contains("Visible=1"));
        if (c.backup) {
            EXPECT_EQ(read_file(bak), c.before);
            struct stat st {};
            ASSERT_EQ(::stat(QFile::encodeName(bak).constData(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, 0600u) << "the copy is as private as the file";
            EXPECT_NE(err.find("were not loaded"), std::string::npos) << err;
            EXPECT_NE(err.find(bak.toStdString()), std::string::npos) << err;
        } else {
            EXPECT_EQ(read_file(bak), "an older copy\n");
            EXPECT_EQ(err, "");
        }
        // Once: a second save in the same run (the close query failed, say) copies nothing
        // more.
        write_file(bak, "moved away\n");
        QString error;
        EXPECT_TRUE(storage_->save_settings(&error)) << error.toStdString();
        EXPECT_EQ(read_file(bak), "moved away\n");
    }
    EXPECT_EQ(QDir(config_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"trovel.ini", "trovel.ini.bak"}));
}

// A copy that cannot be kept stops the save: the values written by hand stay in the file.
TEST_F(FormStorageTest, BackupThatCannotBeWrittenStopsTheSave) {
    const QByteArray before = "[TForm1]\nspin_timeout_Value=12\n";
    write_file(ini(), before);
    ASSERT_TRUE(QDir(config_.path()).mkdir("trovel.ini.bak"));
    restart();
    testing::internal::CaptureStderr();
    storage_->on_destroy();
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_EQ(env_.errors.size(), 1);
    EXPECT_EQ(env_.errors[0].second, "Unable to write to trovel.ini.");
    EXPECT_EQ(read_file(ini()), before);
    EXPECT_NE(err.find("cannot write " + ini().toStdString() + ".bak: "), std::string::npos) << err;
}

TEST_F(FormStorageTest, ReadOnlyFileOrFolderIsReportedAndKept) {
    if (test::running_as_root()) GTEST_SKIP() << "a privileged user writes read-only files";
    const QByteArray before = "[TForm1]\nFormVersion=1\n";
    write_file(ini(), before);
    QFile::setPermissions(ini(), QFileDevice::ReadOwner);
    storage_->on_show();
    storage_->on_destroy();
    EXPECT_EQ(env_.errors.size(), 1);
    EXPECT_EQ(read_file(ini()), before);

    QFile::setPermissions(ini(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(config_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    storage_->on_destroy();
    QFile::setPermissions(config_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(env_.errors.size(), 2);
    EXPECT_EQ(read_file(ini()), before);
}

// ---- where the file lives

TEST_F(FormStorageTest, FileLivesInTheConfigurationFolder) {
    const QString nested = config_.filePath("deeper/config");
    qputenv("XDG_CONFIG_HOME", nested.toUtf8());
    EXPECT_EQ(settings_file_path("trovel.ini"), nested + "/trovel.ini");
    EXPECT_TRUE(QDir(nested).exists()) << "the folder is made when missing";

    // A name beyond ASCII is used byte for byte.
    const QByteArray accented = QFile::encodeName(config_.path()) + "/cfg\xc3\xa9";
    qputenv("XDG_CONFIG_HOME", accented);
    EXPECT_EQ(QFile::encodeName(settings_file_path("trovel.ini")), accented + "/trovel.ini");

    const QByteArray old_home = qgetenv("HOME");
    qputenv("HOME", config_.path().toUtf8());
    // A name in another encoding than UTF-8 cannot be reached: decoded anyway it would be
    // another folder (with U+FFFD in its name), made and written beside the user's.
    const QByteArray latin1 = QFile::encodeName(config_.path()) + "/cfg\xe9";
    for (const QByteArray &unusable : {QByteArray(""), QByteArray("relative/path"), latin1}) {
        qputenv("XDG_CONFIG_HOME", unusable);
        testing::internal::CaptureStderr();
        EXPECT_EQ(settings_file_path("trovel.ini"), config_.path() + "/.config/trovel.ini") << unusable.constData();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(said.find("XDG_CONFIG_HOME is not a UTF-8 file name") != std::string::npos, unusable == latin1);
    }
    EXPECT_EQ(QDir(config_.path()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{".config", QString::fromUtf8("cfg\xc3\xa9"), "deeper"}))
        << "no folder of a misread name";
    qputenv("HOME", old_home);

    EXPECT_EQ(settings_file_path(config_.filePath("elsewhere.ini")), config_.filePath("elsewhere.ini"));
}

} // namespace
} // namespace trovel
