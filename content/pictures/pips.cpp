// The three manners and the four suit marks: coins, cups, swords and clubs.
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include "look.h"

namespace zelvo::pictures {

namespace {

Stile piacentine() {
    // Bold, flat, heavily outlined: primary colours as on a woodcut deck.
    Stile s{};
    s.maniera = Maniera::Piacentine;
    s.carta = QColor(0xFB, 0xF7, 0xEC);
    s.inchiostro = QColor(0x10, 0x10, 0x10);
    s.tratto = 1.3;
    s.sfumature = false;
    s.oro = QColor(0xF5, 0xC2, 0x00);
    s.oroScuro = QColor(0xC8, 0x7A, 0x00);
    s.rosso = QColor(0xD0, 0x1A, 0x1A);
    s.blu = QColor(0x1E, 0x4F, 0xC8);
    s.verde = QColor(0x1E, 0x8A, 0x2E);
    s.acciaio = QColor(0x2F, 0x6C, 0xD8);
    s.legno = QColor(0x3D, 0x9A, 0x3A);
    s.legnoScuro = QColor(0x1F, 0x5E, 0x1F);
    s.pelle = QColor(0xF7, 0xD2, 0xB0);
    s.capelli = QColor(0x5A, 0x32, 0x14);
    s.bianco = QColor(0xFF, 0xFF, 0xFF);
    s.nero = QColor(0x10, 0x10, 0x10);
    const QColor veste[4] = {s.rosso, s.blu, s.verde, s.oro};
    const QColor mantello[4] = {s.blu, s.rosso, s.oro, s.rosso};
    for (int i = 0; i < 4; ++i) s.veste[i] = veste[i], s.mantello[i] = mantello[i];
    return s;
}

Stile napoletane() {
    // Lighter and softer: thin brown lines, pastel colours, gentle shading.
    Stile s{};
    s.maniera = Maniera::Napoletane;
    s.carta = QColor(0xFF, 0xFD, 0xF7);
    s.inchiostro = QColor(0x4A, 0x32, 0x22);
    s.tratto = 0.6;
    s.sfumature = true;
    s.oro = QColor(0xF2, 0xCE, 0x6B);
    s.oroScuro = QColor(0xB8, 0x86, 0x2B);
    s.rosso = QColor(0xE0, 0x5A, 0x4E);
    s.blu = QColor(0x6F, 0x9F, 0xD8);
    s.verde = QColor(0x7B, 0xB6, 0x6A);
    s.acciaio = QColor(0xA9, 0xC4, 0xDE);
    s.legno = QColor(0xB0, 0x7A, 0x45);
    s.legnoScuro = QColor(0x7A, 0x4E, 0x28);
    s.pelle = QColor(0xFB, 0xE0, 0xC8);
    s.capelli = QColor(0x8A, 0x5A, 0x32);
    s.bianco = QColor(0xFF, 0xFF, 0xFF);
    s.nero = QColor(0x4A, 0x32, 0x22);
    const QColor veste[4] = {QColor(0xE8, 0x8A, 0x80), QColor(0x86, 0xB4, 0xE2), QColor(0x9C, 0xC8, 0x8C),
                             QColor(0xEE, 0xC8, 0x78)};
    const QColor mantello[4] = {QColor(0x8C, 0xB0, 0xDC), QColor(0xE6, 0x96, 0x7E), QColor(0xEE, 0xD0, 0x80),
                                QColor(0xD8, 0x86, 0x8A)};
    for (int i = 0; i < 4; ++i) s.veste[i] = veste[i], s.mantello[i] = mantello[i];
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

// Each mark is drawn in a local frame 100 units tall centred on the origin;
// `k` converts a card-unit outline width into that frame.

// Proportions of the coin.
constexpr double kRaggioMoneta = 48, kRaggioAnello = 37, kRaggioRosone = 30;

void moneta(QPainter& p, const Stile& s, double k) {
    const QPen pen = penna(s, k);
    p.setPen(pen);
    if (s.sfumature) {
        QRadialGradient g(QPointF(-14, -16), 70);
        g.setColorAt(0, s.oro.lighter(130));
        g.setColorAt(0.6, s.oro);
        g.setColorAt(1, s.oroScuro);
        p.setBrush(g);
    } else {
        p.setBrush(s.oro);
    }
    p.drawEllipse(QPointF(0, 0), kRaggioMoneta, kRaggioMoneta);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), kRaggioAnello, kRaggioAnello);
    if (s.maniera == Maniera::Contrasto) {
        p.setBrush(s.nero);
        p.drawEllipse(QPointF(0, 0), 12, 12);
        return;
    }
    // Beads between the two rims.
    const double rPerla = (kRaggioMoneta + kRaggioAnello) / 2;
    p.setBrush(s.maniera == Maniera::Piacentine ? s.rosso : s.oroScuro);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        p.drawEllipse(QPointF(rPerla * std::cos(a), rPerla * std::sin(a)), 2.6, 2.6);
    }
    // An eight-petal rosette in the middle.
    p.setPen(pen);
    const QColor petalo = s.maniera == Maniera::Piacentine ? s.rosso : QColor(0xE0, 0x78, 0x50);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(i * 45.0);
        QPainterPath foglia;
        foglia.moveTo(0, 0);
        foglia.cubicTo(9, -8, 7, -kRaggioRosone + 4, 0, -kRaggioRosone);
        foglia.cubicTo(-7, -kRaggioRosone + 4, -9, -8, 0, 0);
        p.setBrush(i % 2 ? petalo : (s.maniera == Maniera::Piacentine ? s.verde : s.verde.lighter(110)));
        p.drawPath(foglia);
        p.restore();
    }
    p.setBrush(s.oro);
    p.drawEllipse(QPointF(0, 0), 7, 7);
}

