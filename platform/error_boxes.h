// How an error report reaches the user. Normally as a modal box; but the same text is not
// stacked while its box is still open (a sound that fails at every rest would pile one box
// on another), and once the end of a run has begun on a signal no box is shown at all:
// nobody may be there to click it, and an open box would keep the program alive. An error
// that gets no box goes to stderr instead.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace trovel {

class ErrorBoxes {
public:
    using ShowBox = std::function<void(const QString &caption, const QString &text)>;

    // `show_box` shows one modal box and returns when it is closed.
    explicit ErrorBoxes(ShowBox show_box);

    // Reports an error with the box's caption and text.
    void report(const QString &caption, const QString &text);

    // From now on no box is shown: the run is ending on a signal.
    void end_without_boxes() { quiet_ = true; }
    // Whether an error was reported after end_without_boxes(): the run did not end well.
    bool failed_while_ending() const { return failed_while_ending_; }

private:
    ShowBox show_box_;
    QStringList open_; // the texts of the boxes open now, innermost last
    bool quiet_ = false;
    bool failed_while_ending_ = false;
};

} // namespace trovel
