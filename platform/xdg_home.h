// The user's base folders by the XDG rules: the variable when it holds an absolute path,
// otherwise the folder's default place under the home folder.
#pragma once

#include <QString>

namespace trovel {

// `variable` names the folder (XDG_CONFIG_HOME, XDG_DATA_HOME); `default_under_home` is
// where it lies without one (".config", ".local/share"). The variable's bytes are a file
// name and are decoded as file names are. A relative value is invalid and ignored; so is
// one whose bytes no file name of this program can hold (not UTF-8): it would name
// another folder, so it is ignored with one line on stderr.
QString xdg_home(const char *variable, const char *default_under_home);

} // namespace trovel