// Proportions of the cup: rim, bowl, knot and foot.
constexpr double kMezzaBocca = 30, kYBocca = -40, kYCollo = -4, kYNodo = 14, kYPiede = 30, kYBase = 46,
                 kMezzoPiede = 24;

void coppa(QPainter& p, const Stile& s, double k) {
    const QPen pen = penna(s, k);
    p.setPen(pen);
    const bool piac = s.maniera == Maniera::Piacentine;
    const QColor coppaColore = s.maniera == Maniera::Napoletane ? s.oro : s.rosso;
    const QColor metallo = s.maniera == Maniera::Napoletane ? s.blu : s.oro;
    // Foot.
    QPainterPath piede;
    piede.moveTo(-5, kYPiede);
    piede.cubicTo(-8, kYBase - 8, -kMezzoPiede, kYBase - 6, -kMezzoPiede, kYBase);
    piede.lineTo(kMezzoPiede, kYBase);
    piede.cubicTo(kMezzoPiede, kYBase - 6, 8, kYBase - 8, 5, kYPiede);
    piede.closeSubpath();
    p.setBrush(riempimento(s, coppaColore, piede.boundingRect()));
    p.drawPath(piede);
    // Stem with its knot.
    p.setBrush(riempimento(s, metallo, QRectF(-5, kYCollo, 10, kYPiede - kYCollo)));
    p.drawRect(QRectF(-4.5, kYCollo, 9, kYPiede - kYCollo));
    p.drawEllipse(QPointF(0, kYNodo), 10, 6);
    // Bowl.
    QPainterPath vaso;
    vaso.moveTo(-kMezzaBocca, kYBocca);
    vaso.cubicTo(-kMezzaBocca, kYBocca + 26, -16, kYCollo - 2, -4, kYCollo);
    vaso.lineTo(4, kYCollo);
    vaso.cubicTo(16, kYCollo - 2, kMezzaBocca, kYBocca + 26, kMezzaBocca, kYBocca);
    vaso.closeSubpath();
    p.setBrush(riempimento(s, coppaColore, vaso.boundingRect()));
    p.drawPath(vaso);
    // A band round the bowl.
    if (s.maniera != Maniera::Contrasto) {
        QPainterPath fascia;
        fascia.moveTo(-kMezzaBocca + 1, kYBocca + 10);
        fascia.quadTo(0, kYBocca + 16, kMezzaBocca - 1, kYBocca + 10);
        fascia.lineTo(kMezzaBocca - 3.5, kYBocca + 18);
        fascia.quadTo(0, kYBocca + 24, -kMezzaBocca + 3.5, kYBocca + 18);
        fascia.closeSubpath();
        p.setBrush(piac ? s.oro : s.blu);
        p.drawPath(fascia);
    }
    // The rim seen from slightly above.
    p.setBrush(s.maniera == Maniera::Contrasto ? s.nero : (piac ? s.oro : s.oroScuro));
    p.drawEllipse(QPointF(0, kYBocca), kMezzaBocca, 5.5);
}

// Proportions of the sword: blade, guard, grip and pommel.
constexpr double kPunta = -50, kYGuardia = 20, kMezzaLama = 6.5, kMezzaGuardia = 17, kYImpugnatura = 26,
                 kYPomo = 42;

