#include "platform/error_report.h"

#include <QtGlobal>
#include <utility>

namespace trovel {

ErrorReport::Sink ErrorReport::set_sink(Sink sink) { return std::exchange(sink_, std::move(sink)); }

void ErrorReport::report(const QString &message) const {
    // Copied first: a sink may put another in place while it runs (a test's does).
    const Sink sink = sink_;
    if (sink)
        sink(message);
    else
        qWarning("trovel: %s", qUtf8Printable(message));
}

} // namespace trovel
