// Resolving the settings file's name into the configuration folder.
#include "settings/settings_path.h"

#include "platform/xdg_home.h"

#include <QDir>
#include <QFileInfo>

namespace trovel {

QString config_folder() { return xdg_home("XDG_CONFIG_HOME", ".config"); }

QString settings_file_path(const QString &file_name) {
    const QString path = QDir::isAbsolutePath(file_name)
                             ? QDir::cleanPath(file_name)
                             : QDir::cleanPath(config_folder() + QLatin1Char('/') + file_name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

} // namespace trovel
