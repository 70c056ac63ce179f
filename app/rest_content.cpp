// What a rest shows and plays: the next picture of the image directory (in listing order,
// or skipping ahead at random), the message when there is none, and the sound file.
#include "app/timer_u.h"

#include "app/file_mask.h"

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

}  // namespace

int32_t TForm1::random(int32_t n) {
    rand_seed = rand_seed * 134775813u + 1u;
    return static_cast<int32_t>((static_cast<uint64_t>(rand_seed) * static_cast<uint32_t>(n)) >> 32);
}

QString TForm1::image_directory() const { return mask_directory(menu_pict_dir->Caption()); }

void TForm1::next_image() {
    Panel_image->setCaption(QString());
    if (menu_random->Checked())
        image_counter += random(30);

    const QStringList entries = list_matching(menu_pict_dir->Caption());
    if (entries.isEmpty()) {
        Panel_image->setCaption(QStringLiteral("take a micropause"));
    } else {
        const auto n = static_cast<int32_t>(entries.size());
        // Each pass over the listing takes n off a counter beyond the last entry.
        if (image_counter > n)
            image_counter = (image_counter - 1) % n + 1;
        if (image_counter >= 1) {
            label_image_nr->setCaption(QString::number(image_counter));
            show_image(entries[image_counter - 1]);
            image_counter += 1;
        } else {
            // A counter of 0 or less shows the first entry and goes on with the second.
            label_image_nr->setCaption(QString::number(1));
            image_counter = 2;
            show_image(entries.first());
        }
    }
    make_large();
}

void TForm1::show_image(const QString &name) {
    HourglassCursor busy;
    image_picture->Picture()->load_file(image_directory() + name);
}

void TForm1::play_sound() {
    const QString path = menu_soundfile->Caption();
    if (!QFileInfo(path).isFile())
        return;
    MediaPlayer1->Close();
    MediaPlayer1->FileName = path;
    MediaPlayer1->Open();
    MediaPlayer1->Play();
}

}  // namespace trovel
