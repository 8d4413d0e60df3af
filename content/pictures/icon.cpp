// Zelvo's application icon: two cards fanned out, a back behind and a face in
// front bearing a large gold coin. Small sizes drop the fine detail so the icon
// still reads at 16 pixels. Every shape is placed by hand rather than by the
// painter's transformations, so the scalable file needs none and any renderer
// draws it alike.
#include <QImage>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>

#include "look.h"

namespace zelvo::pictures {

namespace {

const QColor kInk(0x22, 0x1A, 0x14), kBackRed(0xB0, 0x1E, 0x28), kGold(0xF2, 0xB8, 0x12), kDarkGold(0xB0, 0x70, 0x00),
    kRed(0xC8, 0x1E, 0x1E), kGreen(0x1E, 0x86, 0x2E), kCard(0xFF, 0xFC, 0xF2);

// A card 46 x 72 units with its bottom centre at the origin, about which it turns.
const QRectF kCard46(-23, -72, 46, 72);

// Draws `shape`, given in a card's own units, through `place`: filled, and outlined
// `line` units wide (none when 0).
void put(QPainter& p, const QTransform& place, const QPainterPath& shape, const QBrush& fill, const QColor& edge = {},
         double line = 0) {
    const double scale = std::sqrt(std::abs(place.determinant()));
    p.setPen(line > 0 ? QPen(edge, line * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(place.map(shape));
}

QPainterPath rounded(const QRectF& r, double radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath circle(QPointF c, double r) {
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

}  // namespace

void paintIcon(QPainter& p, int size) {
    const bool tiny = size <= 24, small = size <= 48;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QTransform icon = QTransform::fromScale(size / 100.0, size / 100.0);
    // At 16 pixels a line must be at least a pixel wide: 100 / 16 units.
    const double line = tiny ? 100.0 / size : small ? 2.6 : 2.0;
    const double radius = tiny ? 4 : 6;

    // The back, turned to the left, with a gold border and, when large, a lattice.
    const QTransform back = QTransform().translate(42, 85).rotate(-12) * icon;
    put(p, back, rounded(kCard46, radius), kBackRed, kInk, line);
    if (!tiny) {
        QPainterPathStroker border;
        border.setWidth(small ? 2.2 : 1.6);
        put(p, back, border.createStroke(rounded(kCard46.adjusted(6, 6, -6, -6), 3)), kGold);
        if (!small) {
            QPainterPath lines;
            for (double d = -80; d < 60; d += 9) {
                lines.moveTo(-23 + d, -72);
                lines.lineTo(-23 + d + 72, 0);
                lines.moveTo(23 - d, -72);
                lines.lineTo(23 - d - 72, 0);
            }
            QPainterPathStroker thin;
            thin.setWidth(1.2);
            QPainterPath inside;
            inside.addRect(kCard46.adjusted(8, 8, -8, -8));
            put(p, back, thin.createStroke(lines).intersected(inside), kGold.darker(120));
        }
    }

    // The face, turned to the right, with its coin.
    const QTransform front = QTransform().translate(60, 87).rotate(10) * icon;
    put(p, front, rounded(kCard46, radius), kCard, kInk, line);
    const QPointF c(0, -36);
    const double r = tiny ? 18 : 17;
    put(p, front, circle(c, r), kGold, kInk, line);
    if (tiny) {
        put(p, front, circle(c, r * 0.42), kRed);
    } else {
        QPainterPathStroker ring;
        ring.setWidth(small ? 2.0 : 1.4);
        put(p, front, ring.createStroke(circle(c, r * 0.76)), kDarkGold);
        for (int i = 0; i < 8; ++i) {
            QPainterPath leaf;
            leaf.moveTo(0, 0);
            leaf.cubicTo(4, -3, 3.5, -10, 0, -12);
            leaf.cubicTo(-3.5, -10, -4, -3, 0, 0);
            const QTransform petal = QTransform().translate(c.x(), c.y()).rotate(i * 45.0);
            put(p, front, petal.map(leaf), i % 2 ? kRed : kGreen, kInk, small ? 1.6 : 1.0);
        }
        put(p, front, circle(c, 3), kGold, kInk, small ? 1.6 : 1.0);
    }
    p.restore();
}

QImage drawIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    paintIcon(p, size);
    p.end();
    return img;
}

}  // namespace zelvo::pictures
