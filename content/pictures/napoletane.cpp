// The Napoletane deck: finer dark-brown lines and warm shaded colours; slender
// curved swords and knotty branches laid across each other in pairs; tall
// lidded cups and coins with a sunburst; bold numbers in two corners; no frame;
// twelve figures turned to one side, in a step or on a lively horse, standing on
// a patch of ground. What sets it apart from the Piacentine is in decks.md.
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>
#include <vector>

#include "court.h"

namespace zelvo::pictures {

namespace {

// ---- Suit signs, in a frame 100 units tall centred on the origin ---------------

// A coin with a sunburst: gold rim, a ring of dark beads, red and gold rays
// round a blue boss.
void coin(QPainter& p, const Stile& s, double k) {
    const QPen pen = penna(s, k, 1.3);
    p.setPen(pen);
    QRadialGradient g(QPointF(-14, -16), 72);
    g.setColorAt(0, s.oro.lighter(125));
    g.setColorAt(0.65, s.oro);
    g.setColorAt(1, s.oroScuro);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 48, 48);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 36, 36);
    p.setPen(Qt::NoPen);
    p.setBrush(s.inchiostro);
    for (int i = 0; i < 20; ++i) {
        const double a = i * M_PI / 10;
        p.drawEllipse(QPointF(42 * std::cos(a), 42 * std::sin(a)), 2.2, 2.2);
    }
    p.setPen(penna(s, k, 0.8));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.rotate(i * 30.0);
        QPainterPath ray;
        ray.moveTo(-5.5, -12);
        ray.lineTo(0, -33);
        ray.lineTo(5.5, -12);
        ray.closeSubpath();
        p.setBrush(i % 2 ? s.oro : s.rosso);
        p.drawPath(ray);
        p.restore();
    }
    p.setPen(pen);
    p.setBrush(s.blu);
    p.drawEllipse(QPointF(0, 0), 13, 13);
    p.setBrush(s.oro);
    p.drawEllipse(QPointF(0, 0), 4.5, 4.5);
}

// A tall goblet with a domed lid: gold, with a blue knot and a red lid knob.
void cup(QPainter& p, const Stile& s, double k) {
    p.setPen(penna(s, k, 1.3));
    const QRectF box(-24, -50, 48, 100);
    QPainterPath foot;
    foot.moveTo(-5, 30);
    foot.cubicTo(-8, 40, -22, 42, -22, 49);
    foot.lineTo(22, 49);
    foot.cubicTo(22, 42, 8, 40, 5, 30);
    foot.closeSubpath();
    p.setBrush(riempimento(s, s.oro, box));
    p.drawPath(foot);
    p.drawRect(QRectF(-4, 2, 8, 30));
    p.setBrush(s.blu);
    p.drawEllipse(QPointF(0, 16), 9, 6);
    QPainterPath bowl;
    bowl.moveTo(-23, -30);
    bowl.cubicTo(-24, -6, -12, 4, 0, 4);
    bowl.cubicTo(12, 4, 24, -6, 23, -30);
    bowl.closeSubpath();
    p.setBrush(riempimento(s, s.oro, box));
    p.drawPath(bowl);
    p.setBrush(s.rosso);
    p.drawRect(QRectF(-22, -18, 44, 6));
    QPainterPath lid;
    lid.moveTo(-25, -29);
    lid.cubicTo(-24, -44, 24, -44, 25, -29);
    lid.closeSubpath();
    p.setBrush(riempimento(s, s.oro, box));
    p.drawPath(lid);
    p.setBrush(s.rosso);
    p.drawEllipse(QPointF(0, -44), 5, 5);
}

