// The error boxes: one per text at a time, none once the run ends on a signal.
#include "platform/error_boxes.h"

#include <cstdio>

namespace trovel {

namespace {

void to_stderr(const QString &text) {
    std::fprintf(stderr, "trovel: %s\n", qUtf8Printable(text));
    std::fflush(stderr);
}

} // namespace

ErrorBoxes::ErrorBoxes(ShowBox show_box) : show_box_(std::move(show_box)) {}

void ErrorBoxes::report(const QString &caption, const QString &text) {
    if (quiet_) {
        failed_while_ending_ = true;
        to_stderr(text);
        return;
    }
    // The box runs its own event loop, in which the same error may come again.
    if (open_.contains(text)) {
        to_stderr(text);
        return;
    }
    open_.append(text);
    struct Closed {
        QStringList &open;
        ~Closed() { open.removeLast(); }
    } closed{open_};
    show_box_(caption, text);
}

} // namespace trovel
