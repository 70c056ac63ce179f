// Trovel's own settings: the section [Trovel] of trovel.ini, beside the form's [TForm1],
// which keeps exactly the keys it always had. Each option is a key with a boolean value,
// written as 1 or 0.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

namespace trovel {

class IniDocument;

inline const QString kTrovelSection = QStringLiteral("Trovel");
inline const QString kNaturalBreaksKey = QStringLiteral("NaturalBreaks");
inline const QString kFullScreenWaitKey = QStringLiteral("FullScreenWait");
inline const QString kHandsOffKey = QStringLiteral("HandsOff");
inline const QString kCallWaitKey = QStringLiteral("CallWait");
inline const QString kCoverScreensKey = QStringLiteral("CoverScreens");

struct TrovelOptions {
    bool natural_breaks = true;   // count time away as a micropause
    bool full_screen_wait = true; // a rest waits while another program is full screen
    bool hands_off = false;       // a rest's countdown stands still while the user types
    bool call_wait = true;        // a rest waits while a call uses the microphone or camera
    bool cover_screens = true;    // a rest covers the screens it does not stand on
    bool operator==(const TrovelOptions &) const = default;
};

// One stored flag: 1, true, yes or on is on; 0, false, no or off is off (in any letter
// case, blanks around it ignored). Anything else is not understood: nothing.
std::optional<bool> parse_trovel_flag(const QString &stored);
QString format_trovel_flag(bool on);

// The options as the document holds them, by the INI reader's rules (section and key
// names in any letter case; the first section of the name and its first line with the
// key count). A missing section or key gives the default; so does a value that is not
// understood, and `complaints` then gets a line saying so.
TrovelOptions trovel_options_from(const IniDocument &file, QStringList *complaints = nullptr);

// The section's key lines, in the order a save writes them, leaving out each key whose
// line in `file` already reads as the option is now (a value not understood counts as the
// default): that line is kept exactly as it is written.
QList<QPair<QString, QString>> trovel_option_entries(const TrovelOptions &options, const IniDocument &file);

} // namespace trovel
