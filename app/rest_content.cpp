// What a rest shows and plays: the next picture of the image directory (in listing order,
// or skipping ahead at random), the message when there is none, and the sound file.
#include "app/timer_u.h"

#include "app/file_mask.h"
#include "app/next_image.h"
#include "platform/error_report.h"

#include <QApplication>
#include <QFileInfo>

namespace trovel {

namespace {

// Keeps the hourglass up while a picture loads, and always takes it down again.
class HourglassCursor {
public:
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { QApplication::restoreOverrideCursor(); }
    HourglassCursor(const HourglassCursor &) = delete;
    HourglassCursor &operator=(const HourglassCursor &) = delete;
};

} // namespace

int32_t TForm1::random(int32_t n) {
    rand_seed_ = next_rand_seed(rand_seed_);
    return random_below(rand_seed_, n);
}

QString TForm1::image_directory() const { return mask_directory(menu_pict_dir->Caption()); }

void TForm1::next_image() {
    Panel_image->setCaption(QString());
    const int32_t step = menu_random->Checked() ? random(30) : 0;

    const QStringList entries = list_matching(menu_pict_dir->Caption());
    const NextImage next = choose_next_image(static_cast<int32_t>(entries.size()), image_counter_, step);
    image_counter_ = next.new_counter;
    if (next.message) {
        Panel_image->setCaption(tr("take a micropause"));
    } else {
        label_image_nr->setCaption(QString::number(next.label));
        show_image(entries[next.shown_index]);
    }
    make_large();
}

QString TForm1::predicted_image() {
    // The random step that next_image will draw, taken from a copy of the seed.
    const int32_t step = menu_random->Checked() ? random_below(next_rand_seed(rand_seed_), 30) : 0;
    const QStringList entries = list_matching(menu_pict_dir->Caption());
    const NextImage next = choose_next_image(static_cast<int32_t>(entries.size()), image_counter_, step);
    return next.message ? QString() : image_directory() + entries[next.shown_index];
}

void TForm1::prefetch_next_image() {
    if (!menu_show_image->Checked() || menu_vantor->Checked()) return;
    const QString path = predicted_image();
    if (!path.isEmpty()) image_picture->Picture()->prefetch(path);
}

void TForm1::show_image(const QString &name) {
    HourglassCursor busy;
    image_picture->Picture()->load_file(image_directory() + name);
}

void TForm1::play_sound() {
    const QString path = menu_soundfile->Caption();
    if (!QFileInfo(path).isFile()) return;
    MediaPlayer1->Close();
    MediaPlayer1->FileName = path;
    try {
        MediaPlayer1->Open();
        MediaPlayer1->Play();
        unplayable_sound_.clear();
    } catch (const EMCIDeviceError &e) {
        // A sound that will not play must not cost the rest its place and its picture:
        // the rest goes on without it, and the error is told once for the file, not at
        // every rest.
        if (path == unplayable_sound_) return;
        unplayable_sound_ = path;
        report_.report(tr("Cannot play %1: %2").arg(path, QString::fromUtf8(e.what())));
    }
}

} // namespace trovel