void spada(QPainter& p, const Stile& s, double k) {
    const QPen pen = penna(s, k);
    p.setPen(pen);
    QPainterPath lama;
    lama.moveTo(0, kPunta);
    lama.cubicTo(kMezzaLama * 0.6, kPunta + 10, kMezzaLama, kPunta + 25, kMezzaLama, kYGuardia);
    lama.lineTo(-kMezzaLama, kYGuardia);
    lama.cubicTo(-kMezzaLama, kPunta + 25, -kMezzaLama * 0.6, kPunta + 10, 0, kPunta);
    lama.closeSubpath();
    if (s.sfumature) {
        QLinearGradient g(-kMezzaLama, 0, kMezzaLama, 0);
        g.setColorAt(0, s.acciaio.lighter(125));
        g.setColorAt(0.5, s.bianco);
        g.setColorAt(1, s.acciaio.darker(115));
        p.setBrush(g);
    } else {
        p.setBrush(s.acciaio);
    }
    p.drawPath(lama);
    if (s.maniera != Maniera::Contrasto) p.drawLine(QPointF(0, kPunta + 12), QPointF(0, kYGuardia - 2));
    const QColor elsa = s.maniera == Maniera::Piacentine ? s.oro : s.oroScuro;
    // Grip, then the guard with its curled ends, then the pommel.
    p.setBrush(s.maniera == Maniera::Napoletane ? s.rosso : (s.maniera == Maniera::Piacentine ? s.rosso : s.nero));
    p.drawRect(QRectF(-3.5, kYImpugnatura, 7, kYPomo - kYImpugnatura - 3));
    QPainterPath guardia;
    guardia.moveTo(-kMezzaGuardia, kYGuardia - 3);
    guardia.quadTo(0, kYGuardia + 2, kMezzaGuardia, kYGuardia - 3);
    guardia.lineTo(kMezzaGuardia, kYImpugnatura - 1);
    guardia.quadTo(0, kYImpugnatura + 3, -kMezzaGuardia, kYImpugnatura - 1);
    guardia.closeSubpath();
    p.setBrush(s.maniera == Maniera::Contrasto ? s.oro : elsa);
    p.drawPath(guardia);
    p.drawEllipse(QPointF(0, kYPomo + 2), 5.5, 5.5);
}

// Proportions of the club: a knotty log, broad at the top, with cut stubs.
constexpr double kYCima = -48, kYFondo = 48, kMezzaCima = 10, kMezzoFondo = 5;

void bastone(QPainter& p, const Stile& s, double k) {
    const QPen pen = penna(s, k);
    p.setPen(pen);
    const QColor legno = s.legno, scuro = s.legnoScuro;
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
        p.setBrush(riempimento(s, legno, ramo.boundingRect()));
        p.drawPath(ramo);
        p.setBrush(s.maniera == Maniera::Contrasto ? s.bianco : s.oro);
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
    if (s.sfumature) {
        QLinearGradient g(-kMezzaCima, 0, kMezzaCima, 0);
        g.setColorAt(0, legno.lighter(120));
        g.setColorAt(1, scuro);
        p.setBrush(g);
    } else {
        p.setBrush(legno);
    }
    p.drawPath(tronco);
    // The cut top and a few bands of bark.
    p.setBrush(s.maniera == Maniera::Contrasto ? s.bianco : s.oro);
    p.drawEllipse(QPointF(0, kYCima + 3), kMezzaCima - 2.5, 3.2);
    if (s.maniera == Maniera::Contrasto) return;
    QPen corteccia = pen;
    corteccia.setColor(s.maniera == Maniera::Piacentine ? s.rosso : scuro);
    corteccia.setWidthF(pen.widthF() * 1.3);
    p.setPen(corteccia);
    for (double y : {-22.0, 0.0, 20.0, 36.0}) {
        const double h = kMezzoFondo + (kMezzaCima - kMezzoFondo) * (kYFondo - y) / (kYFondo - kYCima) - 0.8;
        p.drawLine(QPointF(-h, y + 2), QPointF(h, y - 2));
    }
}

}  // namespace

double proporzioneSeme(Seme seme) {
    switch (seme) {
        case Seme::Denari: return 1.0;
        case Seme::Coppe: return 0.64;
        case Seme::Spade: return 0.36;
        case Seme::Bastoni: return 0.3;
    }
    return 1.0;
}

QPointF presaSeme(Seme seme) {
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
    switch (seme) {
        case Seme::Denari: moneta(p, s, k); break;
        case Seme::Coppe: coppa(p, s, k); break;
        case Seme::Spade: spada(p, s, k); break;
        case Seme::Bastoni: bastone(p, s, k); break;
    }
    p.restore();
}

}  // namespace zelvo::pictures
