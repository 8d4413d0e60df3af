// The twelve back designs. Each is a pattern in white, dark ink and gold on a
// clear ground, so that the back colour chosen in the options shows through.
#include <QImage>
#include <QtMath>
#include <functional>
#include <map>

#include "look.h"

namespace zelvo::pictures {

namespace {

const QColor kChiaro(0xFF, 0xFF, 0xFF);
const QColor kScuro(0x22, 0x1E, 0x1A);
const QColor kOro(0xE6, 0xB4, 0x3C);

constexpr double kMargine = 6;   // clear edge round the pattern, card units
constexpr double kCornice = 3;   // width of the pattern's own frame

QRectF campo() { return QRectF(kMargine, kMargine, kLarghezzaCarta - 2 * kMargine, kAltezzaCarta - 2 * kMargine); }

QPen linea(const QColor& c, double w) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A double frame round the pattern: dark outside, light inside.
void cornice(QPainter& p) {
    const QRectF r = campo();
    p.setBrush(Qt::NoBrush);
    p.setPen(linea(kScuro, kCornice));
    p.drawRoundedRect(r, 4, 4);
    p.setPen(linea(kChiaro, 1.2));
    p.drawRoundedRect(r.adjusted(kCornice, kCornice, -kCornice, -kCornice), 3, 3);
}

// The inside of the frame, where the repeating motifs go.
QRectF interno() { return campo().adjusted(kCornice + 2, kCornice + 2, -kCornice - 2, -kCornice - 2); }

// Visits the centres of a grid of cells `passo` wide covering the inside, centred on it.
void griglia(double passoX, double passoY, bool sfalsata, const std::function<void(QPointF, int, int)>& f) {
    const QRectF r = interno();
    const int nx = int(r.width() / passoX) + 2, ny = int(r.height() / passoY) + 2;
    const double x0 = r.center().x() - (nx / 2) * passoX, y0 = r.center().y() - (ny / 2) * passoY;
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i) {
            const double dx = sfalsata && (j % 2) ? passoX / 2 : 0;
            f(QPointF(x0 + i * passoX + dx, y0 + j * passoY), i, j);
        }
}

QPainterPath stella(QPointF c, double rFuori, double rDentro, int punte, double giro = -90) {
    QPainterPath path;
    for (int k = 0; k < 2 * punte; ++k) {
        const double a = qDegreesToRadians(giro + k * 180.0 / punte);
        const double r = k % 2 ? rDentro : rFuori;
        const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        k ? path.lineTo(q) : path.moveTo(q);
    }
    path.closeSubpath();
    return path;
}

void decoro(QPainter& p) {
    // A central medallion with a quatrefoil, fleurons in the corners, dots round the edge.
    const QRectF r = interno();
    const QPointF c = r.center();
    p.setPen(linea(kScuro, 1.6));
    p.setBrush(kOro);
    p.drawEllipse(c, 30, 44);
    p.setBrush(Qt::NoBrush);
    p.setPen(linea(kChiaro, 1.4));
    p.drawEllipse(c, 25, 39);
    for (int k = 0; k < 4; ++k) {
        p.save();
        p.translate(c);
        p.rotate(45 + k * 90);
        QPainterPath petalo;
        petalo.moveTo(0, 0);
        petalo.cubicTo(14, -6, 14, -26, 0, -30);
        petalo.cubicTo(-14, -26, -14, -6, 0, 0);
        p.setPen(linea(kScuro, 1.2));
        p.setBrush(kChiaro);
        p.drawPath(petalo);
        p.restore();
    }
    p.setBrush(kScuro);
    p.drawEllipse(c, 5, 5);
    const QPointF angoli[] = {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
    for (QPointF a : angoli) {
        const QPointF verso((a.x() < c.x() ? 1 : -1) * 12, (a.y() < c.y() ? 1 : -1) * 12);
        p.setPen(linea(kScuro, 1.2));
        p.setBrush(kChiaro);
        p.drawPath(stella(a + verso, 9, 3.5, 4, 45));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kChiaro);
    for (double x = r.left() + 24; x < r.right() - 20; x += 6) {
        p.drawEllipse(QPointF(x, r.top() + 4), 1.2, 1.2);
        p.drawEllipse(QPointF(x, r.bottom() - 4), 1.2, 1.2);
    }
    for (double y = r.top() + 24; y < r.bottom() - 20; y += 6) {
        p.drawEllipse(QPointF(r.left() + 4, y), 1.2, 1.2);
        p.drawEllipse(QPointF(r.right() - 4, y), 1.2, 1.2);
    }
}

void rombi(QPainter& p) {
    // A lattice of diamonds with a dark diamond at every crossing.
    constexpr double passoX = 16, passoY = 24;
    const QRectF r = interno();
    p.setPen(linea(kChiaro, 1.4));
    for (double k = -r.height(); k < r.width() + r.height(); k += passoX) {
        p.drawLine(QPointF(r.left() + k, r.top()), QPointF(r.left() + k - r.height() * passoX / passoY, r.bottom()));
        p.drawLine(QPointF(r.left() + k, r.top()), QPointF(r.left() + k + r.height() * passoX / passoY, r.bottom()));
    }
    // The lines cross every passoX / 2 across and passoY / 2 down, on alternate points.
    for (int j = 0; r.top() + j * passoY / 2 <= r.bottom(); ++j)
        for (int i = 0; r.left() + i * passoX / 2 <= r.right(); ++i) {
            if ((i + j) % 2) continue;
            const QPointF q(r.left() + i * passoX / 2, r.top() + j * passoY / 2);
            QPainterPath d;
            d.moveTo(q + QPointF(0, -3.5));
            d.lineTo(q + QPointF(2.5, 0));
            d.lineTo(q + QPointF(0, 3.5));
            d.lineTo(q + QPointF(-2.5, 0));
            d.closeSubpath();
            p.setPen(linea(kScuro, 0.8));
            p.setBrush(kOro);
            p.drawPath(d);
        }
}

void spirali(QPainter& p) {
    // Rows of small spirals, turning alternately one way and the other.
    constexpr double passo = 18;
    griglia(passo, passo, true, [&](QPointF c, int i, int j) {
        const double verso = (i + j) % 2 ? 1 : -1;
        QPainterPath s;
        for (int k = 0; k <= 90; ++k) {
            const double a = verso * k * 0.14, raggio = 0.3 + k * 0.085;
            const QPointF q(c.x() + raggio * std::cos(a), c.y() + raggio * std::sin(a));
            k ? s.lineTo(q) : s.moveTo(q);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(linea(kScuro, 2.4));
        p.drawPath(s);
        p.setPen(linea(kChiaro, 1.2));
        p.drawPath(s);
    });
}

void intrecci(QPainter& p) {
    // A basket weave: light bands passing over and under each other.
    constexpr double passo = 12, banda = 7;
    const QRectF r = interno();
    const int nx = int(r.width() / passo) + 1, ny = int(r.height() / passo) + 1;
    auto orizzontale = [&](int j, double x0, double x1) {
        p.drawRect(QRectF(x0, r.top() + j * passo + (passo - banda) / 2, x1 - x0, banda));
    };
    auto verticale = [&](int i, double y0, double y1) {
        p.drawRect(QRectF(r.left() + i * passo + (passo - banda) / 2, y0, banda, y1 - y0));
    };
    p.setPen(linea(kScuro, 1.0));
    p.setBrush(kChiaro);
    for (int j = 0; j < ny; ++j) orizzontale(j, r.left(), r.right());
    p.setBrush(kOro);
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j)
            if ((i + j) % 2) verticale(i, r.top() + j * passo - 1.5, r.top() + (j + 1) * passo + 1.5);
}

void scacchiera(QPainter& p) {
    // Dark squares on the clear ground, with thin light lines between.
    constexpr double lato = 11;
    const QRectF r = interno();
    p.setPen(Qt::NoPen);
    p.setBrush(kScuro);
    for (int j = 0; r.top() + j * lato < r.bottom(); ++j)
        for (int i = 0; r.left() + i * lato < r.right(); ++i)
            if ((i + j) % 2 == 0) p.drawRect(QRectF(r.left() + i * lato, r.top() + j * lato, lato, lato).intersected(r));
    p.setPen(linea(kChiaro, 0.8));
    for (double x = r.left(); x <= r.right(); x += lato) p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    for (double y = r.top(); y <= r.bottom(); y += lato) p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
}

void ornamenti(QPainter& p) {
    // A border of leaves, a central rosette and curls at the ends.
    const QRectF r = interno();
    const QPointF c = r.center();
    auto foglia = [&](QPointF q, double angolo) {
        p.save();
        p.translate(q);
        p.rotate(angolo);
        QPainterPath f;
        f.moveTo(0, 0);
        f.quadTo(4, -4, 0, -9);
        f.quadTo(-4, -4, 0, 0);
        p.setPen(linea(kScuro, 0.9));
        p.setBrush(kChiaro);
        p.drawPath(f);
        p.restore();
    };
    for (double x = r.left() + 6; x < r.right() - 2; x += 8) {
        foglia({x, r.top() + 10}, 60);
        foglia({x, r.bottom() - 10}, 240);
    }
    for (double y = r.top() + 18; y < r.bottom() - 14; y += 8) {
        foglia({r.left() + 8, y}, 150);
        foglia({r.right() - 8, y}, 330);
    }
    for (int k = 0; k < 12; ++k) {
        p.save();
        p.translate(c);
        p.rotate(k * 30);
        QPainterPath petalo;
        petalo.moveTo(0, 0);
        petalo.cubicTo(7, -8, 5, -24, 0, -28);
        petalo.cubicTo(-5, -24, -7, -8, 0, 0);
        p.setPen(linea(kScuro, 1.0));
        p.setBrush(k % 2 ? kOro : kChiaro);
        p.drawPath(petalo);
        p.restore();
    }
    p.setBrush(kScuro);
    p.drawEllipse(c, 4.5, 4.5);
    for (int verso = -1; verso <= 1; verso += 2) {
        const QPointF q(c.x(), c.y() + verso * 58);
        QPainterPath riccio;
        riccio.moveTo(q + QPointF(-22, 0));
        riccio.cubicTo(q + QPointF(-12, -verso * 14), q + QPointF(-4, verso * 10), q);
        riccio.cubicTo(q + QPointF(4, verso * 10), q + QPointF(12, -verso * 14), q + QPointF(22, 0));
        p.setBrush(Qt::NoBrush);
        p.setPen(linea(kScuro, 3.0));
        p.drawPath(riccio);
        p.setPen(linea(kChiaro, 1.4));
        p.drawPath(riccio);
        p.setPen(linea(kScuro, 1.0));
        p.setBrush(kOro);
        p.drawEllipse(q + QPointF(-22, 0), 2.5, 2.5);
        p.drawEllipse(q + QPointF(22, 0), 2.5, 2.5);
    }
}

void arabeschi(QPainter& p) {
    // Overlapping circles on a grid: the petals of an Eastern lattice, gold seeds at the hubs.
    constexpr double raggio = 10;
    p.setBrush(Qt::NoBrush);
    griglia(raggio, raggio, false, [&](QPointF q, int i, int j) {
        if ((i + j) % 2) return;
        p.setPen(linea(kScuro, 2.2));
        p.drawEllipse(q, raggio, raggio);
    });
    griglia(raggio, raggio, false, [&](QPointF q, int i, int j) {
        if ((i + j) % 2) return;
        p.setPen(linea(kChiaro, 1.0));
        p.drawEllipse(q, raggio, raggio);
    });
    griglia(raggio, raggio, false, [&](QPointF q, int i, int j) {
        if ((i + j) % 2 == 0) return;
        p.setPen(linea(kScuro, 0.6));
        p.setBrush(kOro);
        p.drawEllipse(q, 1.8, 1.8);
        p.setBrush(Qt::NoBrush);
    });
}

void greche(QPainter& p) {
    // Bands of the Greek key: square hooks rising from a base line, across the card.
    constexpr double modulo = 12, passoFasce = 22;
    constexpr double u = modulo / 4;
    const QRectF r = interno();
    for (double y = r.top() + 4; y + modulo <= r.bottom(); y += passoFasce) {
        QPainterPath meandro;
        for (double x = r.left(); x + modulo <= r.right() + 0.1; x += modulo) {
            meandro.moveTo(x, y + 4 * u);
            meandro.lineTo(x, y);
            meandro.lineTo(x + 3 * u, y);
            meandro.lineTo(x + 3 * u, y + 3 * u);
            meandro.lineTo(x + u, y + 3 * u);
            meandro.lineTo(x + u, y + 1.5 * u);
            meandro.lineTo(x + 2 * u, y + 1.5 * u);
            meandro.moveTo(x, y + 4 * u);
            meandro.lineTo(x + modulo, y + 4 * u);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(linea(kScuro, 2.6));
        p.drawPath(meandro);
        p.setPen(linea(kChiaro, 1.2));
        p.drawPath(meandro);
        p.setPen(linea(kOro, 1.0));
        p.drawLine(QPointF(r.left(), y + modulo + 4), QPointF(r.right(), y + modulo + 4));
    }
}

void asterischi(QPainter& p) {
    // Staggered rows of six-armed asterisks.
    griglia(14, 13, true, [&](QPointF c, int, int) {
        for (const auto& [colore, w] : {std::pair{kScuro, 2.8}, std::pair{kChiaro, 1.3}}) {
            p.setPen(linea(colore, w));
            for (int k = 0; k < 3; ++k) {
                const double a = qDegreesToRadians(90.0 + k * 60);
                const QPointF d(4.2 * std::cos(a), 4.2 * std::sin(a));
                p.drawLine(c - d, c + d);
            }
        }
    });
}

void diagonali(QPainter& p) {
    // Diagonal stripes, light and dark in turn, with fine gold lines.
    constexpr double passo = 9;
    const QRectF r = interno();
    p.save();
    p.setClipRect(r);
    for (double k = -r.height(), n = 0; k < r.width() + r.height(); k += passo, ++n) {
        const QPointF a(r.left() + k, r.top()), b(r.left() + k + r.height(), r.bottom());
        p.setPen(linea(int(n) % 2 ? kScuro : kChiaro, 3.2));
        p.drawLine(a, b);
        p.setPen(linea(kOro, 0.6));
        p.drawLine(a + QPointF(passo / 2, 0), b + QPointF(passo / 2, 0));
    }
    p.restore();
}

void arzigogoli(QPainter& p) {
    // Rows of looping doodles, as a pen idly curling across a page: each row is a
    // looped trochoid, every other row running the other way.
    constexpr double passoRighe = 16, avanzamento = 1.6, ansa = 4.2;  // per radian of the pen's turn
    const QRectF r = interno();
    int riga = 0;
    for (double y = r.top() + 8; y < r.bottom() - 4; y += passoRighe, ++riga) {
        QPainterPath g;
        const double verso = riga % 2 ? -1 : 1;
        const double fase = riga * 1.3;
        bool primo = true;
        for (double t = 0; avanzamento * t < r.width() + 10; t += 0.08) {
            const double x = r.left() - 5 + avanzamento * t - verso * ansa * std::sin(t + fase) * 0.9;
            const QPointF q(x, y - ansa * std::cos(t + fase) * verso);
            primo ? g.moveTo(q) : g.lineTo(q);
            primo = false;
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(linea(kScuro, 2.6));
        p.drawPath(g);
        p.setPen(linea(riga % 3 == 1 ? kOro : kChiaro, 1.2));
        p.drawPath(g);
    }
}

void stelle(QPainter& p) {
    // Gold five-pointed stars with small light dots between them.
    griglia(18, 16, true, [&](QPointF c, int, int) {
        p.setPen(linea(kScuro, 1.0));
        p.setBrush(kOro);
        p.drawPath(stella(c, 6.5, 2.7, 5));
        p.setPen(Qt::NoPen);
        p.setBrush(kChiaro);
        p.drawEllipse(c + QPointF(9, 0), 1.1, 1.1);
    });
}

using Motivo = void (*)(QPainter&);
const std::vector<std::pair<QString, Motivo>>& motivi() {
    static const std::vector<std::pair<QString, Motivo>> tabella = {
        {"Decoro", decoro},       {"Rombi", rombi},       {"Spirali", spirali},       {"Intrecci", intrecci},
        {"Scacchie", scacchiera}, {"Ornament", ornamenti}, {"Arabesch", arabeschi},   {"Greche", greche},
        {"Asterisc", asterischi}, {"Diagonal", diagonali}, {"Arzigogo", arzigogoli},  {"Stelle", stelle},
    };
    return tabella;
}

}  // namespace

QStringList nomiRetro() {
    QStringList nomi;
    for (const auto& m : motivi()) nomi << m.first;
    return nomi;
}

QImage disegnaRetro(const QString& nome) {
    QImage img(kPixelLarghezza, kPixelAltezza, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kPixelLarghezza / kLarghezzaCarta, kPixelAltezza / kAltezzaCarta);
    for (const auto& m : motivi())
        if (m.first == nome) {
            p.save();
            p.setClipRect(interno());
            m.second(p);
            p.restore();
        }
    cornice(p);
    p.end();
    return img;
}

QImage soloPieniEVuoti(const QImage& sorgente) {
    QImage img = sorgente.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            riga[x] = qAlpha(riga[x]) >= 128 ? (riga[x] | 0xFF000000u) : 0u;
    }
    return img;
}

}  // namespace zelvo::pictures
