// Writing, reading and removing the autostart entry, with the errors worded for the box.
#include "app/autostart.h"

#include "platform/error_text.h"
#include "platform/save_file.h"
#include "settings/settings_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#ifndef TROVEL_INSTALL_BINDIR
#define TROVEL_INSTALL_BINDIR "/usr/local/bin"
#endif

namespace trovel {

namespace {

const char kProgramName[] = "trovel";

bool fail(const QString &what, const QString &path, const QString &reason, QString *error) {
    if (error) *error = QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), reason);
    return false;
}

bool fail(const QString &what, const QString &path, int err, QString *error) {
    return fail(what, path, system_error(err), error);
}

// Characters that make an Exec argument need quotes.
bool needs_quotes(const QString &arg) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (const QChar c : arg)
        if (reserved.contains(c)) return true;
    return false;
}

// The value of `key` in the [Desktop Entry] group, trimmed; empty when absent.
QString desktop_entry_value(const QByteArray &file, const QByteArray &key) {
    bool in_group = false;
    for (const QByteArray &raw : file.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            in_group = line == "[Desktop Entry]";
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (in_group && eq > 0 && line.left(eq).trimmed() == key) return QString::fromUtf8(line.mid(eq + 1).trimmed());
    }
    return {};
}

} // namespace

Autostart::Autostart(QString config_folder, QString program, QStringList installed_dirs)
    : config_folder_(std::move(config_folder)), program_(std::move(program)),
      installed_dirs_(std::move(installed_dirs)) {}

Autostart Autostart::for_this_program() {
    return Autostart(config_folder(), QCoreApplication::applicationFilePath(),
                     {QStringLiteral(TROVEL_INSTALL_BINDIR), QStringLiteral("/usr/bin")});
}

QString Autostart::file_path() const { return config_folder_ + QStringLiteral("/autostart/trovel.desktop"); }

bool Autostart::enabled() const {
    QFile file(file_path());
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) return false;
    const QByteArray text = file.read(64 * 1024);
    return desktop_entry_value(text, "Hidden") != QLatin1String("true") &&
           desktop_entry_value(text, "X-GNOME-Autostart-enabled") != QLatin1String("false");
}

QString Autostart::exec_value() const {
    const QFileInfo program(program_);
    if (program.fileName() == QLatin1String(kProgramName)) {
        for (const QString &dir : installed_dirs_)
            if (QDir::cleanPath(program.absolutePath()) == QDir::cleanPath(dir))
                return QString::fromLatin1(kProgramName);
    }
    // Inside quotes ", `, $ and \ take a backslash; then every backslash is doubled,
    // since the value is also an escaped string. A % is doubled in any case.
    QString arg;
    for (const QChar c : program_) {
        if (needs_quotes(program_) && (c == u'"' || c == u'`' || c == u'$' || c == u'\\')) arg += u'\\';
        arg += c;
    }
    arg.replace(u'\\', QStringLiteral("\\\\"));
    arg.replace(u'%', QStringLiteral("%%"));
    return needs_quotes(program_) ? u'"' + arg + u'"' : arg;
}

QByteArray Autostart::desktop_entry() const {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Trovel\n"
           "Comment=Break reminder: a countdown bar that grows into a rest window\n"
           "Exec=" +
           exec_value().toUtf8() +
           "\n"
           "Icon=trovel\n"
           "Terminal=false\n"
           "StartupNotify=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool Autostart::enable(QString *error) const {
    // A path that a desktop entry cannot hold, or that was not valid text for this
    // system, would make an entry that starts nothing.
    for (const QChar c : program_) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QChar::ReplacementCharacter) {
            if (error)
                *error =
                    QCoreApplication::translate("trovel::Messages",
                                                "Unable to start trovel at login from %1: the path holds a character a "
                                                "desktop entry cannot store")
                        .arg(program_);
            return false;
        }
    }
    const QByteArray entry = desktop_entry();
    const QString folder = config_folder_ + QStringLiteral("/autostart");
    QDir().mkpath(config_folder_);
    if (::mkdir(QFile::encodeName(folder).constData(), 0777) != 0 && errno != EEXIST)
        return fail(QCoreApplication::translate("trovel::Messages", "Unable to create the folder"), folder, errno,
                    error);
    if (!QFileInfo(folder).isDir())
        return fail(QCoreApplication::translate("trovel::Messages", "Unable to create the folder"), folder, ENOTDIR,
                    error);
    QString reason;
    if (!save_file(file_path(), entry, &reason, mode_t(0644)))
        return fail(QCoreApplication::translate("trovel::Messages", "Unable to write to"), file_path(), reason, error);
    return true;
}

bool Autostart::disable(QString *error) const {
    if (::unlink(QFile::encodeName(file_path()).constData()) != 0 && errno != ENOENT && errno != ENOTDIR)
        return fail(QCoreApplication::translate("trovel::Messages", "Unable to remove"), file_path(), errno, error);
    return true;
}

} // namespace trovel
