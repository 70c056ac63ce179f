#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace trovel {

bool stays_english(const QLocale &locale) {
    if (locale.language() == QLocale::C) return true;
    const QStringList languages = locale.uiLanguages();
    return languages.isEmpty() || languages.constFirst() == QLatin1String("C") ||
           QLocale(languages.constFirst()).language() == QLocale::English;
}

QStringList translation_folders(const QString &program_folder) {
    return {program_folder + QStringLiteral("/translations"),
            program_folder + QStringLiteral("/../share/trovel/translations")};
}

QString install_translations(QCoreApplication &app, const QLocale &locale, const QStringList &folders) {
    if (stays_english(locale)) return QString();
    QString loaded;
    for (const QString &folder : folders) {
        auto *own = new QTranslator(&app);
        if (own->load(locale, QStringLiteral("trovel"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(own);
            loaded = own->filePath();
            break;
        }
        delete own;
    }
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return loaded;
}

} // namespace trovel
