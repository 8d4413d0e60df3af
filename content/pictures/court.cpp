// Turns a figure's description into a drawing: the head with its hair, beard and
// headgear, the body of a page or a king, or a knight on his horse, the hands and
// what they hold. Everything is drawn facing us or turned to the right; a figure
// that looks to the left is the same drawing mirrored.
#include <QtMath>

#include "court.h"

namespace zelvo::pictures {

namespace {

QPainterPath poly(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (QPointF q : points) {
        first ? path.moveTo(q) : path.lineTo(q);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath rect(QRectF r) {
    QPainterPath path;
    path.addRect(r);
    return path;
}

// A garment: its colour, the pattern woven into it in the trim colour, then the outline.
void garment(QPainter& p, const Stile& s, const QPainterPath& path, const QColor& base, const QColor& trim,
             Pattern pattern) {
    p.setPen(Qt::NoPen);
    p.setBrush(riempimento(s, base, path.boundingRect()));
    p.drawPath(path);
    if (pattern != Pattern::Plain) {
        p.save();
        p.setClipPath(path, Qt::IntersectClip);
        const QRectF b = path.boundingRect().adjusted(-2, -2, 2, 2);
        p.setBrush(trim);
        p.setPen(Qt::NoPen);
        switch (pattern) {
            case Pattern::Plain: break;
            case Pattern::Stripes:
                for (double x = b.center().x() - 3; x > b.left() - 6; x -= 12) p.drawRect(QRectF(x, b.top(), 6, b.height()));
                for (double x = b.center().x() + 9; x < b.right(); x += 12) p.drawRect(QRectF(x, b.top(), 6, b.height()));
                break;
            case Pattern::Chevrons:
                for (double y = b.top(); y < b.bottom(); y += 12) {
                    QPainterPath v;
                    const double cx = b.center().x();
                    v.moveTo(b.left() - 4, y);
                    v.lineTo(cx, y + 8);
                    v.lineTo(b.right() + 4, y);
                    v.lineTo(b.right() + 4, y + 4.5);
                    v.lineTo(cx, y + 12.5);
                    v.lineTo(b.left() - 4, y + 4.5);
                    v.closeSubpath();
                    p.drawPath(v);
                }
                break;
            case Pattern::Checks:
                for (double y = b.top(); y < b.bottom(); y += 8)
                    for (double x = b.left(); x < b.right(); x += 8)
                        if ((int((x - b.left()) / 8) + int((y - b.top()) / 8)) % 2) p.drawRect(QRectF(x, y, 8, 8));
                break;
            case Pattern::Dots:
                for (double y = b.top() + 4; y < b.bottom(); y += 8)
                    for (double x = b.left() + ((int((y - b.top()) / 8) % 2) ? 8 : 4); x < b.right(); x += 8)
                        p.drawEllipse(QPointF(x, y), 1.8, 1.8);
                break;
            case Pattern::Halves:
                p.drawRect(QRectF(b.center().x(), b.top(), b.width(), b.height()));
                break;
            case Pattern::Lozenges: {
                QPen pen(trim, 1.6);
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                for (double d = -b.height(); d < b.width() + b.height(); d += 10) {
                    p.drawLine(QPointF(b.left() + d, b.top()), QPointF(b.left() + d - b.height() * 0.7, b.bottom()));
                    p.drawLine(QPointF(b.left() + d, b.top()), QPointF(b.left() + d + b.height() * 0.7, b.bottom()));
                }
                break;
            }
        }
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(penna(s));
    p.drawPath(path);
}

void fill(QPainter& p, const Stile& s, const QPainterPath& path, const QColor& c, double weight = 1.0) {
    campisci(p, s, path, c, weight);
}

void hand(QPainter& p, const Stile& s, QPointF c) { fill(p, s, ellisse(c, 3.6, 3.6), s.pelle, 0.8); }

// An outlined stroke along a path: a tail, a mane, a lock of hair.
void strand(QPainter& p, const Stile& s, const QPainterPath& path, double width, const QColor& c) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.inchiostro, width + 2 * s.tratto, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

// The suit sign in a hand: `angle` turns it about the grip, which lies in the hand.
void signInHand(QPainter& p, const Stile& s, Seme seme, QPointF at, double height, double angle) {
    const QPointF grip = presaSeme(s, seme) * height;
    QTransform t;
    t.rotate(angle);
    disegnaSeme(p, s, seme, at - t.map(grip), height, angle);
}

double signHeight(Seme seme) {
    switch (seme) {
        case Seme::Denari: return 30;
        case Seme::Coppe: return 34;
        case Seme::Spade: return 66;
        case Seme::Bastoni: return 64;
    }
    return 30;
}

// ---- Heads -----------------------------------------------------------------

void backHair(QPainter& p, const Stile& s, QPointF c, double r, const Court& f) {
    const double back = f.turned ? -0.22 * r : 0;
    QPainterPath h;
    switch (f.hair) {
        case Hair::Short: return;
        case Hair::Bob:
            h.addRoundedRect(QRectF(c.x() + back - 1.12 * r, c.y() - 1.1 * r, 2.24 * r, 2.0 * r), 0.7 * r, 0.7 * r);
            break;
        case Hair::Long:
            h.moveTo(c.x() + back - 1.05 * r, c.y() - 0.2 * r);
            h.cubicTo(c.x() + back - 1.2 * r, c.y() + 0.9 * r, c.x() + back - 1.3 * r, c.y() + 1.6 * r,
                      c.x() + back - 1.0 * r, c.y() + 1.95 * r);
            h.lineTo(c.x() + back + 1.0 * r, c.y() + 1.95 * r);
            h.cubicTo(c.x() + back + 1.3 * r, c.y() + 1.6 * r, c.x() + back + 1.2 * r, c.y() + 0.9 * r,
                      c.x() + back + 1.05 * r, c.y() - 0.2 * r);
            h.cubicTo(c.x() + back + 1.05 * r, c.y() - 1.5 * r, c.x() + back - 1.05 * r, c.y() - 1.5 * r,
                      c.x() + back - 1.05 * r, c.y() - 0.2 * r);
            break;
        case Hair::Curls:
            for (int k = 0; k <= 8; ++k) {
                const double a = qDegreesToRadians(150.0 + k * 30.0);
                h.addEllipse(QPointF(c.x() + back + 1.0 * r * std::cos(a), c.y() + 0.2 * r + 1.0 * r * std::sin(a)),
                             0.42 * r, 0.42 * r);
            }
            h.addEllipse(QPointF(c.x() + back, c.y()), 1.05 * r, 1.1 * r);
            h = h.simplified();
            break;
    }
    fill(p, s, h, f.hairColour);
}

void beard(QPainter& p, const Stile& s, QPointF c, double r, const Court& f) {
    if (f.beard == Beard::None) return;
    const double dx = f.turned ? 0.22 * r : 0;
    const QPointF o(c.x() + dx, c.y());
    auto at = [&](double x, double y) { return QPointF(o.x() + x * r, o.y() + y * r); };
    if (f.beard != Beard::Moustache) {
        QPainterPath b;
        b.moveTo(at(-0.84, 0.05));
        switch (f.beard) {
            case Beard::Short:
                b.cubicTo(at(-0.85, 0.95), at(-0.4, 1.35), at(0, 1.38));
                b.cubicTo(at(0.4, 1.35), at(0.85, 0.95), at(0.84, 0.05));
                break;
            case Beard::Long:
                b.cubicTo(at(-0.95, 1.2), at(-0.5, 1.8), at(0, 2.3));
                b.cubicTo(at(0.5, 1.8), at(0.95, 1.2), at(0.84, 0.05));
                break;
            case Beard::Forked:
                b.cubicTo(at(-0.95, 1.1), at(-0.6, 1.6), at(-0.32, 2.1));
                b.lineTo(at(0, 1.55));
                b.lineTo(at(0.32, 2.1));
                b.cubicTo(at(0.6, 1.6), at(0.95, 1.1), at(0.84, 0.05));
                break;
            default: break;
        }
        b.cubicTo(at(0.6, 0.55), at(0.35, 0.72), at(0, 0.62));
        b.cubicTo(at(-0.35, 0.72), at(-0.6, 0.55), at(-0.84, 0.05));
        fill(p, s, b, f.hairColour, 0.8);
        p.setPen(QPen(s.rosso.darker(115), s.tratto * 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at(-0.16, 0.7), at(0.16, 0.7));
    }
    QPainterPath m;
    m.moveTo(at(-0.55, 0.62));
    m.quadTo(at(-0.3, 0.3), at(0, 0.42));
    m.quadTo(at(0.3, 0.3), at(0.55, 0.62));
    m.quadTo(at(0.25, 0.5), at(0, 0.55));
    m.quadTo(at(-0.25, 0.5), at(-0.55, 0.62));
    fill(p, s, m, f.hairColour, 0.6);
}

void frontHair(QPainter& p, const Stile& s, QPointF c, double r, const Court& f) {
    const double back = f.turned ? -0.25 * r : 0;
    QPainterPath h;
    h.moveTo(c.x() - 0.95 * r + back * 0.5, c.y() + (f.turned ? 0.35 : -0.05) * r);
    h.cubicTo(c.x() - 1.05 * r, c.y() - 1.3 * r, c.x() + 1.05 * r, c.y() - 1.3 * r, c.x() + 0.95 * r, c.y() - 0.15 * r);
    if (f.hair == Hair::Curls) {
        for (int k = 0; k < 4; ++k) {
            const double x0 = 0.95 - k * 0.475, x1 = 0.95 - (k + 1) * 0.475;
            h.quadTo(c.x() + (x0 + x1) / 2 * r, c.y() - 0.1 * r, c.x() + x1 * r, c.y() - 0.5 * r);
        }
    } else {
        h.quadTo(c.x() + 0.3 * r, c.y() - 0.65 * r, c.x() - 0.2 * r, c.y() - 0.45 * r);
        h.quadTo(c.x() - 0.7 * r, c.y() - 0.35 * r, c.x() - 0.95 * r + back * 0.5, c.y() + (f.turned ? 0.35 : -0.05) * r);
    }
    h.closeSubpath();
    fill(p, s, h, f.hairColour, 0.8);
}

void face(QPainter& p, const Stile& s, QPointF c, double r, const Court& f) {
    backHair(p, s, c, r, f);
    QPainterPath head = ellisse(c, 0.88 * r, 1.05 * r);
    if (f.turned) {
        // The nose stands out of the outline of a head turned to the right.
        QPainterPath naso;
        naso.moveTo(c.x() + 0.7 * r, c.y() - 0.2 * r);
        naso.lineTo(c.x() + 1.08 * r, c.y() + 0.3 * r);
        naso.lineTo(c.x() + 0.78 * r, c.y() + 0.42 * r);
        naso.closeSubpath();
        head = head.united(naso);
    }
    fill(p, s, head, s.pelle);
    p.setPen(Qt::NoPen);
    p.setBrush(s.inchiostro);
    const double e1 = f.turned ? 0.1 : -0.36, e2 = f.turned ? 0.6 : 0.36;
    p.drawEllipse(QPointF(c.x() + e1 * r, c.y() - 0.05 * r), 0.11 * r, 0.14 * r);
    p.drawEllipse(QPointF(c.x() + e2 * r, c.y() - 0.05 * r), (f.turned ? 0.09 : 0.11) * r, 0.14 * r);
    QPen line = penna(s, 1.0, 0.7);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    // Brows: level on the young, drawn down on the bearded.
    const double tilt = f.beard == Beard::None ? 0 : 0.08;
    p.drawLine(QPointF(c.x() + (e1 - 0.18) * r, c.y() - (0.3 + tilt) * r), QPointF(c.x() + (e1 + 0.16) * r, c.y() - 0.3 * r));
    p.drawLine(QPointF(c.x() + (e2 - 0.16) * r, c.y() - 0.3 * r), QPointF(c.x() + (e2 + 0.18) * r, c.y() - (0.3 + tilt) * r));
    if (f.turned) {
        fill(p, s, ellisse(QPointF(c.x() - 0.45 * r, c.y() + 0.08 * r), 0.16 * r, 0.26 * r), s.pelle, 0.7);
    } else {
        p.drawLine(QPointF(c.x() + 0.02 * r, c.y() + 0.02 * r), QPointF(c.x() - 0.08 * r, c.y() + 0.34 * r));
        p.drawLine(QPointF(c.x() - 0.08 * r, c.y() + 0.34 * r), QPointF(c.x() + 0.1 * r, c.y() + 0.36 * r));
    }
    if (f.beard == Beard::None) {
        p.setPen(QPen(s.rosso.darker(110), s.tratto * 0.9, Qt::SolidLine, Qt::RoundCap));
        const double mx = f.turned ? 0.45 : 0;
        p.drawLine(QPointF(c.x() + (mx - 0.2) * r, c.y() + 0.6 * r), QPointF(c.x() + (mx + 0.2) * r, c.y() + 0.6 * r));
    }
    beard(p, s, c, r, f);
    frontHair(p, s, c, r, f);
}

// A jewel on a crown or a hat.
void gem(QPainter& p, const Stile& s, QPointF c, double r, const QColor& colour) {
    p.setPen(penna(s, 1.0, 0.5));
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
}

void headgear(QPainter& p, const Stile& s, QPointF c, double r, const Court& f) {
    const QColor gold = s.oro, col = f.hatColour;
    auto at = [&](double x, double y) { return QPointF(c.x() + x * r, c.y() + y * r); };
    auto feather = [&](QPointF root, QPointF tip, double width) {
        if (!f.plume.isValid()) return;
        QPainterPath pl;
        const QPointF d = tip - root, n(-d.y(), d.x());
        const double len = std::hypot(d.x(), d.y());
        const QPointF u = n / len * width;
        pl.moveTo(root);
        pl.cubicTo(root + d * 0.3 + u, root + d * 0.8 + u * 0.8, tip);
        pl.cubicTo(root + d * 0.8 - u * 0.2, root + d * 0.3 - u * 0.3, root);
        fill(p, s, pl, f.plume, 0.7);
    };
    switch (f.hat) {
        case Headgear::Crown:
        case Headgear::LilyCrown:
        case Headgear::SpikedCrown: {
            const double base = -0.42, top = -0.78;
            if (f.hat == Headgear::Crown) {
                QPainterPath k;
                k.moveTo(at(-0.98, base));
                k.lineTo(at(-1.02, -1.55));
                k.lineTo(at(-0.5, -1.0));
                k.lineTo(at(0, -1.75));
                k.lineTo(at(0.5, -1.0));
                k.lineTo(at(1.02, -1.55));
                k.lineTo(at(0.98, base));
                k.closeSubpath();
                fill(p, s, k, gold);
                for (double x : {-1.02, 0.0, 1.02}) gem(p, s, at(x, x == 0 ? -1.82 : -1.62), 0.17 * r, gold);
            } else if (f.hat == Headgear::SpikedCrown) {
                QPainterPath k;
                k.moveTo(at(-0.98, base));
                const int spikes = 7;
                for (int i = 0; i < spikes; ++i) {
                    const double x0 = -0.98 + i * 1.96 / spikes, x1 = x0 + 1.96 / spikes;
                    k.lineTo(at(x0, top));
                    k.lineTo(at((x0 + x1) / 2, -1.6 - (i % 2 ? 0 : 0.15)));
                    k.lineTo(at(x1, top));
                }
                k.lineTo(at(0.98, base));
                k.closeSubpath();
                fill(p, s, k, gold);
            } else {
                fill(p, s, rect(QRectF(at(-0.98, top), at(0.98, base))), gold);
                for (double x : {-0.62, 0.0, 0.62}) {
                    const double big = x == 0 ? 1.25 : 1.0;
                    QPainterPath lily;
                    lily.moveTo(at(x, top));
                    lily.cubicTo(at(x - 0.2 * big, top - 0.35 * big), at(x - 0.05 * big, top - 0.7 * big),
                                 at(x, top - 0.85 * big));
                    lily.cubicTo(at(x + 0.05 * big, top - 0.7 * big), at(x + 0.2 * big, top - 0.35 * big), at(x, top));
                    lily.moveTo(at(x, top - 0.1));
                    lily.quadTo(at(x - 0.45 * big, top - 0.2 * big), at(x - 0.36 * big, top - 0.55 * big));
                    lily.quadTo(at(x - 0.15 * big, top - 0.3 * big), at(x, top - 0.2));
                    lily.moveTo(at(x, top - 0.1));
                    lily.quadTo(at(x + 0.45 * big, top - 0.2 * big), at(x + 0.36 * big, top - 0.55 * big));
                    lily.quadTo(at(x + 0.15 * big, top - 0.3 * big), at(x, top - 0.2));
                    fill(p, s, lily, gold, 0.8);
                }
            }
            fill(p, s, rect(QRectF(at(-1.0, top), at(1.0, base))), gold);
            gem(p, s, at(0, (top + base) / 2), 0.16 * r, f.plume.isValid() ? f.plume : s.rosso);
            gem(p, s, at(-0.6, (top + base) / 2), 0.12 * r, s.verde);
            gem(p, s, at(0.6, (top + base) / 2), 0.12 * r, s.verde);
            break;
        }
        case Headgear::ArchedCrown: {
            QPainterPath cap;
            cap.moveTo(at(-0.9, -0.7));
            cap.cubicTo(at(-0.9, -1.7), at(0.9, -1.7), at(0.9, -0.7));
            cap.closeSubpath();
            fill(p, s, cap, col);
            QPainterPath arches;
            arches.moveTo(at(-0.95, -0.72));
            arches.cubicTo(at(-0.8, -1.75), at(0.8, -1.75), at(0.95, -0.72));
            arches.moveTo(at(0, -0.72));
            arches.lineTo(at(0, -1.5));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(s.inchiostro, 0.22 * r + 2 * s.tratto, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(arches);
            p.setPen(QPen(gold, 0.22 * r, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(arches);
            gem(p, s, at(0, -1.72), 0.26 * r, gold);
            p.setPen(QPen(s.inchiostro, 0.12 * r + 2 * s.tratto, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at(0, -1.95), at(0, -2.4));
            p.drawLine(at(-0.18, -2.2), at(0.18, -2.2));
            p.setPen(QPen(gold, 0.12 * r, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at(0, -1.95), at(0, -2.4));
            p.drawLine(at(-0.18, -2.2), at(0.18, -2.2));
            fill(p, s, rect(QRectF(at(-1.0, -0.8), at(1.0, -0.42))), gold);
            gem(p, s, at(0, -0.61), 0.15 * r, f.plume.isValid() ? f.plume : s.rosso);
            break;
        }
        case Headgear::Beret: {
            p.save();
            p.translate(at(0.1, -0.72));
            p.rotate(f.turned ? 8 : -10);
            fill(p, s, ellisse({0, -0.2 * r}, 1.35 * r, 0.5 * r), col);
            fill(p, s, rect(QRectF(-0.95 * r, -0.05 * r, 1.9 * r, 0.3 * r)), gold, 0.7);
            p.restore();
            feather(at(-0.6, -0.9), at(-1.9, -2.3), 0.35 * r);
            break;
        }
        case Headgear::BrimHat: {
            QPainterPath crown;
            crown.moveTo(at(-0.75, -0.6));
            crown.cubicTo(at(-0.8, -1.7), at(0.8, -1.7), at(0.75, -0.6));
            crown.closeSubpath();
            fill(p, s, crown, col);
            fill(p, s, ellisse(at(0, -0.6), 1.65 * r, 0.32 * r), col);
            fill(p, s, rect(QRectF(at(-0.76, -0.95), at(0.76, -0.72))), gold, 0.7);
            feather(at(0.5, -0.9), at(1.7, -2.0), 0.35 * r);
            break;
        }
        case Headgear::PeakedCap: {
            QPainterPath cap;
            cap.moveTo(at(-0.95, -0.5));
            cap.cubicTo(at(-1.0, -1.5), at(-0.2, -2.1), at(0.75, -1.95));
            cap.cubicTo(at(0.5, -1.7), at(0.8, -1.2), at(0.95, -0.5));
            cap.closeSubpath();
            fill(p, s, cap, col);
            QPainterPath brim;
            brim.moveTo(at(-1.08, -0.42));
            brim.lineTo(at(-1.1, -0.9));
            brim.quadTo(at(0, -0.72), at(1.1, -0.9));
            brim.lineTo(at(1.08, -0.42));
            brim.quadTo(at(0, -0.3), at(-1.08, -0.42));
            fill(p, s, brim, f.plume.isValid() ? f.plume : gold, 0.8);
            break;
        }
        case Headgear::Helmet: {
            QPainterPath h;
            h.moveTo(at(-0.98, -0.15));
            h.cubicTo(at(-1.05, -1.55), at(1.05, -1.55), at(0.98, -0.15));
            h.lineTo(at(0.75, -0.38));
            h.lineTo(at(-0.75, -0.38));
            h.closeSubpath();
            fill(p, s, h, col);
            fill(p, s, rect(QRectF(at(-1.0, -0.62), at(1.0, -0.38))), gold, 0.7);
            p.setPen(penna(s, 1.0, 0.7));
            p.drawLine(at(0, -0.62), at(0, -1.3));
            feather(at(0, -1.25), at(-1.3, -2.4), 0.5 * r);
            feather(at(0, -1.25), at(0.3, -2.6), 0.4 * r);
            break;
        }
        case Headgear::Turban: {
            fill(p, s, ellisse(at(0, -0.82), 1.2 * r, 0.68 * r), col);
            p.setPen(penna(s, 1.0, 0.6));
            p.setBrush(Qt::NoBrush);
            for (double k : {-0.35, 0.0, 0.35}) {
                QPainterPath fold;
                fold.moveTo(at(-1.05, -0.82 + k));
                fold.quadTo(at(0, -0.5 + k), at(1.05, -0.92 + k));
                p.drawPath(fold);
            }
            gem(p, s, at(0.1, -0.95), 0.22 * r, gold);
            feather(at(0.1, -1.1), at(0.5, -2.3), 0.3 * r);
            break;
        }
        case Headgear::TallHat: {
            QPainterPath t;
            t.moveTo(at(-0.82, -0.6));
            t.lineTo(at(-0.7, -2.0));
            t.quadTo(at(0, -2.2), at(0.7, -2.0));
            t.lineTo(at(0.82, -0.6));
            t.closeSubpath();
            fill(p, s, t, col);
            fill(p, s, ellisse(at(0, -0.6), 1.3 * r, 0.28 * r), col);
            fill(p, s, rect(QRectF(at(-0.8, -1.0), at(0.8, -0.75))), gold, 0.7);
            feather(at(-0.5, -1.2), at(-1.4, -2.4), 0.3 * r);
            break;
        }
    }
}

void head(QPainter& p, const Stile& s, QPointF c, double r, const Court& f) {
    face(p, s, c, r, f);
    headgear(p, s, c, r, f);
}

// ---- Arms and what the hands hold ------------------------------------------

struct Arm {
    QPointF shoulder, elbow, hand;
};

void arm(QPainter& p, const Stile& s, const Arm& a, const QColor& sleeve, double width) {
    tubo(p, s, a.shoulder, a.elbow, width, sleeve);
    tubo(p, s, a.elbow, a.hand, width - 1, sleeve);
}

bool isLong(Seme seme) { return seme == Seme::Spade || seme == Seme::Bastoni; }

// The hand that holds the suit sign, on the figure's right (the viewer's right).
Arm signArm(Hold h, QPointF shoulder, Seme seme) {
    const QPointF o = shoulder;
    switch (h) {
        case Hold::Raised:
            return {o, o + QPointF(12, 12), isLong(seme) ? QPointF(o + QPointF(10, 4)) : QPointF(o + QPointF(15, -4))};
        case Hold::Chest: return {o, o + QPointF(5, 22), o + QPointF(-8, 22)};
        case Hold::Low: return {o, o + QPointF(6, 21), isLong(seme) ? QPointF(o + QPointF(9, 38)) : QPointF(o + QPointF(10, 42))};
        case Hold::Shoulder: return {o, o + QPointF(10, 22), o + QPointF(7, 8)};
        case Hold::Forward: return {o, o + QPointF(12, 12), o + QPointF(18, 2)};
    }
    return {o, o, o};
}

// How the sign stands in that hand: swords and clubs lean, hang or rest on the shoulder.
double signAngle(Hold h, Seme seme) {
    if (!isLong(seme)) return 0;
    switch (h) {
        case Hold::Raised: return 6;
        case Hold::Chest: return -28;
        case Hold::Low: return 176;
        case Hold::Shoulder: return 20;
        case Hold::Forward: return 16;
    }
    return 0;
}

void holdSign(QPainter& p, const Stile& s, Seme seme, const Court& f, QPointF at, double scale) {
    signInHand(p, s, seme, at, signHeight(seme) * scale, signAngle(f.hold, seme));
}

Arm otherArm(Other o, QPointF shoulder) {
    const QPointF q = shoulder;
    switch (o) {
        case Other::Hip: return {q, q + QPointF(-11, 18), q + QPointF(3, 34)};
        case Other::Sceptre: return {q, q + QPointF(-10, 18), q + QPointF(-7, 36)};
        case Other::Sword: return {q, q + QPointF(-8, 22), q + QPointF(-4, 44)};
        case Other::Staff: return {q, q + QPointF(-10, 16), q + QPointF(-11, 30)};
        case Other::Orb: return {q, q + QPointF(-10, 20), q + QPointF(-4, 26)};
        case Other::Cloak: return {q, q + QPointF(-6, 22), q + QPointF(6, 38)};
        case Other::Flower: return {q, q + QPointF(-2, 22), q + QPointF(8, 16)};
        case Other::Reins: return {q, q + QPointF(6, 18), q + QPointF(20, 26)};
    }
    return {q, q, q};
}

// What the other hand holds, drawn before the hand itself.
void otherThing(QPainter& p, const Stile& s, Other o, QPointF h, double bottom) {
    switch (o) {
        case Other::Sceptre:
            tubo(p, s, h + QPointF(0, 30), h + QPointF(0, -36), 2.6, s.oro);
            fill(p, s, ellisse(h + QPointF(0, -38), 4, 4), s.oro);
            gem(p, s, h + QPointF(0, -38), 1.6, s.rosso);
            break;
        case Other::Staff:
            tubo(p, s, h + QPointF(1, bottom - h.y()), h + QPointF(-1, -54), 2.8, s.legno);
            fill(p, s, poly({h + QPointF(-1, -54), h + QPointF(-5, -62), h + QPointF(-1, -72), h + QPointF(3, -62)}),
                 s.acciaio);
            break;
        case Other::Sword: {
            // A sword at the side, its point on the ground, the hand on the pommel.
            tubo(p, s, h + QPointF(0, 8), h + QPointF(1, bottom - h.y() - 4), 3.4, s.acciaio);
            tubo(p, s, h + QPointF(-6, 7), h + QPointF(6, 7), 2.2, s.oro);
            fill(p, s, ellisse(h + QPointF(0, -1), 2.6, 2.6), s.oro);
            break;
        }
        case Other::Orb:
            fill(p, s, ellisse(h + QPointF(0, -7), 5.5, 5.5), s.oro);
            p.setPen(penna(s, 1.0, 0.7));
            p.drawLine(h + QPointF(-5.5, -7), h + QPointF(5.5, -7));
            tubo(p, s, h + QPointF(0, -12.5), h + QPointF(0, -19), 1.4, s.oro);
            tubo(p, s, h + QPointF(-3, -16.5), h + QPointF(3, -16.5), 1.4, s.oro);
            break;
        case Other::Flower: {
            p.setPen(QPen(s.verde.darker(130), 1.2));
            p.drawLine(h, h + QPointF(3, -16));
            for (int k = 0; k < 5; ++k) {
                const double a = qDegreesToRadians(k * 72.0);
                fill(p, s, ellisse(h + QPointF(3 + 2.8 * std::cos(a), -17 + 2.8 * std::sin(a)), 2.2, 2.2), s.rosso, 0.5);
            }
            fill(p, s, ellisse(h + QPointF(3, -17), 1.6, 1.6), s.oro, 0.5);
            break;
        }
        default: break;
    }
}

// ---- Bodies -----------------------------------------------------------------

// The lower end of the legs of a standing figure: hip, knee, ankle for each leg.
struct Legs {
    QPointF left[3], right[3];
};

Legs legs(Gait g, double hipY, double footY) {
    const double knee = (hipY + footY) / 2;
    if (g == Gait::Step)
        return {{{44, hipY}, {41, knee}, {37, footY}}, {{56, hipY}, {61, knee}, {65, footY - 1}}};
    return {{{44, hipY}, {43, knee}, {42, footY}}, {{56, hipY}, {57, knee}, {58, footY}}};
}

void shoe(QPainter& p, const Stile& s, QPointF ankle, bool turned) {
    fill(p, s, ellisse(ankle + QPointF(turned ? 3 : 0, 3), turned ? 6.5 : 5.5, 3.2), s.nero, 0.8);
}

void fante(QPainter& p, const Stile& s, Seme seme, const Court& f) {
    const QPointF shoulderL(34, 52), shoulderR(66, 52);
    // A short cape behind the shoulders.
    if (f.cloak.isValid()) {
        QPainterPath cape;
        cape.moveTo(35, 46);
        cape.cubicTo(24, 60, 20, 90, 22, 110);
        cape.quadTo(50, 116, 78, 110);
        cape.cubicTo(80, 90, 76, 60, 65, 46);
        cape.closeSubpath();
        fill(p, s, cape, f.cloak);
    }
    const Legs l = legs(f.gait, 110, 166);
    tubo(p, s, l.left[0], l.left[1], 8.5, f.legLeft);
    tubo(p, s, l.left[1], l.left[2], 7.5, f.legLeft);
    tubo(p, s, l.right[0], l.right[1], 8.5, f.legRight);
    tubo(p, s, l.right[1], l.right[2], 7.5, f.legRight);
    shoe(p, s, l.left[2], f.turned);
    shoe(p, s, l.right[2], f.turned);
    // The other hand's thing, if it stands on the ground, goes behind the body.
    const Arm other = otherArm(f.other, shoulderL);
    if (f.other == Other::Staff) otherThing(p, s, f.other, other.hand, 170);
    fill(p, s, rect(QRectF(46, 36, 8, 12)), s.pelle, 0.8);
    if (f.cut == Cut::Coat) {
        // A coat to the knees, open over a tunic of the sleeves' colour.
        QPainterPath coat;
        coat.moveTo(37, 46);
        coat.lineTo(63, 46);
        coat.lineTo(69, 54);
        coat.lineTo(65, 86);
        coat.lineTo(77, 138);
        coat.quadTo(50, 143, 23, 138);
        coat.lineTo(35, 86);
        coat.lineTo(31, 54);
        coat.closeSubpath();
        garment(p, s, coat, f.dress, f.trim, f.pattern);
        fill(p, s, poly({{46, 50}, {54, 50}, {58, 140}, {42, 140}}), f.sleeve, 0.8);
        fill(p, s, rect(QRectF(36, 84, 28, 5)), s.oro, 0.8);
    } else if (f.cut == Cut::Breeches) {
        // Round puffed breeches, slashed in the trim colour, under a pointed doublet.
        for (double x : {42.0, 58.0}) garment(p, s, ellisse({x, 100}, 10.5, 13), f.sleeve, f.trim, Pattern::Stripes);
        const QPainterPath doublet = poly({{37, 46}, {63, 46}, {69, 54}, {63, 86}, {50, 96}, {37, 86}, {31, 54}});
        garment(p, s, doublet, f.dress, f.trim, f.pattern);
        fill(p, s, poly({{37, 82}, {63, 82}, {63, 87}, {50, 97}, {37, 87}}), s.oro, 0.8);
    } else {
        // Doublet and skirt, the skirt's hem cut in tongues.
        QPainterPath skirt;
        skirt.moveTo(38, 84);
        skirt.lineTo(62, 84);
        skirt.lineTo(72, 116);
        const int tongues = 5;
        for (int k = 0; k < tongues; ++k) {
            const double x0 = 72 - k * 44.0 / tongues, x1 = 72 - (k + 1) * 44.0 / tongues;
            skirt.quadTo((x0 + x1) / 2, 124, x1, 116);
        }
        skirt.closeSubpath();
        garment(p, s, skirt, f.dress, f.trim, f.pattern);
        const QPainterPath doublet = poly({{37, 46}, {63, 46}, {69, 54}, {62, 88}, {38, 88}, {31, 54}});
        garment(p, s, doublet, f.dress, f.trim, f.pattern);
        fill(p, s, rect(QRectF(37, 84, 26, 5)), s.oro, 0.8);
    }
    // Buttons down the front, off the middle when the body turns.
    const double bx = f.turned ? 55 : 50;
    if (f.cut != Cut::Coat) fill(p, s, rect(QRectF(bx - 2, 48, 4, 34)), f.trim, 0.6);
    // A ruff at the neck.
    QPainterPath ruff;
    for (int k = 0; k < 8; ++k) ruff.addEllipse(QPointF(41.5 + k * 2.4, 46 + (k % 2) * 0.8), 2.4, 2.6);
    fill(p, s, ruff.simplified(), s.bianco, 0.6);
    // Sleeves puffed at the shoulder, then the arms.
    fill(p, s, ellisse(shoulderL + QPointF(-1, 1), 6.5, 7), f.sleeve);
    fill(p, s, ellisse(shoulderR + QPointF(1, 1), 6.5, 7), f.sleeve);
    if (f.other != Other::Staff) otherThing(p, s, f.other, other.hand, 170);
    arm(p, s, other, f.sleeve, 7);
    hand(p, s, other.hand);
    const Arm sign = signArm(f.hold, shoulderR, seme);
    arm(p, s, sign, f.sleeve, 7);
    holdSign(p, s, seme, f, sign.hand, 1.0);
    hand(p, s, sign.hand);
    head(p, s, {50, 28}, 10.5, f);
}

// A throne behind a seated king: a cloth-covered back with gilt knobs, the seat, legs and a footstool.
void throne(QPainter& p, const Stile& s, const Court& f) {
    const QColor cloth = f.cloak.isValid() ? f.cloak : s.rosso;
    fill(p, s, rect(QRectF(20, 126, 7, 46)), s.oroScuro, 0.8);
    fill(p, s, rect(QRectF(73, 126, 7, 46)), s.oroScuro, 0.8);
    QPainterPath back;
    back.moveTo(22, 128);
    back.lineTo(22, 52);
    back.quadTo(50, 40, 78, 52);
    back.lineTo(78, 128);
    back.closeSubpath();
    garment(p, s, back, cloth, f.lining.isValid() ? f.lining : s.oro, Pattern::Lozenges);
    for (double x : {21.0, 79.0}) fill(p, s, ellisse({x, 49}, 4.5, 4.5), s.oro);
    fill(p, s, rect(QRectF(16, 122, 68, 8)), s.oroScuro);
    fill(p, s, rect(QRectF(30, 166, 40, 7)), s.oroScuro, 0.8);
}

void re(QPainter& p, const Stile& s, Seme seme, const Court& f) {
    const bool seated = f.cut == Cut::Throne;
    const double dy = seated ? 14 : 0;  // a seated king sits lower
    const QPointF shoulderL(33, 54 + dy), shoulderR(67, 54 + dy);
    if (seated) throne(p, s, f);
    // The mantle or cloak behind everything.
    if (f.cloak.isValid() && (f.cut == Cut::Standard || f.cut == Cut::Tunic)) {
        const double spread = f.cut == Cut::Tunic ? 8 : 12;
        QPainterPath mantle;
        mantle.moveTo(36, 48);
        mantle.cubicTo(20, 70, spread + 2, 130, spread, 170);
        mantle.quadTo(50, 180, 100 - spread, 170);
        mantle.cubicTo(98 - spread, 130, 80, 70, 64, 48);
        mantle.closeSubpath();
        fill(p, s, mantle, f.cloak);
    }
    const Arm other = otherArm(f.other, shoulderL);
    if (f.other == Other::Staff || f.other == Other::Sword) otherThing(p, s, f.other, other.hand, 172);
    const double feet = seated ? 164 : 173;
    if (f.cut == Cut::Tunic) {
        tubo(p, s, {44, 128}, {43, 168}, 8, f.legLeft);
        tubo(p, s, {56, 128}, {f.turned ? 60.0 : 57.0, 168}, 8, f.legRight);
    }
    fill(p, s, ellisse({42, feet}, 6.5, 3.5), s.nero, 0.8);
    fill(p, s, ellisse({f.turned ? 61.0 : 58.0, feet}, 6.5, 3.5), s.nero, 0.8);
    fill(p, s, rect(QRectF(46, 38 + dy, 8, 12)), s.pelle, 0.8);
    QPainterPath robe;
    robe.moveTo(37, 50 + dy);
    robe.lineTo(63, 50 + dy);
    switch (f.cut) {
        case Cut::Throne:
            // Over the knees, then falling to the feet.
            robe.lineTo(68, 104);
            robe.lineTo(76, 128);
            robe.lineTo(70, 160);
            robe.quadTo(50, 164, 30, 160);
            robe.lineTo(24, 128);
            robe.lineTo(32, 104);
            break;
        case Cut::Tunic:
            robe.lineTo(68, 92);
            robe.lineTo(73, 132);
            robe.quadTo(50, 137, 27, 132);
            robe.lineTo(32, 92);
            break;
        case Cut::Cape:
            robe.lineTo(67, 92);
            robe.lineTo(82, 171);
            robe.quadTo(50, 177, 18, 171);
            robe.lineTo(33, 92);
            break;
        default:
            robe.lineTo(69, 92);
            robe.lineTo(75, 171);
            robe.quadTo(50, 176, 25, 171);
            robe.lineTo(31, 92);
            break;
    }
    robe.closeSubpath();
    garment(p, s, robe, f.dress, f.trim, f.pattern);
    if (seated) {
        p.setPen(penna(s, 1.0, 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(50, 128), QPointF(50, 160));  // between the knees
    }
    // The mantle's lining shows along its open edges.
    if (f.cloak.isValid() && f.cut == Cut::Standard) {
        fill(p, s, poly({{33, 56}, {37, 56}, {30, 171}, {24, 170}}), f.lining, 0.8);
        fill(p, s, poly({{67, 56}, {63, 56}, {70, 171}, {76, 170}}), f.lining, 0.8);
    }
    fill(p, s, rect(QRectF(33, 90 + dy, 34, 5)), s.oro, 0.8);
    if (f.cut == Cut::Cape) {
        // A round shoulder cape edged with ermine.
        QPainterPath cape;
        cape.moveTo(40, 47);
        cape.cubicTo(30, 48, 24, 62, 22, 86);
        cape.quadTo(50, 94, 78, 86);
        cape.cubicTo(76, 62, 70, 48, 60, 47);
        cape.closeSubpath();
        fill(p, s, cape, f.cloak.isValid() ? f.cloak : f.trim);
        QPainterPath hem;
        hem.moveTo(22, 84);
        hem.quadTo(50, 92, 78, 84);
        hem.lineTo(78, 90);
        hem.quadTo(50, 98, 22, 90);
        hem.closeSubpath();
        fill(p, s, hem, s.bianco, 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(s.nero);
        for (double x = 27; x < 76; x += 8) p.drawEllipse(QPointF(x, 88 + (x > 40 && x < 60 ? 2.5 : 1)), 0.9, 1.5);
    } else {
        // Ermine over the shoulders.
        QPainterPath ermine;
        ermine.moveTo(30, 53 + dy);
        ermine.quadTo(50, 44 + dy, 70, 53 + dy);
        ermine.quadTo(66, 64 + dy, 50, 67 + dy);
        ermine.quadTo(34, 64 + dy, 30, 53 + dy);
        fill(p, s, ermine, s.bianco);
        p.setPen(Qt::NoPen);
        p.setBrush(s.nero);
        for (QPointF q : {QPointF(38, 56), QPointF(45, 60), QPointF(55, 60), QPointF(62, 56), QPointF(50, 63)})
            p.drawEllipse(q + QPointF(0, dy), 0.9, 1.6);
    }
    if (f.other != Other::Staff && f.other != Other::Sword) otherThing(p, s, f.other, other.hand, 172);
    arm(p, s, other, f.sleeve, 8);
    hand(p, s, other.hand);
    const Arm sign = signArm(f.hold, shoulderR, seme);
    arm(p, s, sign, f.sleeve, 8);
    holdSign(p, s, seme, f, sign.hand, isLong(seme) && f.hold == Hold::Raised ? 0.92 : 1.05);
    hand(p, s, sign.hand);
    head(p, s, {50, 32 + dy}, 11, f);
}

// ---- The knight ---------------------------------------------------------------

void hoof(QPainter& p, const Stile& s, QPointF at) {
    fill(p, s, poly({at + QPointF(-3.5, -1), at + QPointF(3.5, -1), at + QPointF(4.5, 3.5), at + QPointF(-4, 3.5)}),
         s.nero, 0.6);
}

void leg(QPainter& p, const Stile& s, QPointF a, QPointF b, QPointF c, const QColor& coat) {
    tubo(p, s, a, b, 6.5, coat);
    tubo(p, s, b, c, 5, coat);
    hoof(p, s, c);
}

void cavallo(QPainter& p, const Stile& s, Seme seme, const Court& f) {
    const QColor coat = f.horse, mane = f.mane;
    const bool rearing = f.gait == Gait::Rearing, step = f.gait == Gait::Step || f.gait == Gait::Trot;
    // Hind legs stay on the ground; the body turns up about the hindquarters when rearing.
    const QPointF pivot(28, 140);
    if (f.gait == Gait::Trot) leg(p, s, {30, 134}, {38, 148}, {35, 162}, coat.darker(112));
    else leg(p, s, {30, 134}, {34, 152}, {31, 170}, coat.darker(112));
    leg(p, s, {24, 132}, step ? QPointF(27, 152) : QPointF(22, 152), step ? QPointF(30, 171) : QPointF(22, 171), coat);
    p.save();
    if (rearing) {
        p.translate(pivot);
        p.rotate(-20);
        p.translate(-pivot);
    }
    // Tail, far forelegs, body, near forelegs.
    QPainterPath tail;
    tail.moveTo(21, 114);
    tail.cubicTo(10, 122, 8, 142, 14, 160);
    strand(p, s, tail, 5, mane);
    if (rearing) {
        leg(p, s, {64, 132}, {74, 126}, {76, 138}, coat.darker(112));
    } else {
        leg(p, s, {64, 134}, {64, 152}, {64, 170}, coat.darker(112));
    }
    QPainterPath neck = poly({{58, 116}, {68, 86}, {80, 90}, {76, 124}});
    fill(p, s, neck, coat);
    fill(p, s, ellisse({46, 124}, 28, 14), coat);
    fill(p, s, ellisse({25, 121}, 10, 13), coat);
    if (rearing) leg(p, s, {70, 132}, {82, 122}, {86, 134}, coat);
    else if (step) leg(p, s, {70, 134}, {80, 146}, {76, 159}, coat);
    else leg(p, s, {70, 134}, {71, 152}, {71, 170}, coat);
    QPainterPath muzzle;
    muzzle.moveTo(70, 88);
    muzzle.quadTo(74, 77, 82, 80);
    muzzle.lineTo(95, 98);
    muzzle.quadTo(98, 105, 92, 107);
    muzzle.quadTo(85, 107, 80, 101);
    muzzle.quadTo(75, 96, 70, 88);
    fill(p, s, muzzle, coat);
    fill(p, s, poly({{73, 82}, {74, 72}, {79, 80}}), coat, 0.8);
    QPainterPath maneLine;
    maneLine.moveTo(72, 83);
    maneLine.cubicTo(66, 92, 66, 100, 58, 114);
    strand(p, s, maneLine, 4.5, mane);
    p.setPen(Qt::NoPen);
    p.setBrush(s.inchiostro);
    p.drawEllipse(QPointF(81, 89), 1.4, 1.4);
    p.drawEllipse(QPointF(93, 101), 1.0, 0.8);
    // Bridle.
    p.setPen(QPen(s.inchiostro, 1.0));
    p.drawLine(QPointF(76, 84), QPointF(89, 104));
    p.drawLine(QPointF(83, 101), QPointF(93, 97));
    // Cloth over the horse, its hem cut in tongues.
    QPainterPath cloth;
    const double hem = f.cut == Cut::Coat ? 152 : 138;
    cloth.moveTo(26, 108);
    cloth.lineTo(66, 108);
    cloth.lineTo(72, hem);
    const int tongues = 6;
    for (int k = 0; k < tongues; ++k) {
        const double x0 = 72 - k * 52.0 / tongues, x1 = 72 - (k + 1) * 52.0 / tongues;
        cloth.quadTo((x0 + x1) / 2, hem + 7, x1, hem);
    }
    cloth.closeSubpath();
    garment(p, s, cloth, f.caparison, f.trim, f.caparisonPattern);
    fill(p, s, poly({{28, 96}, {33, 96}, {35, 108}, {27, 108}}), s.oroScuro, 0.8);  // the saddle's back
    // The rider: leg, body, arms, head. On a rearing horse he leans forward into the rise.
    if (rearing) {
        const QPointF seat(46, 108);
        p.translate(seat);
        p.rotate(12);
        p.translate(-seat);
    }
    tubo(p, s, {48, 104}, {60, 114}, 8, f.legRight);
    tubo(p, s, {60, 114}, {58, 134}, 7, f.legRight);
    shoe(p, s, {58, 134}, true);
    p.setPen(QPen(s.inchiostro, 1.0));
    p.drawLine(QPointF(58, 110), QPointF(58, 137));
    QPainterPath skirt = poly({{36, 96}, {60, 96}, {64, 112}, {34, 112}});
    garment(p, s, skirt, f.dress, f.trim, f.pattern);
    const QPainterPath body = poly({{39, 62}, {57, 62}, {60, 100}, {37, 100}});
    garment(p, s, body, f.dress, f.trim, f.pattern);
    fill(p, s, rect(QRectF(37, 94, 23, 4.5)), s.oro, 0.8);
    fill(p, s, rect(QRectF(44, 52, 7, 11)), s.pelle, 0.8);
    const Arm reins = otherArm(Other::Reins, {42, 66});
    arm(p, s, reins, f.sleeve, 6.5);
    p.setPen(QPen(s.inchiostro, 0.9));
    p.drawLine(QPointF(63, 92), QPointF(90, 104));
    hand(p, s, reins.hand);
    const Arm sign = signArm(f.hold, {55, 66}, seme);
    arm(p, s, sign, f.sleeve, 6.5);
    holdSign(p, s, seme, f, sign.hand, 0.9);
    hand(p, s, sign.hand);
    head(p, s, {48, 44}, 9.5, f);
    p.restore();
}

}  // namespace

void drawCourt(QPainter& p, const Stile& s, Seme seme, const Court& c) {
    p.save();
    if (c.left) {
        p.translate(kLarghezzaFigura, 0);
        p.scale(-1, 1);
    }
    switch (c.rank) {
        case Rank::Fante: fante(p, s, seme, c); break;
        case Rank::Cavallo: cavallo(p, s, seme, c); break;
        case Rank::Re: re(p, s, seme, c); break;
    }
    p.restore();
}

}  // namespace zelvo::pictures
