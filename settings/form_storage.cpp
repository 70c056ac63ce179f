// Loading the form's settings from one read of the file and saving them in one rewrite of
// it, and the property lookup by name through Qt's meta-object system.
#include "settings/form_storage.h"

#include "platform/error_text.h"
#include "settings/ini_file.h"
#include "settings/settings_path.h"

#include <QCoreApplication>
#include <QMargins>
#include <QMetaProperty>
#include <QRect>
#include <QVariant>

#include <cstdio>
#include <exception>
#include <limits>
#include <optional>

namespace trovel {

namespace {

// Leading and trailing spaces and control characters removed.
QString trim_text(const QString &s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin].unicode() <= ' ')
        ++begin;
    while (end > begin && s[end - 1].unicode() <= ' ')
        --end;
    return s.mid(begin, end - begin);
}

std::optional<int> to_int32(qlonglong v) {
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return std::nullopt;
    return int(v);
}

// A signed decimal integer ("-3", "+7"), nothing else.
std::optional<int> parse_decimal(const QString &s) {
    bool ok = false;
    const qlonglong v = s.toLongLong(&ok, 10);
    return ok ? to_int32(v) : std::nullopt;
}

// The version key's number: decimal, or hexadecimal after "0x" when longer than the
// prefix; 0 when it is no number.
int profile_int(const QString &text) {
    const QString s = trim_text(text);
    if (s.size() > 2 && (s.startsWith(QLatin1String("0x")) || s.startsWith(QLatin1String("0X")))) {
        bool ok = false;
        const qulonglong v = s.mid(2).toULongLong(&ok, 16);
        // Taken as the 32-bit pattern it names, so 0xFFFFFFFF is -1.
        return ok && v <= 0xFFFFFFFFull ? int(uint32_t(v)) : 0;
    }
    return parse_decimal(s).value_or(0);
}

enum class PropKind { boolean, text, integer };

std::optional<PropKind> kind_of(const QMetaProperty &p) {
    switch (p.metaType().id()) {
    case QMetaType::Bool:
        return PropKind::boolean;
    case QMetaType::QString:
        return PropKind::text;
    case QMetaType::Int:
        return PropKind::integer;
    default:
        return std::nullopt;
    }
}

// The property of `c` named `name` in any letter case, of a kind that can be stored.
// The most derived class's declaration wins, so a control may declare "Checked" over an
// inherited "checked".
std::optional<QMetaProperty> find_property(const QObject &c, const QString &name) {
    const QMetaObject *mo = c.metaObject();
    for (int i = mo->propertyCount() - 1; i >= 0; --i) {
        const QMetaProperty p = mo->property(i);
        if (QLatin1String(p.name()).compare(name, Qt::CaseInsensitive) == 0)
            return kind_of(p) ? std::optional<QMetaProperty>(p) : std::nullopt;
    }
    return std::nullopt;
}

QString text_form(const QObject &c, const QMetaProperty &p) {
    const QVariant v = p.read(&c);
    switch (*kind_of(p)) {
    case PropKind::boolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case PropKind::integer:
        return QString::number(v.toInt());
    case PropKind::text:
        break;
    }
    return trim_text(v.toString());
}

QString key_of(const QObject &c, const QMetaProperty &p) {
    return c.objectName() + QLatin1Char('_') + QLatin1String(p.name());
}

} // namespace

// ---- TFormPlacement

TFormPlacement::TFormPlacement(QWidget *owner_form, Environment &env, QObject *parent)
    : QObject(parent), owner_(owner_form), env_(env) {}

QString TFormPlacement::section_name() const {
    if (!ini_section_.isEmpty() || !owner_) return ini_section_;
    const QString class_name = QLatin1String(owner_->metaObject()->className());
    const qsizetype separator = class_name.lastIndexOf(QLatin1String("::"));
    return separator < 0 ? class_name : class_name.mid(separator + 2);
}

void TFormPlacement::set_second_section(const QString &section, std::function<void(const IniDocument &)> load,
                                        std::function<Entries(const IniDocument &)> entries) {
    second_section_ = section;
    load_second_ = std::move(load);
    second_entries_ = std::move(entries);
}

QString TFormPlacement::ini_path() const { return settings_file_path(ini_file_name_); }

bool TFormPlacement::fail(const QString &path, const QString &reason, QString *error) const {
    if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, reason);
    return false;
}

bool TFormPlacement::put(IniDocument &file, const QString &key, const QString &value, QString *error) const {
    return file.set(section_name(), key, value) || fail(file.path(), file.error(), error);
}

void TFormPlacement::report_save_failure(const QString &error) {
    // The box names only the file; which file and why go to the terminal, where they also
    // reach a user who ended the program by a signal and sees no box.
    std::fprintf(stderr, "trovel: %s\n", qUtf8Printable(error));
    std::fflush(stderr);
    env_.show_error(
        owner_ ? owner_->windowTitle() : QString(),
        error_box_text(QCoreApplication::translate("trovel::Messages", "Unable to write to %1").arg(ini_file_name_)));
}

