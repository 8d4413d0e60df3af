#include "audio/tabelle.h"

#include <cstdio>
#include <initializer_list>
#include <utility>
#include <vector>

namespace zelvo::suoni {

namespace {

bool tra(int r, std::initializer_list<std::pair<int, int>> intervalli) {
    for (auto [a, b] : intervalli)
        if (r >= a && r <= b) return true;
    return false;
}

bool fra(int r, std::initializer_list<int> valori) {
    for (int v : valori)
        if (r == v) return true;
    return false;
}

// The lock times of the remark files, index 1..n.
const std::vector<int> DURATE_1P = {0,    1969, 1443, 1603, 1829, 880,  1411, 1902, 2399, 1321, 2325, 1348, 1882,
                                    1551, 1655, 2600, 2718, 2009, 3545, 2375, 3170, 2967, 1070, 2440, 1128};
const std::vector<int> DURATE_1V = {0,    2035, 1880, 2828, 1667, 3443, 1766, 1809, 1298, 2125, 2050, 1449,
                                    838,  1400, 3579, 1143, 2183, 1522, 1629, 3894, 1516, 1620, 2719, 1911,
                                    1469, 1650, 1539, 1796, 1549, 2801, 1802};
const std::vector<int> DURATE_2P = {0,    1626, 1819, 1797, 1661, 1849, 2718, 1882, 2450, 1624, 2718, 1034, 1506,
                                    3704, 2497, 2230, 2119, 2712, 1792, 790,  2888, 2333, 1432, 1550, 3877};
const std::vector<int> DURATE_2V = {0,    1893, 1644, 1094, 3037, 1682, 1313, 911,  1481, 2041, 1107,
                                    779,  1502, 1220, 3723, 1362, 1603, 2967, 4971, 2166, 2210,
                                    5040, 3182, 4198, 4289, 3830, 2596, 3121, 3577};
const std::vector<int> DURATE_IMPAZ = {0,    2694, 2874, 2791, 2293, 2044, 1728, 1690, 1213, 2839, 1870, 1414, 951,
                                       2029, 3159, 2213, 1223, 602,  985,  876,  1063, 1240, 1687, 590,  2300};
const std::vector<int> DURATE_INIZIO = {0,    3414, 3095, 2073, 2654, 2874, 3385, 2735, 4267, 5028, 4140, 4604, 4999,
                                        3478, 2799, 3699, 5870, 4546, 4999, 3259, 4314, 2839, 4813, 3460, 3971};
const std::vector<int> DURATE_FINE = {0, 2230, 2752, 2352, 1539, 1928, 2345, 2102, 2404, 2148, 2485, 1075, 3722, 950};
const std::vector<int> DURATE_ESCI = {0, 0, 0, 0, 0, 0, 0, 1018, 938, 1934};

const std::vector<int>* durate(const std::string& g) {
    if (g == "1p") return &DURATE_1P;
    if (g == "1v") return &DURATE_1V;
    if (g == "2p") return &DURATE_2P;
    if (g == "2v") return &DURATE_2V;
    if (g == "Impaz") return &DURATE_IMPAZ;
    if (g == "Inizio") return &DURATE_INIZIO;
    if (g == "Fine") return &DURATE_FINE;
    if (g == "Esci") return &DURATE_ESCI;
    return nullptr;
}

// The two files chosen by the suit of the human's card when r is 5 or 6.
int fileSeme(char seme, int r) {
    if (r == 5) return seme == 'd' ? 21 : seme == 's' ? 25 : seme == 'c' ? 23 : 28;
    return seme == 'd' ? 22 : seme == 's' ? 26 : seme == 'c' ? 24 : 27;
}

const char* const RADICE = "C:\\Programmi\\Zelvo\\";

}  // namespace

int lati(Occasione o) {
    switch (o) {
        case Occasione::Presa: return 48;
        case Occasione::Apertura: return 24;
        case Occasione::Impazienza: return 12;
        case Occasione::Resta:
        case Occasione::Uscita: return 6;
    }
    return 1;
}

bool personalitaNota(const std::string& p) {
    return p == "Taciturno" || p == "Riservato" || p == "Gentleman" || p == "Loquace" || p == "Pettegolo";
}

bool parla(Occasione o, const std::string& p, int r) {
    if (p == "Pettegolo") return true;
    const int livello = p == "Riservato" ? 1 : p == "Gentleman" ? 2 : p == "Loquace" ? 3 : 0;
    if (livello == 0) return false;
    switch (o) {
        case Occasione::Presa:
            if (livello == 1) return tra(r, {{3, 7}, {17, 19}, {30, 32}, {42, 46}});
            if (livello == 2) return tra(r, {{2, 8}, {16, 20}, {29, 33}, {41, 47}});
            return tra(r, {{1, 9}, {15, 21}, {28, 34}, {40, 48}});
        case Occasione::Apertura: return r >= (livello == 1 ? 17 : livello == 2 ? 13 : 9);
        case Occasione::Impazienza:
            if (livello == 1) return fra(r, {1, 5, 8, 11});
            if (livello == 2) return fra(r, {1, 2, 5, 6, 10, 11});
            return fra(r, {1, 3, 4, 5, 7, 8, 10, 12});
        case Occasione::Resta: return r >= (livello == 1 ? 5 : livello == 2 ? 4 : 3);
        case Occasione::Uscita: return r > (livello == 1 ? 4 : livello == 2 ? 3 : 2);
    }
    return false;
}

std::string fileCommento(const std::string& gruppo, int n) {
    char num[8];
    std::snprintf(num, sizeof num, "%02d", n);
    return std::string(RADICE) + "Commenti\\" + gruppo + "\\" + gruppo + num + ".wav";
}

int durataCommento(const std::string& gruppo, int n) {
    const std::vector<int>* d = durate(gruppo);
    if (!d || n < 1 || n >= static_cast<int>(d->size())) return 0;
    return (*d)[n];
}

int fileNelGruppo(const std::string& gruppo) {
    const std::vector<int>* d = durate(gruppo);
    return d ? static_cast<int>(d->size()) - 1 : 0;
}

int sceltaVinceDiMano(int vh, int r) {
    if (vh > 16) return 13 + (r - 1) / 4;
    if (vh >= 8) {
        if (r <= 18) return 7 + (r - 1) / 3;
        const int secondo = r > 21 ? 1 : 0;
        if (vh == 8) return 19 + secondo;
        if (vh == 12) return 21 + secondo;
        return 23 + secondo;
    }
    return r <= 12 ? 1 + (r - 1) / 2 : 25 + (r - 13) / 2;
}

int sceltaPerdeDiMano(int s, int r) {
    const int base = s < 17 ? 1 : s <= 44 ? 7 : s <= 56 ? 13 : 19;
    return base + (r - 1) / 3;
}

int sceltaPerdeRispondendo(int vc, int r) {
    if (vc > 16) return 13 + (r - 1) / 4;
    if (vc >= 8) return 7 + (r - 1) / 4;
    return r <= 12 ? 1 + (r - 1) / 2 : 19 + (r - 13) / 2;
}

int sceltaVinceRispondendo(int r) { return 1 + (r - 1) / 2; }
int sceltaBriscolaPesante(int r) { return 11 + (r - 1) / 2; }

int sceltaVinceRispondendoPoco(char semeH, int r) {
    if (r == 5 || r == 6) return fileSeme(semeH, r);
    return 7 + (r <= 4 ? r : 11 - r) - 1;
}

int sceltaBriscolaLeggera(char semeH, int r) {
    if (r == 5 || r == 6) return fileSeme(semeH, r);
    return 17 + (r <= 4 ? r : 11 - r) - 1;
}

int sceltaApertura(bool primoGioco, Who ultimo, int r) {
    if (primoGioco) {
        const int k = r <= 12 ? r : 25 - r;
        return k % 2 ? (k + 1) / 2 : 13 - k / 2;
    }
    if (ultimo == Who::PC) return 13 + (r - 1) / 4;
    if (ultimo == Who::H) return 19 + (r - 1) / 4;
    return 5;
}

int sceltaFinale(Who vincitore, int r) {
    if (vincitore == Who::Nobody) return 13;
    const int k = r <= 6 ? r : r <= 12 ? 13 - r : 19 - r;
    return vincitore == Who::PC ? k : 6 + k;
}

int sceltaImpazienza(int r) { return r <= 24 ? r : 49 - r; }
int sceltaResta(int r) { return 7 + (r - 1) % 3; }
int sceltaUscita(int r) { return r; }

Rumore rumoreCarta(int v) {
    if (v < 8) return {"C:\\Programmi\\Zelvo\\Rumori\\liscio.wav", 338};
    if (v == 8) return {"C:\\Programmi\\Zelvo\\Rumori\\fante.wav", 338};
    if (v == 12) return {"C:\\Programmi\\Zelvo\\Rumori\\cavallo.wav", 360};
    if (v == 16) return {"C:\\Programmi\\Zelvo\\Rumori\\re.wav", 376};
    if (v == 40) return {"C:\\Programmi\\Zelvo\\Rumori\\tre.wav", 262};
    if (v == 44) return {"C:\\Programmi\\Zelvo\\Rumori\\asso.wav", 356};
    // Not a strength value: no file, only the lock of the lightest card.
    return {"", 338};
}

std::string rumoreDistribuzione(int r) {
    return std::string(RADICE) + "Rumori\\carta" + std::to_string(r) + ".wav";
}

std::string rumorePresa(int r) { return std::string(RADICE) + "Rumori\\Presa" + std::to_string(r) + ".wav"; }

std::string fileAnalisi(int fase, int manche, int r, bool nomiBianchi, int puntiPC, bool branoInCorso) {
    const std::string rumori = std::string(RADICE) + "Rumori\\";
    auto carta = [&](int k) { return rumori + "Carta" + std::to_string(k) + ".wav"; };
    auto presa = [&] { return rumori + (r <= 2 ? "Presa1.wav" : "Presa2.wav"); };
    auto fine = [&]() -> std::string {
        if (puntiPC == 60) return rumori + "Presa1.wav";
        if (branoInCorso) return "";
        return rumori + (puntiPC < 60 ? "Mameli.wav" : "GodSave.wav");
    };
    const bool tardi = manche >= 18;
    switch (fase) {
        case 1: return carta(r);
        case 2:
            if (!tardi) return carta(1);
            if (!nomiBianchi) return fine();
            return manche == 18 ? carta(1) : presa();
        case 3: return tardi ? "" : carta(2);
        case 4:
            if (tardi || nomiBianchi) return presa();
            return fine();
        default: return "";
    }
}

namespace {
const Brano BRANI[NUMERO_BRANI + 1] = {
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

const Brano& brano(int n) { return BRANI[(n >= 1 && n <= NUMERO_BRANI) ? n : 0]; }

std::string fileBrano(int n) {
    char num[8];
    std::snprintf(num, sizeof num, "%02d", n);
    return std::string(RADICE) + "Musiche\\MelPop" + num + ".mid";
}

int pausaMusica(const std::string& f) {
    if (f == "Sempre") return 10;
    if (f == "Spesso") return 16000;
    if (f == "Ogni tanto") return 32000;
    if (f == "Raramente") return 64000;
    return 0;
}

int intervalloImpazienza(const std::string& c) {
    if (c == "Abbastanza tollerante") return 667;
    if (c == "Impaziente") return 500;
    if (c == "Nervosetto") return 334;
    if (c == "Assai nervoso") return 250;
    return 0;
}

const char* const FILE_INNO_INGLESE = "C:\\Programmi\\Zelvo\\Musiche\\GodSave.mid";
const char* const FILE_INNO_ITALIANO = "C:\\Programmi\\Zelvo\\Musiche\\Mameli.mid";
const char* const TITOLO_INNO_INGLESE = "'God save the Queen' - Inno nazionale inglese";
const char* const TITOLO_INNO_ITALIANO = "'Fratelli d'Italia' - Inno nazionale italiano";
const char* const FILE_SIGLA = "C:\\Programmi\\Zelvo\\Musiche\\ZlvSigla.mid";

}  // namespace zelvo::suoni
