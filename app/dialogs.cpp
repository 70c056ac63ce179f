// The real file choosers, on QFileDialog.
#include "app/dialogs.h"

#include "app/picture_preview.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>

namespace trovel {

namespace {

QString run(QFileDialog &dialog) {
    if (dialog.exec() != QDialog::Accepted) return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace

void set_up_sound_dialog(QFileDialog &dialog) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // A bare pattern is its own description: the list shows "*.wav" and "*.mp3".
    dialog.setNameFilters({QStringLiteral("*.wav"), QStringLiteral("*.mp3")});
    dialog.setDefaultSuffix(QStringLiteral("wav"));
    dialog.setSizeGripEnabled(true);
}

void set_up_picture_dialog(QFileDialog &dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QCoreApplication::translate("trovel::Dialogs", "JPEG Image File (*.jpg)"),
                           QCoreApplication::translate("trovel::Dialogs", "BMP Image File (*.bmp)")});
    dialog.setDirectory(QDir(QStringLiteral(".")).absolutePath());
    dialog.setSizeGripEnabled(true);

    auto *preview = new PicturePreview(&dialog);
    preview->setObjectName(QStringLiteral("picture_preview"));
    // The preview follows the file the dialog points at: the current one, and the one the
    // dialog selects as the user types its name (which leaves the current one as it was).
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, &PicturePreview::show_file);
    if (auto *files = dialog.findChild<QAbstractItemView *>(QStringLiteral("listView"));
        files && files->selectionModel())
        QObject::connect(files->selectionModel(), &QItemSelectionModel::selectionChanged, preview,
                         [&dialog, preview] { preview->show_file(dialog.selectedFiles().value(0)); });
    // Qt's own dialog lays itself out on a grid: the preview takes a new column at the right.
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
        grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    else if (dialog.layout())
        dialog.layout()->addWidget(preview);
}

void set_up_csv_dialog(QFileDialog &dialog) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QCoreApplication::translate("trovel::Dialogs", "CSV file (*.csv)")});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setDirectory(QDir::homePath());
    dialog.selectFile(QStringLiteral("trovel-history.csv"));
    dialog.setSizeGripEnabled(true);
}

QString QtDialogs::open_sound_file(QWidget *parent) {
    QFileDialog dialog(parent);
    set_up_sound_dialog(dialog);
    return run(dialog);
}

QString QtDialogs::open_picture_file(QWidget *parent) {
    QFileDialog dialog(parent);
    set_up_picture_dialog(dialog);
    return run(dialog);
}

QString QtDialogs::save_csv_file(QWidget *parent) {
    QFileDialog dialog(parent);
    set_up_csv_dialog(dialog);
    return run(dialog);
}

} // namespace trovel