void TFormPlacement::on_show() {
    if (!active_) return;
    try {
        load_settings();
    } catch (const std::exception &e) {
        // The form's own section's handler may refuse a value; the show goes on.
        env_.show_error(owner_ ? owner_->windowTitle() : QString(), error_box_text(QString::fromUtf8(e.what())));
    }
}

void TFormPlacement::on_close_query(bool close_allowed) {
    if (!close_allowed || !active_ || !owner_ || !owner_->isWindow() || !owner_->testAttribute(Qt::WA_WState_Created))
        return;
    QString error;
    if (save_settings(&error)) return;
    // The destruction that follows does not try again: one failure, said once.
    close_save_failed_ = true;
    report_save_failure(error);
}

void TFormPlacement::on_destroy() {
    if (!active_ || saved_ || close_save_failed_) return;
    destroying_ = true;
    QString error;
    const bool saved = save_settings(&error);
    destroying_ = false;
    if (!saved) report_save_failure(error);
}

void TFormPlacement::load_settings() {
    saved_ = close_save_failed_ = false;
    IniDocument file(ini_path());
    // A file that cannot be read loads nothing, like a missing one; the save then fails
    // rather than overwrite what it could not read.
    const bool read = file.load();
    if (!read) {
        std::fprintf(stderr, "trovel: cannot read %s: %s; the settings are the defaults\n", qUtf8Printable(file.path()),
                     qUtf8Printable(file.error()));
        std::fflush(stderr);
    }
    const int file_version = profile_int(file.value(section_name(), QStringLiteral("FormVersion")).value_or(QString()));
    version_refused_ = read && file.exists() && file_version < version_;
    if (file_version >= version_) {
        // The saved placement would be applied here; with no option chosen there is
        // nothing to apply.
        restored_ = true;
        load_props(file);
    }
    restored_ = true;
    // The second section has no version of its own: its keys are read as they are.
    if (load_second_) load_second_(file);
}

bool TFormPlacement::save_settings(QString *error) {
    if (!restored_ && active_) return true;
    IniDocument file(ini_path());
    if (!file.load()) return fail(file.path(), file.error(), error);
    if (!put(file, QStringLiteral("FormVersion"), QString::number(version_), error) || !write_placement(file, error) ||
        !save_props(file, error))
        return false;
    if (second_entries_) {
        for (const auto &[key, value] : second_entries_(file))
            if (!file.set(second_section_, key, value)) return fail(file.path(), file.error(), error);
    }
    if (version_refused_ && file.replaced_lines() && !keep_backup(file, error)) return false;
    if (!file.commit()) return fail(file.path(), file.error(), error);
    // The file now holds this version; whatever it held before is saved or kept.
    version_refused_ = false;
    saved_ = true;
    return true;
}

bool TFormPlacement::keep_backup(IniDocument &file, QString *error) {
    // Someone may have written these values by hand; they were not loaded, and the save
    // is about to overwrite them.
    const QString backup = file.path() + QLatin1String(".bak");
    if (!file.copy_original_to(backup)) return fail(backup, file.error(), error);
    std::fprintf(stderr,
                 "trovel: the values in %s were not loaded (its FormVersion is missing or below %d); "
                 "a copy of the file is kept in %s\n",
                 qUtf8Printable(file.path()), version_, qUtf8Printable(backup));
    std::fflush(stderr);
    // Once: should the save fail now, the next try must not copy over this copy.
    version_refused_ = false;
    return true;
}

bool TFormPlacement::write_placement(IniDocument &file, QString *error) {
    int show_cmd = 1;
    QRect normal;
    if (owner_) {
        const Qt::WindowStates state = owner_->windowState();
        if (state & Qt::WindowMinimized)
            show_cmd = 2;
        else if (state & Qt::WindowMaximized)
            show_cmd = 3;
        normal = owner_->frameGeometry();
        if ((state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) &&
            owner_->normalGeometry().isValid()) {
            // The normal rectangle with the frame the window has now.
            const QRect frame = owner_->frameGeometry();
            const QRect inner = owner_->geometry();
            const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                                   frame.right() - inner.right(), frame.bottom() - inner.bottom());
            normal = owner_->normalGeometry().marginsAdded(margins);
        }
    }
    const QSize screen = env_.screen_size();
    const QString suffix = QStringLiteral("(%1x%2)").arg(screen.width()).arg(screen.height());
    // Minimized and maximized positions are chosen by the window system here.
    const QString min_max = QStringLiteral("-1,-1,-1,-1");
    const QString norm = QStringLiteral("%1,%2,%3,%4")
                             .arg(normal.x())
                             .arg(normal.y())
                             .arg(normal.x() + normal.width())
                             .arg(normal.y() + normal.height());
    const QPair<QString, QString> keys[] = {
        {QStringLiteral("Flags"), QStringLiteral("0")},
        {QStringLiteral("ShowCmd"), QString::number(show_cmd)},
        {QStringLiteral("PixelsPerInch"), QString::number(env_.screen_dpi())},
        {QStringLiteral("MinMaxPos") + suffix, min_max},
        {QStringLiteral("MinMaxPos"), min_max},
        {QStringLiteral("NormPos") + suffix, norm},
        {QStringLiteral("NormPos"), norm},
        {QStringLiteral("Visible"), destroying_ ? QStringLiteral("1") : QStringLiteral("0")},
    };
    for (const auto &[key, value] : keys)
        if (!put(file, key, value, error)) return false;
    return true;
}

