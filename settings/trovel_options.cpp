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
    const TrovelOptions defaults;
    TrovelOptions options;
    options.natural_breaks = parse_trovel_flag(
        GetPrivateProfileString(kTrovelSection, kNaturalBreaksKey, QString(), path), defaults.natural_breaks);
    options.full_screen_wait = parse_trovel_flag(
        GetPrivateProfileString(kTrovelSection, kFullScreenWaitKey, QString(), path), defaults.full_screen_wait);
    return options;
}

QList<QPair<QString, QString>> trovel_option_entries(const TrovelOptions &options) {
    return {{kNaturalBreaksKey, format_trovel_flag(options.natural_breaks)},
            {kFullScreenWaitKey, format_trovel_flag(options.full_screen_wait)}};
}

} // namespace trovel
