// Contact sheets: the 40 faces of a deck side by side as the table shows them,
// each in its white frame, and under them the upper part of each face as it
// shows when the card lies as the trump with the deck over it. The sheets go into
// the build tree for whoever reviews the pictures; the game never reads them.
#include <QImage>

#include "look.h"

namespace zelvo::pictures {

namespace {

// The table at its design size: a card 1185 x 2415 twips at 15 twips a pixel,
// in a frame 180 twips wide; the deck covers the trump card from 1170 twips down.
constexpr int kCardW = 1185 / 15, kCardH = 2415 / 15, kFrame = 180 / 15, kVisible = 1170 / 15;
constexpr int kGap = 6, kMargin = 14, kTitle = 34;
constexpr char kRanks[] = {'2', '4', '5', '6', '7', 'F', 'C', 'R', '3', 'A'};
constexpr Seme kSuits[] = {Seme::Denari, Seme::Coppe, Seme::Spade, Seme::Bastoni};
const QColor kTable(0x1A, 0x5C, 0x2A), kBack(0x1F, 0x3F, 0x8F);

QString deckName(Maniera m) {
    switch (m) {
        case Maniera::Piacentine: return "Piacentine";
        case Maniera::Napoletane: return "Napoletane";
        case Maniera::Contrasto: return "Alto Contrasto";
    }
    return {};
}

// One card as the window draws it: the white frame, then the face scaled down smoothly.
void card(QPainter& p, const QImage& face, QPoint at) {
    const QRectF frame(at.x(), at.y(), kCardW + 2 * kFrame, kCardH + 2 * kFrame);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(frame, frame.width() * 0.06, frame.width() * 0.06);
    p.drawImage(QRectF(at.x() + kFrame, at.y() + kFrame, kCardW, kCardH), face);
}

}  // namespace

QImage drawContactSheet(const Stile& s) {
    const int cellW = kCardW + 2 * kFrame + kGap, cellH = kCardH + 2 * kFrame + kGap;
    const int trumpH = kVisible + kFrame + 10 + kGap;
    const int width = 2 * kMargin + 10 * cellW, height = kTitle + 4 * cellH + kTitle + 4 * trumpH + kMargin;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(kTable);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont f("DejaVu Sans");
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(kMargin, 0, width, kTitle), Qt::AlignVCenter, deckName(s.maniera) + QString::fromUtf8(" — the table at its design size"));
    const int trumpTop = kTitle + 4 * cellH;
    p.drawText(QRect(kMargin, trumpTop, width, kTitle), Qt::AlignVCenter, "As the trump card, under the deck");
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 10; ++col) {
            const QImage face = disegnaFaccia(s, kRanks[col], kSuits[row]);
            card(p, face, {kMargin + col * cellW, kTitle + row * cellH});
            // The trump: only its upper part shows above the deck's frame, in the back colour.
            const QPoint at(kMargin + col * cellW, trumpTop + kTitle + row * trumpH);
            p.save();
            p.setClipRect(QRect(at.x() - 1, at.y() - 1, cellW, kFrame + kVisible + 1));
            card(p, face, at);
            p.restore();
            p.setPen(Qt::NoPen);
            p.setBrush(kBack);
            p.drawRoundedRect(QRectF(at.x() - 2, at.y() + kFrame + kVisible, kCardW + 2 * kFrame + 4, 10), 3, 3);
        }
    p.end();
    return sheet;
}

}  // namespace zelvo::pictures
