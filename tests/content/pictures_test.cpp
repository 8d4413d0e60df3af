// The pictures below the data root: every file the game loads exists, has the
// format its name promises and the size the table and the title window expect.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "records/formati.h"

namespace {

const std::string kDati = ZELVO_BUILD_DATA_DIR;

std::optional<std::string> leggi(const std::string& relativo) {
    std::ifstream f(kDati + "/" + relativo, std::ios::binary);
    if (!f) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(f), {});
}

unsigned byte(const std::string& b, size_t i) { return i < b.size() ? static_cast<unsigned char>(b[i]) : 0u; }
unsigned le16(const std::string& b, size_t i) { return byte(b, i) | byte(b, i + 1) << 8; }
uint32_t le32(const std::string& b, size_t i) { return le16(b, i) | le16(b, i + 2) << 16; }
unsigned be16(const std::string& b, size_t i) { return byte(b, i) << 8 | byte(b, i + 1); }

struct Picture {
    std::string formato;  // "JPEG", "GIF", "BMP", or empty when the bytes are none of these
    int larghezza = 0, altezza = 0;
    bool trasparente = false;  // a GIF whose first frame has a transparent colour
    int bitPerPixel = 0;       // BMP only
};

// Reads the size from a baseline or progressive JPEG's frame header.
void jpeg(const std::string& b, Picture& im) {
    if (byte(b, 0) != 0xFF || byte(b, 1) != 0xD8 || byte(b, 2) != 0xFF) return;
    if (byte(b, b.size() - 2) != 0xFF || byte(b, b.size() - 1) != 0xD9) return;  // cut short
    for (size_t i = 2; i + 9 < b.size();) {
        if (byte(b, i) != 0xFF) return;
        const unsigned marcatore = byte(b, i + 1);
        const bool inizioFrame = marcatore >= 0xC0 && marcatore <= 0xCF && marcatore != 0xC4 && marcatore != 0xC8 &&
                                 marcatore != 0xCC;
        if (inizioFrame) {
            im.formato = "JPEG";
            im.altezza = int(be16(b, i + 5));
            im.larghezza = int(be16(b, i + 7));
            return;
        }
        i += 2 + be16(b, i + 2);
    }
}

void gif(const std::string& b, Picture& im) {
    if (b.compare(0, 6, "GIF87a") != 0 && b.compare(0, 6, "GIF89a") != 0) return;
    if (byte(b, b.size() - 1) != 0x3B) return;  // the trailer
    im.formato = "GIF";
    im.larghezza = int(le16(b, 6));
    im.altezza = int(le16(b, 8));
    size_t i = 13;
    if (byte(b, 10) & 0x80) i += 3u * (2u << (byte(b, 10) & 7));
    // The graphic control extension before the first image tells whether a colour is transparent.
    while (i < b.size() && byte(b, i) == 0x21) {
        if (byte(b, i + 1) == 0xF9) im.trasparente = byte(b, i + 3) & 1;
        i += 2;
        while (i < b.size() && byte(b, i) != 0) i += 1 + byte(b, i);
        ++i;
    }
}

void bmp(const std::string& b, Picture& im) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || le32(b, 2) != b.size()) return;
    im.formato = "BMP";
    im.larghezza = int(le32(b, 18));
    im.altezza = std::abs(int(le32(b, 22)));
    im.bitPerPixel = int(le16(b, 28));
}

std::optional<Picture> apri(const std::string& relativo) {
    auto b = leggi(relativo);
    if (!b) return std::nullopt;
    Picture im;
    jpeg(*b, im);
    if (im.formato.empty()) gif(*b, im);
    if (im.formato.empty()) bmp(*b, im);
    return im;
}

// w : h as the twip measures `tw` : `th`, to within one pixel of height.
bool inProporzione(const Picture& im, int tw, int th) {
    const double attesa = double(im.larghezza) * th / tw;
    return im.altezza >= attesa - 1.0 && im.altezza <= attesa + 1.0;
}

struct Mazzo {
    const char* cartella;
    char cifra;
};
constexpr Mazzo kMazzi[] = {{"Piacenti", '2'}, {"Napoleta", '1'}, {"Opzional", '3'}};

