// The settings storage of a form: named properties of the form's controls, a version
// number and the window's placement, written into one section of the settings file at
// the end of the run and read back into the controls when the form is shown.
#pragma once

#include "platform/environment.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace trovel {

// Reads and writes the settings file: the version check, the placement keys, and the
// form's show, close-query and destroy handling. Every load and save goes to the file key
// by key; nothing of the file is kept in between.
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

    // The section used: IniSection, or when that is empty the owner form's class name
    // without its namespace.
    QString section_name() const;
    // The full path of the file; a bare name lies in the configuration folder, which is
    // created when missing.
    QString ini_path() const;

    // The form's events. Each reports an error through the application's error box and
    // returns normally, so the show or the end of the run goes on.
    // Show: loads when Active (the form's show handler runs after this).
    void on_show();
    // Close query, after the form's own: saves when the close is allowed, Active is set
    // and the form's window exists. The form's close handler runs after this.
    void on_close_query(bool close_allowed = true);
    // Destruction: saves when Active and nothing was saved since the last load, with
    // the key "Visible" as 1.
    void on_destroy();

    // Reads the version, and when it is at least Version, every stored property.
    void load_settings();
    // Writes the version, the placement and every stored property, key by key. Does
    // nothing while Active and never loaded, so a form that was never shown does not
    // overwrite the file. Throws std::runtime_error("Unable to write to <IniFileName>")
    // at the first key that cannot be written; the keys before it stay written.
    void save_settings();

protected:
    // The stored properties, read after a successful version check and written after the
    // placement keys.
    virtual void load_props(const QString &path);
    virtual void save_props(const QString &path);

    QString read_key(const QString &path, const QString &key, const QString &default_value) const;
    // Throws when the key cannot be written.
    void write_key(const QString &path, const QString &key, const QString &value) const;

    QWidget *owner() const { return owner_; }

private:
    void write_placement(const QString &path);
    void report(const std::exception &error);

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
    void load_props(const QString &path) override;
    void save_props(const QString &path) override;

private:
    struct Binding {
        QPointer<QObject> component;
        QString property;
    };

    void load_property(const Binding &binding, const QString &path);
    void store_property(const Binding &binding, const QString &path);

    QStringList stored_props_;
    QStringList unbound_props_;
    std::vector<Binding> bindings_; // one per entry of stored_props_ once bound
};

} // namespace trovel
