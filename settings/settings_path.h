// Where the settings file lives: the user's configuration folder.
#pragma once

#include <QString>

namespace trovel {

// The configuration folder: $XDG_CONFIG_HOME when it is set to an absolute path,
// otherwise ~/.config (platform/xdg_home.h).
QString config_folder();

// The full path of the settings file `file_name`. A name with a folder of its own (an
// absolute path) is used as it stands; any other name is taken from config_folder().
// The file's folder is created when it is missing, so the file can be written; a folder
// that cannot be made is left for the write to report.
QString settings_file_path(const QString &file_name);

} // namespace trovel
