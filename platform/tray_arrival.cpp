#include "platform/tray_arrival.h"

namespace trovel {

TrayStep after_arrival(TrayIconKind kind, bool has_host, TrayArrival arrival) {
    if (kind == TrayIconKind::none || has_host) return TrayStep::keep;
    if (arrival == TrayArrival::xembed_tray) return TrayStep::remake_qt_icon;
    // A Qt icon made again would take the XEmbed way again: Qt's choice holds for the process.
    return kind == TrayIconKind::qt_icon ? TrayStep::own_item : TrayStep::register_again;
}

} // namespace trovel
