// Resolving an XDG base folder from the environment.
#include "platform/xdg_home.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSet>
#include <cstdio>

namespace trovel {

QString xdg_home(const char *variable, const char *default_under_home) {
    const QByteArray bytes = qgetenv(variable);
    const QString xdg = QFile::decodeName(bytes);
    if (QFile::encodeName(xdg) != bytes) {
        // Qt names files in UTF-8 whatever the locale: a folder named in another encoding
        // cannot be reached, and the name decoded anyway is a different folder.
        static QSet<QByteArray> told;
        if (!told.contains(variable)) {
            told.insert(variable);
            std::fprintf(stderr, "trovel: %s is not a UTF-8 file name; using ~/%s instead\n", variable,
                         default_under_home);
        }
    } else if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) {
        return QDir::cleanPath(xdg);
    }
    return QDir::cleanPath(QDir::homePath() + QLatin1Char('/') + QLatin1String(default_under_home));
}

} // namespace trovel