// A slender sabre, its blade curving forward, point up; an S-shaped guard,
// dark red grip and a small pommel.
void sword(QPainter& p, const Stile& s, double k) {
    const QPen pen = penna(s, k, 1.3);
    p.setPen(pen);
    QPainterPath blade;
    blade.moveTo(-5.5, 18);
    blade.cubicTo(-6, -10, -2.5, -34, 9, -50);
    blade.cubicTo(7.5, -32, 5.5, -8, 5.5, 18);
    blade.closeSubpath();
    QLinearGradient g(-7, 0, 8, 0);
    g.setColorAt(0, s.acciaio.darker(135));
    g.setColorAt(0.5, s.acciaio.lighter(118));
    g.setColorAt(1, s.acciaio.darker(110));
    p.setBrush(g);
    p.drawPath(blade);
    p.setBrush(QColor(0x7A, 0x1E, 0x18));
    p.drawRect(QRectF(-3.5, 23, 7, 17));
    QPainterPath guard;
    guard.moveTo(-16, 12);
    guard.cubicTo(-20, 16, -14, 24, -6, 21);
    guard.lineTo(6, 19);
    guard.cubicTo(14, 16, 20, 24, 16, 28);
    guard.lineTo(13, 26);
    guard.cubicTo(15, 22, 12, 21, 6, 24);
    guard.lineTo(-6, 25);
    guard.cubicTo(-15, 28, -22, 18, -16, 12);
    guard.closeSubpath();
    p.setBrush(s.oro);
    p.drawPath(guard);
    p.drawEllipse(QPointF(0, 44), 4.5, 4.5);
}

// A knotty branch, slightly crooked and thicker at the top, with dark knots,
// a lopped twig and a pair of green leaves near the top.
void club(QPainter& p, const Stile& s, double k) {
    const QPen pen = penna(s, k, 1.3);
    p.setPen(pen);
    auto leaf = [&](QPointF root, double angle) {
        p.save();
        p.translate(root);
        p.rotate(angle);
        QPainterPath l;
        l.moveTo(0, 0);
        l.quadTo(6.5, -8, 0, -19);
        l.quadTo(-6.5, -8, 0, 0);
        p.setBrush(s.verde);
        p.drawPath(l);
        p.restore();
    };
    leaf({4, -32}, 58);
    leaf({-4, -16}, -62);
    QPainterPath twig;
    twig.moveTo(3, 8);
    twig.lineTo(12, 0);
    twig.lineTo(10, -4);
    twig.lineTo(2, 1);
    twig.closeSubpath();
    p.setBrush(s.legno);
    p.drawPath(twig);
    QPainterPath branch;
    branch.moveTo(-3.5, 48);
    branch.cubicTo(-4.5, 30, -2, 20, -4, 6);
    branch.cubicTo(-6.5, -8, -5, -26, -7.5, -38);
    branch.cubicTo(-8.5, -50, 6, -52, 7, -42);
    branch.cubicTo(7.5, -28, 4, -12, 5, 4);
    branch.cubicTo(5.5, 20, 3.5, 34, 3.5, 48);
    branch.quadTo(0, 50.5, -3.5, 48);
    branch.closeSubpath();
    QLinearGradient g(-8, 0, 8, 0);
    g.setColorAt(0, s.legno.lighter(118));
    g.setColorAt(1, s.legnoScuro);
    p.setBrush(g);
    p.drawPath(branch);
    p.setBrush(s.legnoScuro);
    for (QPointF q : {QPointF(-2, -24), QPointF(2, -4), QPointF(-1, 20), QPointF(0.5, 36)}) p.drawEllipse(q, 2.0, 2.8);
    p.setBrush(s.oro.lighter(115));
    p.drawEllipse(QPointF(-0.5, -45.5), 5.2, 2.6);
}

// ---- The plain cards --------------------------------------------------------

int pipCount(char rank) { return rank - '0'; }

// Coins and cups, large: a column for two and three, a square, a quincunx,
// and for six and seven rows of three, the seven with one between them.
const std::vector<QPointF>& roundLayout(int n) {
    static const std::vector<QPointF> table[8] = {
        {},
        {},
        {{50, 62}, {50, 142}},
        {{50, 44}, {50, 102}, {50, 160}},
        {{30, 66}, {70, 66}, {30, 138}, {70, 138}},
        {{28, 56}, {72, 56}, {50, 102}, {28, 148}, {72, 148}},
        {{20, 70}, {50, 70}, {80, 70}, {20, 134}, {50, 134}, {80, 134}},
        {{20, 56}, {50, 56}, {80, 56}, {50, 102}, {20, 148}, {50, 148}, {80, 148}},
    };
    return table[n];
}

double roundHeight(Seme seme, int n) {
    if (seme == Seme::Denari) return n >= 6 ? 29 : 40;
    return n >= 6 ? 40 : 48;
}

