// The settings on the real form: the form's list of stored properties binds every entry
// to one of its controls, and each of the 36 comes back from the file after a new start.
#include "app/stored_props.h"
#include "form_fixture.h"

#include <functional>

namespace trovel::test {
namespace {

using FormSettings = FormTest;

TEST_F(FormSettings, EveryStoredPropertyStoresAPropertyOfTheFormsControls) {
    const auto text = [](const QStringList &list) { return list.join(", ").toStdString(); };
    EXPECT_EQ(text(form->FormStorage1->stored_props()), text(form_stored_props()));
    EXPECT_EQ(form->FormStorage1->stored_props().size(), 36);
    EXPECT_EQ(text(form->FormStorage1->unbound_props()), "");
}

TEST_F(FormSettings, EachStoredPropertyComesBackFromTheFileAfterANewStart) {
    // Each row sets one property through the control's own interface to a value other than
    // its design value; the text form of the value is what is compared.
    struct Row {
        QString entry;
        std::function<void(TForm1 &)> set;
        std::function<QString(TForm1 &)> get;
        QString value;
    };
    using Item = TMenuItem *TForm1::*;
    using Label = TLabel *TForm1::*;
    auto checked = [](const char *entry, Item item, bool on) {
        return Row{entry, [=](TForm1 &f) { (f.*item)->setChecked(on); },
                   [=](TForm1 &f) { return QString((f.*item)->Checked() ? "True" : "False"); }, on ? "True" : "False"};
    };
    auto caption = [](const char *entry, Item item, const QString &text) {
        return Row{entry, [=](TForm1 &f) { (f.*item)->setCaption(text); },
                   [=](TForm1 &f) { return (f.*item)->Caption(); }, text};
    };
    auto label = [](const char *entry, Label l, const QString &text) {
        return Row{entry, [=](TForm1 &f) { (f.*l)->setCaption(text); }, [=](TForm1 &f) { return (f.*l)->Caption(); },
                   text};
    };
    const std::vector<Row> rows = {
        caption("menu_soundfile.Caption", &TForm1::menu_soundfile, "/home/me/bell.wav"),
        checked("menu_use_nag.Checked", &TForm1::menu_use_nag, false),
        checked("menu_1min.Checked", &TForm1::menu_1min, false),
        checked("menu_play.Checked", &TForm1::menu_play, true),
        checked("menu_soundfile.Checked", &TForm1::menu_soundfile, true),
        checked("menu_center.Checked", &TForm1::menu_center, false),
        checked("menu_2min.Checked", &TForm1::menu_2min, true),
        checked("menu_5min.Checked", &TForm1::menu_5min, true),
        label("lbl_default_top.Caption", &TForm1::lbl_default_top, "12"),
        label("Lbl_default_left.Caption", &TForm1::Lbl_default_left, "34"),
        label("lbl_nag_left.Caption", &TForm1::lbl_nag_left, "56"),
        label("lbl_nag_top.Caption", &TForm1::lbl_nag_top, "78"),
        checked("menu_show_image.Checked", &TForm1::menu_show_image, false),
        caption("menu_pict_dir.Caption", &TForm1::menu_pict_dir, "/home/me/pics/*.jpg"),
        checked("menu_tiny.Checked", &TForm1::menu_tiny, true),
        checked("menu_small.Checked", &TForm1::menu_small, true),
        checked("menu_large.Checked", &TForm1::menu_large, true),
        checked("menu_random.Checked", &TForm1::menu_random, true),
        checked("menu_full.Checked", &TForm1::menu_full, false),
        checked("menu_vantor.Checked", &TForm1::menu_vantor, true),
        checked("menu_clock.Checked", &TForm1::menu_clock, true),
        checked("menu_half_hour.Checked", &TForm1::menu_half_hour, true),
        Row{"spin_timeout.Value", [](TForm1 &f) { f.spin_timeout->setValue(30); },
            [](TForm1 &f) { return QString::number(f.spin_timeout->Value()); }, "30"},
        checked("N10min1.Checked", &TForm1::N10min1, true),
        checked("N15min1.Checked", &TForm1::N15min1, true),
        checked("N1min1.Checked", &TForm1::N1min1, true),
        checked("N20min1.Checked", &TForm1::N20min1, true),
        checked("N2min1.Checked", &TForm1::N2min1, true),
        checked("N30min1.Checked", &TForm1::N30min1, true),
        checked("N3min1.Checked", &TForm1::N3min1, true),
        checked("N4min1.Checked", &TForm1::N4min1, true),
        checked("N5min1.Checked", &TForm1::N5min1, false),
        checked("N6min1.Checked", &TForm1::N6min1, true),
        checked("N7min1.Checked", &TForm1::N7min1, true),
        checked("N8min1.Checked", &TForm1::N8min1, true),
        checked("N9min1.Checked", &TForm1::N9min1, true),
    };
    QStringList entries;
    for (const Row &row : rows)
        entries << row.entry;
    ASSERT_EQ(entries.join(", ").toStdString(), form_stored_props().join(", ").toStdString())
        << "one row per stored property";

    // One at a time: the radio items of a group cannot all leave their design values at once.
    for (const Row &row : rows) {
        SCOPED_TRACE(row.entry.toStdString());
        recreate();
        show();
        ASSERT_NE(row.get(*form).toStdString(), row.value.toStdString()) << "the design value differs";
        row.set(*form);
        recreate(true); // the form saves as it goes; the new one reads the file at its show
        show();
        EXPECT_EQ(row.get(*form).toStdString(), row.value.toStdString());
    }
}

} // namespace
} // namespace trovel::test
