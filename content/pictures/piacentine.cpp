// The Piacentine deck: heavy black outlines and flat primary colours; broad
// straight swords and stout green clubs standing upright side by side; no numbers,
// so the pips sit high enough that the part of the trump card the deck leaves
// visible still shows the rank; a black and red frame; twelve figures facing us,
// upright and stiff. What sets it apart from the Napoletane is in decks.md.
#include <QtMath>
#include <vector>

#include "court.h"

namespace zelvo::pictures {

namespace {

// ---- Suit signs, in a frame 100 units tall centred on the origin ---------------

void coin(QPainter& p, const Stile& s, double k) {
    const QPen pen = penna(s, k, 1.2);
    p.setPen(pen);
    p.setBrush(s.oro);
    p.drawEllipse(QPointF(0, 0), 48, 48);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 37, 37);
    // Red beads between the rims, then an eight-petal rosette.
    p.setBrush(s.rosso);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawEllipse(QPointF(42.5 * std::cos(a), 42.5 * std::sin(a)), 3.2, 3.2);
    }
    p.setPen(pen);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(i * 45.0);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.cubicTo(10, -8, 8, -27, 0, -31);
        leaf.cubicTo(-8, -27, -10, -8, 0, 0);
        p.setBrush(i % 2 ? s.rosso : s.verde);
        p.drawPath(leaf);
        p.restore();
    }
    p.setBrush(s.oro);
    p.drawEllipse(QPointF(0, 0), 8, 8);
}

// A broad chalice: wide red bowl with a gold rim and band, a gold stem with a
// knot, a wide red foot.
void cup(QPainter& p, const Stile& s, double k) {
    p.setPen(penna(s, k, 1.2));
    QPainterPath foot;
    foot.moveTo(-6, 28);
    foot.cubicTo(-10, 38, -30, 40, -30, 48);
    foot.lineTo(30, 48);
    foot.cubicTo(30, 40, 10, 38, 6, 28);
    foot.closeSubpath();
    p.setBrush(s.rosso);
    p.drawPath(foot);
    p.setBrush(s.oro);
    p.drawRect(QRectF(-5, 0, 10, 30));
    p.drawEllipse(QPointF(0, 14), 11, 6.5);
    QPainterPath bowl;
    bowl.moveTo(-36, -40);
    bowl.cubicTo(-36, -12, -20, 2, 0, 2);
    bowl.cubicTo(20, 2, 36, -12, 36, -40);
    bowl.closeSubpath();
    p.setBrush(s.rosso);
    p.drawPath(bowl);
    QPainterPath band;
    band.moveTo(-35, -30);
    band.quadTo(0, -24, 35, -30);
    band.lineTo(33, -20);
    band.quadTo(0, -13, -33, -20);
    band.closeSubpath();
    p.setBrush(s.oro);
    p.drawPath(band);
    p.drawEllipse(QPointF(0, -40), 36, 7);
}

// A broad straight sword, point up: blue blade with a light ridge, a straight
// guard with round ends, red grip, round pommel.
void sword(QPainter& p, const Stile& s, double k) {
    p.setPen(penna(s, k, 1.2));
    QPainterPath blade;
    blade.moveTo(0, -50);
    blade.lineTo(8, -36);
    blade.lineTo(8, 18);
    blade.lineTo(-8, 18);
    blade.lineTo(-8, -36);
    blade.closeSubpath();
    p.setBrush(s.acciaio);
    p.drawPath(blade);
    p.setBrush(s.bianco);
    p.drawPath([] {
        QPainterPath r;
        r.moveTo(0, -42);
        r.lineTo(2.5, -34);
        r.lineTo(2.5, 14);
        r.lineTo(-2.5, 14);
        r.lineTo(-2.5, -34);
        r.closeSubpath();
        return r;
    }());
    p.setBrush(s.rosso);
    p.drawRect(QRectF(-4.5, 24, 9, 16));
    p.setBrush(s.oro);
    p.drawRect(QRectF(-19, 17, 38, 7));
    p.drawEllipse(QPointF(-21, 20.5), 5, 5);
    p.drawEllipse(QPointF(21, 20.5), 5, 5);
    p.drawEllipse(QPointF(0, 45), 6, 6);
}

