#include "widgets/html_label.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>

namespace trovel {

THTMLabel::THTMLabel(Environment &env, QWidget *parent) : QWidget(parent), env_(env) {
    // Cursor changes follow the pointer without a button held.
    setMouseTracking(true);
}

void THTMLabel::setHTMLText(const QString &html) {
    html_ = html;
    static const QRegularExpression anchor(R"re(^\s*<a\s+href\s*=\s*"([^"]*)"\s*>(.*)</a>\s*$)re",
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = anchor.match(html);
    is_link_ = m.hasMatch();
    target_ = is_link_ ? m.captured(1) : QString();
    text_ = is_link_ ? m.captured(2) : html;
    update();
}

void THTMLabel::setURLColor(TColor c) {
    url_color_ = c;
    update();
}

QRect THTMLabel::link_rect() const {
    if (!is_link_ || text_.isEmpty()) return {};
    QFont f = font();
    f.setUnderline(true);
    const QFontMetrics fm(f);
    return QRect(0, 0, fm.horizontalAdvance(text_), fm.height());
}

void THTMLabel::paintEvent(QPaintEvent *) {
    if (text_.isEmpty()) return;
    // No background: whatever lies beneath shows through.
    QPainter p(this);
    QFont f = font();
    f.setUnderline(is_link_);
    p.setFont(f);
    p.setPen(is_link_ ? to_qcolor(url_color_) : palette().color(foregroundRole()));
    p.drawText(QPoint(0, QFontMetrics(f).ascent()), text_);
}

void THTMLabel::mouseMoveEvent(QMouseEvent *e) {
    setCursor(link_rect().contains(e->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    e->accept();
}

void THTMLabel::mousePressEvent(QMouseEvent *e) {
    // Accepted wherever it lands, so the press never reaches the window's drag handler.
    e->accept();
    if (!link_rect().contains(e->position().toPoint())) return;
    // Other targets would go to an anchor-click handler, which nothing assigns.
    if (target_.contains(QLatin1String("://")) || target_.contains(QLatin1String("mailto:"))) env_.open_url(target_);
}

void THTMLabel::mouseReleaseEvent(QMouseEvent *e) { e->accept(); }

} // namespace trovel
