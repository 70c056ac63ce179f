// Foreseeing the next rest's picture: the pure choice of the entry, the prediction that
// matches what the rest then shows, and the background decode started near the end of each
// typing phase, which the rest then uses instead of decoding again.
#include "app/next_image.h"
#include "form_fixture.h"

#include <QImage>
#include <climits>

namespace trovel::test {
namespace {

TEST(NextImageChoice, PointsAtTheEntryAndMovesTheCounterOn) {
    struct Case {
        int32_t entries, counter, step;
        NextImage expected; // message, shown_index, label, new_counter
    };
    const Case cases[] = {
        {3, 1, 0, {false, 0, 1, 2}},    {3, 3, 0, {false, 2, 3, 4}},
        {3, 4, 0, {false, 0, 1, 2}},                                         // one past the last: the first again
        {3, 3002, 0, {false, 1, 2, 3}},                                      // far beyond: whole passes come off
        {3, 0, 0, {false, 0, 1, 2}},                                         // 0 or less: the first, then the second
        {3, -7, 0, {false, 0, 1, 2}},   {3, 2, 25, {false, 2, 3, 4}},        // the random step counts before wrapping
        {1, 5, 0, {false, 0, 1, 2}},    {3, INT32_MAX, 1, {false, 0, 1, 2}}, // wraps to the most negative: the first
        {0, 7, 2, {true, -1, 0, 9}}, // no entries: the message; the step still counts
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.entries << " entries, counter " << c.counter << ", step " << c.step);
        const NextImage got = choose_next_image(c.entries, c.counter, c.step);
        EXPECT_EQ(got.message, c.expected.message);
        EXPECT_EQ(got.shown_index, c.expected.shown_index);
        EXPECT_EQ(got.label, c.expected.label);
        EXPECT_EQ(got.new_counter, c.expected.new_counter);
    }
}

class NextImageForm : public FormTest {
protected:
    NextImageForm() {
        // Pictures of different sizes tell which one is shown.
        for (int side : {10, 20, 30, 40}) {
            QImage image(side, side, QImage::Format_RGB32);
            image.fill(Qt::blue);
            const QString name = QString("p%1.bmp").arg(side);
            EXPECT_TRUE(image.save(pictures.filePath(name), "BMP"));
            sides[name] = side;
        }
        show();
        form->menu_pict_dir->setCaption(mask());
    }
    QString mask() const { return pictures.path() + "/*.bmp"; }
    QString path_of(const QString &name) const { return pictures.filePath(name); }

    // The picture the rest window holds, by its size.
    QString shown() const {
        const TIPicture *picture = form->image_picture->Picture();
        if (picture->empty()) return "(none)";
        for (const auto &[name, side] : sides)
            if (picture->natural_size() == QSize(side, side)) return path_of(name);
        return "(other)";
    }
    TIPicture &picture() { return *form->image_picture->Picture(); }

    QTemporaryDir pictures;
    std::map<QString, int> sides;
};

TEST_F(NextImageForm, ThePredictionIsWhatTheRestShows) {
    for (int32_t counter : {0, 1, 4, 5, 4 * 1000 + 3, -7, INT32_MIN}) {
        SCOPED_TRACE(counter);
        FormAccess::set_image_counter(*form, counter);
        const QString predicted = form->predicted_image();
        EXPECT_EQ(form->image_counter(), counter) << "predicting moves nothing";
        form->menu_testClick();
        EXPECT_EQ(shown().toStdString(), predicted.toStdString());
        form->btn_ignoreClick();
    }

    // In random mode the prediction takes the step the rest will draw, without drawing it.
    form->menu_random->setChecked(true);
    for (int rest = 0; rest < 12; ++rest) {
        SCOPED_TRACE(rest);
        const uint32_t seed = form->rand_seed();
        const QString predicted = form->predicted_image();
        EXPECT_EQ(form->rand_seed(), seed);
        form->menu_testClick();
        EXPECT_EQ(shown().toStdString(), predicted.toStdString());
        EXPECT_NE(form->rand_seed(), seed);
        form->btn_ignoreClick();
    }

    form->menu_pict_dir->setCaption(pictures.path() + "/*.none");
    EXPECT_EQ(form->predicted_image(), "") << "the message: nothing to foresee";
}

TEST_F(NextImageForm, EachTypingPhaseDecodesTheComingPictureThreeTicksBeforeItEnds) {
    type_length(form->N1min1);
    for (int phase = 1; phase <= 3; ++phase) {
        SCOPED_TRACE(phase);
        const QString predicted = form->predicted_image();
        ticks(2); // 40 s left
        EXPECT_EQ(picture().prefetch_requests(), phase - 1);
        ticks(1); // 30 s left
        EXPECT_EQ(picture().prefetch_requests(), phase);
        ticks(2);
        EXPECT_EQ(picture().prefetch_requests(), phase) << "once per typing phase";
        ticks(1);
        ASSERT_EQ(form->state(), "rest");
        EXPECT_EQ(shown().toStdString(), predicted.toStdString());
        EXPECT_EQ(picture().decode_count(), phase) << "the rest took the picture decoded ahead";
        ticks(6);
        ASSERT_EQ(form->state(), "type");
    }
    // Also in random mode, three ticks before a 30-minute phase that ends at 1780 s.
    form->menu_random->setChecked(true);
    type_length(form->N30min1);
    ticks(174);
    EXPECT_EQ(picture().prefetch_requests(), 3);
    const QString predicted = form->predicted_image();
    ticks(1);
    EXPECT_EQ(picture().prefetch_requests(), 4);
    ticks(3);
    ASSERT_EQ(form->state(), "rest");
    EXPECT_EQ(shown().toStdString(), predicted.toStdString());
    EXPECT_EQ(picture().decode_count(), 4);

    // A phase cut short by a new start still gets its own prefetch.
    form->btn_ignoreClick();
    ticks(177);
    form->btn_ignoreClick();
    ticks(177);
    EXPECT_EQ(picture().prefetch_requests(), 6);
}

TEST_F(NextImageForm, NothingIsDecodedAheadWhenTheRestShowsNoPicture) {
    struct Case {
        const char *what;
        void (*set)(TForm1 &);
    };
    const Case cases[] = {
        {"the clock instead of pictures", [](TForm1 &f) { f.menu_show_imageClick(); }},
        {"the hidden alarm", [](TForm1 &f) { f.menu_vantor->setChecked(true); }},
        {"no pictures in the directory",
         [](TForm1 &f) { f.menu_pict_dir->setCaption(f.image_directory() + "*.none"); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        recreate();
        show();
        form->menu_pict_dir->setCaption(mask());
        type_length(form->N1min1);
        c.set(*form);
        ticks(5);
        EXPECT_EQ(picture().prefetch_requests(), 0);
        EXPECT_EQ(picture().decode_count(), 0);
    }
}

} // namespace
} // namespace trovel::test
