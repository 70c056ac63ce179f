// Start at login: an XDG autostart entry, $XDG_CONFIG_HOME/autostart/trovel.desktop.
// The file is the setting: its presence is the menu's check mark, so a desktop's own
// "startup applications" tool and Trovel always agree.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace trovel {

class Autostart {
public:
    // `config_folder`: where the autostart folder lives. `program`: the absolute path of
    // the running program. `installed_dirs`: folders from which the program is started by
    // its name alone (they are on every login's PATH).
    Autostart(QString config_folder, QString program, QStringList installed_dirs);
    // For the running program: the user's configuration folder, its own path, and the
    // folder it installs to (and /usr/bin, where the Debian package puts it).
    static Autostart for_this_program();

    QString file_path() const;

    // Whether the entry exists and has not been switched off by a desktop's tool
    // (Hidden=true or X-GNOME-Autostart-enabled=false).
    bool enabled() const;

    // Writes the entry whole or not at all (save_file), creating the autostart folder if
    // needed. False, with a message for the error box naming the folder or file and the
    // reason, when the folder or file cannot be written; nothing is changed then.
    bool enable(QString *error) const;
    // Removes the entry; an entry that is not there is no error. False, with the message,
    // leaving the entry, when it cannot be removed.
    bool disable(QString *error) const;

    // The Exec= value: "trovel" when the program runs from an installed folder, otherwise
    // its absolute path, quoted and escaped as desktop entries require.
    QString exec_value() const;
    QByteArray desktop_entry() const;

private:
    QString config_folder_;
    QString program_;
    QStringList installed_dirs_;
};

} // namespace trovel
