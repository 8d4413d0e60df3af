// The suit symbols of the title window, the two flags and the author's portrait.
#include <QImage>
#include <QLinearGradient>
#include <QRadialGradient>

#include "look.h"

namespace zelvo::pictures {

namespace {
// Title-window symbols: 1680 twips wide (Neapolitan) or 2325 (Piacentine), both
// 2400 twips tall, drawn at twice their 96-dpi size.
constexpr int kSimboloNapLarghezza = 1680 * 2 / 15, kSimboloPiaLarghezza = 2325 * 2 / 15,
              kSimboloAltezza = 2400 * 2 / 15;
// Flags in their own proportions (Italy 3:2, the Union Flag 2:1), each as large as
// fits the window's 4335 x 2760 twip flag frame, at twice the 96-dpi size; the
// window centres them in the frame.
constexpr int kCorniceLarghezza = 4335 * 2 / 15, kCorniceAltezza = 2760 * 2 / 15;
constexpr int kItaliaAltezza = kCorniceAltezza, kItaliaLarghezza = kItaliaAltezza * 3 / 2;
constexpr int kUnioneLarghezza = kCorniceLarghezza, kUnioneAltezza = kUnioneLarghezza / 2;
// Portrait: 1800 x 2160 twips, at twice the 96-dpi size.
constexpr int kRitrattoLarghezza = 1800 * 2 / 15, kRitrattoAltezza = 2160 * 2 / 15;

// A laurel branch along a curve, leaves in pairs on both sides, for the Piacentine symbols.
void ramoscello(QPainter& p, const Stile& s, QPointF da, QPointF controllo, QPointF a) {
    constexpr int kCoppieFoglie = 6;
    constexpr double kFoglia = 11;
    QPainterPath stelo;
    stelo.moveTo(da);
    stelo.quadTo(controllo, a);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.inchiostro, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stelo);
    for (int k = 1; k <= kCoppieFoglie; ++k) {
        const double t = k / double(kCoppieFoglie + 0.5);
        const QPointF q = stelo.pointAtPercent(t);
        const double direzione = -stelo.angleAtPercent(t);  // degrees, screen orientation
        for (int lato = -1; lato <= 1; lato += 2) {
            p.save();
            p.translate(q);
            p.rotate(direzione + 90 + lato * 50);
            QPainterPath f;
            f.moveTo(0, 0);
            f.quadTo(kFoglia * 0.4, -kFoglia * 0.5, 0, -kFoglia);
            f.quadTo(-kFoglia * 0.4, -kFoglia * 0.5, 0, 0);
            campisci(p, s, f, s.verde, 0.8);
            p.restore();
        }
    }
}
}  // namespace

