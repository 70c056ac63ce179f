// The file choosers, behind a small interface so that tests can answer them: the sound
// file (WAV or MP3) and one picture of the image directory from the menu, and where the
// statistics window saves its CSV export.
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace trovel {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The full path of the sound file the user chose, or "" when cancelled.
    virtual QString open_sound_file(QWidget *parent) = 0;
    // The full path of the picture the user chose, or "" when cancelled.
    virtual QString open_picture_file(QWidget *parent) = 0;
    // The full path the user chose for the CSV export, or "" when cancelled.
    virtual QString save_csv_file(QWidget *parent) = 0;
};

// Qt's file dialogs. The picture chooser is always Qt's own dialog, because a native one
// cannot hold the preview pane.
class QtDialogs : public Dialogs {
public:
    QString open_sound_file(QWidget *parent) override;
    QString open_picture_file(QWidget *parent) override;
    QString save_csv_file(QWidget *parent) override;
};

// The choosers' settings, apart so that tests can look at them without running a dialog.
// Sound: "*.wav" before "*.mp3", default suffix "wav", an existing file, resizable.
void set_up_sound_dialog(QFileDialog &dialog);
// Picture: JPEG before BMP, starting in the working directory, an existing file,
// resizable, with a preview of the current file beside the file list.
void set_up_picture_dialog(QFileDialog &dialog);
// CSV export: saving, "*.csv" with that suffix added, asking before replacing a file,
// "trovel-history.csv" in the home folder at first.
void set_up_csv_dialog(QFileDialog &dialog);

} // namespace trovel
