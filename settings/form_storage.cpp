// Loading and saving the form's settings key by key, and the property lookup by name
// through Qt's meta-object system.
#include "settings/form_storage.h"

#include "platform/error_text.h"
#include "settings/ini_file.h"
#include "settings/settings_path.h"

#include <QMargins>
#include <QMetaProperty>
#include <QRect>
#include <QVariant>

#include <limits>
#include <optional>
#include <stdexcept>

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

QString TFormPlacement::ini_path() const { return settings_file_path(ini_file_name_); }

QString TFormPlacement::read_key(const QString &path, const QString &key, const QString &default_value) const {
    return GetPrivateProfileString(section_name(), key, default_value, path);
}

void TFormPlacement::write_key(const QString &path, const QString &key, const QString &value) const {
    if (!WritePrivateProfileString(section_name(), key, value, path))
        throw std::runtime_error(QStringLiteral("Unable to write to %1").arg(ini_file_name_).toStdString());
}

void TFormPlacement::report(const std::exception &error) {
    env_.show_error(owner_ ? owner_->windowTitle() : QString(), error_box_text(QString::fromUtf8(error.what())));
}

void TFormPlacement::on_show() {
    if (!active_) return;
    try {
        load_settings();
    } catch (const std::exception &e) {
        report(e);
    }
}

void TFormPlacement::on_close_query(bool close_allowed) {
    if (!close_allowed || !active_ || !owner_ || !owner_->isWindow() || !owner_->testAttribute(Qt::WA_WState_Created))
        return;
    try {
        save_settings();
    } catch (const std::exception &e) {
        report(e);
    }
}

void TFormPlacement::on_destroy() {
    if (!active_ || saved_) return;
    destroying_ = true;
    try {
        save_settings();
    } catch (const std::exception &e) {
        destroying_ = false;
        report(e);
        return;
    }
    destroying_ = false;
}

void TFormPlacement::load_settings() {
    saved_ = false;
    const QString path = ini_path();
    const int file_version = profile_int(read_key(path, QStringLiteral("FormVersion"), QString()));
    if (file_version >= version_) {
        // The saved placement would be applied here; with no option chosen there is
        // nothing to apply.
        restored_ = true;
        load_props(path);
    }
    restored_ = true;
}

void TFormPlacement::save_settings() {
    if (!restored_ && active_) return;
    const QString path = ini_path();
    write_key(path, QStringLiteral("FormVersion"), QString::number(version_));
    write_placement(path);
    save_props(path);
    saved_ = true;
}

void TFormPlacement::write_placement(const QString &path) {
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
    write_key(path, QStringLiteral("Flags"), QStringLiteral("0"));
    write_key(path, QStringLiteral("ShowCmd"), QString::number(show_cmd));
    write_key(path, QStringLiteral("PixelsPerInch"), QString::number(env_.screen_dpi()));
    write_key(path, QStringLiteral("MinMaxPos") + suffix, min_max);
    write_key(path, QStringLiteral("MinMaxPos"), min_max);
    write_key(path, QStringLiteral("NormPos") + suffix, norm);
    write_key(path, QStringLiteral("NormPos"), norm);
    write_key(path, QStringLiteral("Visible"), destroying_ ? QStringLiteral("1") : QStringLiteral("0"));
}

void TFormPlacement::load_props(const QString &) {}

void TFormPlacement::save_props(const QString &) {}

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

void TFormStorage::load_props(const QString &path) {
    for (const Binding &b : bindings_) {
        try {
            load_property(b, path);
        } catch (const std::exception &) {
            // One control refusing its value does not keep the others from theirs.
        }
    }
}

void TFormStorage::save_props(const QString &path) {
    for (const Binding &b : bindings_)
        store_property(b, path);
}

void TFormStorage::load_property(const Binding &b, const QString &path) {
    if (!b.component) return;
    QObject &c = *b.component;
    const std::optional<QMetaProperty> p = find_property(c, b.property);
    if (!p) return;
    // A missing key gives the current value, which is set again unchanged.
    const QString s = trim_text(read_key(path, key_of(c, *p), text_form(c, *p)));
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
}

void TFormStorage::store_property(const Binding &b, const QString &path) {
    if (!b.component) return;
    const QObject &c = *b.component;
    const std::optional<QMetaProperty> p = find_property(c, b.property);
    if (!p) return;
    write_key(path, key_of(c, *p), text_form(c, *p));
}

} // namespace trovel