std::vector<std::string> codici() {
    std::vector<std::string> c;
    for (char seme : std::string("dscb"))
        for (char rango : std::string("24567FCR3A")) c.push_back({rango, seme});
    return c;
}

std::string faccia(const Mazzo& m, const std::string& codice) {
    return std::string(m.cartella) + "/" + codice + m.cifra + ".jpg";
}

}  // namespace

TEST(CardFaces, EveryCodeInEveryStyleIsAJpegOfCardProportions) {
    ASSERT_EQ(codici().size(), 40u);
    for (const Mazzo& m : kMazzi)
        for (const std::string& c : codici()) {
            const std::string file = faccia(m, c);
            auto im = apri(file);
            ASSERT_TRUE(im) << file << " is missing";
            EXPECT_EQ(im->formato, "JPEG") << file;
            EXPECT_GE(im->larghezza, 237) << file;
            EXPECT_GE(im->altezza, 483) << file;
            EXPECT_TRUE(inProporzione(*im, 1185, 2415)) << file << " " << im->larghezza << "x" << im->altezza;
        }
}

TEST(CardFaces, NoTwoCardsOfADeckShareAPicture) {
    for (const Mazzo& m : kMazzi) {
        std::set<std::string> visti;
        for (const std::string& c : codici()) {
            auto b = leggi(faccia(m, c));
            ASSERT_TRUE(b) << faccia(m, c);
            EXPECT_TRUE(visti.insert(*b).second) << faccia(m, c) << " repeats another card of its deck";
        }
    }
}

TEST(CardFaces, TheThreeStylesDrawEachCardDifferently) {
    for (const char* c : {"Ad", "3s", "Rc", "Cb", "Fd", "2c"}) {
        std::set<std::string> stili;
        for (const Mazzo& m : kMazzi) stili.insert(leggi(faccia(m, c)).value_or(""));
        EXPECT_EQ(stili.size(), 3u) << c;
    }
}

TEST(CardBacks, TwelveTransparentGifsOfCardProportions) {
    const char* nomi[] = {"Decoro",   "Rombi",  "Spirali",  "Intrecci", "Scacchie", "Ornament",
                          "Arabesch", "Greche", "Asterisc", "Diagonal", "Arzigogo", "Stelle"};
    std::set<std::string> visti;
    for (const char* nome : nomi) {
        const std::string file = std::string("Grafica/") + nome + ".gif";
        auto im = apri(file);
        ASSERT_TRUE(im) << file << " is missing";
        EXPECT_EQ(im->formato, "GIF") << file;
        EXPECT_LE(std::string(nome).size(), 8u);
        EXPECT_GE(im->larghezza, 237) << file;
        EXPECT_TRUE(inProporzione(*im, 1185, 2415)) << file;
        // The back colour chosen in the options shows through the clear parts.
        EXPECT_TRUE(im->trasparente) << file;
        EXPECT_TRUE(visti.insert(*leggi(file)).second) << file << " repeats another design";
    }
}

TEST(SuitSymbols, EightTransparentGifsNeapolitanNarrowerThanPiacentine) {
    for (const char* seme : {"Bas", "Spa", "Den", "Cop"}) {
        auto nap = apri(std::string("Grafica/") + seme + "Nap.gif");
        auto pia = apri(std::string("Grafica/") + seme + "Pia.gif");
        ASSERT_TRUE(nap && pia) << seme;
        EXPECT_EQ(nap->formato, "GIF") << seme;
        EXPECT_EQ(pia->formato, "GIF") << seme;
        EXPECT_TRUE(nap->trasparente && pia->trasparente) << seme;
        // Shown 1680 and 2325 twips wide at one height.
        EXPECT_EQ(nap->altezza, pia->altezza) << seme;
        EXPECT_NEAR(nap->larghezza * 2325.0 / 1680.0, pia->larghezza, 1.5) << seme;
        EXPECT_NE(leggi(std::string("Grafica/") + seme + "Nap.gif"), leggi(std::string("Grafica/") + seme + "Pia.gif"));
    }
}

