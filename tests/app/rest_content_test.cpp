// What a rest shows and plays: pictures in listing order or skipping ahead at random, the
// message when there are none, and the sound at the start of the rest.
#include "app/file_mask.h"
#include "form_fixture.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace trovel::test {
namespace {

class RestContent : public FormTest {
protected:
    RestContent() {
        // Pictures of different sizes tell which one is shown.
        for (const auto &[name, side] : {std::pair{"a.bmp", 10}, {"b.bmp", 20}, {"c.bmp", 30}})
            write_picture(name, side);
        listing = list_matching(mask());
        show();
        form->menu_pict_dir->setCaption(mask());
    }

    void write_picture(const QString &name, int side) {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(pictures.filePath(name), "BMP"));
        sides[name] = side;
    }
    QString mask() const { return pictures.path() + "/*.bmp"; }

    // Takes one rest and ends it; returns the picture shown and the position label.
    std::pair<QString, QString> rest() {
        form->menu_testClick();
        std::pair<QString, QString> seen{shown(), form->label_image_nr->Caption()};
        form->btn_ignoreClick();
        return seen;
    }
    QString shown() const {
        if (form->image_picture->Picture()->empty()) return "(none)";
        for (auto it = sides.begin(); it != sides.end(); ++it)
            if (form->image_picture->Picture()->natural_size() == QSize(it->second, it->second)) return it->first;
        return "(other)";
    }

    QTemporaryDir pictures;
    std::map<QString, int> sides;
    QStringList listing; // the order the file system lists the pictures in
};

