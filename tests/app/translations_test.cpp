// The translations: which locales get one, where the files are found, and what a form made
// with one installed shows: translated captions that still fit the bar's fixed controls, the
// minutes items that still set their minutes, and the stored captions that keep the English
// default the settings file knows. Without a translator the texts are the English ones of
// the other tests (run with LANG=C).
#include "app/popup_menu.h"
#include "app/translations.h"
#include "form_fixture.h"
#include "support/test_files.h"

#include <QAction>
#include <QDir>
#include <QFontMetrics>
#include <QMenu>
#include <QTranslator>

namespace trovel::test {
namespace {

const QStringList kLanguages{"de", "fr", "es", "it", "nl", "pl", "pt_BR", "ru", "ja", "zh_CN"};

// Ends every translation a test installed (a translator uninstalls itself when deleted).
void remove_translations() { qDeleteAll(qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)); }

TEST(Translations, OnlyALocaleInAnotherLanguageGetsOneAndItsFileIsFoundWhereItLies) {
    struct Case {
        const char *locale;
        bool english;
        const char *file; // the file of Trovel's texts loaded, "" for none
    };
    const Case cases[] = {
        {"C", true, ""},
        {"en_US", true, ""},
        {"en_GB", true, ""},
        {"de_DE", false, "trovel_de.qm"},
        {"de_AT", false, "trovel_de.qm"}, // the language's file serves its countries
        {"pt_BR", false, "trovel_pt_BR.qm"},
        {"pt_PT", false, ""}, // Brazilian Portuguese is not given to Portugal
        {"ja_JP", false, "trovel_ja.qm"},
        {"zh_CN", false, "trovel_zh_CN.qm"},
    };
    // The first folder (an installed program's share/, here missing) has none; the second has.
    const QStringList folders{QStringLiteral("/nonexistent/translations"), QStringLiteral(TROVEL_QM_DIR)};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.locale);
        const QLocale locale(QString::fromLatin1(c.locale));
        EXPECT_EQ(stays_english(locale), c.english);
        const QString loaded = install_translations(*qApp, locale, folders);
        EXPECT_EQ(QFileInfo(loaded).fileName(), QString::fromLatin1(c.file));
        remove_translations();
    }
    EXPECT_EQ(translation_folders(QStringLiteral("/usr/bin")),
              (QStringList{"/usr/bin/translations", "/usr/bin/../share/trovel/translations"}));
}

class TranslatedForm : public FormTest {
protected:
    // Installs the language's translation and makes a new form.
    void make_form_in(const QString &language) {
        auto *translator = new QTranslator(qApp);
        ASSERT_TRUE(translator->load(QStringLiteral(TROVEL_QM_DIR "/trovel_") + language));
        QCoreApplication::installTranslator(translator);
        recreate();
    }
    // The form made with a language installed, for each language in turn.
    void for_each_language(const std::function<void()> &check) {
        for (const QString &language : kLanguages) {
            SCOPED_TRACE(language.toStdString());
            make_form_in(language);
            check();
            remove_translations();
        }
    }
};

TEST_F(TranslatedForm, EveryTranslatedCaptionOfTheBarFitsItsControl) {
    for_each_language([this] {
        // A button's text keeps off its 2-pixel frame; the label sizes itself, and must end
        // inside its row.
        for (QPushButton *button :
             {static_cast<QPushButton *>(form->btn_ignore), static_cast<QPushButton *>(form->btn_test)}) {
            const QString text = QString(button->text()).remove(QLatin1Char('&'));
            EXPECT_NE(text, "type");
            EXPECT_NE(text, "Next");
            EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(text), button->width() - 4)
                << button->objectName().toStdString() << ": " << text.toStdString();
        }
        form->Label2->fit_caption();
        EXPECT_NE(form->Label2->text(), "breaks ignored");
        EXPECT_LE(form->Label2->x() + QFontMetrics(form->Label2->font()).horizontalAdvance(form->Label2->text()),
                  form->Panel_www->width() - 2)
            << form->Label2->text().toStdString();
    });
}

TEST_F(TranslatedForm, MinutesItemsSetTheirMinutesWhateverTheirCaption) {
    for_each_language([this] {
        show();
        for (auto [item, minutes] : {std::pair{form->N7min1, 7}, std::pair{form->N15min1, 15}}) {
            item->Click();
            EXPECT_EQ(form->type_minutes(), minutes) << item->Caption().toStdString();
        }
    });
}

TEST_F(TranslatedForm, GermanMenuShowsGermanAndStoredCaptionsKeepTheirEnglishDefault) {
    make_form_in("de");
    EXPECT_EQ(form->btn_ignore->text(), "&los");
    EXPECT_EQ(form->Label2->text(), "übersprungen");
    {
        PopupMenuView view(*form->PopupMenu1);
        EXPECT_EQ(view.menu().actions().value(0)->text(), "&TROVEL Mikropause machen");
        EXPECT_EQ(view.menu().findChild<QAction *>("exitclose1")->toolTip(), "das Programm beenden");
        QMenu *rest = view.menu().findChild<QAction *>("Rest1")->menu();
        EXPECT_EQ(rest->findChild<QAction *>("menu_pict_dir")->text(),
                  "Hier klicken, um den Bilderordner festzulegen...");
    }
    // The setting keeps the English default; a chosen folder is shown as it is.
    EXPECT_EQ(form->menu_pict_dir->Caption(), "Click here to set image-directory...");
    EXPECT_EQ(form->menu_soundfile->Caption(), "Click here to select wav/mp3 file to play...");
    form->menu_soundfile->setCaption("/home/me/ding.wav");
    EXPECT_EQ(form->menu_soundfile->ShownCaption(), "/home/me/ding.wav");
    show();
    form.reset(); // saves
    const QString saved = QString::fromUtf8(read_file(settings_file()));
    EXPECT_TRUE(saved.contains("menu_pict_dir_Caption=Click here to set image-directory...\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("menu_soundfile_Caption=/home/me/ding.wav\n"));
    remove_translations();
    recreate();
    EXPECT_EQ(form->btn_ignore->text(), "&type");
}

} // namespace
} // namespace trovel::test
