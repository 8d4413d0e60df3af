// The three manners, the shared drawing helpers and the high-contrast deck's four
// suit marks; the regional decks draw their own (piacentine.cpp, napoletane.cpp).
#include <QFont>
#include <QLinearGradient>
#include <QTransform>
#include <QtMath>

#include "look.h"

namespace zelvo::pictures {

namespace {

Stile piacentine() {
    // Woodcut manner: heavy black outlines and flat primary colours.
    Stile s{};
    s.maniera = Maniera::Piacentine;
    s.carta = QColor(0xFB, 0xF7, 0xEC);
    s.inchiostro = QColor(0x10, 0x10, 0x10);
    s.tratto = 1.4;
    s.sfumature = false;
    s.oro = QColor(0xF5, 0xC2, 0x00);
    s.oroScuro = QColor(0xC8, 0x7A, 0x00);
    s.rosso = QColor(0xD0, 0x1A, 0x1A);
    s.blu = QColor(0x1E, 0x4F, 0xC8);
    s.verde = QColor(0x1E, 0x8A, 0x2E);
    s.acciaio = QColor(0x2F, 0x6C, 0xD8);
    s.legno = QColor(0xC0, 0x7A, 0x2A);
    s.legnoScuro = QColor(0x7A, 0x46, 0x14);
    s.pelle = QColor(0xF7, 0xD2, 0xB0);
    s.capelli = QColor(0x5A, 0x32, 0x14);
    s.bianco = QColor(0xFF, 0xFF, 0xFF);
    s.nero = QColor(0x10, 0x10, 0x10);
    return s;
}

Stile napoletane() {
    // Finer dark-brown lines, warmer colours with a little shading, still strong
    // enough to stand out from the white card at table size.
    Stile s{};
    s.maniera = Maniera::Napoletane;
    s.carta = QColor(0xFF, 0xFD, 0xF6);
    s.inchiostro = QColor(0x2E, 0x1B, 0x10);
    s.tratto = 0.9;
    s.sfumature = true;
    s.oro = QColor(0xF2, 0xB8, 0x22);
    s.oroScuro = QColor(0xA8, 0x6E, 0x0C);
    s.rosso = QColor(0xC8, 0x2E, 0x26);
    s.blu = QColor(0x24, 0x58, 0xA8);
    s.verde = QColor(0x35, 0x86, 0x34);
    s.acciaio = QColor(0x8C, 0xAE, 0xD6);
    s.legno = QColor(0xA0, 0x66, 0x30);
    s.legnoScuro = QColor(0x5C, 0x36, 0x16);
    s.pelle = QColor(0xF8, 0xD4, 0xB4);
    s.capelli = QColor(0x4E, 0x2C, 0x14);
    s.bianco = QColor(0xFF, 0xFF, 0xFF);
    s.nero = QColor(0x2E, 0x1B, 0x10);
    return s;
}

Stile contrasto() {
    // For weak sight: pure white ground, thick black lines, one strong colour per suit.
    Stile s{};
    s.maniera = Maniera::Contrasto;
    s.carta = QColor(0xFF, 0xFF, 0xFF);
    s.inchiostro = QColor(0, 0, 0);
    s.tratto = 1.8;
    s.sfumature = false;
    s.oro = QColor(0xFF, 0xB8, 0x00);
    s.oroScuro = QColor(0xB0, 0x60, 0x00);
    s.rosso = QColor(0xD0, 0x00, 0x00);
    s.blu = QColor(0x00, 0x3C, 0xC8);
    s.verde = QColor(0x00, 0x80, 0x00);
    s.acciaio = QColor(0x00, 0x3C, 0xC8);
    s.legno = QColor(0x00, 0x80, 0x00);
    s.legnoScuro = QColor(0x00, 0x40, 0x00);
    s.pelle = QColor(0xFF, 0xDD, 0xBB);
    s.capelli = QColor(0x30, 0x20, 0x10);
    s.bianco = QColor(0xFF, 0xFF, 0xFF);
    s.nero = QColor(0, 0, 0);
    // Clothes follow the suit's own colour, so a figure is told by colour alone.
    const QColor veste[4] = {s.oro, s.rosso, s.blu, s.verde};
    const QColor mantello[4] = {s.rosso, s.oro, s.oro, s.oro};
    for (int i = 0; i < 4; ++i) s.veste[i] = veste[i], s.mantello[i] = mantello[i];
    return s;
}

}  // namespace

const Stile& stile(Maniera m) {
    static const Stile p = piacentine(), n = napoletane(), c = contrasto();
    return m == Maniera::Piacentine ? p : m == Maniera::Napoletane ? n : c;
}

QPen penna(const Stile& s, double scala, double peso) {
    QPen pen(s.inchiostro, s.tratto * peso / scala);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QBrush riempimento(const Stile& s, const QColor& c, const QRectF& box) {
    if (!s.sfumature) return QBrush(c);
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0.0, c.lighter(125));
    g.setColorAt(0.55, c);
    g.setColorAt(1.0, c.darker(118));
    return QBrush(g);
}

void campisci(QPainter& p, const Stile& s, const QPainterPath& path, const QColor& c, double peso) {
    p.setBrush(riempimento(s, c, path.boundingRect()));
    p.setPen(penna(s, 1.0, peso));
    p.drawPath(path);
}

void tubo(QPainter& p, const Stile& s, QPointF a, QPointF b, double larghezza, const QColor& c) {
    QPen bordo(s.inchiostro, larghezza + 2 * s.tratto, Qt::SolidLine, Qt::RoundCap);
    p.setPen(bordo);
    p.drawLine(a, b);
    QPen dentro(c, larghezza, Qt::SolidLine, Qt::RoundCap);
    p.setPen(dentro);
    p.drawLine(a, b);
}

QPainterPath ellisse(QPointF centro, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centro, rx, ry);
    return path;
}

