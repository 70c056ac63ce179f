// What the menu's commands do to the form: radio groups, the typing length, the play
// option, images or clock, the disclaimer, the home page, and the two file choosers
// answered by a stand-in for the dialogs.
#include "form_fixture.h"
#include "support/test_files.h"

#include <QFile>
#include <QTemporaryDir>

namespace trovel::test {
namespace {

// Answers the choosers with whatever the test put in; "" is a cancelled dialog.
class FakeDialogs : public Dialogs {
public:
    QString sound, picture, csv;
    int asked = 0;
    QString open_sound_file(QWidget *) override { return ++asked, sound; }
    QString open_picture_file(QWidget *) override { return ++asked, picture; }
    QString save_csv_file(QWidget *) override { return ++asked, csv; }
};

class MenuCommands : public FormTest {
protected:
    MenuCommands() {
        form_dialogs = &dialogs;
        recreate();
    }
    ~MenuCommands() override { form.reset(); } // before the choosers it was given

    QString write_file(const QString &name, const QByteArray &bytes) {
        test::write_file(files.filePath(name), bytes);
        return files.filePath(name);
    }
    // A short mono 8 kHz 16-bit WAV of silence.
    QString write_wav(const QString &name) {
        const QByteArray pcm(800 * 2, '\0');
        QByteArray wav;
        auto u32 = [&](uint32_t v) { wav.append(reinterpret_cast<const char *>(&v), 4); };
        auto u16 = [&](uint16_t v) { wav.append(reinterpret_cast<const char *>(&v), 2); };
        wav.append("RIFF");
        u32(36 + uint32_t(pcm.size()));
        wav.append("WAVEfmt ");
        u32(16), u16(1), u16(1), u32(8000), u32(16000), u16(2), u16(16);
        wav.append("data");
        u32(uint32_t(pcm.size()));
        wav.append(pcm);
        return write_file(name, wav);
    }

    std::vector<bool> checks(const std::vector<TMenuItem *> &items) const {
        std::vector<bool> v;
        for (TMenuItem *i : items)
            v.push_back(i->Checked());
        return v;
    }

