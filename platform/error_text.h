// The text of the application's error box: the message, with a full stop appended when
// its last character sorts after "." (so "...", ")" and " " endings get none).
#pragma once

#include <QString>

namespace trovel {

inline QString error_box_text(const QString &message) {
    if (!message.isEmpty() && message.back() > QChar('.')) return message + QLatin1Char('.');
    return message;
}

} // namespace trovel
