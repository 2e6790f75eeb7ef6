#pragma once
// Colours are signed 32-bit platform colour values: 0x00BBGGRR for plain colours,
// clNone (536870911) for "transparent / no colour", negative values for system colours.
#include <cstdint>

namespace lumaro {

using Color = int32_t;

constexpr Color rgb(int r, int g, int b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }
constexpr int redOf(Color c) { return c & 0xFF; }
constexpr int greenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(Color c) { return (c >> 16) & 0xFF; }

constexpr Color clBlack = 0x000000;
constexpr Color clMaroon = 0x000080;
constexpr Color clGreen = 0x008000;
constexpr Color clOlive = 0x008080;
constexpr Color clNavy = 0x800000;
constexpr Color clPurple = 0x800080;
constexpr Color clTeal = 0x808000;
constexpr Color clGray = 0x808080;
constexpr Color clSilver = 0xC0C0C0;
constexpr Color clRed = 0x0000FF;
constexpr Color clLime = 0x00FF00;
constexpr Color clYellow = 0x00FFFF;
constexpr Color clBlue = 0xFF0000;
constexpr Color clFuchsia = 0xFF00FF;
constexpr Color clAqua = 0xFFFF00;
constexpr Color clWhite = 0xFFFFFF;
constexpr Color clNone = 0x1FFFFFFF;
constexpr Color clDefault = 0x20000000;

// System colours (negative): the platform's window colours; resolved by colorToRgb.
constexpr Color clSystemColor = static_cast<Color>(0xFF000000);
constexpr Color clBtnFace = clSystemColor | 15;
constexpr Color clWindow = clSystemColor | 5;
constexpr Color clWindowText = clSystemColor | 8;
constexpr Color clHighlight = clSystemColor | 13;

// Plain 0x00BBGGRR value of any colour; system colours map to fixed light-theme values.
Color colorToRgb(Color c);

}  // namespace lumaro