// A stout club, broad and rounded at the top, with lopped branches, two red
// bindings and yellow cut faces.
void club(QPainter& p, const Stile& s, double k) {
    const QPen pen = penna(s, k, 1.2);
    p.setPen(pen);
    auto halfWidth = [](double y) { return 6.5 + (48 - y) / 96 * 7.5; };
    struct Stub { double y, side, length; };
    for (const Stub& b : {Stub{-28, 1, 10}, Stub{-8, -1, 10}, Stub{14, 1, 9}, Stub{32, -1, 8}}) {
        const double x0 = b.side * (halfWidth(b.y) - 2);
        QPainterPath branch;
        branch.moveTo(x0, b.y + 4);
        branch.lineTo(x0 + b.side * b.length, b.y - 4);
        branch.lineTo(x0 + b.side * (b.length - 1), b.y - 10);
        branch.lineTo(x0, b.y - 6);
        branch.closeSubpath();
        p.setBrush(s.legno);
        p.drawPath(branch);
        p.setBrush(s.oro);
        p.drawEllipse(QPointF(x0 + b.side * (b.length - 0.5), b.y - 7), 2.8, 3.4);
    }
    QPainterPath log;
    log.moveTo(-halfWidth(48), 48);
    log.lineTo(-halfWidth(-38), -38);
    log.cubicTo(-halfWidth(-38), -52, halfWidth(-38), -52, halfWidth(-38), -38);
    log.lineTo(halfWidth(48), 48);
    log.quadTo(0, 51, -halfWidth(48), 48);
    log.closeSubpath();
    p.setBrush(s.legno);
    p.drawPath(log);
    p.setBrush(s.rosso);
    for (double y : {-20.0, 26.0}) {
        QPainterPath band;
        band.moveTo(-halfWidth(y - 3), y - 3);
        band.lineTo(halfWidth(y - 3), y - 3);
        band.lineTo(halfWidth(y + 3), y + 3);
        band.lineTo(-halfWidth(y + 3), y + 3);
        band.closeSubpath();
        p.drawPath(band);
    }
}

// ---- The plain cards --------------------------------------------------------

struct Pip {
    double x, y;
};

int pipCount(char rank) { return rank - '0'; }

// Coins and cups. The rows start high: the deck covers the trump card from a
// little above its middle, and what shows above it tells 2 (one pip in the
// middle), 3 (one to the left, a second coming), 4 (a pair), 5 (a pair over
// one), 6 (two pairs) and 7 (a pair, one, a pair).
const std::vector<Pip>& roundLayout(int n) {
    static const std::vector<Pip> table[8] = {
        {},
        {},
        {{50, 46}, {50, 158}},
        {{26, 40}, {50, 90}, {74, 160}},
        {{30, 44}, {70, 44}, {30, 160}, {70, 160}},
        {{30, 40}, {70, 40}, {50, 86}, {30, 162}, {70, 162}},
        {{30, 36}, {70, 36}, {30, 86}, {70, 86}, {30, 162}, {70, 162}},
        {{30, 28}, {70, 28}, {50, 60}, {30, 90}, {70, 90}, {30, 164}, {70, 164}},
    };
    return table[n];
}

// Swords and clubs stand upright side by side, in rows placed the same way.
const std::vector<Pip>& longLayout(int n) {
    static const std::vector<Pip> table[8] = {
        {},
        {},
        {{50, 50}, {50, 154}},
        {{24, 48}, {50, 92}, {76, 154}},
        {{31, 48}, {69, 48}, {31, 154}, {69, 154}},
        {{27, 44}, {73, 44}, {50, 88}, {27, 156}, {73, 156}},
        {{31, 38}, {69, 38}, {31, 92}, {69, 92}, {31, 162}, {69, 162}},
        {{24, 36}, {76, 36}, {50, 62}, {24, 92}, {76, 92}, {31, 162}, {69, 162}},
    };
    return table[n];
}

double pipHeight(Seme seme, int n) {
    switch (seme) {
        case Seme::Denari: return n >= 6 ? 30 : 34;
        case Seme::Coppe: return n >= 6 ? 30 : 36;
        case Seme::Spade: return n >= 6 ? 48 : 56;
        case Seme::Bastoni: return n >= 6 ? 48 : 56;
    }
    return 30;
}

void pips(QPainter& p, const Stile& s, char rank, Seme seme) {
    const int n = pipCount(rank);
    const bool long_ = seme == Seme::Spade || seme == Seme::Bastoni;
    for (const Pip& q : long_ ? longLayout(n) : roundLayout(n)) disegnaSeme(p, s, seme, {q.x, q.y}, pipHeight(seme, n));
}

// ---- The aces ----------------------------------------------------------------

