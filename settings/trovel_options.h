// Trovel's own settings: the section [Trovel] of trovel.ini, beside the form's [TForm1],
// which keeps exactly the keys it always had. Each option is a key with the value 1 or 0.
#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace trovel {

class IniDocument;

inline const QString kTrovelSection = QStringLiteral("Trovel");
inline const QString kNaturalBreaksKey = QStringLiteral("NaturalBreaks");
inline const QString kFullScreenWaitKey = QStringLiteral("FullScreenWait");

struct TrovelOptions {
    bool natural_breaks = true;   // count time away as a micropause
    bool full_screen_wait = true; // a rest waits while another program is full screen
    bool operator==(const TrovelOptions &) const = default;
};

// One stored flag: "1" is on and "0" off; anything else, a missing key included, leaves
// the default, so a hand-edited "yes" never switches an option off by surprise.
bool parse_trovel_flag(const QString &stored, bool default_value);
QString format_trovel_flag(bool on);

// The options as the file at `path` holds them, by the INI reader's rules (section and key
// names in any letter case; the first section of the name and its first line with the
// key count). A missing file, section, key or a value other than 1 or 0 gives the default.
TrovelOptions read_trovel_options(const QString &path);
// The same from a document already read (the one the form's settings load reads).
TrovelOptions trovel_options_from(const IniDocument &file);

// The section's key lines, in the order a save writes them.
QList<QPair<QString, QString>> trovel_option_entries(const TrovelOptions &options);

} // namespace trovel
