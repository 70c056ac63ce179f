#include "app/stored_props.h"

namespace trovel {

QStringList form_stored_props() {
    return {
        "menu_soundfile.Caption",  "menu_use_nag.Checked",     "menu_1min.Checked",    "menu_play.Checked",
        "menu_soundfile.Checked",  "menu_center.Checked",      "menu_2min.Checked",    "menu_5min.Checked",
        "lbl_default_top.Caption", "Lbl_default_left.Caption", "lbl_nag_left.Caption", "lbl_nag_top.Caption",
        "menu_show_image.Checked", "menu_pict_dir.Caption",    "menu_tiny.Checked",    "menu_small.Checked",
        "menu_large.Checked",      "menu_random.Checked",      "menu_full.Checked",    "menu_vantor.Checked",
        "menu_clock.Checked",      "menu_half_hour.Checked",   "spin_timeout.Value",   "N10min1.Checked",
        "N15min1.Checked",         "N1min1.Checked",           "N20min1.Checked",      "N2min1.Checked",
        "N30min1.Checked",         "N3min1.Checked",           "N4min1.Checked",       "N5min1.Checked",
        "N6min1.Checked",          "N7min1.Checked",           "N8min1.Checked",       "N9min1.Checked",
    };
}

} // namespace trovel
