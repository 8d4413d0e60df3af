// A whole card face. The two regional decks draw their own (piacentine.cpp,
// napoletane.cpp); this file draws the high-contrast deck: a heavy border, two
// bands with a large rank letter and suit mark, and the pips, ace or figure.
#include <QImage>
#include <vector>

#include "look.h"

namespace zelvo::pictures {

namespace {

// Pip positions of the plain cards, in card units (100 x 203.8), by count.
const std::vector<QPointF>& disposizione(int quante) {
    static const std::vector<QPointF> tabella[8] = {
        {},
        {{50, 102}},
        {{50, 56}, {50, 148}},
        {{50, 46}, {50, 102}, {50, 158}},
        {{30, 58}, {70, 58}, {30, 146}, {70, 146}},
        {{30, 52}, {70, 52}, {50, 102}, {30, 152}, {70, 152}},
        {{30, 46}, {70, 46}, {30, 102}, {70, 102}, {30, 158}, {70, 158}},
        {{30, 42}, {70, 42}, {50, 72}, {30, 102}, {70, 102}, {30, 162}, {70, 162}},
    };
    return tabella[quante];
}

// Pip height of the plain cards, by suit.
double altezzaPip(Seme seme) {
    switch (seme) {
        case Seme::Denari: return 32;
        case Seme::Coppe: return 34;
        case Seme::Spade: return 50;
        case Seme::Bastoni: return 50;
    }
    return 26;
}

int quantePip(char rango) { return rango == 'A' ? 1 : rango - '0'; }

bool figura(char rango) { return rango == 'F' || rango == 'C' || rango == 'R'; }

// For weak sight: a heavy border and two bands, across the top and the bottom,
// each with a large rank letter and a large suit mark, all upright: the letter
// top left and bottom right, the mark top right and bottom left.
constexpr double kAltezzaLettera = 26, kFasciaContrasto = 38, kDalBordoContrasto = 7;
constexpr double kRiduzioneContrasto = 0.8;  // the middle of the card shrinks to leave room for the bands
constexpr double kAllargamentoLunghi = 1.45;

double altezzaSegnoFascia(Seme seme) { return seme == Seme::Denari ? 25 : 30; }

void segnoFascia(QPainter& p, const Stile& s, Seme seme, QPointF centro) {
    // Swords and clubs are slim; in the bands they are drawn broader so they read at a glance.
    const bool lungo = seme == Seme::Spade || seme == Seme::Bastoni;
    p.save();
    p.translate(centro);
    p.scale(lungo ? kAllargamentoLunghi : 1.0, 1.0);
    disegnaSeme(p, s, seme, {0, 0}, altezzaSegnoFascia(seme));
    p.restore();
}

void fasceContrasto(QPainter& p, const Stile& s, char rango, Seme seme) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.nero, 2.4));
    p.drawRoundedRect(QRectF(1.8, 1.8, kLarghezzaCarta - 3.6, kAltezzaCarta - 3.6), 4, 4);
    const double mezzaFascia = kFasciaContrasto / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(s.nero);
    const QString lettera(QChar::fromLatin1(rango));
    p.drawPath(testo(lettera, "DejaVu Sans", true, kAltezzaLettera, {kDalBordoContrasto, mezzaFascia + kAltezzaLettera / 2}, false));
    QPainterPath inBasso = testo(lettera, "DejaVu Sans", true, kAltezzaLettera, {0, 0}, false);
    inBasso.translate(kLarghezzaCarta - kDalBordoContrasto - inBasso.boundingRect().right(),
                      kAltezzaCarta - mezzaFascia + kAltezzaLettera / 2);
    p.drawPath(inBasso);
    segnoFascia(p, s, seme, {78, mezzaFascia + 1});
    segnoFascia(p, s, seme, {22, kAltezzaCarta - mezzaFascia - 1});
}

void asso(QPainter& p, const Stile& s, Seme seme) {
    const QPointF centro(50, kAltezzaCarta / 2);
    switch (seme) {
        case Seme::Denari: disegnaSeme(p, s, seme, centro, 50); break;
        case Seme::Coppe: disegnaSeme(p, s, seme, centro, 80); break;
        case Seme::Spade: disegnaSeme(p, s, seme, centro, 118); break;
        case Seme::Bastoni: disegnaSeme(p, s, seme, centro, 118); break;
    }
}

void pips(QPainter& p, const Stile& s, char rango, Seme seme) {
    const QPointF c(kLarghezzaCarta / 2, kAltezzaCarta / 2);
    for (QPointF q : disposizione(quantePip(rango)))
        disegnaSeme(p, s, seme, c + (q - c) * kRiduzioneContrasto, altezzaPip(seme) * kRiduzioneContrasto);
}

void corte(QPainter& p, const Stile& s, char rango, Seme seme) {
    constexpr double scala = 0.68;
    p.save();
    p.translate((kLarghezzaCarta - kLarghezzaFigura * scala) / 2, (kAltezzaCarta - kAltezzaFigura * scala) / 2 + 2);
    p.scale(scala, scala);
    if (rango == 'F') disegnaFante(p, s, seme);
    if (rango == 'C') disegnaCavallo(p, s, seme);
    if (rango == 'R') disegnaRe(p, s, seme);
    p.restore();
}

void facciaContrasto(QPainter& p, const Stile& s, char rango, Seme seme) {
    if (figura(rango)) corte(p, s, rango, seme);
    else if (rango == 'A') asso(p, s, seme);
    else pips(p, s, rango, seme);
    fasceContrasto(p, s, rango, seme);
}

}  // namespace

QImage disegnaFaccia(const Stile& s, char rango, Seme seme) {
    QImage img(kPixelLarghezza, kPixelAltezza, QImage::Format_RGB32);
    img.fill(s.carta);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kPixelLarghezza / kLarghezzaCarta, kPixelAltezza / kAltezzaCarta);
    switch (s.maniera) {
        case Maniera::Piacentine: drawPiacentineFace(p, s, rango, seme); break;
        case Maniera::Napoletane: drawNapoletaneFace(p, s, rango, seme); break;
        case Maniera::Contrasto: facciaContrasto(p, s, rango, seme); break;
    }
    p.end();
    return img;
}

}  // namespace zelvo::pictures
