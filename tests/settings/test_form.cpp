#include "test_form.h"

#include <QVariant>

namespace trovel::test {

namespace {

void make_group(const std::vector<TestMenuItem *> &items) {
    for (TestMenuItem *item : items)
        item->group = items;
}

} // namespace

TForm1::TForm1() {
    setWindowFlags(Qt::FramelessWindowHint);
    // The controls sit at different depths, as menu items under their menu and labels
    // inside panels do.
    auto *menu = new QObject(this);
    menu->setObjectName("PopupMenu1");
    auto *panel = new QWidget(this);
    panel->setObjectName("Panel_hands");

    auto item = [menu](const char *name, bool checked, const QString &caption = QString()) {
        return new TestMenuItem(name, menu, checked, caption);
    };
    item("menu_soundfile", false, "Click here to select wav/mp3 file to play...");
    item("menu_use_nag", true);
    auto *m1 = item("menu_1min", true);
    item("menu_play", false);
    item("menu_center", true);
    auto *m2 = item("menu_2min", false);
    auto *m5 = item("menu_5min", false);
    make_group({m1, m2, m5});
    for (const char *name : {"lbl_default_top", "Lbl_default_left", "lbl_nag_left", "lbl_nag_top"})
        new TestLabel(name, panel);
    item("menu_show_image", true);
    item("menu_pict_dir", false, "Click here to set image-directory...");
    make_group(
        {item("menu_tiny", false), item("menu_small", false), item("menu_large", false), item("menu_full", true)});
    item("menu_random", false);
    item("menu_vantor", false);
    item("menu_clock", false);
    item("menu_half_hour", false);
    new TestSpinEdit("spin_timeout", this);
    std::vector<TestMenuItem *> minutes;
    for (const char *name : {"N10min1", "N15min1", "N1min1", "N20min1", "N2min1", "N30min1", "N3min1", "N4min1",
                             "N5min1", "N6min1", "N7min1", "N8min1", "N9min1"})
        minutes.push_back(item(name, QByteArray(name) == "N5min1"));
    make_group(minutes);
}

QString TForm1::stored_text(const QString &entry) const {
    const QStringList parts = entry.split('.');
    const QObject *c = findChild<QObject *>(parts[0]);
    if (!c) return "<no control>";
    const QVariant v = c->property(parts[1].toLatin1().constData());
    if (v.typeId() == QMetaType::Bool) return v.toBool() ? "True" : "False";
    return v.toString();
}

QStringList design_key_lines() {
    return {
        "menu_soundfile_Caption=Click here to select wav/mp3 file to play...",
        "menu_use_nag_Checked=True",
        "menu_1min_Checked=True",
        "menu_play_Checked=False",
        "menu_soundfile_Checked=False",
        "menu_center_Checked=True",
        "menu_2min_Checked=False",
        "menu_5min_Checked=False",
        "lbl_default_top_Caption=lbl_default_top",
        "Lbl_default_left_Caption=Lbl_default_left",
        "lbl_nag_left_Caption=lbl_nag_left",
        "lbl_nag_top_Caption=lbl_nag_top",
        "menu_show_image_Checked=True",
        "menu_pict_dir_Caption=Click here to set image-directory...",
        "menu_tiny_Checked=False",
        "menu_small_Checked=False",
        "menu_large_Checked=False",
        "menu_random_Checked=False",
        "menu_full_Checked=True",
        "menu_vantor_Checked=False",
        "menu_clock_Checked=False",
        "menu_half_hour_Checked=False",
        "spin_timeout_Value=0",
        "N10min1_Checked=False",
        "N15min1_Checked=False",
        "N1min1_Checked=False",
        "N20min1_Checked=False",
        "N2min1_Checked=False",
        "N30min1_Checked=False",
        "N3min1_Checked=False",
        "N4min1_Checked=False",
        "N5min1_Checked=True",
        "N6min1_Checked=False",
        "N7min1_Checked=False",
        "N8min1_Checked=False",
        "N9min1_Checked=False",
    };
}

QStringList stored_props() {
    QStringList entries;
    for (const QString &line : design_key_lines()) {
        const QString key = line.section('=', 0, 0);
        const qsizetype cut = key.lastIndexOf('_');
        entries << key.left(cut) + '.' + key.mid(cut + 1);
    }
    return entries;
}

} // namespace trovel::test