    FakeDialogs dialogs;
    QTemporaryDir files;
};

TEST_F(MenuCommands, RadioItemsCheckOneAndUncheckingTheCheckedOneEmptiesTheGroup) {
    show();
    TForm1 &f = *form;
    struct Step {
        TMenuItem *item;
        std::vector<bool> group; // afterwards
    };
    const std::vector<std::pair<std::vector<TMenuItem *>, std::vector<Step>>> groups = {
        {{f.menu_1min, f.menu_2min, f.menu_5min},
         {{f.menu_5min, {false, false, true}},
          {f.menu_2min, {false, true, false}},
          {f.menu_2min, {false, false, false}},
          {f.menu_1min, {true, false, false}}}},
        {{f.menu_full, f.menu_large, f.menu_small, f.menu_tiny},
         {{f.menu_tiny, {false, false, false, true}},
          {f.menu_tiny, {false, false, false, false}},
          {f.menu_large, {false, true, false, false}}}},
    };
    for (const auto &[members, steps] : groups)
        for (const Step &s : steps) {
            s.item->Click();
            EXPECT_EQ(checks(members), s.group) << "after " << s.item->objectName().toStdString();
        }

    // The typing length of an emptied group is still applied, with a fresh countdown.
    ticks(3);
    f.N5min1->Click();
    EXPECT_FALSE(f.N5min1->Checked());
    EXPECT_EQ(f.spin_timeout->Value(), 5);
    EXPECT_EQ(title(), "05:00 Type trovel");
}

TEST_F(MenuCommands, TypingLengthComesFromTheCaptionAndRestartsTyping) {
    struct Case {
        TMenuItem *TForm1::*item;
        int minutes;
        const char *title;
    };
    const Case cases[] = {{&TForm1::N1min1, 1, "01:00 Type trovel"},
                          {&TForm1::N9min1, 9, "09:00 Type trovel"},
                          {&TForm1::N10min1, 10, "10:00 Type trovel"},
                          {&TForm1::N15min1, 15, "15:00 Type trovel"},
                          {&TForm1::N30min1, 30, "30:00 Type trovel"}};
    for (const Case &c : cases) {
        recreate();
        show();
        TMenuItem *item = (*form).*(c.item);
        SCOPED_TRACE(item->Caption().toStdString());
        ticks(2);
        form->menu_testClick(); // from a rest too: the new length starts typing at once
        item->Click();
        EXPECT_EQ(form->spin_timeout->Value(), c.minutes);
        EXPECT_EQ(form->type_minutes(), c.minutes);
        EXPECT_EQ(form->state(), "type");
        EXPECT_EQ(title(), c.title);
        EXPECT_TRUE(item->Checked());
        EXPECT_FALSE(form->N5min1->Checked());
    }
}

TEST_F(MenuCommands, PlayOptionFlipsTheSoundFileCheckAndStopsTheSound) {
    show();
    form->menu_soundfile->setCaption(write_wav("bell.wav"));
    form->play_sound();
    ASSERT_TRUE(form->MediaPlayer1->is_open());
    form->menu_play->Click();
    EXPECT_EQ(checks({form->menu_play, form->menu_soundfile}), (std::vector<bool>{true, false}));
    EXPECT_FALSE(form->MediaPlayer1->is_open());
    form->menu_play->Click();
    EXPECT_EQ(checks({form->menu_play, form->menu_soundfile}), (std::vector<bool>{false, true}));
    EXPECT_EQ(dialogs.asked, 0);
}

TEST_F(MenuCommands, ImagesAndClockFlipTogether) {
    EXPECT_EQ(checks({form->menu_show_image, form->menu_clock}), (std::vector<bool>{true, false}));
    form->menu_clock->Click();
    EXPECT_EQ(checks({form->menu_show_image, form->menu_clock}), (std::vector<bool>{false, true}));
    form->menu_show_image->Click();
    EXPECT_EQ(checks({form->menu_show_image, form->menu_clock}), (std::vector<bool>{true, false}));
    // Each is inverted, not set from the other: both checked (only a hand-edited settings
    // file does that) turn both unchecked.
    form->menu_clock->setChecked(true);
    form->menu_show_image->Click();
    EXPECT_EQ(checks({form->menu_show_image, form->menu_clock}), (std::vector<bool>{false, false}));
}

TEST_F(MenuCommands, DisclaimerShowsTheReadOnlyMemoInTheCentredLargeWindow) {
    show();
    // Until then no text editor exists: building one loads the fonts, which would hold
    // back the bar at start-up.
    EXPECT_EQ(form->Memo1->editor(), nullptr);
    form->menu_disclaimer->Click();
    EXPECT_TRUE(form->Memo1->isVisible());
    EXPECT_TRUE(form->Memo1->isReadOnly());
    EXPECT_TRUE(form->Memo1->toPlainText().contains("guarantee"));
    const QPlainTextEdit *editor = form->Memo1->editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->isReadOnly());
    EXPECT_EQ(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(editor->toPlainText(), form->Memo1->toPlainText());
    EXPECT_EQ(editor->geometry(), form->Memo1->rect()) << "the editor fills the memo";
    EXPECT_EQ(geometry(), QRect(30, 37, 964, 694));
    EXPECT_EQ(form->state(), "type") << "the countdown goes on";
    // The window is large, so a new size applies at once.
    form->menu_small->Click();
    EXPECT_EQ(form->size(), QSize(256, 282));
}

TEST_F(MenuCommands, HomePageOpensThroughTheDesktopAndRestartsTyping) {
    show();
    form->menu_testClick();
    ASSERT_EQ(form->state(), "rest");
    form->menu_wwwhomepage->Click();
    EXPECT_EQ(env.opened_urls, QStringList{kHomePageUrl});
    EXPECT_EQ(form->state(), "type");
    EXPECT_EQ(title(), "05:00 Type trovel");
    EXPECT_EQ(form->lbl_cancel_count->Caption(), "0") << "a visit is no ignored break";
}

TEST_F(MenuCommands, CancelledChoosersChangeNothing) {
    show();
    const QString sound = form->menu_soundfile->Caption(), mask = form->menu_pict_dir->Caption();
    FormAccess::set_image_counter(*form, 4);
    form->menu_soundfile->Click();
    form->menu_pict_dir->Click();
    EXPECT_EQ(dialogs.asked, 2);
    EXPECT_EQ(form->menu_soundfile->Caption(), sound);
    EXPECT_EQ(form->menu_pict_dir->Caption(), mask);
    EXPECT_EQ(form->image_counter(), 4);
    EXPECT_FALSE(form->MediaPlayer1->is_open());
    EXPECT_FALSE(form->menu_soundfile->Checked()) << "the item is a check item, but choosing does not check it";
}

TEST_F(MenuCommands, ChosenSoundBecomesTheCaptionAndPlaysAtOnce) {
    show();
    dialogs.sound = write_wav("bell.wav");
    form->menu_soundfile->Click();
    EXPECT_EQ(form->menu_soundfile->Caption(), dialogs.sound);
    EXPECT_TRUE(form->MediaPlayer1->is_open());
    EXPECT_EQ(form->MediaPlayer1->FileName, dialogs.sound);
}

TEST_F(MenuCommands, UnplayableChosenSoundIsReportedAfterTheCaptionIsSet) {
    show();
    dialogs.sound = write_file("notes.wav", "this is not a sound\n");
    ReportedErrors errors;
    form->menu_soundfile->Click();
    EXPECT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(form->menu_soundfile->Caption(), dialogs.sound);
    EXPECT_FALSE(form->MediaPlayer1->is_open());
}

TEST_F(MenuCommands, ChosenPictureGivesItsFoldersMaskForItsExtension) {
    struct Case {
        QString chosen, mask;
    };
    const Case cases[] = {
        {"/home/me/pics/sea.jpg", "/home/me/pics/*.jpg"},     {"/home/me/pics/SEA.BMP", "/home/me/pics/*.BMP"},
        {"/home/me/pics/sea.old.jpg", "/home/me/pics/*.jpg"}, {"/home/me/pi.cs/readme", "/home/me/pi.cs/*"},
        {"/home/me/pics/.jpg", "/home/me/pics/*.jpg"},        {"/sea.jpg", "/*.jpg"},
    };
    for (const Case &c : cases) {
        FormAccess::set_image_counter(*form, 7);
        dialogs.picture = c.chosen;
        form->menu_pict_dir->Click();
        EXPECT_EQ(form->menu_pict_dir->Caption(), c.mask) << c.chosen.toStdString();
        EXPECT_EQ(form->image_counter(), 1);
    }
}

TEST_F(MenuCommands, NextRestStartsWithTheFirstPictureOfTheChosenKind) {
    show();
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(files.filePath("a.bmp"), "BMP"));
    ASSERT_TRUE(image.scaled(16, 16).save(files.filePath("b.jpg"), "JPEG"));
    FormAccess::set_image_counter(*form, 5);
    dialogs.picture = files.filePath("a.bmp");
    form->menu_pict_dir->Click();
    form->menu_testClick();
    EXPECT_EQ(form->label_image_nr->Caption(), "1");
    EXPECT_EQ(form->image_picture->Picture()->natural_size(), QSize(8, 8));
    EXPECT_EQ(form->image_counter(), 2);
}

} // namespace
} // namespace trovel::test
