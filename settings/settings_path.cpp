// Resolving the settings file's name into the configuration folder.
#include "settings/settings_path.h"

#include <QDir>
#include <QFileInfo>

namespace trovel {

QString config_folder() {
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    const QString xdg = QDir::fromNativeSeparators(qEnvironmentVariable("XDG_CONFIG_HOME"));
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return QDir::cleanPath(xdg);
    return QDir::cleanPath(QDir::homePath() + QLatin1String("/.config"));
}

QString settings_file_path(const QString &file_name) {
    const QString path = QDir::isAbsolutePath(file_name)
                             ? QDir::cleanPath(file_name)
                             : QDir::cleanPath(config_folder() + QLatin1Char('/') + file_name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

} // namespace trovel
