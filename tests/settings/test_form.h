// Small stand-ins for the form's stored controls (menu items with radio groups, a label,
// the clamping spin box) and a form that holds all 36 of them at their design values.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <stdexcept>
#include <vector>

namespace trovel::test {

// A menu item whose check mark, when set in a radio group, clears the group's others.
class TestMenuItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ checked WRITE set_checked)
    Q_PROPERTY(QString Caption READ caption WRITE set_caption)

public:
    TestMenuItem(const QString &name, QObject *parent, bool checked = false, const QString &caption = QString())
        : QObject(parent), checked_(checked), caption_(caption) {
        setObjectName(name);
    }

    bool checked() const { return checked_; }
    void set_checked(bool on) {
        checked_ = on;
        if (on)
            for (TestMenuItem *other : group)
                if (other != this) other->checked_ = false;
    }
    QString caption() const { return caption_; }
    void set_caption(const QString &c) { caption_ = c; }

    std::vector<TestMenuItem *> group; // the radio group, this item included; empty: none

private:
    bool checked_;
    QString caption_;
};

class TestLabel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE set_caption)

public:
    TestLabel(const QString &name, QObject *parent) : QObject(parent), caption_(name) { setObjectName(name); }
    QString caption() const { return caption_; }
    void set_caption(const QString &c) { caption_ = c; }

private:
    QString caption_;
};

// Keeps its value within 0 ... 100, as the hidden spin box does.
class TestSpinEdit : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE set_value)

public:
    TestSpinEdit(const QString &name, QObject *parent) : QObject(parent) { setObjectName(name); }
    int value() const { return value_; }
    void set_value(int v) { value_ = v < 0 ? 0 : v > 100 ? 100 : v; }

private:
    int value_ = 0;
};

// A control that refuses every value it is given.
class TestBrokenItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ checked WRITE set_checked)

public:
    TestBrokenItem(const QString &name, QObject *parent) : QObject(parent) { setObjectName(name); }
    bool checked() const { return false; }
    void set_checked(bool) { throw std::runtime_error("refused"); }
};

// The form: its class name is what the settings section is named after.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    TForm1();

    TestMenuItem *item(const QString &name) const { return findChild<TestMenuItem *>(name); }
    TestLabel *label(const QString &name) const { return findChild<TestLabel *>(name); }
    TestSpinEdit *spin() const { return findChild<TestSpinEdit *>("spin_timeout"); }
    // The stored property's value in its file form ("True", "12", text).
    QString stored_text(const QString &entry) const;
};

// The 36 stored keys of a form at its design values, "key=value", in list order.
QStringList design_key_lines();
// The stored properties of those keys ("menu_1min.Checked"), in the same order: the list
// the program's form hands to its storage.
QStringList stored_props();

} // namespace trovel::test
