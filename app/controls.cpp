#include "app/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>

namespace trovel {

namespace {

class ProgressAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ProgressAccessible(TProgressPanel *panel) : QAccessibleWidget(panel, QAccessible::ProgressBar) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QStringLiteral("%1 %").arg(panel()->percent());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return panel()->percent(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    TProgressPanel *panel() const { return static_cast<TProgressPanel *>(widget()); }
};

QAccessibleInterface *accessible_control(const QString &, QObject *object) {
    if (auto *panel = qobject_cast<TProgressPanel *>(object)) return new ProgressAccessible(panel);
    return nullptr;
}

} // namespace

void install_accessible_controls() {
    static const bool installed = (QAccessible::installFactory(accessible_control), true);
    (void)installed;
}

void TProgressPanel::setPercent(int percent) {
    if (percent == percent_) return;
    percent_ = percent;
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, percent);
        QAccessible::updateAccessibility(&event);
    }
}

void draw_3d_frame(QPainter &p, const QRect &r, TColor light, TColor dark) {
    const int l = r.left(), t = r.top(), w = r.width(), h = r.height();
    if (w <= 0 || h <= 0) return;
    p.fillRect(l, t, w - 1, 1, to_qcolor(light));
    p.fillRect(l, t, 1, h - 1, to_qcolor(light));
    p.fillRect(l + w - 1, t, 1, h, to_qcolor(dark));
    p.fillRect(l, t + h - 1, w, 1, to_qcolor(dark));
}

TPanel::TPanel(QWidget *parent) : QWidget(parent) {
    // A panel fills all of its rectangle, so nothing beneath it (the flat buttons that
    // the progress panel covers) needs painting when it is repainted.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::setColor(TColor c) {
    color_ = c;
    update();
}

void TPanel::setCaption(const QString &c) {
    caption_ = c;
    update();
}

void TPanel::setBevelOuter(TBevel b) {
    bevel_outer_ = b;
    update();
}

void TPanel::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), to_qcolor(color_));
    switch (bevel_outer_) {
    case TBevel::bvRaised:
        draw_3d_frame(p, rect(), clBtnHighlight, clBtnShadow);
        break;
    case TBevel::bvLowered:
        draw_3d_frame(p, rect(), clBtnShadow, clBtnHighlight);
        break;
    case TBevel::bvSpace:
        draw_3d_frame(p, rect(), color_, color_);
        break;
    case TBevel::bvNone:
        break;
    }
    if (!caption_.isEmpty()) {
        p.setPen(to_qcolor(clWindowText));
        p.setFont(font());
        p.drawText(rect(), Qt::AlignCenter, caption_);
    }
}

TLabel::TLabel(QWidget *parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setFontColor(clWindowText);
}

void TLabel::setCaption(const QString &c) {
    setText(c);
    if (auto_size_) fit_caption();
}

void TLabel::setAutoSize(bool on) {
    auto_size_ = on;
    right_edge_ = x() + width();
}

void TLabel::fit_caption() {
    const QSize fit = sizeHint();
    const int left = alignment() & Qt::AlignRight ? std::max(0, right_edge_ - fit.width()) : x();
    setGeometry(left, y(), fit.width(), fit.height());
}

void TLabel::setFontColor(TColor c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, to_qcolor(c));
    setPalette(pal);
}

TImage::TImage(QWidget *parent) : QWidget(parent) {}

void TImage::setPicture(const QImage &image) {
    if (image.isNull()) {
        pixmap_ = QPixmap();
    } else {
        QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = rgb.pixel(0, rgb.height() - 1);
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x)
                if (rgb.pixel(x, y) == key) rgb.setPixel(x, y, qRgba(0, 0, 0, 0));
        pixmap_ = QPixmap::fromImage(rgb);
    }
    update();
}

void TImage::paintEvent(QPaintEvent *) {
    if (pixmap_.isNull()) return;
    QPainter p(this);
    p.drawPixmap(0, 0, pixmap_);
}

TButton::TButton(QWidget *parent) : QPushButton(parent) {}

TMemo::TMemo(QWidget *parent) : QWidget(parent) {}

void TMemo::setPlainText(const QString &text) {
    text_ = text;
    if (editor_) editor_->setPlainText(text);
}

void TMemo::showEvent(QShowEvent *e) {
    if (!editor_) {
        editor_ = new QPlainTextEdit(this);
        editor_->setReadOnly(true);
        editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        editor_->setPlainText(text_);
        editor_->setGeometry(rect());
        editor_->show();
    }
    QWidget::showEvent(e);
}

void TMemo::resizeEvent(QResizeEvent *e) {
    if (editor_) editor_->setGeometry(rect());
    QWidget::resizeEvent(e);
}

TAdvSpinEdit::TAdvSpinEdit(QObject *parent) : QObject(parent) {}

int TAdvSpinEdit::Value() const {
    bool ok = false;
    const int v = Text.toInt(&ok);
    return ok ? v : MinValue;
}

void TAdvSpinEdit::setValue(int v) {
    if (MinValue != MaxValue) {
        if (v < MinValue) return;
        if (v > MaxValue) v = MaxValue;
    }
    Text = QString::number(v);
}

} // namespace trovel
