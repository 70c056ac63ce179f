#include "widgets/picture_fit.h"

#include <algorithm>

namespace trovel {

QRect fit_picture(QSize picture, QSize area) {
    const int W = area.width();
    const int H = area.height();
    if (W <= 0 || H <= 0) return {};
    const int pw = picture.width();
    const int ph = picture.height();

    // The ratios are stored as doubles, but the quotients below are taken with a 64-bit
    // mantissa before truncation: a result just below a whole number must stay below it
    // (1000x700 into 300x400 gives 209 rows, not 210).
    const double rx = double(pw) / W;
    const double ry = double(ph) / H;
    int w = pw;
    int h = ph;
    if (rx > 1 || ry > 1) {
        if (rx > ry) {
            w = W;
            h = int((long double)ph / (long double)rx);
        } else {
            w = int((long double)pw / (long double)ry);
            h = H;
        }
    }
    if (w <= 0 || h <= 0) return {};
    const int left = std::max(0, W - w) / 2;
    const int top = std::max(0, H - h) / 2;
    return QRect(left, top, w, h);
}

} // namespace trovel
