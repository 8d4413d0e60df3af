#pragma once
// Card codes ("Ad", "Rb", "7c"), strength values, points and cell numbers 1..40.
#include <cstdint>
#include <string>
#include <string_view>

namespace zelvo {

using Colore = uint32_t;  // 24-bit colour, 0x00BBGGRR

namespace colore {
constexpr Colore BIANCO = 0xFFFFFF;
constexpr Colore NERO = 0;
constexpr Colore ROSSO = 255;
constexpr Colore BLU = 0xFF0000;
constexpr Colore VERDE = 65280;
constexpr Colore GIALLO = 65535;
constexpr Colore ROSA_H = 0x8080FF;        // played by the human; locked option; human leads
constexpr Colore GIALLO_BRISCOLA = 0x80FFFF;  // a trump card in the grids
constexpr Colore LILLA_MESCOLA = 0xC0C0FF;    // taken by the shuffle in progress
constexpr Colore VERDE_CHIARO = 0xC0FFC0;     // an option that may be changed
constexpr Colore MAGENTA = 0xFF00FF;
}  // namespace colore

namespace carte {

inline constexpr char SEMI[4] = {'d', 's', 'c', 'b'};
inline constexpr char RANGHI[10] = {'2', '4', '5', '6', '7', 'F', 'C', 'R', '3', 'A'};
inline constexpr int VALORI[10] = {2, 4, 5, 6, 7, 8, 12, 16, 40, 44};

// Index 0..3 of a suit letter, -1 for anything else.
constexpr int indiceSeme(char s) {
    return s == 'd' ? 0 : s == 's' ? 1 : s == 'c' ? 2 : s == 'b' ? 3 : -1;
}
// Offset 1..10 of a rank letter inside its suit block, 0 for anything else.
constexpr int offsetRango(char r) {
    for (int i = 0; i < 10; ++i)
        if (RANGHI[i] == r) return i + 1;
    return 0;
}
// Offset 1..10 of a strength value, 0 when it is none of the ten.
constexpr int offsetValore(int v) {
    for (int i = 0; i < 10; ++i)
        if (VALORI[i] == v) return i + 1;
    return 0;
}
// Cell number 1..40 of a code, 0 when the text is none of the 40 codes.
constexpr int casella(std::string_view code) {
    if (code.size() != 2) return 0;
    int r = offsetRango(code[0]), s = indiceSeme(code[1]);
    return (r == 0 || s < 0) ? 0 : s * 10 + r;
}
// Cell number of a suit letter and strength value, 0 when either is not valid.
constexpr int casellaDa(char seme, int valore) {
    int s = indiceSeme(seme), o = offsetValore(valore);
    return (s < 0 || o == 0) ? 0 : s * 10 + o;
}
constexpr char semeDi(int cell) { return SEMI[(cell - 1) / 10]; }
constexpr int valoreDi(int cell) { return VALORI[(cell - 1) % 10]; }
inline std::string codice(int cell) { return {RANGHI[(cell - 1) % 10], SEMI[(cell - 1) / 10]}; }
// Points of a strength value: value / 4 from 8 up, 0 below.
constexpr int punti(int valore) { return valore >= 8 ? valore / 4 : 0; }
// First cell of a suit's block of ten (1, 11, 21, 31), 0 for no suit.
constexpr int inizioBlocco(char seme) { return indiceSeme(seme) < 0 ? 0 : indiceSeme(seme) * 10 + 1; }

}  // namespace carte
}  // namespace zelvo
