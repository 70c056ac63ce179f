#include "widgets/html_label.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace trovel {

THTMLabel::THTMLabel(Environment &env, QWidget *parent) : QWidget(parent), env_(env) {
    // Cursor changes follow the pointer without a button held.
    setMouseTracking(true);
}

namespace {

// The blanks of an anchor: space, tab, line feed, vertical tab, form feed, carriage return.
bool is_blank(QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

qsizetype skip_blanks(const QString &s, qsizetype i) {
    while (i < s.size() && is_blank(s[i]))
        ++i;
    return i;
}

bool word_at(const QString &s, qsizetype i, QLatin1StringView word) {
    return QStringView(s).mid(i, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<HtmlAnchor> parse_anchor(const QString &html) {
    // <a href="TARGET">TEXT</a>, blanks allowed around the tag's parts and around the whole; the text
    // runs to the last closing tag, so it may hold one of its own.
    const QLatin1StringView open("<a"), href("href"), close("</a>");
    qsizetype i = skip_blanks(html, 0);
    if (!word_at(html, i, open)) return std::nullopt;
    i += open.size();
    const qsizetype after_a = i;
    i = skip_blanks(html, i);
    if (i == after_a || !word_at(html, i, href)) return std::nullopt;
    i = skip_blanks(html, i + href.size());
    if (i >= html.size() || html[i] != u'=') return std::nullopt;
    i = skip_blanks(html, i + 1);
    if (i >= html.size() || html[i] != u'"') return std::nullopt;
    const qsizetype target_end = html.indexOf(u'"', i + 1);
    if (target_end < 0) return std::nullopt;
    HtmlAnchor anchor{html.mid(i + 1, target_end - i - 1), {}};
    i = skip_blanks(html, target_end + 1);
    if (i >= html.size() || html[i] != u'>') return std::nullopt;
    const qsizetype text_begin = i + 1;
    qsizetype end = html.size();
    while (end > text_begin && is_blank(html[end - 1]))
        --end;
    if (end - text_begin < close.size() || !word_at(html, end - close.size(), close)) return std::nullopt;
    anchor.text = html.mid(text_begin, end - close.size() - text_begin);
    return anchor;
}

void THTMLabel::setHTMLText(const QString &html) {
    html_ = html;
    const std::optional<HtmlAnchor> anchor = parse_anchor(html);
    is_link_ = anchor.has_value();
    target_ = is_link_ ? anchor->target : QString();
    text_ = is_link_ ? anchor->text : html;
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
