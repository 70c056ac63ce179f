// The names under which the running Trovel answers on the session bus, shared by the
// service in the program and the commands that talk to it. The well-known name is the
// application id of the desktop entry and the metainfo.
#pragma once

#include <QString>

namespace trovel::bus {

inline const QString kName = QStringLiteral("org.example.trovel");
inline const QString kPath = QStringLiteral("/org/example/trovel");
inline const QString kInterface = QStringLiteral("org.example.trovel");
// The answer to Later while the rest may not be put off (no rest shows, or it was put
// off twice in a row).
inline const QString kErrorNotNow = QStringLiteral("org.example.trovel.Error.NotNow");

} // namespace trovel::bus
