// The compositor's windows as its foreign-toplevel events describe them, as plain state
// that tests feed with events: whether another program's window is in front and full
// screen. Changes of a window take effect at its "done", all together.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>

namespace trovel {

class ToplevelList {
public:
    using Key = uintptr_t; // the caller's handle for one window

    // Windows whose app_id is one of `own_app_ids` are this program's own and never count.
    explicit ToplevelList(QStringList own_app_ids);

    // Events of an unknown window, and after gone(), are ignored.
    void added(Key window);
    void app_id(Key window, const QString &app_id);
    void state(Key window, bool activated, bool full_screen);
    void done(Key window);
    void closed(Key window);
    // The compositor went away or stopped telling: nothing is full screen as far as we know.
    void gone();

    bool other_program_full_screen() const;

private:
    struct Window {
        QString app_id;
        bool activated = false, full_screen = false;
    };
    struct Entry {
        Window pending, applied;
    };
    QStringList own_app_ids_;
    std::map<Key, Entry> windows_;
    bool gone_ = false;
};

} // namespace trovel
