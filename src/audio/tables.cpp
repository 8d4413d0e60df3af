#include "audio/tables.h"

#include <cstdio>
#include <initializer_list>
#include <utility>
#include <vector>

namespace zelvo::audio {

namespace {

bool within(int r, std::initializer_list<std::pair<int, int>> ranges) {
    for (auto [a, b] : ranges)
        if (r >= a && r <= b) return true;
    return false;
}

bool among(int r, std::initializer_list<int> values) {
    for (int v : values)
        if (r == v) return true;
    return false;
}

// The lock times of the remark files, index 1..n.
const std::vector<int> LOCKS_1P = {0,    1969, 1443, 1603, 1829, 880,  1411, 1902, 2399, 1321, 2325, 1348, 1882,
                                    1551, 1655, 2600, 2718, 2009, 3545, 2375, 3170, 2967, 1070, 2440, 1128};
const std::vector<int> LOCKS_1V = {0,    2035, 1880, 2828, 1667, 3443, 1766, 1809, 1298, 2125, 2050, 1449,
                                    838,  1400, 3579, 1143, 2183, 1522, 1629, 3894, 1516, 1620, 2719, 1911,
                                    1469, 1650, 1539, 1796, 1549, 2801, 1802};
const std::vector<int> LOCKS_2P = {0,    1626, 1819, 1797, 1661, 1849, 2718, 1882, 2450, 1624, 2718, 1034, 1506,
                                    3704, 2497, 2230, 2119, 2712, 1792, 790,  2888, 2333, 1432, 1550, 3877};
const std::vector<int> LOCKS_2V = {0,    1893, 1644, 1094, 3037, 1682, 1313, 911,  1481, 2041, 1107,
                                    779,  1502, 1220, 3723, 1362, 1603, 2967, 4971, 2166, 2210,
                                    5040, 3182, 4198, 4289, 3830, 2596, 3121, 3577};
const std::vector<int> LOCKS_IMPAZ = {0,    2694, 2874, 2791, 2293, 2044, 1728, 1690, 1213, 2839, 1870, 1414, 951,
                                       2029, 3159, 2213, 1223, 602,  985,  876,  1063, 1240, 1687, 590,  2300};
const std::vector<int> LOCKS_INIZIO = {0,    3414, 3095, 2073, 2654, 2874, 3385, 2735, 4267, 5028, 4140, 4604, 4999,
                                        3478, 2799, 3699, 5870, 4546, 4999, 3259, 4314, 2839, 4813, 3460, 3971};
const std::vector<int> LOCKS_FINE = {0, 2230, 2752, 2352, 1539, 1928, 2345, 2102, 2404, 2148, 2485, 1075, 3722, 950};
const std::vector<int> LOCKS_ESCI = {0, 0, 0, 0, 0, 0, 0, 1018, 938, 1934};

const std::vector<int>* lockTimes(const std::string& g) {
    if (g == "1p") return &LOCKS_1P;
    if (g == "1v") return &LOCKS_1V;
    if (g == "2p") return &LOCKS_2P;
    if (g == "2v") return &LOCKS_2V;
    if (g == "Impaz") return &LOCKS_IMPAZ;
    if (g == "Inizio") return &LOCKS_INIZIO;
    if (g == "Fine") return &LOCKS_FINE;
    if (g == "Esci") return &LOCKS_ESCI;
    return nullptr;
}

// The two files chosen by the suit of the human's card when r is 5 or 6.
int suitFile(char suit, int r) {
    if (r == 5) return suit == 'd' ? 21 : suit == 's' ? 25 : suit == 'c' ? 23 : 28;
    return suit == 'd' ? 22 : suit == 's' ? 26 : suit == 'c' ? 24 : 27;
}

const char* const ROOT = "C:\\Programmi\\Zelvo\\";

}  // namespace

int drawSides(Occasion o) {
    switch (o) {
        case Occasion::Trick: return 48;
        case Occasion::Opening: return 24;
        case Occasion::Impatience: return 12;
        case Occasion::Stay:
        case Occasion::Exit: return 6;
    }
    return 1;
}

bool speaks(Occasion o, Talkativeness t, int r) {
    if (t == Talkativeness::Gossip) return true;
    const int level = t == Talkativeness::Reserved ? 1 : t == Talkativeness::Gentleman ? 2 : t == Talkativeness::Talkative ? 3 : 0;
    if (level == 0) return false;
    switch (o) {
        case Occasion::Trick:
            if (level == 1) return within(r, {{3, 7}, {17, 19}, {30, 32}, {42, 46}});
            if (level == 2) return within(r, {{2, 8}, {16, 20}, {29, 33}, {41, 47}});
            return within(r, {{1, 9}, {15, 21}, {28, 34}, {40, 48}});
        case Occasion::Opening: return r >= (level == 1 ? 17 : level == 2 ? 13 : 9);
        case Occasion::Impatience:
            if (level == 1) return among(r, {1, 5, 8, 11});
            if (level == 2) return among(r, {1, 2, 5, 6, 10, 11});
            return among(r, {1, 3, 4, 5, 7, 8, 10, 12});
        case Occasion::Stay: return r >= (level == 1 ? 5 : level == 2 ? 4 : 3);
        case Occasion::Exit: return r > (level == 1 ? 4 : level == 2 ? 3 : 2);
    }
    return false;
}

std::string remarkFile(const std::string& group, int n) {
    char num[8];
    std::snprintf(num, sizeof num, "%02d", n);
    return std::string(ROOT) + "Commenti\\" + group + "\\" + group + num + ".wav";
}

int remarkLockMs(const std::string& group, int n) {
    const std::vector<int>* d = lockTimes(group);
    if (!d || n < 1 || n >= static_cast<int>(d->size())) return 0;
    return (*d)[n];
}

int filesInGroup(const std::string& group) {
    const std::vector<int>* d = lockTimes(group);
    return d ? static_cast<int>(d->size()) - 1 : 0;
}

int remarkLeadWon(int vh, int r) {
    if (vh > 16) return 13 + (r - 1) / 4;
    if (vh >= 8) {
        if (r <= 18) return 7 + (r - 1) / 3;
        const int second = r > 21 ? 1 : 0;
        if (vh == 8) return 19 + second;
        if (vh == 12) return 21 + second;
        return 23 + second;
    }
    return r <= 12 ? 1 + (r - 1) / 2 : 25 + (r - 13) / 2;
}

int remarkLeadLost(int s, int r) {
    const int base = s < 17 ? 1 : s <= 44 ? 7 : s <= 56 ? 13 : 19;
    return base + (r - 1) / 3;
}

int remarkAnswerLost(int vc, int r) {
    if (vc > 16) return 13 + (r - 1) / 4;
    if (vc >= 8) return 7 + (r - 1) / 4;
    return r <= 12 ? 1 + (r - 1) / 2 : 19 + (r - 13) / 2;
}

int remarkAnswerWon(int r) { return 1 + (r - 1) / 2; }
int remarkHeavyTrump(int r) { return 11 + (r - 1) / 2; }

int remarkAnswerWonLittle(char humanSuit, int r) {
    if (r == 5 || r == 6) return suitFile(humanSuit, r);
    return 7 + (r <= 4 ? r : 11 - r) - 1;
}

int remarkLightTrump(char humanSuit, int r) {
    if (r == 5 || r == 6) return suitFile(humanSuit, r);
    return 17 + (r <= 4 ? r : 11 - r) - 1;
}

int remarkOpening(bool firstGame, Who lastWinner, int r) {
    if (firstGame) {
        const int k = r <= 12 ? r : 25 - r;
        return k % 2 ? (k + 1) / 2 : 13 - k / 2;
    }
    if (lastWinner == Who::PC) return 13 + (r - 1) / 4;
    if (lastWinner == Who::H) return 19 + (r - 1) / 4;
    return 5;
}

int remarkFinal(Who winner, int r) {
    if (winner == Who::Nobody) return 13;
    const int k = r <= 6 ? r : r <= 12 ? 13 - r : 19 - r;
    return winner == Who::PC ? k : 6 + k;
}

int remarkImpatience(int r) { return r <= 24 ? r : 49 - r; }
int remarkStay(int r) { return 7 + (r - 1) % 3; }
int remarkExit(int r) { return r; }

Noise cardNoise(int v) {
    if (v < 8) return {"C:\\Programmi\\Zelvo\\Rumori\\liscio.wav", 338};
    if (v == 8) return {"C:\\Programmi\\Zelvo\\Rumori\\fante.wav", 338};
    if (v == 12) return {"C:\\Programmi\\Zelvo\\Rumori\\cavallo.wav", 360};
    if (v == 16) return {"C:\\Programmi\\Zelvo\\Rumori\\re.wav", 376};
    if (v == 40) return {"C:\\Programmi\\Zelvo\\Rumori\\tre.wav", 262};
    if (v == 44) return {"C:\\Programmi\\Zelvo\\Rumori\\asso.wav", 356};
    // Not a strength value: no file, only the lock of the lightest card.
    return {"", 338};
}

std::string dealNoise(int r) {
    return std::string(ROOT) + "Rumori\\carta" + std::to_string(r) + ".wav";
}

std::string takingNoise(int r) { return std::string(ROOT) + "Rumori\\Presa" + std::to_string(r) + ".wav"; }

std::string reviewNoise(int phase, int trick, int r, bool namesWhite, int pointsPC, bool songPlaying) {
    const std::string dir = std::string(ROOT) + "Rumori\\";
    auto card = [&](int k) { return dir + "Carta" + std::to_string(k) + ".wav"; };
    auto taking = [&] { return dir + (r <= 2 ? "Presa1.wav" : "Presa2.wav"); };
    auto end = [&]() -> std::string {
        if (pointsPC == 60) return dir + "Presa1.wav";
        if (songPlaying) return "";
        return dir + (pointsPC < 60 ? "Mameli.wav" : "GodSave.wav");
    };
    const bool late = trick >= 18;
    switch (phase) {
        case 1: return card(r);
        case 2:
            if (!late) return card(1);
            if (!namesWhite) return end();
            return trick == 18 ? card(1) : taking();
        case 3: return late ? "" : card(2);
        case 4:
            if (late || namesWhite) return taking();
            return end();
        default: return "";
    }
}

namespace {
const Song SONGS[SONG_COUNT + 1] = {
    {"", 0, 0},
    {"'La bella Gigogin' - Melodia popolare della Lombardia", 52625, 1550},
    {"'Io vado all'orto' - Melodia popolare del Molise", 38500, 1550},
    {"'Quant'\xC3\xA8 bello lu primo amor' - Melodia popolare della Basilicata", 43630, 1440},
    {"'Le soir \xC3\xA0 la montagne' - Melodia popolare della Valle d'Aosta", 51000, 1440},
    {"'Vitti 'na crozza' - Melodia popolare della Sicilia", 53000, 1550},
    {"'La domenica andando alla Messa' - Melodia popolare del Trentino", 60500, 1440},
    {"'Svegghiatevi da 'isonno' - Melodia popolare della Toscana", 41080, 1440},
    {"'Vola vola vola' - Melodia popolare dell'Abruzzo", 48500, 1550},
    {"'Maddalena' - Melodia popolare della Liguria", 30600, 1550},
    {"'Ai preat la biele stele' - Melodia popolare del Friuli-Venezia Giulia", 32635, 1440},
    {"'Bedda uagnedde' - Melodia popolare della Puglia", 31595, 1550},
    {"'La Monferrina' - Melodia popolare del Piemonte", 46500, 1550},
    {"'Ma chi boli' - Melodia popolare della Sardegna", 42095, 1550},
    {"'Calabrisedda' - Melodia popolare della Calabria", 48500, 1550},
    {"'Wettstreit' - Melodia popolare dell'Alto Adige", 30555, 1550},
    {"'Serenata' - Melodia popolare delle Marche", 46070, 1550},
    {"'La mula de Parenzo' - Melodia popolare del Veneto", 42625, 1550},
    {"'Il vino dei Castelli' - Melodia popolare del Lazio", 54065, 1550},
    {"'L'invito' - Melodia popolare dell'Umbria", 34000, 1550},
    {"'Sciur Padrun da li beli braghi bianchi' - Melodia popolare dell'Emilia-Romagna", 47115, 1440},
    {"'Santa Lucia' - Melodia popolare della Campania", 57000, 1550},
};
}  // namespace

const Song& song(int n) { return SONGS[(n >= 1 && n <= SONG_COUNT) ? n : 0]; }

std::string songFile(int n) {
    char num[8];
    std::snprintf(num, sizeof num, "%02d", n);
    return std::string(ROOT) + "Musiche\\MelPop" + num + ".mid";
}

int musicPause(MusicFrequency f) {
    switch (f) {
        case MusicFrequency::Always: return 10;
        case MusicFrequency::Often: return 16000;
        case MusicFrequency::Sometimes: return 32000;
        case MusicFrequency::Rarely: return 64000;
        default: return 0;
    }
}

int impatienceInterval(Temper t) {
    switch (t) {
        case Temper::QuiteTolerant: return 667;
        case Temper::Impatient: return 500;
        case Temper::Edgy: return 334;
        case Temper::VeryNervous: return 250;
        default: return 0;
    }
}

const char* const ENGLISH_ANTHEM_FILE = "C:\\Programmi\\Zelvo\\Musiche\\GodSave.mid";
const char* const ITALIAN_ANTHEM_FILE = "C:\\Programmi\\Zelvo\\Musiche\\Mameli.mid";
const char* const ENGLISH_ANTHEM_TITLE = "'God save the Queen' - Inno nazionale inglese";
const char* const ITALIAN_ANTHEM_TITLE = "'Fratelli d'Italia' - Inno nazionale italiano";
const char* const THEME_FILE = "C:\\Programmi\\Zelvo\\Musiche\\ZlvSigla.mid";

}  // namespace zelvo::audio
