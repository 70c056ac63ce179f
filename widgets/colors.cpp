#include "widgets/colors.h"

namespace trovel {

TColor color_to_rgb(TColor c) {
    if ((c & 0xFF000000u) != 0x80000000u) return c & 0xFFFFFFu;
    switch (c & 0xFFu) {
    case 0x01:
        return 0x808000; // desktop background: teal
    case 0x06:
        return 0x000000; // window frame: black
    case 0x08:
        return 0x000000; // window text: black
    case 0x0F:
        return 0xC0C0C0; // button face: silver
    case 0x10:
        return 0x808080; // button shadow: grey
    case 0x14:
        return 0xFFFFFF; // button highlight: white
    case 0x05:
        return 0xFFFFFF; // window: white
    case 0x12:
        return 0x000000; // button text: black
    case 0x15:
        return 0x000000; // 3-D dark shadow: black
    case 0x16:
        return 0xDFDFDF; // 3-D light: light grey
    default:
        return 0xC0C0C0;
    }
}

QColor to_qcolor(TColor c) { return rgb_bytes_to_qcolor(color_to_rgb(c)); }

} // namespace trovel
