// Reading and formatting the [Trovel] section through the same INI reader as [TForm1].
#include "settings/trovel_options.h"

#include "settings/ini_file.h"

namespace trovel {

bool parse_trovel_flag(const QString &stored, bool default_value) {
    if (stored == QLatin1String("1")) return true;
    if (stored == QLatin1String("0")) return false;
    return default_value;
}

QString format_trovel_flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

TrovelOptions read_trovel_options(const QString &path) {
    IniDocument file(path);
    // A file that cannot be read gives the defaults, as a missing one does.
    file.load();
    return trovel_options_from(file);
}

TrovelOptions trovel_options_from(const IniDocument &file) {
    const TrovelOptions defaults;
    const auto flag = [&file](const QString &key, bool default_value) {
        return parse_trovel_flag(file.value(kTrovelSection, key).value_or(QString()), default_value);
    };
    return {flag(kNaturalBreaksKey, defaults.natural_breaks), flag(kFullScreenWaitKey, defaults.full_screen_wait)};
}

QList<QPair<QString, QString>> trovel_option_entries(const TrovelOptions &options) {
    return {{kNaturalBreaksKey, format_trovel_flag(options.natural_breaks)},
            {kFullScreenWaitKey, format_trovel_flag(options.full_screen_wait)}};
}

} // namespace trovel
