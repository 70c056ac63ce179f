// The file choosers' settings and the picture preview: decoded by the file's extension,
// shown with its size in pixels, or empty with "Picture:" on any failure.
#include "app/dialogs.h"
#include "app/picture_preview.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLayout>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace trovel::test {
namespace {

TEST(Dialogs, SoundChooserTakesAnExistingWavOrMp3) {
    QFileDialog dialog;
    set_up_sound_dialog(dialog);
    EXPECT_EQ(dialog.nameFilters(), (QStringList{"*.wav", "*.mp3"}));
    EXPECT_EQ(dialog.selectedNameFilter(), "*.wav");
    EXPECT_EQ(dialog.defaultSuffix(), "wav");
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_TRUE(dialog.isSizeGripEnabled());
}

TEST(Dialogs, PictureChooserIsQtsOwnWithAPreviewBesideTheFiles) {
    QFileDialog dialog;
    set_up_picture_dialog(dialog);
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog.nameFilters(), (QStringList{"JPEG Image File (*.jpg)", "BMP Image File (*.bmp)"}));
    EXPECT_EQ(dialog.selectedNameFilter(), "JPEG Image File (*.jpg)");
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.directory().absolutePath(), QDir::current().absolutePath());
    EXPECT_TRUE(dialog.isSizeGripEnabled());

    auto *preview = dialog.findChild<PicturePreview *>();
    ASSERT_NE(preview, nullptr);
    ASSERT_NE(dialog.layout(), nullptr);
    EXPECT_GE(dialog.layout()->indexOf(preview), 0) << "the preview is part of the dialog's layout";
    EXPECT_EQ(preview->label_text(), "Picture:");

    // The preview follows the dialog's current file, and the file it selects for a typed name.
    QTemporaryDir dir;
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(dir.filePath("leaf.jpg"), "JPEG"));
    ASSERT_TRUE(image.scaled(6, 4).save(dir.filePath("bud.jpg"), "JPEG"));
    emit dialog.currentChanged(dir.filePath("leaf.jpg"));
    EXPECT_EQ(preview->label_text(), " (30x20)");
    EXPECT_EQ(preview->image().size(), QSize(30, 20));
    emit dialog.currentChanged(dir.path());
    EXPECT_EQ(preview->label_text(), "Picture:");
    EXPECT_TRUE(preview->image().isNull());

    dialog.setDirectory(dir.path());
    // The dialog lists the folder in the background; it can select the file once listed.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            dialog.selectFile(dir.filePath("bud.jpg"));
            return preview->label_text() == " (6x4)";
        },
        5000))
        << preview->label_text().toStdString();
}

TEST(PicturePreview, DecodesByExtensionAndFallsBackToAnEmptyPreview) {
    QTemporaryDir dir;
    auto write = [&](const QString &name, const QByteArray &bytes) { test::write_file(dir.filePath(name), bytes); };
    auto save = [&](const QString &name, QSize size, const char *format) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::red);
        EXPECT_TRUE(image.save(dir.filePath(name), format));
    };
    save("small.jpg", {40, 30}, "JPEG");
    save("upper.JPG", {12, 9}, "JPEG");
    save("small.bmp", {7, 5}, "BMP");
    save("wide.bmp", {800, 200}, "BMP");
    save("big.jpg", {1600, 1200}, "JPEG");
    save("bmp_inside.jpg", {7, 5}, "BMP");
    save("jpeg_inside.bmp", {7, 5}, "JPEG");
    save("jpeg_inside.png", {7, 5}, "JPEG");
    write("broken.jpg", "this is no picture");
    write("empty.bmp", "");
    QFile::copy(dir.filePath("big.jpg"), dir.filePath("cut.jpg"));
    {
        QFile cut(dir.filePath("cut.jpg"));
        ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
        ASSERT_TRUE(cut.resize(60));
    }
    QDir(dir.path()).mkdir("folder.jpg");

    struct Case {
        QString name, label;
        QSize shown; // the size the preview shows it at
    };
    const QSize none;
    const Case cases[] = {
        {"small.jpg", " (40x30)", {40, 30}},     {"upper.JPG", " (12x9)", {12, 9}},
        {"small.bmp", " (7x5)", {7, 5}},         {"wide.bmp", " (800x200)", {200, 50}},
        {"big.jpg", " (1600x1200)", {200, 150}}, {"bmp_inside.jpg", "Picture:", none},
        {"jpeg_inside.bmp", "Picture:", none},   {"jpeg_inside.png", "Picture:", none},
        {"broken.jpg", "Picture:", none},        {"cut.jpg", "Picture:", none},
        {"empty.bmp", "Picture:", none},         {"missing.jpg", "Picture:", none},
        {"folder.jpg", "Picture:", none},        {"", "Picture:", none},
    };
    for (const Case &c : cases) {
        const PreviewContent content = preview_content(c.name.isEmpty() ? QString() : dir.filePath(c.name), {200, 200});
        EXPECT_EQ(content.label, c.label) << c.name.toStdString();
        EXPECT_EQ(content.image.isNull() ? QSize() : content.image.size(), c.shown) << c.name.toStdString();
    }
}

} // namespace
} // namespace trovel::test
