// The pictures the build draws, as the game loads them: every file it names has its
// format, its proportions and a drawing of its own; the decks are drawn apart card by
// card; a Piacentine trump shows its rank above the deck. Beside the data: the icon.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "cards/card.h"
#include "model/look.h"
#include "platform/media/mixer.h"
#include "ui/title_window.h"

using namespace zelvo;

namespace {

struct ImageFile {
    std::string format, bytes;  // the format as Qt names it ("jpeg", "gif", "bmp", "png"); empty when unreadable
    QImage image;
};

// A file the game names ("C:\Programmi\Zelvo\Grafica\Rombi.gif") or a real path.
ImageFile open(const std::string& file) {
    const std::string path = file.starts_with("C:\\") ? media::defaultPath(file) : file;
    std::ifstream f(path, std::ios::binary);
    QImageReader reader(QString::fromStdString(path));
    ImageFile p{reader.format().toStdString(), std::string(std::istreambuf_iterator<char>(f), {}), reader.read()};
    if (p.image.isNull()) p.format.clear();
    return p;
}

constexpr CardStyle STYLES[] = {CardStyle::Piacentine, CardStyle::Napoletane, CardStyle::Unknown};  // the last: the optional deck

// A face at twice its size on the table, 79 x 161 pixels, about what a full-HD screen shows.
constexpr int W = 158, H = 322;
QImage view(const QImage& face, QImage::Format format) {
    return face.scaled(W, H, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(format);
}

// The edge map of a face: where the Sobel gradient of its grey is strong, leaving out a band
// along the border, where a deck's frame would be.
std::vector<bool> edges(const QImage& face) {
    const QImage g = view(face, QImage::Format_Grayscale8);
    auto at = [&](int x, int y) { return int(g.constScanLine(y)[x]); };
    auto column = [&](int x, int y) { return at(x, y - 1) + 2 * at(x, y) + at(x, y + 1); };
    auto row = [&](int x, int y) { return at(x - 1, y) + 2 * at(x, y) + at(x + 1, y); };
    std::vector<bool> m(W * H, false);
    for (int y = 10; y < H - 10; ++y)
        for (int x = 10; x < W - 10; ++x)
            m[y * W + x] = std::hypot(column(x + 1, y) - column(x - 1, y), row(x, y + 1) - row(x, y - 1)) >= 160;
    return m;
}

// How far apart two drawings are: the share of the edge pixels of either map with no edge
// pixel of the other within one pixel. 0 for one drawing in any colours, near 1 for unrelated ones.
double edgeDistance(const std::vector<bool>& a, const std::vector<bool>& b) {
    constexpr int AROUND[] = {-W - 1, -W, -W + 1, -1, 0, 1, W - 1, W, W + 1};
    int alone = 0, all = 0;
    for (int i = W + 1; i < W * H - W - 1; ++i)  // the edges lie 10 pixels inside the border
        for (const auto& [m, o] : {std::pair{&a, &b}, {&b, &a}})
            if ((*m)[i]) ++all, alone += std::none_of(std::begin(AROUND), std::end(AROUND), [&](int d) { return (*o)[i + d]; });
    return all ? double(alone) / all : 0.0;
}

// The pips of a plain face: each connected patch, inside the frame, of what is not the card's
// ground (its commonest colour), with its area in all and above `coverLine` and the mean height there.
struct Shape {
    int area = 0, areaAbove = 0;
    double yAbove = 0;
};
std::vector<Shape> shapes(const QImage& face, int coverLine) {
    if (face.isNull()) return {};
    const QImage im = view(face, QImage::Format_RGB32);
    std::map<QRgb, int> count;
    for (int i = 0; i < W * H; ++i) ++count[im.pixel(i % W, i / W) & 0xF0F0F0];
    const QRgb g = std::max_element(count.begin(), count.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    std::vector<bool> ink(W * H);
    for (int y = 12; y < H - 12; ++y)
        for (int x = 12; x < W - 12; ++x) {
            const QRgb c = im.pixel(x, y) & 0xF0F0F0;
            auto apart = [&](int (*part)(QRgb)) { return std::abs(part(c) - part(g)); };
            ink[y * W + x] = std::max({apart(qRed), apart(qGreen), apart(qBlue)}) > 48;
        }
    std::vector<Shape> out;
    for (int first = 0; first < W * H; ++first) {
        if (!ink[first]) continue;
        Shape s;
        std::vector<int> todo{first};
        for (ink[first] = false; !todo.empty();) {  // each pixel is taken off the ink as it joins a shape
            const int i = todo.back();
            todo.pop_back();
            ++s.area;
            if (i / W < coverLine) ++s.areaAbove, s.yAbove += i / W;
            for (int j : {i + 1, i - 1, i + W, i - W})
                if (ink[j]) ink[j] = false, todo.push_back(j);
        }
        if (s.areaAbove) s.yAbove /= s.areaAbove;
        out.push_back(s);
    }
    // Specks of a pip's outline left over by the scaling are no pips.
    const int largest = out.empty() ? 0 : std::ranges::max_element(out, {}, &Shape::area)->area;
    std::erase_if(out, [&](const Shape& s) { return s.area < largest / 20; });
    return out;
}

}  // namespace

// Every picture the game loads, and the icon beside the data.
TEST(Pictures, EveryPictureHasItsFormatProportionsAndADrawingOfItsOwn) {
    const std::string art = "C:\\Programmi\\Zelvo\\Grafica\\", icons = ZELVO_BUILD_DATA_DIR "/../icons/hicolor/";
    // The file, its format, the proportion of its width to its height (0: any), its least width, and
    // 1: an alpha channel; 2: also a clear corner, and solid over a quarter of it at least.
    std::vector<std::tuple<std::string, std::string, double, double, int, int>> rows = {
        {art + "Italia.bmp", "bmp", 3, 2, 275, 0},  // each as large as fits
        {art + "Inghil.bmp", "bmp", 2, 1, 289, 0},  // the 289 x 184 flag frame, or more
        {art + "Autore.jpg", "jpeg", 0, 0, 0, 0}};
    for (CardStyle style : STYLES)
        for (int cell = 1; cell <= 40; ++cell) rows.push_back({faceFile(cards::codeOf(cell), style), "jpeg", 1185, 2415, 237, 0});
    for (const char* design : BACK_DESIGNS)
        if (!backFile(design).empty()) rows.push_back({backFile(design), "gif", 1185, 2415, 237, 2});
    for (int q = 1; q <= 8; ++q) rows.push_back({symbolFile(q), "gif", 0, 0, 0, 1});
    for (const std::string n : {"16", "32", "48", "64", "128", "256"})
        rows.push_back({icons + n + "x" + n + "/apps/zelvo.png", "png", 1, 1, std::stoi(n), 2});
    ASSERT_EQ(rows.size(), 3u + 120 + 12 + 8 + 6);
    std::set<std::string> seen;
    for (const auto& [file, format, w, h, minWidth, alpha] : rows) {
        SCOPED_TRACE(file);
        const ImageFile p = open(file);
        const QImage& im = p.image;
        ASSERT_EQ(p.format, format);
        EXPECT_TRUE((format != "jpeg" || p.bytes.ends_with("\xFF\xD9")) && (format != "bmp" || p.bytes[28] == 24))
            << "a JPEG cut short or a bitmap not of 24 bits";
        EXPECT_TRUE(!w || std::abs(im.height() - im.width() * h / w) <= 1.0) << im.width() << "x" << im.height();
        EXPECT_TRUE(im.width() >= minWidth && (im.hasAlphaChannel() || !alpha)) << im.width();
        int solid = 0;
        for (int y = 0; alpha == 2 && y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x) solid += qAlpha(im.pixel(x, y)) == 255;
        EXPECT_TRUE(alpha < 2 || (qAlpha(im.pixel(0, 0)) == 0 && solid > im.width() * im.height() / 4)) << solid;
        EXPECT_TRUE(seen.insert(p.bytes).second) << "the same picture as another";
    }
    EXPECT_GT(open(art + "Autore.jpg").image.height(), open(art + "Autore.jpg").image.width());  // a portrait stands upright
    // The suit symbols are shown at one height, the Napoletane narrower than the Piacentine.
    for (int q = 1; q <= 8; q += 2) {
        const QImage nap = open(symbolFile(q)).image, pia = open(symbolFile(q + 1)).image;
        EXPECT_EQ(nap.height(), pia.height()) << q;
        EXPECT_NEAR(nap.width() * double(symbolWidth(q + 1)) / symbolWidth(q), pia.width(), 1.5) << q;
    }
    const std::string svg = open(icons + "scalable/apps/zelvo.svg").bytes;
    EXPECT_TRUE(svg.find("<svg") != std::string::npos && svg.find("</svg>") != std::string::npos) << svg.size();
}

// Each deck is its own drawing, not another's in new colours: for every card, every two decks'
// edge maps lie far apart, while a card and the same card recoloured lie close.
TEST(Pictures, EveryTwoDecksDrawEachCardApart) {
    for (auto [a, b] : {std::pair{0, 1}, {0, 2}, {1, 2}})
        for (int cell = 1; cell <= 40; ++cell) {
            const std::string one = faceFile(cards::codeOf(cell), STYLES[a]), other = faceFile(cards::codeOf(cell), STYLES[b]);
            const QImage x = open(one).image, y = open(other).image;
            ASSERT_FALSE(x.isNull() || y.isNull()) << one << " or " << other << " is missing";
            const auto ex = edges(x);
            EXPECT_GE(edgeDistance(ex, edges(y)), 0.3) << one << " and " << other;
            EXPECT_LE(edgeDistance(ex, edges(x.rgbSwapped())), 0.05) << one;
        }
}

// The trump lies under the deck, which covers it from 1170 of its 2415 twips down. The
// Piacentine carry no numbers, so the pips above that line tell the rank: each pip that shows
// shows at least half of itself, and the rows of pips that show differ from rank to rank.
TEST(Pictures, ThePiacentineTrumpPipsAboveTheDeckTellTheRank) {
    for (char suit : cards::SUITS) {
        std::set<std::vector<int>> seen;
        for (char rank : std::string("234567")) {
            const std::string file = faceFile({rank, suit}, CardStyle::Piacentine);
            const std::vector<Shape> pips = shapes(open(file).image, H * 1170 / 2415);
            EXPECT_EQ(int(pips.size()), rank - '0') << file;
            std::vector<double> heights;
            for (const Shape& s : pips)
                if (s.areaAbove) {
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
