// A whole card face: ground, frame or corner marks, and the pips, the ace or
// the figure in the middle.
#include <QFont>
#include <QImage>
#include <QTransform>
#include <QtMath>
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

// The numeral a Neapolitan card prints in its corners: ace 1, page 8, knight 9, king 10.
QString numerale(char rango) {
    switch (rango) {
        case 'A': return "1";
        case 'F': return "8";
        case 'C': return "9";
        case 'R': return "10";
        default: return QString(QChar(rango));
    }
}

// Text as a path `altezza` card units tall (cap height), its left or centre at `punto` on the baseline.
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

// Frame of the Piacenza manner: a firm black line with a red line inside.
void cornicePiacentina(QPainter& p, const Stile& s) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.inchiostro, 1.1));
    p.drawRect(QRectF(2.5, 2.5, kLarghezzaCarta - 5, kAltezzaCarta - 5));
    p.setPen(QPen(s.rosso, 0.6));
    p.drawRect(QRectF(4.6, 4.6, kLarghezzaCarta - 9.2, kAltezzaCarta - 9.2));
}

// Small numerals in two corners, the Neapolitan way; both stand upright, as the
// figures do, so that a 6 is never read as a 9.
void numeriNapoletani(QPainter& p, const Stile& s, char rango) {
    constexpr double kAltezzaNumero = 8.5, kDalBordo = 9;
    p.setPen(Qt::NoPen);
    p.setBrush(s.inchiostro);
    p.drawPath(testo(numerale(rango), "DejaVu Serif", false, kAltezzaNumero, {kDalBordo, 5 + kAltezzaNumero}, true));
    p.drawPath(testo(numerale(rango), "DejaVu Serif", false, kAltezzaNumero,
                     {kLarghezzaCarta - kDalBordo, kAltezzaCarta - 5}, true));
}

// Letters of the high-contrast deck's corners.
QString letteraGrande(char rango) { return QString(QChar(rango)); }

// For weak sight: a heavy border and two bands, across the top and the bottom,
// each with a large rank letter and a large suit mark, all upright: the letter
// top left and bottom right, the mark top right and bottom left.
constexpr double kAltezzaLettera = 26, kFasciaContrasto = 38, kDalBordoContrasto = 7;
constexpr double kRiduzioneContrasto = 0.8;  // the middle of the card shrinks to leave room for the bands
constexpr double kAllargamentoLunghi = 1.45;

double altezzaSegnoFascia(Seme seme) {
    switch (seme) {
        case Seme::Denari: return 25;
        case Seme::Coppe: return 30;
        case Seme::Spade: return 30;
        case Seme::Bastoni: return 30;
    }
    return 25;
}

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
    const QString lettera = letteraGrande(rango);
    p.drawPath(testo(lettera, "DejaVu Sans", true, kAltezzaLettera, {kDalBordoContrasto, mezzaFascia + kAltezzaLettera / 2}, false));
    QPainterPath inBasso = testo(lettera, "DejaVu Sans", true, kAltezzaLettera, {0, 0}, false);
    inBasso.translate(kLarghezzaCarta - kDalBordoContrasto - inBasso.boundingRect().right(),
                      kAltezzaCarta - mezzaFascia + kAltezzaLettera / 2);
    p.drawPath(inBasso);
    segnoFascia(p, s, seme, {78, mezzaFascia + 1});
    segnoFascia(p, s, seme, {22, kAltezzaCarta - mezzaFascia - 1});
}

// A laurel wreath of two leafy arcs around the ace.
void ghirlanda(QPainter& p, const Stile& s, QPointF c, double r) {
    const QColor foglia = s.maniera == Maniera::Piacentine ? s.verde : s.verde.darker(105);
    constexpr double kPrimaFoglia = 20, kPassoFoglie = 17;  // degrees from the bottom
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.maniera == Maniera::Piacentine ? s.inchiostro : s.legnoScuro, 1.0));
    const QRectF giro(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.drawArc(giro, int(-90 * 16 - 8 * kPassoFoglie * 16 - kPrimaFoglia * 16), int((8 * kPassoFoglie + kPrimaFoglia) * 16));
    p.drawArc(giro, -90 * 16, int((8 * kPassoFoglie + kPrimaFoglia) * 16));
    for (int lato = -1; lato <= 1; lato += 2) {
        for (int k = 0; k < 9; ++k) {
            const double a = qDegreesToRadians(90.0 + lato * (kPrimaFoglia + k * kPassoFoglie));
            const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
            p.save();
            p.translate(q);
            p.rotate(qRadiansToDegrees(a) + 90 + lato * 35);
            QPainterPath f;
            f.moveTo(0, 0);
            f.quadTo(3.5, -5, 0, -10.5);
            f.quadTo(-3.5, -5, 0, 0);
            campisci(p, s, f, foglia, 0.7);
            p.restore();
        }
    }
    p.setPen(penna(s, 1.0, 0.8));
    p.setBrush(s.rosso);
    p.drawEllipse(QPointF(c.x(), c.y() + r), 3, 3);
}