void TFormPlacement::load_props(const IniDocument &) {}

bool TFormPlacement::save_props(IniDocument &, QString *) { return true; }

// ---- TFormStorage

TFormStorage::TFormStorage(QWidget *owner_form, Environment &env, QObject *parent)
    : TFormPlacement(owner_form, env, parent) {}

void TFormStorage::set_stored_props(const QStringList &entries) {
    stored_props_ = entries;
    bindings_.clear();
    unbound_props_.clear();
}

void TFormStorage::bind_stored_props() {
    bindings_.assign(size_t(stored_props_.size()), Binding{});
    unbound_props_.clear();
    const QList<QObject *> components = owner() ? owner()->findChildren<QObject *>() : QList<QObject *>();
    // From the last entry to the first, so removing one leaves the rest in place.
    for (qsizetype i = stored_props_.size() - 1; i >= 0; --i) {
        const QString &entry = stored_props_[i];
        const qsizetype point = entry.indexOf(u'.');
        const QString component_name = trim_text(entry.left(point));
        const QString property_name = trim_text(entry.mid(point + 1));
        QObject *component = nullptr;
        if (point >= 0 && !component_name.isEmpty() && !property_name.isEmpty()) {
            for (QObject *c : components) {
                if (c->objectName().compare(component_name, Qt::CaseInsensitive) == 0) {
                    component = c;
                    break;
                }
            }
        }
        if (!component) {
            unbound_props_.prepend(entry);
            stored_props_.removeAt(i);
            bindings_.erase(bindings_.begin() + i);
            continue;
        }
        // Kept, as the list says, but a property the control lacks stores nothing.
        if (!find_property(*component, property_name)) unbound_props_.prepend(entry);
        bindings_[size_t(i)] = Binding{component, property_name};
    }
}

void TFormStorage::load_props(const IniDocument &file) {
    loaded_.assign(bindings_.size(), std::nullopt);
    for (size_t i = 0; i < bindings_.size(); ++i) {
        try {
            loaded_[i] = load_property(bindings_[i], file);
        } catch (const std::exception &) {
            // One control refusing its value does not keep the others from theirs.
        }
    }
}

bool TFormStorage::save_props(IniDocument &file, QString *error) {
    loaded_.resize(bindings_.size());
    for (size_t i = 0; i < bindings_.size(); ++i)
        if (!store_property(bindings_[i], loaded_[i], file, error)) return false;
    return true;
}

std::optional<TFormStorage::Loaded> TFormStorage::load_property(const Binding &b, const IniDocument &file) {
    if (!b.component) return std::nullopt;
    QObject &c = *b.component;
    const std::optional<QMetaProperty> p = find_property(c, b.property);
    if (!p) return std::nullopt;
    const QString key = key_of(c, *p);
    const std::optional<QString> read = file.value(section_name(), key);
    // A missing key gives the current value, which is set again unchanged.
    const QString s = trim_text(read.value_or(text_form(c, *p)));
    switch (*kind_of(*p)) {
    case PropKind::boolean:
        if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            p->write(&c, true);
        else if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            p->write(&c, false);
        break;
    case PropKind::integer:
        p->write(&c, parse_decimal(s).value_or(0));
        break;
    case PropKind::text:
        p->write(&c, s);
        break;
    }
    if (!read) return std::nullopt;
    return Loaded{key, *read, text_form(c, *p)};
}

bool TFormStorage::store_property(const Binding &b, const std::optional<Loaded> &loaded, IniDocument &file,
                                  QString *error) {
    if (!b.component) return true;
    const QObject &c = *b.component;
    const std::optional<QMetaProperty> p = find_property(c, b.property);
    if (!p) return true;
    const QString key = key_of(c, *p);
    const QString text = text_form(c, *p);
    // Nobody changed the value since it was loaded, and the file still holds what it was
    // loaded from: the line stays as it is, bytes that do not decode and all.
    if (loaded && loaded->key == key && loaded->text == text && file.value(section_name(), key) == loaded->read)
        return true;
    return put(file, key, text, error);
}

} // namespace trovel
