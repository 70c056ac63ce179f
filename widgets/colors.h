// Colours as the program stores them: 0x00BBGGRR, red in the low byte. A value whose high
// byte is 0x80 names a system colour; those resolve through one fixed palette (the classic
// grey desktop scheme) so the program looks, and tests see, the same on every theme.
#pragma once

#include <QColor>
#include <cstdint>

namespace trovel {

using TColor = uint32_t;

inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clAqua = 0xFFFF00;

inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clWindowText = 0x80000008;
inline constexpr TColor clBtnShadow = 0x80000010;
inline constexpr TColor clBtnHighlight = 0x80000014;
inline constexpr TColor clWindowFrame = 0x80000006;
inline constexpr TColor clBackground = 0x80000001;

// The plain RGB value of a colour: system colours resolve through the fixed palette,
// plain colours keep their low three bytes.
TColor color_to_rgb(TColor c);

// The colour as Qt wants it, system colours resolved.
QColor to_qcolor(TColor c);

// The low three bytes only, the high byte ignored (what the gradient bar does).
inline QColor rgb_bytes_to_qcolor(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

} // namespace trovel