TEST(Flags, ItalyAndBritainAreBitmapsOfTheFlagFrame) {
    for (const char* file : {"Grafica/Italia.bmp", "Grafica/Inghil.bmp"}) {
        auto im = apri(file);
        ASSERT_TRUE(im) << file << " is missing";
        EXPECT_EQ(im->formato, "BMP") << file;
        EXPECT_EQ(im->bitPerPixel, 24) << file;
        EXPECT_GE(im->larghezza, 289) << file;  // 4335 twips at 96 dpi
        EXPECT_TRUE(inProporzione(*im, 4335, 2760)) << file;
    }
    EXPECT_NE(leggi("Grafica/Italia.bmp"), leggi("Grafica/Inghil.bmp"));
}

TEST(RulesPortrait, IsAJpeg) {
    auto im = apri("Grafica/Autore.jpg");
    ASSERT_TRUE(im) << "Grafica/Autore.jpg is missing";
    EXPECT_EQ(im->formato, "JPEG");
    EXPECT_GT(im->altezza, im->larghezza);  // a portrait stands upright
}

TEST(OptionalDeckFile, InstallsTheThirdDeckUnderItsName) {
    auto b = leggi("ZlvOpzio.txt");
    ASSERT_TRUE(b) << "ZlvOpzio.txt is missing";
    EXPECT_EQ(*b, "\"Carte Opzionali inserite\"\r\n0\r\n\"Alto Contrasto\"\r\n");
    auto v = zelvo::formati::leggiCarteOpzionali(*b);
    ASSERT_TRUE(v[0] && v[1] && v[2]);
    EXPECT_EQ(*v[0], "Carte Opzionali inserite");
    EXPECT_EQ(*v[1], "0");
    // Any name but the two regional decks selects the optional pictures.
    EXPECT_NE(*v[2], "Piacentine");
    EXPECT_NE(*v[2], "Napoletane");
    EXPECT_FALSE(v[2]->empty());
}

// The readers above must themselves tell a picture from a damaged one.
TEST(PictureReaders, RecogniseSignaturesAndRejectDamage) {
    std::string gif89 = std::string("GIF89a") + std::string("\x10\x00\x20\x00\x00\x00\x00", 7) + "\x3B";
    Picture im;
    gif(gif89, im);
    EXPECT_EQ(im.formato, "GIF");
    EXPECT_EQ(im.larghezza, 16);
    EXPECT_EQ(im.altezza, 32);
    EXPECT_FALSE(im.trasparente);

    Picture corta;
    gif(gif89.substr(0, gif89.size() - 1), corta);  // no trailer
    EXPECT_EQ(corta.formato, "");

    // SOI, an APP0 of length 4, SOF0 with height 483 and width 237, EOI.
    const std::string jpg = std::string("\xFF\xD8\xFF\xE0\x00\x04\x00\x00", 8) +
                            std::string("\xFF\xC0\x00\x11\x08\x01\xE3\x00\xED\x03", 10) + std::string(14, '\0') +
                            std::string("\xFF\xD9", 2);
    Picture j;
    jpeg(jpg, j);
    EXPECT_EQ(j.formato, "JPEG");
    EXPECT_EQ(j.larghezza, 237);
    EXPECT_EQ(j.altezza, 483);
    EXPECT_TRUE(inProporzione(j, 1185, 2415));
    Picture troncato;
    jpeg(jpg.substr(0, jpg.size() - 2), troncato);
    EXPECT_EQ(troncato.formato, "");

    Picture storta{"JPEG", 237, 490};
    EXPECT_FALSE(inProporzione(storta, 1185, 2415));

    std::string bm(58, '\0');
    bm[0] = 'B', bm[1] = 'M', bm[2] = 58, bm[18] = 20, bm[22] = 10, bm[28] = 24;
    Picture b;
    bmp(bm, b);
    EXPECT_EQ(b.formato, "BMP");
    EXPECT_EQ(b.larghezza, 20);
    EXPECT_EQ(b.bitPerPixel, 24);
    bm[2] = 60;  // the header claims more bytes than the file holds
    Picture rotta;
    bmp(bm, rotta);
    EXPECT_EQ(rotta.formato, "");
}