// A laurel wreath of two leafy arcs.
void wreath(QPainter& p, const Stile& s, QPointF c, double rx, double ry) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.inchiostro, 1.2));
    const QRectF box(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry);
    p.drawArc(box, -80 * 16, -150 * 16);
    p.drawArc(box, -100 * 16, 150 * 16);
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 10; ++i) {
            const double a = qDegreesToRadians(90.0 + side * (14 + i * 15.5));
            const QPointF q(c.x() + rx * std::cos(a), c.y() + ry * std::sin(a));
            p.save();
            p.translate(q);
            p.rotate(qRadiansToDegrees(a) + 90 + side * 35);
            QPainterPath leaf;
            leaf.moveTo(0, 0);
            leaf.quadTo(4, -5.5, 0, -12);
            leaf.quadTo(-4, -5.5, 0, 0);
            campisci(p, s, leaf, s.verde, 0.8);
            p.restore();
        }
    }
    p.setPen(penna(s, 1.0, 0.8));
    p.setBrush(s.rosso);
    p.drawEllipse(QPointF(c.x(), c.y() + ry), 3.5, 3.5);
}

// The maker's ribbon under the ace of coins.
void ribbon(QPainter& p, const Stile& s, QPointF c) {
    QPainterPath band;
    band.moveTo(c + QPointF(-36, -7));
    band.quadTo(c + QPointF(0, -13), c + QPointF(36, -7));
    band.lineTo(c + QPointF(43, 5));
    band.lineTo(c + QPointF(36, 7));
    band.quadTo(c + QPointF(0, 1), c + QPointF(-36, 7));
    band.lineTo(c + QPointF(-43, 5));
    band.closeSubpath();
    campisci(p, s, band, s.rosso);
    p.setPen(Qt::NoPen);
    p.setBrush(s.bianco);
    p.drawPath(testo("ZELVO", "DejaVu Serif", true, 7, c + QPointF(0, 2.5), true));
}

void ace(QPainter& p, const Stile& s, Seme seme) {
    const QPointF c(50, kAltezzaCarta / 2);
    switch (seme) {
        case Seme::Denari:
            wreath(p, s, c - QPointF(0, 8), 40, 42);
            disegnaSeme(p, s, seme, c - QPointF(0, 8), 62);
            ribbon(p, s, {50, 160});
            break;
        case Seme::Coppe:
            wreath(p, s, c, 40, 56);
            disegnaSeme(p, s, seme, c, 96);
            break;
        case Seme::Spade:
            wreath(p, s, c - QPointF(0, 14), 34, 34);
            disegnaSeme(p, s, seme, c, 176);
            break;
        case Seme::Bastoni:
            wreath(p, s, c - QPointF(0, 14), 34, 34);
            disegnaSeme(p, s, seme, c, 176);
            break;
    }
}

// ---- The figures -------------------------------------------------------------

