// The text of the application's error box: the message, with a full stop appended when
// its last character sorts after "." (so "...", ")" and " " endings get none).
#pragma once

#include <QString>
#include <cstring>

namespace trovel {

inline QString error_box_text(const QString &message) {
    if (!message.isEmpty() && message.back() > QChar('.')) return message + QLatin1Char('.');
    return message;
}

// The system's words for an errno value ("Permission denied").
inline QString system_error(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

} // namespace trovel
