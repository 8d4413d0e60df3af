#pragma once
// Card codes ("Ad", "Rb", "7c"), strength values, points and cell numbers 1..40.
#include <cstdint>
#include <string>
#include <string_view>

namespace zelvo {

using Colour = uint32_t;  // 24-bit colour, 0x00BBGGRR

namespace colour {
constexpr Colour WHITE = 0xFFFFFF;
constexpr Colour BLACK = 0;
constexpr Colour RED = 255;
constexpr Colour BLUE = 0xFF0000;
constexpr Colour GREEN = 65280;
constexpr Colour YELLOW = 65535;
constexpr Colour PINK = 0x8080FF;           // played by the human; a locked option; the human leads
constexpr Colour TRUMP_YELLOW = 0x80FFFF;   // a trump card in the grids
constexpr Colour SHUFFLE_LILAC = 0xC0C0FF;  // taken by the shuffle in progress
constexpr Colour LIGHT_GREEN = 0xC0FFC0;    // an option that may be changed
constexpr Colour MAGENTA = 0xFF00FF;
}  // namespace colour

namespace cards {

inline constexpr char SUITS[4] = {'d', 's', 'c', 'b'};
inline constexpr char RANKS[10] = {'2', '4', '5', '6', '7', 'F', 'C', 'R', '3', 'A'};
inline constexpr int VALUES[10] = {2, 4, 5, 6, 7, 8, 12, 16, 40, 44};

// Index 0..3 of a suit letter, -1 for anything else.
constexpr int suitIndex(char s) { return s == 'd' ? 0 : s == 's' ? 1 : s == 'c' ? 2 : s == 'b' ? 3 : -1; }
// Offset 1..10 of a rank letter inside its suit block, 0 for anything else.
constexpr int rankOffset(char r) {
    for (int i = 0; i < 10; ++i)
        if (RANKS[i] == r) return i + 1;
    return 0;
}
// Offset 1..10 of a strength value, 0 when it is none of the ten.
constexpr int valueOffset(int v) {
    for (int i = 0; i < 10; ++i)
        if (VALUES[i] == v) return i + 1;
    return 0;
}
// Cell number 1..40 of a code, 0 when the text is none of the 40 codes.
constexpr int cellOf(std::string_view code) {
    if (code.size() != 2) return 0;
    int r = rankOffset(code[0]), s = suitIndex(code[1]);
    return (r == 0 || s < 0) ? 0 : s * 10 + r;
}
// Cell number of a suit letter and strength value, 0 when either is not valid.
constexpr int cellOfSuitValue(char suit, int value) {
    int s = suitIndex(suit), o = valueOffset(value);
    return (s < 0 || o == 0) ? 0 : s * 10 + o;
}
constexpr char suitOf(int cell) { return SUITS[(cell - 1) / 10]; }
constexpr int valueOf(int cell) { return VALUES[(cell - 1) % 10]; }
inline std::string codeOf(int cell) { return {RANKS[(cell - 1) % 10], SUITS[(cell - 1) / 10]}; }
// Points of a strength value: value / 4 from 8 up, 0 below.
constexpr int pointsOf(int value) { return value >= 8 ? value / 4 : 0; }
// First cell of a suit's block of ten (1, 11, 21, 31), 0 for no suit.
constexpr int suitBlockStart(char suit) { return suitIndex(suit) < 0 ? 0 : suitIndex(suit) * 10 + 1; }

}  // namespace cards
}  // namespace zelvo
