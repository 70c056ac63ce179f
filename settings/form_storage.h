// The settings storage of a form: named properties of the form's controls, a version
// number and the window's placement, written into one section of the settings file at
// the end of the run and read back into the controls when the form is shown; and a
// second section the form keeps itself, read and written with the first.
#pragma once

#include "platform/environment.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace trovel {

class IniDocument;

// Reads and writes the settings file: the version check, the placement keys, and the
// form's show, close-query and destroy handling. A load reads the file once; a save
// applies every key to the file's text in memory and writes it back in one atomic step,
// so the file is always either wholly the old one or wholly the new one.
class TFormPlacement : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Active READ active WRITE set_active)
    Q_PROPERTY(QString IniFileName READ ini_file_name WRITE set_ini_file_name)
    Q_PROPERTY(QString IniSection READ ini_section WRITE set_ini_section)
    Q_PROPERTY(PlacementOptions Options READ options WRITE set_options)
    Q_PROPERTY(int Version READ version WRITE set_version)
    Q_PROPERTY(bool Saved READ saved)
    Q_PROPERTY(bool Restored READ restored)
    Q_PROPERTY(bool Destroying READ destroying)

public:
    // Which parts of the saved placement a load would apply. The program uses none: the
    // form places itself, so the placement keys are written for the record only and no
    // option is acted on.
    enum PlacementOption { fpState = 0x1, fpPosition = 0x2, fpActiveControl = 0x4 };
    Q_DECLARE_FLAGS(PlacementOptions, PlacementOption)
    Q_FLAG(PlacementOptions)

    TFormPlacement(QWidget *owner_form, Environment &env, QObject *parent = nullptr);

    bool active() const { return active_; }
    void set_active(bool on) { active_ = on; }
    // The settings file's name as configured (the name errors mention).
    const QString &ini_file_name() const { return ini_file_name_; }
    void set_ini_file_name(const QString &name) { ini_file_name_ = name; }
    const QString &ini_section() const { return ini_section_; }
    void set_ini_section(const QString &section) { ini_section_ = section; }
    PlacementOptions options() const { return options_; }
    void set_options(PlacementOptions options) { options_ = options; }
    int version() const { return version_; }
    void set_version(int version) { version_ = version; }

    bool saved() const { return saved_; }
    bool restored() const { return restored_; }
    bool destroying() const { return destroying_; }

    // A second section of the same file that the form keeps itself (options that are no
    // stored properties). `load` is given the document each load reads, whatever its
    // version says; `entries` gives the keys each save sets in `section` of the document
    // it is about to write (it may leave out what that already holds), in the same write
    // as this section's, so the two always reach the disk together.
    using Entries = QList<QPair<QString, QString>>;
    void set_second_section(const QString &section, std::function<void(const IniDocument &)> load,
                            std::function<Entries(const IniDocument &)> entries);

    // The section used: IniSection, or when that is empty the owner form's class name
    // without its namespace.
    QString section_name() const;
    // The full path of the file; a bare name lies in the configuration folder, which is
    // created when missing.
    QString ini_path() const;

    // The form's events. Each reports an error through the application's error box (a
    // failed save also on stderr, with the file and the system's reason) and returns
    // normally, so the show or the end of the run goes on.
    // Show: loads when Active (the form's show handler runs after this). A file that
    // cannot be read is said on stderr, with the reason.
    void on_show();
    // Close query, after the form's own: saves when the close is allowed, Active is set
    // and the form's window exists. The form's close handler runs after this.
    void on_close_query(bool close_allowed = true);
    // Destruction: saves when Active, nothing was saved since the last load and no save
    // of a close query failed since then (that failure was reported once already), with
    // the key "Visible" as 1.
    void on_destroy();

    // Reads the version, and when it is at least Version, every stored property.
    void load_settings();
    // Writes the version, the placement and every stored property in one rewrite of the
    // file. Does nothing while Active and never loaded, so a form that was never shown
    // does not overwrite the file. A file whose values were not loaded because of its
    // version is first copied to "<file>.bak" (said on stderr) when the save would
    // overwrite any of its lines. False when any part cannot be written, the file then
    // as it was, with `*error` naming the file and the reason ("cannot write <path>:
    // <reason>").
    bool save_settings(QString *error);

protected:
    // The stored properties, read after a successful version check and written after the
    // placement keys.
    virtual void load_props(const IniDocument &file);
    virtual bool save_props(IniDocument &file, QString *error);

    // Sets a key in the text to be saved; false, with the reason, when the key cannot be
    // stored.
    bool put(IniDocument &file, const QString &key, const QString &value, QString *error) const;

    QWidget *owner() const { return owner_; }

private:
    bool write_placement(IniDocument &file, QString *error);
    bool keep_backup(IniDocument &file, QString *error);
    bool fail(const QString &path, const QString &reason, QString *error) const;
    void report_save_failure(const QString &error);

    QPointer<QWidget> owner_;
    Environment &env_;
    bool active_ = true;
    QString ini_file_name_ = QStringLiteral("trovel.ini");
    QString ini_section_;
    PlacementOptions options_;
    int version_ = 1;
    bool saved_ = false;
    bool restored_ = false;
    bool destroying_ = false;
    bool close_save_failed_ = false;
    // The file held values that were not loaded because of its version; the next save
    // keeps a copy of it before overwriting them.
    bool version_refused_ = false;
    QString second_section_;
    std::function<void(const IniDocument &)> load_second_;
    std::function<Entries(const IniDocument &)> second_entries_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TFormPlacement::PlacementOptions)

// Adds the list of stored properties, which the form hands over. Each entry names a
// control owned by the form and one of its properties ("menu_center.Checked"); the
// control's property of kind Boolean (Q_PROPERTY of type bool), text (QString) or integer
// (int) is stored under the key "<control name>_<property name>". Names match in any
// letter case.
class TFormStorage : public TFormPlacement {
    Q_OBJECT
    Q_PROPERTY(QStringList StoredProps READ stored_props WRITE set_stored_props)

public:
    TFormStorage(QWidget *owner_form, Environment &env, QObject *parent = nullptr);

    const QStringList &stored_props() const { return stored_props_; }
    // Replaces the list; entries take effect at the next bind_stored_props.
    void set_stored_props(const QStringList &entries);

    // Once, when the form's controls exist: pairs each entry with the control it names
    // among the form's descendants, and drops entries without a point, with an empty
    // part, or naming no control.
    void bind_stored_props();
    // The entries of the last binding that store nothing, in list order: those dropped,
    // and those whose control has no property of that name and a storable kind. A form
    // whose own list has any has lost a setting (a renamed control, a typing slip).
    const QStringList &unbound_props() const { return unbound_props_; }

protected:
    void load_props(const IniDocument &file) override;
    // A value equal to the one loaded from its key keeps the key's line byte for byte (a
    // path that is not UTF-8, a value longer than a read returns); only changed values
    // are written.
    bool save_props(IniDocument &file, QString *error) override;

private:
    struct Binding {
        QPointer<QObject> component;
        QString property;
    };
    // What the last load read for one entry: its key, the value as the file gave it and
    // the property's text form right after it was set.
    struct Loaded {
        QString key;
        QString read;
        QString text;
    };

    std::optional<Loaded> load_property(const Binding &binding, const IniDocument &file);
    bool store_property(const Binding &binding, const std::optional<Loaded> &loaded, IniDocument &file, QString *error);

    QStringList stored_props_;
    QStringList unbound_props_;
    std::vector<Binding> bindings_;             // one per entry of stored_props_ once bound
    std::vector<std::optional<Loaded>> loaded_; // one per binding after a load
};

} // namespace trovel
