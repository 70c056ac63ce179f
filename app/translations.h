// The language of Trovel's texts and of Qt's own (its dialogs' buttons and captions): chosen
// by the system locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), loaded before the form is made.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace trovel {

// Whether the locale's first user-interface language is English (or the C locale), in which
// the texts are the ones in the source and no translation is loaded.
bool stays_english(const QLocale &locale);

// Where the program's .qm files lie: beside the program in a build, under share/ once
// installed.
QStringList translation_folders(const QString &program_folder);

// Installs into `app` the translation of Trovel's texts (trovel_XX.qm, the first found in
// `folders`) and of Qt's own (qtbase_XX.qm) for the locale; nothing for English. Returns
// the file of Trovel's texts loaded, empty when there is none.
QString install_translations(QCoreApplication &app, const QLocale &locale, const QStringList &folders);

} // namespace trovel