QImage disegnaSimbolo(Seme seme, Maniera m) {
    const bool piac = m == Maniera::Piacentine;
    const int w = piac ? kSimboloPiaLarghezza : kSimboloNapLarghezza;
    QImage img(w, kSimboloAltezza, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Units: the symbol is 100 units tall, drawn around the middle of the picture.
    const double k = kSimboloAltezza / 100.0;
    p.scale(k, k);
    const Stile& s = stile(m);
    const double larghezza = w / k;
    const QPointF centro(larghezza / 2, 50);
    double h = seme == Seme::Denari ? 62 : seme == Seme::Coppe ? 80 : 94;
    if (piac) {
        const double largo = larghezza / 2 - 10;
        ramoscello(p, s, centro + QPointF(-4, 46), centro + QPointF(-largo - 6, 40), centro + QPointF(-largo + 4, -36));
        ramoscello(p, s, centro + QPointF(4, 46), centro + QPointF(largo + 6, 40), centro + QPointF(largo - 4, -36));
    }
    disegnaSeme(p, s, seme, centro, h);
    p.end();
    return img;
}

QImage disegnaBandieraItalia() {
    QImage img(kItaliaLarghezza, kItaliaAltezza, QImage::Format_RGB32);
    QPainter p(&img);
    const QColor verde(0x00, 0x92, 0x46), bianco(0xF4, 0xF5, 0xF0), rosso(0xCE, 0x2B, 0x37);
    const int terzo = kItaliaLarghezza / 3;
    p.fillRect(0, 0, terzo, kItaliaAltezza, verde);
    p.fillRect(terzo, 0, kItaliaLarghezza - 2 * terzo, kItaliaAltezza, bianco);
    p.fillRect(kItaliaLarghezza - terzo, 0, terzo, kItaliaAltezza, rosso);
    return img;
}

QImage disegnaBandieraInghilterra() {
    // The Union Flag, drawn on its 60 x 30 grid.
    QImage img(kUnioneLarghezza, kUnioneAltezza, QImage::Format_RGB32);
    const QColor blu(0x01, 0x21, 0x69), bianco(0xFF, 0xFF, 0xFF), rosso(0xC8, 0x10, 0x2E);
    img.fill(blu);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kUnioneLarghezza / 60.0, kUnioneAltezza / 30.0);
    // White saltire, then the red one shifted anticlockwise as the flag has it.
    p.setPen(QPen(bianco, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, 0), QPointF(60, 30));
    p.drawLine(QPointF(0, 30), QPointF(60, 0));
    p.save();
    QPainterPath quarti[4];
    quarti[0].addRect(0, 0, 30, 15);
    quarti[1].addRect(30, 0, 30, 15);
    quarti[2].addRect(0, 15, 30, 15);
    quarti[3].addRect(30, 15, 30, 15);
    p.setPen(QPen(rosso, 2, Qt::SolidLine, Qt::FlatCap));
    // Each arm of the red saltire runs on the side of the white one that turns anticlockwise.
    const QPointF sotto(0, 1), sopra(0, -1);
    p.setClipPath(quarti[0]);
    p.drawLine(QPointF(0, 0) + sotto, QPointF(30, 15) + sotto);
    p.setClipPath(quarti[1]);
    p.drawLine(QPointF(30, 15) + sopra, QPointF(60, 0) + sopra);
    p.setClipPath(quarti[2]);
    p.drawLine(QPointF(0, 30) + sotto, QPointF(30, 15) + sotto);
    p.setClipPath(quarti[3]);
    p.drawLine(QPointF(30, 15) + sopra, QPointF(60, 30) + sopra);
    p.restore();
    // White cross with the red cross on it.
    p.fillRect(QRectF(25, 0, 10, 30), bianco);
    p.fillRect(QRectF(0, 10, 60, 10), bianco);
    p.fillRect(QRectF(27, 0, 6, 30), rosso);
    p.fillRect(QRectF(0, 12, 60, 6), rosso);
    return img;
}

