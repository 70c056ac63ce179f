// One item of the popup menu, as data: caption, check mark, radio group, default and
// enabled state, and the command it runs. The check marks and two captions are settings
// themselves, so they are Qt properties (Checked, Caption) that the settings storage finds
// by name. Radio groups are our own: checking an item unchecks the other radio items of its
// group under the same parent; unchecking checks nothing else.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

namespace trovel {

class ErrorReport;

class TMenuItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
public:
    // The root of a menu: its items' commands hand their errors to `report`, which outlives
    // the menu.
    TMenuItem(const QString &name, const ErrorReport &report);
    // An item under `parent`, reporting where its parent does.
    TMenuItem(const QString &name, const QString &caption, TMenuItem &parent);

    QString Caption() const { return caption_; }
    void setCaption(const QString &c);
    // What the menu shows: the caption, or `shown` while the caption is still the text it
    // had when show_while_default(shown) was called (a caption that is a setting keeps the
    // English default the settings file knows, and shows its translation).
    QString ShownCaption() const { return shown_ && caption_ == shown_->first ? shown_->second : caption_; }
    void show_while_default(const QString &shown) { shown_.emplace(caption_, shown); }
    bool Checked() const { return checked_; }
    void setChecked(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    bool Visible() const { return visible_; }
    void setVisible(bool v);

    bool Default = false;
    bool RadioItem = false;
    int GroupIndex = 0;
    QString Hint;
    std::function<void(TMenuItem &)> OnClick;

    bool IsSeparator() const { return caption_ == QStringLiteral("-"); }
    // Child items in display order.
    QList<TMenuItem *> Items() const;
    TMenuItem *Parent() const;

    // Runs the item's command, as a click on it does; nothing when it is disabled. An error
    // the command raises goes to the error report.
    void Click();

signals:
    void changed();

private:
    const ErrorReport &report_;
    QString caption_;
    std::optional<std::pair<QString, QString>> shown_; // the default caption and what it shows
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
};

} // namespace trovel