// Swords and clubs cross in pairs, one pair above another; an odd one stands
// upright, through the middle pair or between two pairs.
struct Crossing {
    double x, y, length;
    bool pair;  // a crossed pair, else one upright
};

const std::vector<Crossing>& longLayout(int n) {
    static const std::vector<Crossing> table[8] = {
        {},
        {},
        {{50, 102, 128, true}},
        {{50, 102, 128, true}, {50, 102, 134, false}},
        {{50, 56, 88, true}, {50, 148, 88, true}},
        {{50, 46, 70, true}, {50, 102, 58, false}, {50, 158, 70, true}},
        {{50, 40, 64, true}, {50, 102, 64, true}, {50, 164, 64, true}},
        {{50, 40, 64, true}, {50, 102, 68, false}, {50, 102, 64, true}, {50, 164, 64, true}},
    };
    return table[n];
}

constexpr double kCrossAngle = 26;

void pips(QPainter& p, const Stile& s, char rank, Seme seme) {
    const int n = pipCount(rank);
    if (seme == Seme::Denari || seme == Seme::Coppe) {
        for (QPointF q : roundLayout(n)) disegnaSeme(p, s, seme, q, roundHeight(seme, n));
        return;
    }
    // The upright ones first, the crossed pairs over them.
    for (const Crossing& c : longLayout(n))
        if (!c.pair) disegnaSeme(p, s, seme, {c.x, c.y}, c.length);
    for (const Crossing& c : longLayout(n)) {
        if (!c.pair) continue;
        p.save();
        // The left one of a pair is the right one mirrored, so the two blades curve apart.
        p.translate(c.x, c.y);
        p.scale(-1, 1);
        disegnaSeme(p, s, seme, {0, 0}, c.length, kCrossAngle);
        p.restore();
        disegnaSeme(p, s, seme, {c.x, c.y}, c.length, kCrossAngle);
    }
}

// ---- The aces ----------------------------------------------------------------

// Two leafy branches crossing under a sign.
void branches(QPainter& p, const Stile& s, QPointF c, double span) {
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath stem;
        stem.moveTo(c + QPointF(-side * span * 0.2, span * 0.55));
        stem.quadTo(c + QPointF(side * span * 0.75, span * 0.4), c + QPointF(side * span * 0.7, -span * 0.45));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(s.legnoScuro, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stem);
        for (int i = 1; i <= 8; ++i) {
            const double t = i / 9.0;
            const QPointF q = stem.pointAtPercent(t);
            p.save();
            p.translate(q);
            p.rotate(-stem.angleAtPercent(t) + 90 + (i % 2 ? 50 : -50));
            QPainterPath leaf;
            leaf.moveTo(0, 0);
            leaf.quadTo(3.5, -6, 0, -12);
            leaf.quadTo(-3.5, -6, 0, 0);
            campisci(p, s, leaf, s.verde, 0.8);
            p.restore();
        }
    }
}

// A ribbon waving across a sign, with the maker's name.
void banner(QPainter& p, const Stile& s, QPointF c, double angle) {
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath band;
    band.moveTo(-34, -4);
    band.cubicTo(-16, -12, 16, 4, 34, -4);
    band.lineTo(40, 6);
    band.lineTo(34, 8);
    band.cubicTo(16, 16, -16, 0, -34, 8);
    band.lineTo(-40, 6);
    band.closeSubpath();
    campisci(p, s, band, s.bianco);
    p.setPen(Qt::NoPen);
    p.setBrush(s.rosso);
    p.drawPath(testo("ZELVO", "DejaVu Serif", true, 6.5, {0, 5}, true));
    p.restore();
}

void ace(QPainter& p, const Stile& s, Seme seme) {
    const QPointF c(50, kAltezzaCarta / 2);
    switch (seme) {
        case Seme::Denari:
            branches(p, s, c + QPointF(0, 8), 46);
            // Rays of light round the great coin.
            p.setPen(QPen(s.oroScuro, 1.2));
            for (int i = 0; i < 24; ++i) {
                const double a = i * M_PI / 12;
                p.drawLine(c + QPointF(40 * std::cos(a), 40 * std::sin(a)), c + QPointF(48 * std::cos(a), 48 * std::sin(a)));
            }
            disegnaSeme(p, s, seme, c, 74);
            banner(p, s, {50, 162}, 0);
            break;
        case Seme::Coppe:
            branches(p, s, c + QPointF(0, 20), 44);
            disegnaSeme(p, s, seme, c, 124);
            break;
        case Seme::Spade:
            disegnaSeme(p, s, seme, c, 186, 24);
            banner(p, s, c + QPointF(2, 10), -18);
            break;
        case Seme::Bastoni:
            disegnaSeme(p, s, seme, c, 168, -22);
            banner(p, s, c + QPointF(-2, 14), 16);
            break;
    }
}

