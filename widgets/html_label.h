// The home-page link label: one anchor, <a href="TARGET">TEXT</a>, drawn underlined in
// URLColor on a transparent background from the label's top-left corner. Only the link
// text's rectangle is live: the pointing hand shows over it, and a press of any button on
// it opens the target. The label swallows every press, so it never drags its window.
#pragma once

#include "platform/environment.h"
#include "widgets/colors.h"

#include <QRect>
#include <QWidget>
#include <optional>

namespace trovel {

// The one kind of markup the label understands: a whole anchor, <a href="TARGET">TEXT</a>, any case.
struct HtmlAnchor {
    QString target;
    QString text;
};
std::optional<HtmlAnchor> parse_anchor(const QString &html);

class THTMLabel : public QWidget {
    Q_OBJECT
public:
    THTMLabel(Environment &env, QWidget *parent = nullptr);

    // One anchor element; text without one is shown as it is, with no link.
    void setHTMLText(const QString &html);
    const QString &HTMLText() const { return html_; }
    TColor URLColor() const { return url_color_; }
    void setURLColor(TColor c);

    const QString &link_text() const { return text_; }
    const QString &link_target() const { return target_; }
    // Where the link text lies, in the label's coordinates (empty without a link).
    QRect link_rect() const;

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseMoveEvent(QMouseEvent *) override;
    void mousePressEvent(QMouseEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;

private:
    Environment &env_;
    QString html_;
    QString text_;
    QString target_;
    bool is_link_ = false;
    TColor url_color_ = clBlue;
};

} // namespace trovel
