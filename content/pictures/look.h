// Shared vocabulary of the picture generator: the suits, the three deck manners
// and the drawing helpers every picture uses.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>

namespace zelvo::pictures {

enum class Seme { Denari, Coppe, Spade, Bastoni };
enum class Maniera { Piacentine, Napoletane, Contrasto };

// A card face is drawn in card units: 100 across, kAltezzaCarta down,
// the proportion of the 1185 x 2415 twip card picture.
constexpr double kLarghezzaCarta = 100.0;
constexpr double kAltezzaCarta = 100.0 * 2415.0 / 1185.0;
// Faces are rendered at four times their 96-dpi size (79 x 161 px).
constexpr int kPixelLarghezza = 79 * 4;
constexpr int kPixelAltezza = 161 * 4;

// Everything that makes one deck's manner: its colours and how firm its lines are.
struct Stile {
    Maniera maniera;
    QColor carta;       // the card's ground
    QColor inchiostro;  // outlines
    double tratto;      // outline width in card units
    bool sfumature;     // soft shading instead of flat colour
    QColor oro, oroScuro, rosso, blu, verde, acciaio, legno, legnoScuro, pelle, capelli, bianco, nero;
    // Clothes of the figures, one pair (garment, cloak) per suit.
    QColor veste[4], mantello[4];
};

const Stile& stile(Maniera m);

// Outline pen of a shape of the given style, scaled for drawing inside a
// coordinate system that is `scala` card units per unit.
QPen penna(const Stile& s, double scala = 1.0, double peso = 1.0);
// Fill for a shape within `box`: flat in the stiff manners, lightly shaded otherwise.
QBrush riempimento(const Stile& s, const QColor& c, const QRectF& box);
// Fills and outlines a path in one go.
void campisci(QPainter& p, const Stile& s, const QPainterPath& path, const QColor& c, double peso = 1.0);
// A limb or a pole: a rounded outlined tube from a to b.
void tubo(QPainter& p, const Stile& s, QPointF a, QPointF b, double larghezza, const QColor& c);
QPainterPath ellisse(QPointF centro, double rx, double ry);

// One suit mark centred on `centro`, `altezza` card units tall, turned by `angolo` degrees,
// in the shape of the style's own deck.
void disegnaSeme(QPainter& p, const Stile& s, Seme seme, QPointF centro, double altezza, double angolo = 0);
// The point of a suit mark (relative to its centre, for height 1) where a hand holds it.
QPointF presaSeme(const Stile& s, Seme seme);

// Each regional deck draws its own suit signs in a frame 100 units tall centred on
// the origin; `k` turns a card-unit line width into that frame.
void drawPiacentineSign(QPainter& p, const Stile& s, Seme seme, double k);
void drawNapoletaneSign(QPainter& p, const Stile& s, Seme seme, double k);
QPointF piacentineGrip(Seme seme);
QPointF napoletaneGrip(Seme seme);

// The whole of a regional face, in card units: pips, ace or figure, and the deck's
// frame or corner numbers.
void drawPiacentineFace(QPainter& p, const Stile& s, char rank, Seme seme);
void drawNapoletaneFace(QPainter& p, const Stile& s, char rank, Seme seme);

// The high-contrast deck's three court cards, drawn into a figure box 100 x 180
// units with its origin top left.
void disegnaFante(QPainter& p, const Stile& s, Seme seme);
void disegnaCavallo(QPainter& p, const Stile& s, Seme seme);
void disegnaRe(QPainter& p, const Stile& s, Seme seme);
constexpr double kLarghezzaFigura = 100.0;
constexpr double kAltezzaFigura = 180.0;

// Text as a path `altezza` card units tall (cap height), its left or centre at `punto` on the baseline.
QPainterPath testo(const QString& t, const QString& famiglia, bool grassetto, double altezza, QPointF punto,
                   bool centrato);

// A whole face of rank letter `rango` (2 4 5 6 7 F C R 3 A) at the face's pixel size.
QImage disegnaFaccia(const Stile& s, char rango, Seme seme);

// The 40 faces of a deck side by side as the table shows them, with the upper part of
// each as it shows when the card lies as the trump under the deck.
QImage drawContactSheet(const Stile& s);
// The application's icon, `size` pixels square, and as a drawing for a scalable file.
QImage drawIcon(int size);
void paintIcon(QPainter& p, int size);

// Backs, emblems, flags, portrait.
QImage disegnaRetro(const QString& nome);
QStringList nomiRetro();
QImage disegnaSimbolo(Seme seme, Maniera m);
QImage disegnaBandieraItalia();
QImage disegnaBandieraInghilterra();
QImage disegnaRitratto();
// Keeps only fully opaque or fully clear pixels, so a GIF's one transparent colour holds.
QImage soloPieniEVuoti(const QImage& img);

}  // namespace zelvo::pictures