TEST_F(RestContent, PicturesComeInListingOrderAndWrap) {
    ASSERT_EQ(listing.size(), 3);
    std::vector<std::pair<QString, QString>> seen;
    for (int i = 0; i < 5; ++i)
        seen.push_back(rest());
    const std::vector<std::pair<QString, QString>> expected = {
        {listing[0], "1"}, {listing[1], "2"}, {listing[2], "3"}, {listing[0], "1"}, {listing[1], "2"}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(form->Panel_image->Caption(), "");
}

TEST_F(RestContent, PositionShowsTheWholeNumberGrowingToTheLeft) {
    // The label's right edge stays at 5 + 9 = 14 while the number fits left of it; a longer
    // one stops at the image area's left edge and shows whole from there.
    TLabel &label = *form->label_image_nr;
    for (const char *caption : {"9", "10", "1000"}) {
        label.setCaption(caption);
        const QRect r = label.geometry();
        SCOPED_TRACE(std::string(caption) + " at " + std::to_string(r.x()) + ", width " + std::to_string(r.width()));
        EXPECT_GE(label.contentsRect().width(), label.fontMetrics().horizontalAdvance(caption)) << "shown whole";
        EXPECT_EQ(r.y(), 5);
        if (r.width() <= 14) {
            EXPECT_EQ(r.right() + 1, 14);
        } else {
            EXPECT_EQ(r.x(), 0);
        }
        if (QByteArray(caption) == "1000") {
            EXPECT_GT(r.width(), 14) << "four digits need more than the place left of the edge";
        }
    }
    label.setCaption("2");
    EXPECT_EQ(label.geometry().right() + 1, 14) << "back at its place for a short number";
}

TEST_F(RestContent, RandomStepsAreTheRuntimesFixedSequence) {
    std::vector<int> steps;
    for (int i = 0; i < 12; ++i)
        steps.push_back(form->random(30));
    EXPECT_EQ(steps, (std::vector<int>{0, 0, 25, 6, 8, 20, 9, 4, 11, 12, 2, 14}));
}

TEST_F(RestContent, RandomModeOnAFreshRunShowsFirstSecondFirst) {
    form->menu_random->setChecked(true);
    // Steps 0, 0, 25: counter 1, 2, then 3 + 25 = 28 wraps to 28 - 3 x 9 = 1.
    EXPECT_EQ(rest().first, listing[0]);
    EXPECT_EQ(rest().first, listing[1]);
    EXPECT_EQ(rest(), std::make_pair(listing[0], QString("1")));
}

TEST_F(RestContent, CounterOfZeroOrLessShowsTheFirstAndGoesOnWithTheSecond) {
    for (int counter : {0, -7}) {
        FormAccess::set_image_counter(*form, counter);
        EXPECT_EQ(rest(), std::make_pair(listing[0], QString("1"))) << counter;
        EXPECT_EQ(form->image_counter(), 2);
    }
    FormAccess::set_image_counter(*form, 3 * 1000 + 2); // far beyond the last picture: wraps by whole passes
    EXPECT_EQ(rest(), std::make_pair(listing[1], QString("2")));
}

TEST_F(RestContent, MatchingDirectoryAndDamagedFileAreEntriesThatShowNothing) {
    ASSERT_TRUE(QDir(pictures.path()).mkdir("folder.bmp"));
    QFile broken(pictures.filePath("broken.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM not really a bitmap");
    broken.close();
    listing = list_matching(mask());
    ASSERT_EQ(listing.size(), 5);
    for (int i = 0; i < listing.size(); ++i) {
        const auto [picture, label] = rest();
        const bool is_picture = sides.count(listing[i]) > 0;
        EXPECT_EQ(picture, is_picture ? listing[i] : QString("(none)")) << listing[i].toStdString();
        EXPECT_EQ(label, QString::number(i + 1));
    }
    EXPECT_EQ(form->image_counter(), 6) << "the counter advanced past every entry";
}

TEST_F(RestContent, NoPicturesShowTheMessageAndTheLastPictureStays) {
    form->menu_pict_dir->setCaption("Click here to set image-directory...");
    form->menu_testClick();
    EXPECT_EQ(form->Panel_image->Caption(), "take a micropause");
    EXPECT_EQ(form->label_image_nr->Caption(), "nr") << "the position keeps its previous text";
    form->btn_ignoreClick();

    form->menu_pict_dir->setCaption(mask());
    EXPECT_EQ(rest().first, listing[0]);
    for (const QString &name : listing)
        QFile::remove(pictures.filePath(name));
    form->menu_testClick();
    EXPECT_EQ(form->Panel_image->Caption(), "take a micropause");
    EXPECT_EQ(shown(), listing[0]) << "a picture of an earlier rest stays drawn over the message";
}

TEST_F(RestContent, ClockInsteadOfPicturesLoadsNothing) {
    form->menu_show_imageClick();
    ASSERT_TRUE(form->menu_clock->Checked());
    form->menu_testClick();
    EXPECT_FALSE(form->RxClock1->isHidden());
    EXPECT_EQ(form->size(), QSize(964, 694));
    EXPECT_EQ(shown(), "(none)");
}

class RestSound : public RestContent {
protected:
    // A short mono 8 kHz 16-bit WAV of silence.
    QString write_wav(const QString &name) {
        QByteArray pcm(800 * 2, '\0');
        QByteArray wav;
        auto u32 = [&](uint32_t v) { wav.append(reinterpret_cast<const char *>(&v), 4); };
        auto u16 = [&](uint16_t v) { wav.append(reinterpret_cast<const char *>(&v), 2); };
        wav.append("RIFF");
        u32(36 + pcm.size());
        wav.append("WAVEfmt ");
        u32(16), u16(1), u16(1), u32(8000), u32(16000), u16(2), u16(16);
        wav.append("data");
        u32(pcm.size());
        wav.append(pcm);
        test::write_file(pictures.filePath(name), wav);
        return pictures.filePath(name);
    }
};

TEST_F(RestSound, SoundPlaysAtTheStartOfARestFollowedByTheBeep) {
    form->menu_play->setChecked(true);
    form->menu_soundfile->setCaption(write_wav("bell.wav"));
    form->menu_testClick();
    EXPECT_TRUE(form->MediaPlayer1->is_open());
    EXPECT_EQ(env.beeps, 1);
}

TEST_F(RestSound, MissingSoundFileStillBeeps) {
    form->menu_play->setChecked(true);
    form->menu_soundfile->setCaption(pictures.filePath("deleted.wav"));
    form->menu_testClick();
    EXPECT_FALSE(form->MediaPlayer1->is_open());
    EXPECT_EQ(env.beeps, 1);
    EXPECT_EQ(form->state(), "rest");
}

// A sound that will not play costs the rest nothing else: the beep, the place and the
// picture all follow, and the error naming the file is told once, not at every rest.
TEST_F(RestSound, UnplayableSoundIsToldOnceAndTheRestGoesOn) {
    const QString garbage = pictures.filePath("notes.wav"), other = pictures.filePath("noise.mp3");
    test::write_file(garbage, "this is not a sound\n");
    test::write_file(other, QByteArray(4096, '\x5a'));
    form->menu_play->setChecked(true);
    form->menu_center->setChecked(true);
    struct Step {
        const char *name;
        QString sound;
        int told; // errors reported so far
    };
    const Step steps[] = {
        {"first rest", garbage, 1},
        {"second rest with the same file", garbage, 1},
        {"another broken file", other, 2},
        {"a sound that plays", write_wav("bell.wav"), 2},
        {"the first file again after one that played", garbage, 3},
    };
    ReportedErrors errors;
    int beeps = env.beeps;
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        const qsizetype before = errors.messages.size();
        form->menu_soundfile->setCaption(step.sound);
        form->menu_testClick();
        EXPECT_EQ(form->state(), "rest");
        EXPECT_EQ(env.beeps, ++beeps);
        EXPECT_NE(shown(), "(none)") << "the picture is shown";
        EXPECT_EQ(form->geometry(), QRect(30, 37, 964, 694)) << "the rest stands in the centre";
        ASSERT_EQ(errors.messages.size(), step.told);
        if (step.told > before) {
            EXPECT_TRUE(errors.messages.back().startsWith("Cannot play " + step.sound + ": "))
                << errors.messages.back().toStdString();
        }
        form->btn_ignoreClick();
    }
}

} // namespace
} // namespace trovel::test
