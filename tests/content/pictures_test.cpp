// The pictures below the data root: every file the game loads exists, has the
// format its name promises and the size the table and the title window expect;
// the two regional decks are drawn apart card by card; a Piacentine trump shows
// its rank above the deck. Beside the data: the icon and the contact sheets.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kData = ZELVO_BUILD_DATA_DIR;
const std::string kShare = kData + "/..";  // the build's share folder, beside the data

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(f), {});
}

struct Picture {
    std::string format;  // as Qt names it ("jpeg", "gif", "bmp", "png"); empty when missing or unreadable
    QImage image;
    std::string bytes;
};

Picture open(const std::string& relative, const std::string& root = kData) {
    Picture p;
    const auto b = readFile(root + "/" + relative);
    if (!b) return p;
    p.bytes = *b;
    QByteArray data(b->data(), qsizetype(b->size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    p.format = reader.format().toStdString();
    p.image = reader.read();
    if (p.image.isNull()) p.format.clear();
    return p;
}

bool endsWith(const std::string& b, const std::string& tail) {
    return b.size() >= tail.size() && b.compare(b.size() - tail.size(), tail.size(), tail) == 0;
}

// w : h as the measures `tw` : `th`, to within one pixel of height.
bool inProportion(const QImage& im, double tw, double th) {
    return std::abs(im.height() - im.width() * th / tw) <= 1.0;
}

struct Deck {
    const char* folder;
    char digit;
};
constexpr Deck kPiacentine{"Piacenti", '2'}, kNapoletane{"Napoleta", '1'}, kContrast{"Opzional", '3'};
constexpr Deck kDecks[] = {kPiacentine, kNapoletane, kContrast};
constexpr char kRanks[] = "24567FCR3A";

std::vector<std::string> codes() {
    std::vector<std::string> c;
    for (char suit : std::string("dscb"))
        for (char rank : std::string(kRanks)) c.push_back({rank, suit});
    return c;
}

std::string face(const Deck& d, const std::string& code) { return std::string(d.folder) + "/" + code + d.digit + ".jpg"; }

// A face at twice the table's design size of 79 x 161 pixels, about what a
// full-HD screen shows.
constexpr int kViewW = 158, kViewH = 322;
QImage view(const QImage& face) {
    return face.scaled(kViewW, kViewH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The edge map of a face: grey, where the Sobel gradient is strong; a band
// along the border, where a deck's frame would be, is left out.
using EdgeMap = std::vector<bool>;
EdgeMap edges(const QImage& face) {
    const QImage g = view(face).convertToFormat(QImage::Format_Grayscale8);
    constexpr int border = 10, strong = 160;
    EdgeMap m(kViewW * kViewH, false);
    auto at = [&](int x, int y) { return int(g.constScanLine(y)[x]); };
    for (int y = border; y < kViewH - border; ++y)
        for (int x = border; x < kViewW - border; ++x) {
            const int gx = at(x + 1, y - 1) + 2 * at(x + 1, y) + at(x + 1, y + 1) - at(x - 1, y - 1) - 2 * at(x - 1, y) -
                           at(x - 1, y + 1);
            const int gy = at(x - 1, y + 1) + 2 * at(x, y + 1) + at(x + 1, y + 1) - at(x - 1, y - 1) - 2 * at(x, y - 1) -
                           at(x + 1, y - 1);
            m[y * kViewW + x] = std::hypot(gx, gy) >= strong;
        }
    return m;
}

// How far apart two drawings are: the share of the edge pixels of either map
// that have no edge pixel of the other within one pixel. 0 for the same
// drawing in any colours, near 1 for drawings with nothing in common.
double edgeDistance(const EdgeMap& a, const EdgeMap& b) {
    auto near = [](const EdgeMap& m, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int u = x + dx, v = y + dy;
                if (u >= 0 && v >= 0 && u < kViewW && v < kViewH && m[v * kViewW + u]) return true;
            }
        return false;
    };
    int alone = 0, all = 0;
    for (int y = 0; y < kViewH; ++y)
        for (int x = 0; x < kViewW; ++x) {
            if (a[y * kViewW + x]) ++all, alone += !near(b, x, y);
            if (b[y * kViewW + x]) ++all, alone += !near(a, x, y);
        }
    return all ? double(alone) / all : 0.0;
}

// The pips of a plain face as separate shapes: each connected patch of
// everything that is not the card's ground, inside the frame.
struct Shape {
    int area = 0, areaAbove = 0;  // in all, and above the line where the deck covers the trump
    double yAbove = 0;            // mean height of the part above that line
};

std::vector<Shape> shapes(const QImage& face, int coverLine) {
    const QImage im = view(face).convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> count;
    for (int y = 0; y < kViewH; ++y)
        for (int x = 0; x < kViewW; ++x) ++count[im.pixel(x, y) & 0xF0F0F0];
    const QRgb ground = std::max_element(count.begin(), count.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    auto ink = [&](int x, int y) {
        const QRgb c = im.pixel(x, y) & 0xF0F0F0;
        return std::max({std::abs(qRed(c) - qRed(ground)), std::abs(qGreen(c) - qGreen(ground)),
                         std::abs(qBlue(c) - qBlue(ground))}) > 48;
    };
    constexpr int frame = 12;
    std::vector<int> label(kViewW * kViewH, -1);
    std::vector<Shape> out;
    for (int y0 = frame; y0 < kViewH - frame; ++y0)
        for (int x0 = frame; x0 < kViewW - frame; ++x0) {
            if (label[y0 * kViewW + x0] >= 0 || !ink(x0, y0)) continue;
            Shape s;
            std::vector<std::pair<int, int>> todo{{x0, y0}};
            label[y0 * kViewW + x0] = int(out.size());
            while (!todo.empty()) {
                const auto [x, y] = todo.back();
                todo.pop_back();
                ++s.area;
                if (y < coverLine) ++s.areaAbove, s.yAbove += y;
                for (auto [u, v] : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}})
                    if (u >= frame && v >= frame && u < kViewW - frame && v < kViewH - frame &&
                        label[v * kViewW + u] < 0 && ink(u, v)) {
                        label[v * kViewW + u] = int(out.size());
                        todo.push_back({u, v});
                    }
            }
            if (s.areaAbove) s.yAbove /= s.areaAbove;
            out.push_back(s);
        }
    // Specks of a pip's outline left over by the scaling are no pips.
    const int largest = out.empty() ? 0 : std::max_element(out.begin(), out.end(), [](auto& a, auto& b) { return a.area < b.area; })->area;
    std::erase_if(out, [&](const Shape& s) { return s.area < largest / 20; });
    return out;
}

}  // namespace

TEST(CardFaces, EveryCodeInEveryStyleIsACompleteJpegOfCardProportions) {
    ASSERT_EQ(codes().size(), 40u);
    for (const Deck& d : kDecks)
        for (const std::string& c : codes()) {
            const Picture p = open(face(d, c));
            ASSERT_EQ(p.format, "jpeg") << face(d, c);
            EXPECT_TRUE(endsWith(p.bytes, "\xFF\xD9")) << face(d, c) << " is cut short";
            EXPECT_GE(p.image.width(), 237) << face(d, c);
            EXPECT_TRUE(inProportion(p.image, 1185, 2415)) << face(d, c);
        }
}

TEST(CardFaces, NoTwoCardsOfADeckShareAPicture) {
    for (const Deck& d : kDecks) {
        std::set<std::string> seen;
        for (const std::string& c : codes())
            EXPECT_TRUE(seen.insert(readFile(kData + "/" + face(d, c)).value_or(c)).second) << face(d, c);
    }
}

// Each deck is its own drawing, not another's in new colours: for every card
// code, every two decks' edge maps lie far apart, while a card and the same
// card recoloured lie close.
TEST(CardFaces, EveryTwoDecksDrawEachCardApart) {
    constexpr double kApart = 0.3, kRecoloured = 0.05;
    const Deck pairs[][2] = {{kPiacentine, kNapoletane}, {kPiacentine, kContrast}, {kNapoletane, kContrast}};
    for (const auto& pair : pairs) {
        double smallest = 1;
        std::string where;
        for (const std::string& c : codes()) {
            const QImage a = open(face(pair[0], c)).image, b = open(face(pair[1], c)).image;
            ASSERT_FALSE(a.isNull() || b.isNull()) << c;
            const double d = edgeDistance(edges(a), edges(b));
            if (d < smallest) smallest = d, where = c;
            EXPECT_LE(edgeDistance(edges(a), edges(a.rgbSwapped())), kRecoloured) << face(pair[0], c);
        }
        std::printf("%s / %s: smallest edge distance %.3f (%s)\n", pair[0].folder, pair[1].folder, smallest, where.c_str());
        EXPECT_GE(smallest, kApart) << pair[0].folder << " and " << pair[1].folder << " at " << where;
    }
}

// The trump card lies under the deck, which covers it from 1170 of its 2415
// twips down. The Piacentine carry no numbers, so the pips above that line must
// tell the rank: each pip that shows, shows at least half of itself, and the
// rows of pips that show differ from rank to rank.
TEST(PiacentineTrump, ThePipsAboveTheDeckTellTheRank) {
    const int coverLine = kViewH * 1170 / 2415;
    for (char suit : std::string("dscb")) {
        std::set<std::vector<int>> seen;
        for (char rank : std::string("234567")) {
            const std::string file = face(kPiacentine, {rank, suit});
            const std::vector<Shape> pips = shapes(open(file).image, coverLine);
            EXPECT_EQ(int(pips.size()), rank - '0') << file;
            std::vector<double> heights;
            for (const Shape& s : pips) {
                if (!s.areaAbove) continue;
                EXPECT_GE(s.areaAbove * 2, s.area) << file << ": a pip cut to a sliver by the deck";
                heights.push_back(s.yAbove);
            }
            // Pips whose visible parts lie at about one height make a row.
            std::sort(heights.begin(), heights.end());
            std::vector<int> rows;
            for (size_t i = 0; i < heights.size(); ++i)
                if (i && heights[i] - heights[i - 1] < 8) ++rows.back();
                else rows.push_back(1);
            EXPECT_TRUE(seen.insert(rows).second) << file << " shows the same rows as a lower card";
        }
    }
}

TEST(CardBacks, TwelveTransparentGifsOfCardProportions) {
    const char* names[] = {"Decoro",   "Rombi",  "Spirali",  "Intrecci", "Scacchie", "Ornament",
                           "Arabesch", "Greche", "Asterisc", "Diagonal", "Arzigogo", "Stelle"};
    std::set<std::string> seen;
    for (const char* name : names) {
        const std::string file = std::string("Grafica/") + name + ".gif";
        const Picture p = open(file);
        ASSERT_EQ(p.format, "gif") << file;
        EXPECT_LE(std::string(name).size(), 8u);
        EXPECT_GE(p.image.width(), 237) << file;
        EXPECT_TRUE(inProportion(p.image, 1185, 2415)) << file;
        // The back colour chosen in the options shows through the clear parts.
        EXPECT_TRUE(p.image.hasAlphaChannel() && qAlpha(p.image.pixel(0, 0)) == 0) << file;
        EXPECT_TRUE(seen.insert(p.bytes).second) << file << " repeats another design";
    }
}

TEST(SuitSymbols, EightTransparentGifsNeapolitanNarrowerThanPiacentine) {
    for (const char* suit : {"Bas", "Spa", "Den", "Cop"}) {
        const Picture nap = open(std::string("Grafica/") + suit + "Nap.gif");
        const Picture pia = open(std::string("Grafica/") + suit + "Pia.gif");
        ASSERT_EQ(nap.format, "gif") << suit;
        ASSERT_EQ(pia.format, "gif") << suit;
        EXPECT_TRUE(nap.image.hasAlphaChannel() && pia.image.hasAlphaChannel()) << suit;
        // Shown 1680 and 2325 twips wide at one height.
        EXPECT_EQ(nap.image.height(), pia.image.height()) << suit;
        EXPECT_NEAR(nap.image.width() * 2325.0 / 1680.0, pia.image.width(), 1.5) << suit;
        EXPECT_NE(nap.bytes, pia.bytes) << suit;
    }
}

// The flags in their real proportions, each as large as fits the 4335 x 2760
// twip flag frame at 96 dpi or more; the window centres them in it.
TEST(Flags, ItalyAndBritainInTheirOwnProportions) {
    const struct {
        const char* file;
        double w, h;
    } flags[] = {{"Grafica/Italia.bmp", 3, 2}, {"Grafica/Inghil.bmp", 2, 1}};
    for (const auto& f : flags) {
        const Picture p = open(f.file);
        ASSERT_EQ(p.format, "bmp") << f.file;
        EXPECT_EQ(p.bytes.size() > 28 ? p.bytes[28] : 0, 24) << f.file << " is not a 24-bit bitmap";
        EXPECT_TRUE(inProportion(p.image, f.w, f.h)) << f.file << " " << p.image.width() << "x" << p.image.height();
        EXPECT_TRUE(p.image.width() >= 289 || p.image.height() >= 184) << f.file;
    }
}

TEST(RulesPortrait, IsAJpeg) {
    const Picture p = open("Grafica/Autore.jpg");
    ASSERT_EQ(p.format, "jpeg");
    EXPECT_GT(p.image.height(), p.image.width());  // a portrait stands upright
}

// The icon in the hicolor sizes, drawn on a clear ground, and as a scalable
// drawing; like the contact sheets it lies beside the data, not in it.
TEST(AppIcon, EveryHicolorSizeAndAScalableDrawing) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string file = "icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/zelvo.png";
        const Picture p = open(file, kShare);
        ASSERT_EQ(p.format, "png") << file;
        EXPECT_EQ(p.image.size(), QSize(size, size)) << file;
        EXPECT_EQ(qAlpha(p.image.pixel(0, 0)), 0) << file;
        int solid = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) solid += qAlpha(p.image.pixel(x, y)) == 255;
        EXPECT_GT(solid, size * size / 4) << file << " is mostly empty";
    }
    const auto svg = readFile(kShare + "/icons/hicolor/scalable/apps/zelvo.svg");
    ASSERT_TRUE(svg);
    EXPECT_NE(svg->find("<svg"), std::string::npos);
    EXPECT_NE(svg->find("</svg>"), std::string::npos);
}

TEST(ContactSheets, OneForEachDeckWithItsFortyFacesAndTheirTrumpView) {
    for (const char* name : {"Piacentine", "Napoletane", "AltoContrasto"}) {
        const Picture p = open(std::string("zelvo-sheets/") + name + ".png", kShare);
        ASSERT_EQ(p.format, "png") << name;
        // Ten cards across, four suits down, twice: whole and as the trump.
        EXPECT_GE(p.image.width(), 10 * 79) << name;
        EXPECT_GE(p.image.height(), 4 * 161 + 4 * 78) << name;
    }
    EXPECT_FALSE(readFile(kData + "/zelvo-sheets/Piacentine.png"));
}