// ---- The figures -------------------------------------------------------------

// Twelve figures, each turned to one side, in a step or on a prancing horse,
// dressed in the deck's warm colours; no two alike in face, dress, pose or what they hold.
Court figure(const Stile& s, char rank, Seme seme) {
    const QColor R = s.rosso, B = s.blu, Y = s.oro, G = s.verde, W = s.bianco;
    const QColor purple(0x74, 0x3C, 0x8C), orange(0xE0, 0x78, 0x28), teal(0x1E, 0x86, 0x8A), pink(0xE8, 0x8C, 0x9A),
        wine(0x8C, 0x1C, 0x30), ochre(0xC8, 0x96, 0x3C), sky(0x7C, 0xB4, 0xE4);
    const QColor brown = s.capelli, blond(0xE0, 0xA8, 0x38), grey(0xC8, 0xC4, 0xBC), black(0x26, 0x1C, 0x16),
        auburn(0xA0, 0x48, 0x1C);
    const QColor none;
    const int suit = static_cast<int>(seme);
    const Court fanti[4] = {
        {Rank::Fante, true, false, Hair::Curls, blond, Beard::None, Headgear::Beret, wine, W, teal, Y, W, R, none, teal, W,
         Pattern::Plain, Hold::Raised, Other::Hip, Gait::Step, {}, {}, {}, Pattern::Plain, Cut::Coat},
        {Rank::Fante, true, true, Hair::Bob, auburn, Beard::None, Headgear::BrimHat, G, R, orange, Y, sky, none, none, G, orange,
         Pattern::Stripes, Hold::Forward, Other::Cloak, Gait::Step, {}, {}, {}, Pattern::Plain},
        {Rank::Fante, true, true, Hair::Short, black, Beard::Moustache, Headgear::TallHat, purple, Y, R, Y, purple, B, none,
         purple, R, Pattern::Dots, Hold::Low, Other::Hip, Gait::Step, {}, {}, {}, Pattern::Plain, Cut::Breeches},
        {Rank::Fante, true, false, Hair::Long, brown, Beard::None, Headgear::PeakedCap, B, Y, G, Y, pink, none, none, Y, G,
         Pattern::Halves, Hold::Shoulder, Other::Flower, Gait::Step, {}, {}, {}, Pattern::Plain},
    };
    const Court cavalli[4] = {
        {Rank::Cavallo, true, true, Hair::Bob, brown, Beard::None, Headgear::Turban, W, R, R, Y, Y, none, none, B, B,
         Pattern::Plain, Hold::Raised, Other::Reins, Gait::Rearing, W, grey, B, Pattern::Dots},
        {Rank::Cavallo, true, false, Hair::Curls, auburn, Beard::Moustache, Headgear::BrimHat, B, W, purple, Y, Y, none, none,
         ochre, ochre, Pattern::Plain, Hold::Chest, Other::Reins, Gait::Step, QColor(0xB0, 0x6A, 0x34), black, R,
         Pattern::Stripes, Cut::Coat},
        {Rank::Cavallo, true, false, Hair::Short, black, Beard::Short, Headgear::Helmet, s.acciaio, R, teal, Y, teal, none,
         none, R, R, Pattern::Plain, Hold::Forward, Other::Reins, Gait::Rearing, grey, W, orange, Pattern::Checks},
        {Rank::Cavallo, true, true, Hair::Long, blond, Beard::None, Headgear::Beret, G, Y, orange, B, G, none, none, G, G,
         Pattern::Chevrons, Hold::Shoulder, Other::Reins, Gait::Trot, QColor(0x4A, 0x34, 0x28), black, purple,
         Pattern::Plain, Cut::Coat},
    };
    const Court re[4] = {
        {Rank::Re, true, true, Hair::Long, grey, Beard::Long, Headgear::ArchedCrown, R, B, purple, Y, purple, R, Y,
         black, black, Pattern::Dots, Hold::Chest, Other::Sceptre, Gait::Step, {}, {}, {}, Pattern::Plain, Cut::Throne},
        {Rank::Re, true, true, Hair::Curls, brown, Beard::Short, Headgear::Crown, R, R, B, Y, B, orange, W, black, black,
         Pattern::Plain, Hold::Raised, Other::Orb, Gait::Step, {}, {}, {}, Pattern::Plain, Cut::Cape},
        {Rank::Re, true, false, Hair::Bob, black, Beard::Forked, Headgear::LilyCrown, R, G, wine, Y, wine, G, Y, black,
         black, Pattern::Lozenges, Hold::Forward, Other::Sword, Gait::Step, {}, {}, {}, Pattern::Plain, Cut::Tunic},
        {Rank::Re, true, false, Hair::Long, auburn, Beard::Moustache, Headgear::SpikedCrown, R, B, G, Y, G, R, Y, black,
         black, Pattern::Chevrons, Hold::Shoulder, Other::Staff, Gait::Step, {}, {}, {}, Pattern::Plain},
    };
    if (rank == 'F') return fanti[suit];
    if (rank == 'C') return cavalli[suit];
    return re[suit];
}

