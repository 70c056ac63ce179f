// The home-page link label. (Stand-in: draws nothing yet.)
#pragma once

#include "platform/environment.h"
#include "widgets/colors.h"

#include <QWidget>

namespace trovel {

class THTMLabel : public QWidget {
    Q_OBJECT
public:
    THTMLabel(Environment &env, QWidget *parent = nullptr);

    // One anchor element: <a href="TARGET">TEXT</a>.
    void setHTMLText(const QString &html) { html_ = html; update(); }
    const QString &HTMLText() const { return html_; }
    TColor URLColor() const { return url_color_; }
    void setURLColor(TColor c) { url_color_ = c; update(); }

private:
    Environment &env_;
    QString html_;
    TColor url_color_ = clBlue;
};

}  // namespace trovel