// A ribbon with the deck's name under the ace of coins.
void cartiglio(QPainter& p, const Stile& s, QPointF c) {
    QPainterPath nastro;
    nastro.moveTo(c + QPointF(-34, -6));
    nastro.quadTo(c + QPointF(0, -12), c + QPointF(34, -6));
    nastro.lineTo(c + QPointF(40, 4));
    nastro.lineTo(c + QPointF(34, 6));
    nastro.quadTo(c + QPointF(0, 0), c + QPointF(-34, 6));
    nastro.lineTo(c + QPointF(-40, 4));
    nastro.closeSubpath();
    campisci(p, s, nastro, s.maniera == Maniera::Piacentine ? s.rosso : s.bianco);
    const QPainterPath scritta = testo("ZELVO", "DejaVu Serif", true, 6, c + QPointF(0, 2), true);
    p.setPen(Qt::NoPen);
    p.setBrush(s.maniera == Maniera::Piacentine ? s.bianco : s.rosso.darker(120));
    p.drawPath(scritta);
}

void asso(QPainter& p, const Stile& s, Seme seme) {
    const QPointF centro(50, kAltezzaCarta / 2);
    const bool contrasto = s.maniera == Maniera::Contrasto;
    if (!contrasto) ghirlanda(p, s, centro, seme == Seme::Denari ? 37 : 36);
    switch (seme) {
        case Seme::Denari:
            disegnaSeme(p, s, seme, centro - QPointF(0, contrasto ? 0 : 4), contrasto ? 50 : 58);
            if (!contrasto) cartiglio(p, s, {50, 158});
            break;
        case Seme::Coppe: disegnaSeme(p, s, seme, centro, contrasto ? 80 : 92); break;
        case Seme::Spade: disegnaSeme(p, s, seme, centro, contrasto ? 118 : 164); break;
        case Seme::Bastoni: disegnaSeme(p, s, seme, centro, contrasto ? 118 : 164); break;
    }
}

void pips(QPainter& p, const Stile& s, char rango, Seme seme) {
    const bool lunghi = seme == Seme::Spade || seme == Seme::Bastoni;
    const bool contrasto = s.maniera == Maniera::Contrasto;
    for (QPointF q : disposizione(quantePip(rango))) {
        double angolo = 0, h = altezzaPip(seme);
        // The Neapolitan swords and clubs lean towards each other.
        if (lunghi && s.maniera == Maniera::Napoletane && q.x() != 50) angolo = q.x() < 50 ? 10 : -10;
        if (contrasto) {
            const QPointF c(kLarghezzaCarta / 2, kAltezzaCarta / 2);
            q = c + (q - c) * kRiduzioneContrasto;
            h *= kRiduzioneContrasto;
        }
        disegnaSeme(p, s, seme, q, h, angolo);
    }
}

void corte(QPainter& p, const Stile& s, char rango, Seme seme) {
    double scala = 0.88;
    if (s.maniera == Maniera::Napoletane) scala = 0.84;
    if (s.maniera == Maniera::Contrasto) scala = 0.68;
    p.save();
    p.translate((kLarghezzaCarta - kLarghezzaFigura * scala) / 2, (kAltezzaCarta - kAltezzaFigura * scala) / 2 + 2);
    p.scale(scala, scala);
    if (rango == 'F') disegnaFante(p, s, seme);
    if (rango == 'C') disegnaCavallo(p, s, seme);
    if (rango == 'R') disegnaRe(p, s, seme);
    p.restore();
}

}  // namespace

QImage disegnaFaccia(const Stile& s, char rango, Seme seme) {
    QImage img(kPixelLarghezza, kPixelAltezza, QImage::Format_RGB32);
    img.fill(s.carta);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kPixelLarghezza / kLarghezzaCarta, kPixelAltezza / kAltezzaCarta);
    if (figura(rango)) corte(p, s, rango, seme);
    else if (rango == 'A') asso(p, s, seme);
    else pips(p, s, rango, seme);
    switch (s.maniera) {
        case Maniera::Piacentine: cornicePiacentina(p, s); break;
        case Maniera::Napoletane: numeriNapoletani(p, s, rango); break;
        case Maniera::Contrasto: fasceContrasto(p, s, rango, seme); break;
    }
    p.end();
    return img;
}

}  // namespace zelvo::pictures
