// The words of the break cycle, written here once: the phases its state holds and the
// places the form is put. Both stay text, as the state is read by tests and benchmarks.
#pragma once

#include <QString>

namespace trovel {

// The phases of the cycle, as TForm1::state() gives them.
namespace phase {
inline const QString type = QStringLiteral("type");
inline const QString rest = QStringLiteral("rest");
inline const QString pause = QStringLiteral("pause");
inline const QString alarm = QStringLiteral("alarm"); // the hidden alarm's picture, until the user acts
} // namespace phase

// The places of the form, as TForm1::place_form() takes them.
namespace place {
inline const QString type = QStringLiteral("type");     // where the bar stands while typing
inline const QString nag = QStringLiteral("nag");       // where a rest stands
inline const QString center = QStringLiteral("center"); // the middle of the screen
} // namespace place

} // namespace trovel
