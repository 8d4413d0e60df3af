// The high-contrast deck's court cards: Fante (the page), Cavallo (the knight on
// horseback) and Re (the king), one simple drawing a rank built from outlined
// shapes in a 100 x 180 box, the suit told by the clothes' colour and the mark held.
#include "look.h"

namespace zelvo::pictures {

namespace {

int indice(Seme seme) { return static_cast<int>(seme); }

// Sizes of the suit object a figure holds, by suit.
double misuraOggetto(Seme seme) {
    switch (seme) {
        case Seme::Denari: return 24;
        case Seme::Coppe: return 28;
        case Seme::Spade: return 58;
        case Seme::Bastoni: return 58;
    }
    return 24;
}

// Draws the suit object so that its grip lies in the hand.
void oggettoInMano(QPainter& p, const Stile& s, Seme seme, QPointF mano, double inclinazione = 0) {
    const double h = misuraOggetto(seme);
    const QPointF presa = presaSeme(s, seme) * h;
    disegnaSeme(p, s, seme, mano - presa, h, inclinazione);
}

void mano(QPainter& p, const Stile& s, QPointF c) { campisci(p, s, ellisse(c, 4, 4), s.pelle, 0.8); }

// A curved rope, tail or mane: an outlined stroke along a path.
void tratto(QPainter& p, const Stile& s, const QPainterPath& path, double larghezza, const QColor& c) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.inchiostro, larghezza + 2 * s.tratto, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(c, larghezza, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

enum class Barba { Nessuna, Baffi, Piena };

// Face with eyes, nose and mouth; the beard is drawn over the chin.
void viso(QPainter& p, const Stile& s, QPointF c, double r, Barba barba, const QColor& peli) {
    campisci(p, s, ellisse(c, r, r * 1.08), s.pelle);
    p.setPen(Qt::NoPen);
    p.setBrush(s.inchiostro);
    p.drawEllipse(c + QPointF(-r * 0.38, -r * 0.08), r * 0.12, r * 0.14);
    p.drawEllipse(c + QPointF(r * 0.38, -r * 0.08), r * 0.12, r * 0.14);
    QPen linea = penna(s, 1.0, 0.7);
    p.setPen(linea);
    p.drawLine(c + QPointF(0, 0), c + QPointF(-r * 0.08, r * 0.3));
    if (barba == Barba::Piena) {
        QPainterPath b;
        b.moveTo(c + QPointF(-r * 0.95, r * 0.1));
        b.quadTo(c + QPointF(-r * 0.8, r * 1.7), c + QPointF(0, r * 1.75));
        b.quadTo(c + QPointF(r * 0.8, r * 1.7), c + QPointF(r * 0.95, r * 0.1));
        b.quadTo(c + QPointF(r * 0.5, r * 0.75), c + QPointF(0, r * 0.42));
        b.quadTo(c + QPointF(-r * 0.5, r * 0.75), c + QPointF(-r * 0.95, r * 0.1));
        campisci(p, s, b, peli, 0.8);
    }
    if (barba != Barba::Nessuna) {
        QPainterPath baffi;
        baffi.moveTo(c + QPointF(-r * 0.55, r * 0.55));
        baffi.quadTo(c + QPointF(0, r * 0.25), c + QPointF(r * 0.55, r * 0.55));
        baffi.quadTo(c + QPointF(0, r * 0.45), c + QPointF(-r * 0.55, r * 0.55));
        campisci(p, s, baffi, peli, 0.6);
    } else {
        QPen bocca(s.rosso.darker(110), s.tratto * 0.9, Qt::SolidLine, Qt::RoundCap);
        p.setPen(bocca);
        p.drawLine(c + QPointF(-r * 0.22, r * 0.52), c + QPointF(r * 0.22, r * 0.52));
    }
}

// Proportions of the king: head, shoulders, hem.
constexpr QPointF kTestaRe(50, 40);
constexpr double kRaggioTestaRe = 11, kYSpalleRe = 60, kYOrloRe = 170;

void corona(QPainter& p, const Stile& s, QPointF testa, double r) {
    const double base = testa.y() - r * 0.72, x0 = testa.x() - r * 1.05, x1 = testa.x() + r * 1.05;
    const double alto = base - r * 1.05;
    QPainterPath c;
    c.moveTo(x0, base);
    c.lineTo(x0, alto + 3);
    c.lineTo(x0 + (x1 - x0) * 0.25, base - r * 0.5);
    c.lineTo(testa.x(), alto);
    c.lineTo(x0 + (x1 - x0) * 0.75, base - r * 0.5);
    c.lineTo(x1, alto + 3);
    c.lineTo(x1, base);
    c.closeSubpath();
    campisci(p, s, c, s.oro);
    p.setPen(penna(s, 1.0, 0.6));
    p.setBrush(s.rosso);
    p.drawEllipse(QPointF(testa.x(), base - 2.4), 1.8, 1.8);
    p.setBrush(s.verde);
    p.drawEllipse(QPointF(x0 + 4, base - 2.4), 1.4, 1.4);
    p.drawEllipse(QPointF(x1 - 4, base - 2.4), 1.4, 1.4);
    for (double x : {x0, testa.x(), x1}) {
        const double y = x == testa.x() ? alto : alto + 3;
        p.setBrush(s.oro);
        p.drawEllipse(QPointF(x, y - 1.5), 1.6, 1.6);
    }
}

// Dotted trim of gold running down a garment.
void fregio(QPainter& p, const Stile& s, QRectF r) {
    campisci(p, s, [&] { QPainterPath f; f.addRect(r); return f; }(), s.oro, 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(s.nero);
    for (double y = r.top() + 4; y < r.bottom() - 2; y += 7) p.drawEllipse(QPointF(r.center().x(), y), 1.4, 1.4);
}

}  // namespace

void disegnaRe(QPainter& p, const Stile& s, Seme seme) {
    const int i = indice(seme);
    const QColor veste = s.veste[i], manto = s.mantello[i];
    // Cloak behind everything.
    QPainterPath mantello;
    mantello.moveTo(36, kYSpalleRe - 2);
    mantello.cubicTo(20, 70, 16, 130, 14, kYOrloRe - 4);
    mantello.quadTo(50, kYOrloRe + 8, 86, kYOrloRe - 4);
    mantello.cubicTo(84, 130, 80, 70, 64, kYSpalleRe - 2);
    mantello.closeSubpath();
    campisci(p, s, mantello, manto);
    // Shoes, then the long robe over them.
    campisci(p, s, ellisse({42, kYOrloRe + 3}, 7, 4), s.nero, 0.8);
    campisci(p, s, ellisse({58, kYOrloRe + 3}, 7, 4), s.nero, 0.8);
    QPainterPath abito;
    abito.moveTo(37, kYSpalleRe);
    abito.lineTo(63, kYSpalleRe);
    abito.lineTo(74, kYOrloRe - 2);
    abito.quadTo(50, kYOrloRe + 4, 26, kYOrloRe - 2);
    abito.closeSubpath();
    campisci(p, s, abito, veste);
    fregio(p, s, QRectF(46, 74, 8, kYOrloRe - 74));
    campisci(p, s, [] { QPainterPath c; c.addRect(QRectF(33, 99, 34, 5)); return c; }(), s.oro, 0.8);
    // Ermine collar.
    campisci(p, s, ellisse({50, kYSpalleRe + 2}, 17, 6), s.bianco);
    p.setPen(Qt::NoPen);
    p.setBrush(s.nero);
    for (double x : {40.0, 47.0, 54.0, 61.0}) p.drawEllipse(QPointF(x, kYSpalleRe + 2 + (x == 47 || x == 54 ? 2 : 0)), 0.9, 1.5);
    // Left arm holds a sceptre, right arm lifts the suit object.
    tubo(p, s, {26, 128}, {26, 72}, 2.4, s.oro);
    campisci(p, s, ellisse({26, 70}, 3.4, 3.4), s.oro);
    tubo(p, s, {37, 66}, {27, 104}, 8, veste);
    mano(p, s, {26, 106});
    tubo(p, s, {63, 66}, {74, 84}, 8, veste);
    tubo(p, s, {74, 84}, {76, 94}, 7, veste);
    oggettoInMano(p, s, seme, {76, 96});
    mano(p, s, {76, 97});
    // Head: hair, face with full beard, crown.
    campisci(p, s, ellisse({50, kTestaRe.y() + 1}, kRaggioTestaRe + 2.5, kRaggioTestaRe + 2), s.capelli.lighter(150));
    viso(p, s, kTestaRe, kRaggioTestaRe, Barba::Piena, s.capelli.lighter(160));
    corona(p, s, kTestaRe, kRaggioTestaRe);
}

namespace {
constexpr QPointF kTestaFante(50, 42);
constexpr double kRaggioTestaFante = 10.5, kYSpalleFante = 60, kYOrloFante = 124, kYPiediFante = 170;
}  // namespace

void disegnaFante(QPainter& p, const Stile& s, Seme seme) {
    const int i = indice(seme);
    const QColor veste = s.veste[i], manto = s.mantello[i];
    // Parti-coloured hose and shoes.
    tubo(p, s, {44, kYOrloFante - 6}, {43, kYPiediFante - 2}, 8, manto);
    const double piedeDestro = 57;
    tubo(p, s, {56, kYOrloFante - 6}, {piedeDestro, kYPiediFante - 2}, 8, veste);
    campisci(p, s, ellisse({40, kYPiediFante + 1}, 7, 3.5), s.nero, 0.8);
    campisci(p, s, ellisse({piedeDestro + 3, kYPiediFante + 1}, 7, 3.5), s.nero, 0.8);
    // Tunic with a scalloped hem.
    QPainterPath tunica;
    tunica.moveTo(38, kYSpalleFante);
    tunica.lineTo(62, kYSpalleFante);
    tunica.lineTo(71, kYOrloFante);
    const int smerli = 5;
    for (int k = 0; k < smerli; ++k) {
        const double x0 = 71 - k * 42.0 / smerli, x1 = 71 - (k + 1) * 42.0 / smerli;
        tunica.quadTo((x0 + x1) / 2, kYOrloFante + 7, x1, kYOrloFante);
    }
    tunica.closeSubpath();
    campisci(p, s, tunica, veste);
    campisci(p, s, [] { QPainterPath c; c.addRect(QRectF(34, 94, 32, 5)); return c; }(), manto, 0.8);
    fregio(p, s, QRectF(47, kYSpalleFante + 4, 6, 30));
    campisci(p, s, ellisse({50, kYSpalleFante + 1}, 9, 3.5), s.bianco, 0.8);
    // Left hand on the hip, right hand holding the suit object up.
    tubo(p, s, {38, 66}, {28, 84}, 7.5, manto);
    tubo(p, s, {28, 84}, {35, 97}, 7, manto);
    mano(p, s, {36, 98});
    tubo(p, s, {62, 66}, {73, 80}, 7.5, manto);
    tubo(p, s, {73, 80}, {75, 70}, 7, manto);
    oggettoInMano(p, s, seme, {75, 68});
    mano(p, s, {75, 68});
    // Page-boy hair, face, and a plumed cap.
    QPainterPath capelli;
    capelli.addRoundedRect(QRectF(kTestaFante.x() - 13, kTestaFante.y() - 12, 26, 23), 10, 10);
    campisci(p, s, capelli, s.capelli);
    viso(p, s, kTestaFante, kRaggioTestaFante, Barba::Nessuna, s.capelli);
    QPainterPath piuma;
    piuma.moveTo(56, 31);
    piuma.cubicTo(60, 20, 68, 14, 76, 12);
    piuma.cubicTo(72, 20, 66, 26, 58, 33);
    piuma.closeSubpath();
    campisci(p, s, piuma, s.bianco, 0.8);
    p.save();
    p.translate(48, 32);
    p.rotate(-10);
    campisci(p, s, ellisse({0, 0}, 15, 5.5), manto);
    p.restore();
}

namespace {
// Proportions of the knight's horse, facing right.
constexpr QPointF kCorpoCavallo(48, 128);
constexpr double kMezzoCorpo = 28, kMezzaPancia = 14, kYZoccoli = 172;
constexpr QPointF kTestaCavaliere(50, 68);
}  // namespace

void disegnaCavallo(QPainter& p, const Stile& s, Seme seme) {
    const int i = indice(seme);
    const QColor veste = s.veste[i], manto = s.mantello[i];
    const QColor mantoCavallo = s.bianco;
    const QColor criniera = s.nero;
    // Tail and legs behind the body.
    QPainterPath coda;
    coda.moveTo(22, 122);
    coda.cubicTo(12, 130, 10, 148, 16, 162);
    tratto(p, s, coda, 5, criniera);
    // Legs as hip, knee, hoof; the horse stands square.
    const QPointF zampe[][3] = {{{28, 136}, {26, 154}, {25, kYZoccoli}},
                                {{36, 138}, {38, 155}, {39, kYZoccoli}},
                                {{64, 138}, {63, 155}, {62, kYZoccoli}},
                                {{71, 135}, {74, 153}, {77, kYZoccoli - 2}}};
    for (const auto& z : zampe) {
        tubo(p, s, z[0], z[1], 6.5, mantoCavallo);
        tubo(p, s, z[1], z[2], 6, mantoCavallo);
        campisci(p, s, [&] { QPainterPath h; h.addRect(QRectF(z[2].x() - 4, z[2].y() - 1, 8, 4)); return h; }(),
                 s.nero, 0.6);
    }
    // Neck, head, body.
    QPainterPath collo;
    collo.moveTo(60, 122);
    collo.lineTo(72, 90);
    collo.lineTo(83, 94);
    collo.lineTo(76, 132);
    collo.closeSubpath();
    campisci(p, s, collo, mantoCavallo);
    campisci(p, s, ellisse(kCorpoCavallo, kMezzoCorpo, kMezzaPancia), mantoCavallo);
    QPainterPath muso;
    muso.moveTo(70, 90);
    muso.quadTo(74, 79, 83, 82);
    muso.lineTo(97, 101);
    muso.quadTo(99, 110, 91, 111);
    muso.quadTo(84, 108, 78, 104);
    muso.closeSubpath();
    campisci(p, s, muso, mantoCavallo);
    QPainterPath orecchio;
    orecchio.moveTo(75, 85);
    orecchio.lineTo(76, 76);
    orecchio.lineTo(80, 84);
    campisci(p, s, orecchio, mantoCavallo, 0.8);
    QPainterPath crine;
    crine.moveTo(72, 86);
    crine.lineTo(59, 119);
    tratto(p, s, crine, 4, criniera);
    p.setPen(Qt::NoPen);
    p.setBrush(s.inchiostro);
    p.drawEllipse(QPointF(82, 92), 1.5, 1.5);
    // Saddle cloth in the knight's colours.
    QPainterPath gualdrappa;
    gualdrappa.moveTo(34, 116);
    gualdrappa.lineTo(66, 116);
    gualdrappa.lineTo(69, 141);
    gualdrappa.quadTo(50, 147, 31, 141);
    gualdrappa.closeSubpath();
    campisci(p, s, gualdrappa, manto);
    p.setPen(QPen(s.nero, 2.2));
    p.drawLine(QPointF(33, 137), QPointF(68, 137));
    // The rider: leg, body, arms, head and a brimmed hat.
    tubo(p, s, {50, 110}, {52, 136}, 7, veste);
    campisci(p, s, ellisse({55, 139}, 5.5, 3.5), s.nero, 0.8);
    QPainterPath busto;
    busto.moveTo(42, 79);
    busto.lineTo(58, 79);
    busto.lineTo(61, 114);
    busto.lineTo(39, 114);
    busto.closeSubpath();
    campisci(p, s, busto, veste);
    campisci(p, s, [] { QPainterPath c; c.addRect(QRectF(40, 99, 20.5, 4.5)); return c; }(), s.oro, 0.8);
    tubo(p, s, {43, 84}, {52, 98}, 6.5, manto);
    tubo(p, s, {52, 98}, {62, 98}, 6, manto);
    mano(p, s, {63, 98});
    p.setPen(QPen(s.inchiostro, 0.8));
    p.drawLine(QPointF(64, 98), QPointF(92, 106));
    tubo(p, s, {57, 84}, {66, 78}, 6.5, manto);
    tubo(p, s, {66, 78}, {68, 66}, 6, manto);
    oggettoInMano(p, s, seme, {68, 64});
    mano(p, s, {68, 64});
    viso(p, s, kTestaCavaliere, 9, Barba::Baffi, s.capelli);
    campisci(p, s, [] { QPainterPath c; c.addRoundedRect(QRectF(43, 50, 14, 11), 3, 3); return c; }(), manto, 0.8);
    campisci(p, s, ellisse({50, 60}, 13, 3.2), manto, 0.8);
}

}  // namespace zelvo::pictures