QImage disegnaRitratto() {
    // The author: a friendly bust in an oval frame on a warm sepia ground.
    QImage img(kRitrattoLarghezza, kRitrattoAltezza, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double k = kRitrattoLarghezza / 100.0;
    p.scale(k, k);
    const double altezza = kRitrattoAltezza / k;  // 120 units
    QLinearGradient fondo(0, 0, 0, altezza);
    fondo.setColorAt(0, QColor(0xE8, 0xD8, 0xB8));
    fondo.setColorAt(1, QColor(0xB8, 0x98, 0x6A));
    p.fillRect(QRectF(0, 0, 100, altezza), fondo);
    const QPainterPath ovale = ellisse({50, altezza / 2}, 44, altezza / 2 - 5);
    QRadialGradient luce(QPointF(44, 40), 70);
    luce.setColorAt(0, QColor(0xDD, 0xE8, 0xF0));
    luce.setColorAt(1, QColor(0x6F, 0x8C, 0xA8));
    p.setPen(Qt::NoPen);
    p.setBrush(luce);
    p.drawPath(ovale);
    p.save();
    p.setClipPath(ovale);
    const QColor pelle(0xF2, 0xCC, 0xA8), capelli(0x4A, 0x34, 0x24), giacca(0x33, 0x3F, 0x5A),
        camicia(0xFA, 0xFA, 0xF6), cravatta(0xB0, 0x22, 0x2A), linea(0x2A, 0x1E, 0x16);
    const QPen contorno(linea, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(contorno);
    // Jacket and shoulders.
    QPainterPath spalle;
    spalle.moveTo(8, altezza);
    spalle.cubicTo(10, 92, 24, 84, 40, 82);
    spalle.lineTo(60, 82);
    spalle.cubicTo(76, 84, 90, 92, 92, altezza);
    spalle.closeSubpath();
    p.setBrush(giacca);
    p.drawPath(spalle);
    QPainterPath colletto;
    colletto.moveTo(40, 82);
    colletto.lineTo(50, 104);
    colletto.lineTo(60, 82);
    colletto.closeSubpath();
    p.setBrush(camicia);
    p.drawPath(colletto);
    QPainterPath nodo;
    nodo.moveTo(47, 86);
    nodo.lineTo(53, 86);
    nodo.lineTo(52, 90);
    nodo.lineTo(54, 104);
    nodo.lineTo(50, 108);
    nodo.lineTo(46, 104);
    nodo.lineTo(48, 90);
    nodo.closeSubpath();
    p.setBrush(cravatta);
    p.drawPath(nodo);
    // Neck, ears, face.
    p.setBrush(pelle);
    p.drawRect(QRectF(43, 68, 14, 16));
    p.drawEllipse(QPointF(32.5, 52), 3.5, 6);
    p.drawEllipse(QPointF(67.5, 52), 3.5, 6);
    QPainterPath viso;
    viso.moveTo(33, 44);
    viso.cubicTo(33, 66, 42, 76, 50, 76);
    viso.cubicTo(58, 76, 67, 66, 67, 44);
    viso.cubicTo(67, 30, 60, 24, 50, 24);
    viso.cubicTo(40, 24, 33, 30, 33, 44);
    p.drawPath(viso);
    // Hair, greying a little at the temples.
    QPainterPath chioma;
    chioma.moveTo(32, 48);
    chioma.cubicTo(28, 26, 40, 16, 52, 17);
    chioma.cubicTo(66, 18, 72, 28, 68, 48);
    chioma.cubicTo(66, 38, 62, 32, 56, 30);
    chioma.cubicTo(48, 34, 40, 32, 36, 34);
    chioma.cubicTo(34, 38, 33, 42, 32, 48);
    p.setBrush(capelli);
    p.drawPath(chioma);
    p.setPen(QPen(QColor(0xB8, 0xB0, 0xA8), 1.2));
    p.drawLine(QPointF(33, 42), QPointF(34, 47));
    p.drawLine(QPointF(67, 42), QPointF(66, 47));
    // Glasses, eyes, brows, nose and a smile.
    p.setPen(contorno);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(36.5, 44, 11, 8), 3, 3);
    p.drawRoundedRect(QRectF(52.5, 44, 11, 8), 3, 3);
    p.drawLine(QPointF(47.5, 47), QPointF(52.5, 47));
    p.setBrush(linea);
    p.drawEllipse(QPointF(42, 48), 1.3, 1.3);
    p.drawEllipse(QPointF(58, 48), 1.3, 1.3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(capelli, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(37, 41), QPointF(46, 40));
    p.drawLine(QPointF(54, 40), QPointF(63, 41));
    p.setPen(contorno);
    QPainterPath naso;
    naso.moveTo(50, 50);
    naso.quadTo(48, 58, 47, 60);
    naso.quadTo(50, 62, 53, 60);
    p.drawPath(naso);
    QPainterPath sorriso;
    sorriso.moveTo(43, 65);
    sorriso.quadTo(50, 71, 57, 65);
    p.drawPath(sorriso);
    p.restore();
    // The oval's gilt frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8A, 0x64, 0x22), 3.2));
    p.drawPath(ovale);
    p.setPen(QPen(QColor(0xF0, 0xCF, 0x78), 1.4));
    p.drawPath(ovale);
    p.end();
    return img;
}

}  // namespace zelvo::pictures
