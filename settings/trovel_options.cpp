// Reading and formatting the [Trovel] section through the same INI reader as [TForm1].
#include "settings/trovel_options.h"

#include "settings/ini_file.h"

namespace trovel {

namespace {

struct Flag {
    const QString &key;
    bool TrovelOptions::*member;
};

const Flag kFlags[] = {{kNaturalBreaksKey, &TrovelOptions::natural_breaks},
                       {kFullScreenWaitKey, &TrovelOptions::full_screen_wait},
                       {kHandsOffKey, &TrovelOptions::hands_off},
                       {kCallWaitKey, &TrovelOptions::call_wait},
                       {kCoverScreensKey, &TrovelOptions::cover_screens}};

} // namespace

std::optional<bool> parse_trovel_flag(const QString &text) {
    const QString stored = text.trimmed();
    static const char *const on[] = {"1", "true", "yes", "on"};
    static const char *const off[] = {"0", "false", "no", "off"};
    for (const char *word : on)
        if (stored.compare(QLatin1String(word), Qt::CaseInsensitive) == 0) return true;
    for (const char *word : off)
        if (stored.compare(QLatin1String(word), Qt::CaseInsensitive) == 0) return false;
    return std::nullopt;
}

QString format_trovel_flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

TrovelOptions trovel_options_from(const IniDocument &file, QStringList *complaints) {
    TrovelOptions options;
    for (const Flag &flag : kFlags) {
        const std::optional<QString> stored = file.value(kTrovelSection, flag.key);
        if (!stored) continue;
        const std::optional<bool> on = parse_trovel_flag(*stored);
        if (on) {
            options.*flag.member = *on;
        } else if (complaints) {
            *complaints << QStringLiteral("%1: [%2] %3=%4 is not understood (1 or 0 is); %5 is used")
                               .arg(file.path(), kTrovelSection, flag.key, *stored,
                                    format_trovel_flag(options.*flag.member));
        }
    }
    return options;
}

QList<QPair<QString, QString>> trovel_option_entries(const TrovelOptions &options, const IniDocument &file) {
    const TrovelOptions in_file = trovel_options_from(file);
    QList<QPair<QString, QString>> entries;
    for (const Flag &flag : kFlags) {
        if (file.value(kTrovelSection, flag.key) && in_file.*flag.member == options.*flag.member) continue;
        entries.append({flag.key, format_trovel_flag(options.*flag.member)});
    }
    return entries;
}

} // namespace trovel
