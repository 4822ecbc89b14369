// The calm window style: warm light greys, dark text, one amber accent for
// what matters now (the side to move, the move shown), and the desktop's own
// sans-serif at sizes that read at a glance.
#pragma once

#include <QColor>
#include <QFont>

namespace calm {

inline const QColor PANEL{0xEE, 0xEC, 0xE8};    // panels and strips
inline const QColor PAGE{0xFB, 0xFA, 0xF8};     // memos and the move grid
inline const QColor STRIPE{0xF2, 0xF0, 0xEC};   // every other row of the grid
inline const QColor RULE{0xD9, 0xD4, 0xCC};     // thin dividing lines
inline const QColor INK{0x2B, 0x2A, 0x28};      // text
inline const QColor MUTED{0x8C, 0x86, 0x7E};    // move numbers, quiet text
inline const QColor ACCENT{0xC0, 0x8A, 0x2A};   // the side to move
inline const QColor CURRENT{0xF1, 0xE2, 0xBF};  // the move on the board
inline const QColor ALERT{0xA8, 0x32, 0x2C};    // the status strip

constexpr int GRID_PIXELS = 14;
constexpr int NAME_PIXELS = 15;
constexpr int CLOCK_PIXELS = 22;
constexpr int MEMO_PIXELS = 11;
constexpr int STATUS_PIXELS = 12;
constexpr int ACCENT_WIDTH = 5;

// The desktop's sans-serif, and a fixed-width face for the thinking lines.
QFont textFont(int pixels, bool bold);
QFont fixedFont(int pixels);

}  // namespace calm