void court(QPainter& p, const Stile& s, char rank, Seme seme) {
    // A patch of ground under the figure.
    p.setPen(Qt::NoPen);
    QLinearGradient g(0, 180, 0, 200);
    g.setColorAt(0, QColor(0x8C, 0xB8, 0x64));
    g.setColorAt(1, QColor(0x5E, 0x8C, 0x3E));
    p.setBrush(g);
    p.drawEllipse(QPointF(50, 181), 34, 5.5);
    constexpr double scale = 0.92;
    p.save();
    p.translate((kLarghezzaCarta - kLarghezzaFigura * scale) / 2, 12);
    p.scale(scale, scale);
    drawCourt(p, s, seme, figure(s, rank, seme));
    p.restore();
}

// The numeral a Neapolitan card prints in its corners: ace 1, page 8, knight 9, king 10.
QString numeral(char rank) {
    switch (rank) {
        case 'A': return "1";
        case 'F': return "8";
        case 'C': return "9";
        case 'R': return "10";
        default: return QString(QChar::fromLatin1(rank));
    }
}

// Bold numbers in the top left and bottom right corners, both upright, so that
// a 6 is never read as a 9; a white halo keeps them clear of what lies behind.
void numbers(QPainter& p, const Stile& s, char rank) {
    constexpr double height = 13, fromEdge = 10.5;
    const QString n = numeral(rank);
    for (const QPainterPath& path :
         {testo(n, "DejaVu Serif", true, height, {fromEdge, 5 + height}, true),
          testo(n, "DejaVu Serif", true, height, {kLarghezzaCarta - fromEdge, kAltezzaCarta - 5}, true)}) {
        p.setPen(QPen(s.carta, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(s.inchiostro);
        p.drawPath(path);
    }
}

}  // namespace

QPointF napoletaneGrip(Seme seme) {
    switch (seme) {
        case Seme::Denari: return {0, 0.44};
        case Seme::Coppe: return {0, 0.2};
        case Seme::Spade: return {0, 0.31};
        case Seme::Bastoni: return {0, 0.38};
    }
    return {};
}

void drawNapoletaneSign(QPainter& p, const Stile& s, Seme seme, double k) {
    switch (seme) {
        case Seme::Denari: coin(p, s, k); break;
        case Seme::Coppe: cup(p, s, k); break;
        case Seme::Spade: sword(p, s, k); break;
        case Seme::Bastoni: club(p, s, k); break;
    }
}

void drawNapoletaneFace(QPainter& p, const Stile& s, char rank, Seme seme) {
    if (rank == 'F' || rank == 'C' || rank == 'R') court(p, s, rank, seme);
    else if (rank == 'A') ace(p, s, seme);
    else pips(p, s, rank, seme);
    numbers(p, s, rank);
}

}  // namespace zelvo::pictures