namespace {

// The high-contrast deck's marks: flat strong colours and thick black lines.
// Each is drawn in a local frame 100 units tall centred on the origin; `k`
// converts a card-unit outline width into that frame.

constexpr double kRaggioMoneta = 48, kRaggioAnello = 37;

void moneta(QPainter& p, const Stile& s, double k) {
    p.setPen(penna(s, k));
    p.setBrush(s.oro);
    p.drawEllipse(QPointF(0, 0), kRaggioMoneta, kRaggioMoneta);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), kRaggioAnello, kRaggioAnello);
    p.setBrush(s.nero);
    p.drawEllipse(QPointF(0, 0), 12, 12);
}

// Proportions of the cup: rim, bowl, knot and foot.
constexpr double kMezzaBocca = 30, kYBocca = -40, kYCollo = -4, kYNodo = 14, kYPiede = 30, kYBase = 46,
                 kMezzoPiede = 24;

void coppa(QPainter& p, const Stile& s, double k) {
    p.setPen(penna(s, k));
    QPainterPath piede;
    piede.moveTo(-5, kYPiede);
    piede.cubicTo(-8, kYBase - 8, -kMezzoPiede, kYBase - 6, -kMezzoPiede, kYBase);
    piede.lineTo(kMezzoPiede, kYBase);
    piede.cubicTo(kMezzoPiede, kYBase - 6, 8, kYBase - 8, 5, kYPiede);
    piede.closeSubpath();
    p.setBrush(s.rosso);
    p.drawPath(piede);
    p.setBrush(s.oro);
    p.drawRect(QRectF(-4.5, kYCollo, 9, kYPiede - kYCollo));
    p.drawEllipse(QPointF(0, kYNodo), 10, 6);
    QPainterPath vaso;
    vaso.moveTo(-kMezzaBocca, kYBocca);
    vaso.cubicTo(-kMezzaBocca, kYBocca + 26, -16, kYCollo - 2, -4, kYCollo);
    vaso.lineTo(4, kYCollo);
    vaso.cubicTo(16, kYCollo - 2, kMezzaBocca, kYBocca + 26, kMezzaBocca, kYBocca);
    vaso.closeSubpath();
    p.setBrush(s.rosso);
    p.drawPath(vaso);
    p.setBrush(s.nero);
    p.drawEllipse(QPointF(0, kYBocca), kMezzaBocca, 5.5);
}

// Proportions of the sword: blade, guard, grip and pommel.
constexpr double kPunta = -50, kYGuardia = 20, kMezzaLama = 6.5, kMezzaGuardia = 17, kYImpugnatura = 26,
                 kYPomo = 42;

void spada(QPainter& p, const Stile& s, double k) {
    p.setPen(penna(s, k));
    QPainterPath lama;
    lama.moveTo(0, kPunta);
    lama.cubicTo(kMezzaLama * 0.6, kPunta + 10, kMezzaLama, kPunta + 25, kMezzaLama, kYGuardia);
    lama.lineTo(-kMezzaLama, kYGuardia);
    lama.cubicTo(-kMezzaLama, kPunta + 25, -kMezzaLama * 0.6, kPunta + 10, 0, kPunta);
    lama.closeSubpath();
    p.setBrush(s.acciaio);
    p.drawPath(lama);
    p.setBrush(s.nero);
    p.drawRect(QRectF(-3.5, kYImpugnatura, 7, kYPomo - kYImpugnatura - 3));
    QPainterPath guardia;
    guardia.moveTo(-kMezzaGuardia, kYGuardia - 3);
    guardia.quadTo(0, kYGuardia + 2, kMezzaGuardia, kYGuardia - 3);
    guardia.lineTo(kMezzaGuardia, kYImpugnatura - 1);
    guardia.quadTo(0, kYImpugnatura + 3, -kMezzaGuardia, kYImpugnatura - 1);
    guardia.closeSubpath();
    p.setBrush(s.oro);
    p.drawPath(guardia);
    p.drawEllipse(QPointF(0, kYPomo + 2), 5.5, 5.5);
}