// Twelve figures, all facing us, stiff and upright, dressed in the deck's few
// strong colours; each differs from the others in face, dress, pose and what it holds.
Court figure(const Stile& s, char rank, Seme seme) {
    const QColor R = s.rosso, B = s.blu, Y = s.oro, G = s.verde, W = s.bianco, K = s.nero;
    const QColor brown = s.capelli, blond(0xE8, 0xB0, 0x30), grey(0xB8, 0xB8, 0xB0), black(0x2A, 0x22, 0x1C);
    const QColor none;
    const int suit = static_cast<int>(seme);
    // Fante: page boys with caps and feathers.
    const Court fanti[4] = {
        {Rank::Fante, false, false, Hair::Bob, brown, Beard::None, Headgear::Beret, R, W, B, Y, R, none, none, R, Y,
         Pattern::Stripes, Hold::Raised, Other::Hip, Gait::Square, {}, {}, {}, Pattern::Plain},
        {Rank::Fante, false, false, Hair::Curls, blond, Beard::None, Headgear::PeakedCap, G, R, R, Y, Y, none, none, G, G,
         Pattern::Checks, Hold::Chest, Other::Flower, Gait::Square, {}, {}, {}, Pattern::Plain, Cut::Breeches},
        {Rank::Fante, false, false, Hair::Short, black, Beard::Moustache, Headgear::BrimHat, B, R, Y, R, B, R, none, B, R,
         Pattern::Chevrons, Hold::Shoulder, Other::Cloak, Gait::Square, {}, {}, {}, Pattern::Plain, Cut::Coat},
        {Rank::Fante, false, false, Hair::Long, brown, Beard::None, Headgear::TallHat, R, Y, G, R, Y, none, none, Y, R,
         Pattern::Halves, Hold::Low, Other::Staff, Gait::Square, {}, {}, {}, Pattern::Plain},
    };
    // Cavallo: knights on horses that stand or walk, never rear.
    const Court cavalli[4] = {
        {Rank::Cavallo, false, false, Hair::Bob, brown, Beard::None, Headgear::Beret, B, W, B, Y, Y, none, none, R, R,
         Pattern::Plain, Hold::Chest, Other::Reins, Gait::Square, W, K, R, Pattern::Dots},
        {Rank::Cavallo, false, true, Hair::Curls, black, Beard::Moustache, Headgear::BrimHat, R, Y, G, Y, R, none, none, G, G,
         Pattern::Stripes, Hold::Forward, Other::Reins, Gait::Step, QColor(0xA8, 0x62, 0x2C), K, B, Pattern::Chevrons, Cut::Coat},
        {Rank::Cavallo, false, true, Hair::Short, brown, Beard::Short, Headgear::Helmet, s.acciaio, R, R, Y, R, none, none,
         B, B, Pattern::Plain, Hold::Raised, Other::Reins, Gait::Trot, QColor(0x58, 0x58, 0x5C), K, Y, Pattern::Checks},
        {Rank::Cavallo, false, false, Hair::Long, blond, Beard::None, Headgear::TallHat, G, R, Y, R, G, none, none, R, R,
         Pattern::Chevrons, Hold::Shoulder, Other::Reins, Gait::Square, grey, W, G, Pattern::Stripes, Cut::Coat},
    };
    // Re: bearded kings in long robes and mantles.
    const Court re[4] = {
        {Rank::Re, false, false, Hair::Long, grey, Beard::Long, Headgear::Crown, R, Y, R, Y, R, B, Y, K, K,
         Pattern::Lozenges, Hold::Raised, Other::Sceptre, Gait::Square, {}, {}, {}, Pattern::Plain},
        {Rank::Re, false, false, Hair::Curls, brown, Beard::Short, Headgear::ArchedCrown, R, W, G, Y, G, R, W, K, K,
         Pattern::Dots, Hold::Chest, Other::Orb, Gait::Square, {}, {}, {}, Pattern::Plain, Cut::Throne},
        {Rank::Re, false, false, Hair::Bob, black, Beard::Forked, Headgear::SpikedCrown, B, R, B, Y, B, Y, R, K, K,
         Pattern::Chevrons, Hold::Raised, Other::Hip, Gait::Square, {}, {}, {}, Pattern::Plain, Cut::Cape},
        {Rank::Re, false, false, Hair::Long, brown, Beard::Short, Headgear::LilyCrown, R, G, Y, R, Y, G, Y, K, K,
         Pattern::Stripes, Hold::Low, Other::Sceptre, Gait::Square, {}, {}, {}, Pattern::Plain, Cut::Tunic},
    };
    if (rank == 'F') return fanti[suit];
    if (rank == 'C') return cavalli[suit];
    return re[suit];
}

void court(QPainter& p, const Stile& s, char rank, Seme seme) {
    // The figure fills the frame, its head high where the deck leaves the trump card visible.
    constexpr double scale = 1.02;
    p.save();
    p.translate((kLarghezzaCarta - kLarghezzaFigura * scale) / 2, 4);
    p.scale(scale, scale);
    drawCourt(p, s, seme, figure(s, rank, seme));
    p.restore();
}

// A firm black line with a red line inside.
void frame(QPainter& p, const Stile& s) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.inchiostro, 1.4));
    p.drawRect(QRectF(2.5, 2.5, kLarghezzaCarta - 5, kAltezzaCarta - 5));
    p.setPen(QPen(s.rosso, 0.8));
    p.drawRect(QRectF(4.8, 4.8, kLarghezzaCarta - 9.6, kAltezzaCarta - 9.6));
}

}  // namespace

QPointF piacentineGrip(Seme seme) {
    switch (seme) {
        case Seme::Denari: return {0, 0.44};
        case Seme::Coppe: return {0, 0.16};
        case Seme::Spade: return {0, 0.32};
        case Seme::Bastoni: return {0, 0.38};
    }
    return {};
}

void drawPiacentineSign(QPainter& p, const Stile& s, Seme seme, double k) {
    switch (seme) {
        case Seme::Denari: coin(p, s, k); break;
        case Seme::Coppe: cup(p, s, k); break;
        case Seme::Spade: sword(p, s, k); break;
        case Seme::Bastoni: club(p, s, k); break;
    }
}

void drawPiacentineFace(QPainter& p, const Stile& s, char rank, Seme seme) {
    if (rank == 'F' || rank == 'C' || rank == 'R') court(p, s, rank, seme);
    else if (rank == 'A') ace(p, s, seme);
    else pips(p, s, rank, seme);
    frame(p, s);
}

}  // namespace zelvo::pictures