// Proportions of the club: a knotty log, broad at the top, with cut stubs.
constexpr double kYCima = -48, kYFondo = 48, kMezzaCima = 10, kMezzoFondo = 5;

void bastone(QPainter& p, const Stile& s, double k) {
    p.setPen(penna(s, k));
    // Cut side branches first, so the log covers their roots.
    struct Moncone { double y, lato, lunghezza; };
    const Moncone monconi[] = {{-30, 1, 9}, {-12, -1, 9}, {8, 1, 8}, {26, -1, 7}};
    for (const auto& m : monconi) {
        const double x0 = m.lato * (kMezzoFondo + (kMezzaCima - kMezzoFondo) * (kYFondo - m.y) / (kYFondo - kYCima) - 2);
        QPainterPath ramo;
        ramo.moveTo(x0, m.y + 3);
        ramo.lineTo(x0 + m.lato * m.lunghezza, m.y - 4);
        ramo.lineTo(x0 + m.lato * (m.lunghezza - 1), m.y - 9);
        ramo.lineTo(x0, m.y - 5);
        ramo.closeSubpath();
        p.setBrush(s.legno);
        p.drawPath(ramo);
        p.setBrush(s.bianco);
        p.drawEllipse(QPointF(x0 + m.lato * (m.lunghezza - 0.5), m.y - 6.5), 2.4, 2.8);
    }
    QPainterPath tronco;
    tronco.moveTo(-kMezzoFondo, kYFondo);
    tronco.cubicTo(-kMezzoFondo - 1, 10, -kMezzaCima - 1, -20, -kMezzaCima, kYCima + 8);
    tronco.quadTo(-kMezzaCima + 1, kYCima, 0, kYCima);
    tronco.quadTo(kMezzaCima - 1, kYCima, kMezzaCima, kYCima + 8);
    tronco.cubicTo(kMezzaCima + 1, -20, kMezzoFondo + 1, 10, kMezzoFondo, kYFondo);
    tronco.quadTo(0, kYFondo + 3, -kMezzoFondo, kYFondo);
    tronco.closeSubpath();
    p.setBrush(s.legno);
    p.drawPath(tronco);
    p.setBrush(s.bianco);
    p.drawEllipse(QPointF(0, kYCima + 3), kMezzaCima - 2.5, 3.2);
}

}  // namespace

QPointF presaSeme(const Stile& s, Seme seme) {
    if (s.maniera == Maniera::Piacentine) return piacentineGrip(seme);
    if (s.maniera == Maniera::Napoletane) return napoletaneGrip(seme);
    switch (seme) {
        case Seme::Denari: return {0, 0.42};
        case Seme::Coppe: return {0, 0.16};
        case Seme::Spade: return {0, 0.33};
        case Seme::Bastoni: return {0, 0.34};
    }
    return {};
}

void disegnaSeme(QPainter& p, const Stile& s, Seme seme, QPointF centro, double altezza, double angolo) {
    p.save();
    p.translate(centro);
    p.rotate(angolo);
    const double k = altezza / 100.0;
    p.scale(k, k);
    if (s.maniera == Maniera::Piacentine) {
        drawPiacentineSign(p, s, seme, k);
    } else if (s.maniera == Maniera::Napoletane) {
        drawNapoletaneSign(p, s, seme, k);
    } else {
        switch (seme) {
            case Seme::Denari: moneta(p, s, k); break;
            case Seme::Coppe: coppa(p, s, k); break;
            case Seme::Spade: spada(p, s, k); break;
            case Seme::Bastoni: bastone(p, s, k); break;
        }
    }
    p.restore();
}

QPainterPath testo(const QString& t, const QString& famiglia, bool grassetto, double altezza, QPointF punto,
                   bool centrato) {
    QFont f(famiglia);
    f.setPixelSize(100);
    f.setBold(grassetto);
    QPainterPath path;
    path.addText(0, 0, f, t);
    const QRectF r = path.boundingRect();
    const double k = altezza / -r.top();
    QTransform tr;
    tr.translate(punto.x() - (centrato ? r.center().x() * k : r.left() * k), punto.y());
    tr.scale(k, k);
    return tr.map(path);
}

}  // namespace zelvo::pictures
