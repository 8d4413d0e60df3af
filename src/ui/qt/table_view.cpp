#include "ui/qt/table_view.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include "session/session.h"
#include "ui/rules_pages.h"
#include "ui/table_geometry.h"
#include "ui/window_routines.h"

namespace zelvo {

namespace {

QColor qcolour(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

using namespace geometry;
const char* const MENU[6] = {"", "Partita", "Dati", "Albo", "Opzioni", "Esci"};
constexpr int WIDTH_PX = static_cast<int>(geometry::WIDTH), HEIGHT_PX = static_cast<int>(geometry::HEIGHT);
const char* const NAMES_TIP =
    "Quando la scritta ha lo sfondo rosso indica che il Giocatore, avendo effettuato la presa, deve muovere per "
    "primo";

}  // namespace

TableView::TableView(Session& s, WindowRoutines& ui, std::function<QString(const std::string&)> realPath,
                     QWidget* parent)
    : QWidget(parent), s_(s), ui_(ui), pictures_(std::move(realPath)) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(WIDTH_PX / 20, HEIGHT_PX / 20);
    setMouseTracking(true);  // the options panel follows the mouse
    setWindowTitle("Zelvo - Briscola");
}

QSize TableView::sizeHint() const { return {WIDTH_PX / 12, HEIGHT_PX / 12}; }

double TableView::scale() const { return Scale{WIDTH_PX, HEIGHT_PX}.of(*this); }

QRectF TableView::twips(double left, double top, double w, double h) const {
    return Scale{WIDTH_PX, HEIGHT_PX}.twips(*this, left, top, w, h);
}

void TableView::text(QPainter& p, const QRectF& r, const QString& s, double heightTwips, const QColor& colour,
                       int flags, bool bold) {
    writeText(p, *this, r, s, heightTwips * scale(), colour, flags, bold);
}

QString TableView::elided(const QString& s, double widthTwips, double heightTwips, bool bold) const {
    QFont f = font();
    f.setPixelSize(std::max(6, int(heightTwips * scale())));
    f.setBold(bold);
    return QFontMetricsF(f).elidedText(s, Qt::ElideRight, widthTwips * scale());
}

void TableView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), QColor(30, 30, 30));
    p.fillRect(twips(0, 0, WIDTH, HEIGHT), qcolour(s_.m.window.coloreTavolo));
    if (rulesUncovered(s_.m.window)) drawRules(p);
    drawCards(p);
    drawLabels(p);
    drawSongTitle(p);
    drawSubtitle(p);
    drawMenu(p);
    if (s_.m.window.fraPannello[1].Visible) drawMatchPanel(p);
    if (s_.m.window.fraPannello[0].Visible) drawDataPanel(p);
    drawEndOfGame(p);
    if (s_.m.window.fraPannello[2].Visible) drawOptions(p);
    if (s_.m.window.fraPannello[3].Visible) drawHallOfFame(p);
    const Panel& exitFrame = s_.m.window.fraEsci;
    if (exitFrame.Visible) {
        QRectF r = px(geometry::exitFrame(exitFrame));
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(qcolour(s_.m.window.coloreTavolo));
        p.drawRoundedRect(r, 6, 6);
        text(p, twips(exitFrame.Left, exitFrame.Top + 150, 4200, 400), "Vuoi davvero lasciarmi?", 220, Qt::white,
              Qt::AlignCenter, true);
        const char* const answers[2] = {"- Si, purtroppo!", "- Non ancora..."};
        for (int i = 0; i < 2; ++i)
            text(p, px(exitAnswer(exitFrame, i)), answers[i], 190, QColor(255, 255, 160),
                 Qt::AlignLeft | Qt::AlignVCenter, true);
    }
}

void TableView::drawOptions(QPainter& p) {
    const Model& m = s_.m;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolour(m.window.coloreTavolo).darker(135));
    p.drawRect(px(RIGHT_PANEL));
    text(p, twips(RIGHT_PANEL.left, 120, RIGHT_PANEL.width, 360), "Opzioni di ZELVO", 260, Qt::white, Qt::AlignCenter, true);
    for (int i = 0; i < OPTION_COUNT; ++i) {
        text(p, px(optionCaption(i)), QString::fromStdString(m.options.lblVoce[i]), 175,
             qcolour(m.options.lblVoceColore[i]), Qt::AlignLeft | Qt::AlignVCenter, true);
        const QRectF value = px(optionValue(i));
        if (m.options.lblOpzioneEvidenziata[i]) {
            p.setPen(Qt::NoPen);
            p.setBrush(qcolour(m.window.coloreTavolo).lighter(135));
            p.drawRoundedRect(value.adjusted(-3, 1, 0, -1), 3, 3);
        }
        text(p, value, QString::fromStdString(m.options.lblOpzione[i]), 175, Qt::white,
              Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void TableView::drawHallOfFame(QPainter& p) {
    const Model& m = s_.m;
    const RecordsState& r = m.records;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolour(m.window.coloreTavolo).darker(135));
    p.drawRect(px(RIGHT_PANEL));
    text(p, twips(RIGHT_PANEL.left, 100, RIGHT_PANEL.width, 360), "Classifica", 240, Qt::white, Qt::AlignCenter, true);
    if (r.lblDieciMigliori)
        text(p, twips(RIGHT_PANEL.left, 440, RIGHT_PANEL.width, 300), "dei 10 migliori Giocatori di Briscola", 170, Qt::white,
              Qt::AlignCenter);
    // The ranking: each label shows as its own visibility says; the winner's row is opaque.
    for (int i = 1; i <= 10; ++i) {
        const RankingRow& row = r.classifica[i];
        const double top = 800 + (i - 1) * 320;
        if (row.highlighted) {
            p.setPen(Qt::NoPen);
            p.setBrush(qcolour(m.window.coloreTavolo).lighter(150));
            p.drawRoundedRect(twips(RIGHT_PANEL.left + 250, top + 10, RIGHT_PANEL.width - 500, 300), 3, 3);
        }
        if (row.positionShown) text(p, twips(RIGHT_PANEL.left + 300, top, 600, 320), QString::number(i) + ")", 175, Qt::white);
        text(p, twips(RIGHT_PANEL.left + 900, top, 3100, 320), elided(QString::fromStdString(row.name), 3050, 175, false),
              175, Qt::white);
        if (row.wonShown)
            text(p, twips(RIGHT_PANEL.left + 4050, top, 650, 320), QString::fromStdString(row.won), 175, Qt::white,
                  Qt::AlignRight | Qt::AlignVCenter);
        if (row.lostShown)
            text(p, twips(RIGHT_PANEL.left + 4800, top, 650, 320), QString::fromStdString(row.lost), 175, Qt::white,
                  Qt::AlignRight | Qt::AlignVCenter);
        text(p, twips(RIGHT_PANEL.left + 5700, top, 1800, 320), QString::fromStdString(row.date), 175, Qt::white);
    }
    text(p, twips(RIGHT_PANEL.left, 4050, RIGHT_PANEL.width, 320), "Statistica Partite di Zelvo", 200, Qt::white, Qt::AlignCenter,
          true);
    const char* const levels = "ABCDE";
    for (int k = 1; k <= 5; ++k)
        text(p, twips(RIGHT_PANEL.left + 300 + (k - 1) * 1420, 4400, 1420, 320),
              QString("%1: %2 - %3")
                  .arg(levels[k - 1])
                  .arg(QString::fromStdString(r.lblVittoriePCVariLivelli[k]))
                  .arg(QString::fromStdString(r.lblSconfittePCVariLivelli[k])),
              165, Qt::white, Qt::AlignCenter);
    text(p, twips(RIGHT_PANEL.left, 4800, RIGHT_PANEL.width, 320),
          QString("Albo Partite (%1)").arg(m.records.lblTotalePartite), 200, Qt::white, Qt::AlignCenter, true);
    text(p, twips(RIGHT_PANEL.left + 300, 5130, RIGHT_PANEL.width - 600, 300),
          QString::fromUtf8("N° Partita - Vincitore - Perdente - Punteggio - Data - Ora"), 160, Qt::white);
    // The register as a list, oldest first, scrolled by the wheel; it opens on the latest matches.
    const QRectF list = px(REGISTER_LIST);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(list);
    const std::vector<std::string> entries = registerEntries();
    const int first = firstShownEntry(static_cast<int>(entries.size()));
    for (int v = 0; v < REGISTER_ROWS && first + v < static_cast<int>(entries.size()); ++v)
        text(p, twips(REGISTER_LIST.left + 80, REGISTER_LIST.top + 40 + v * REGISTER_ROW, REGISTER_LIST.width - 160,
                      REGISTER_ROW),
             elided(QString::fromStdString(entries[first + v]), REGISTER_LIST.width - 170, 150, false), 150, Qt::black);
}

std::vector<std::string> TableView::registerEntries() const {
    std::vector<std::string> v;
    for (const std::string& entry : s_.m.records.LstAlbo) {
        if (entry.empty()) break;  // the empty entry ends the register
        v.push_back(entry);
    }
    return v;
}

int TableView::firstShownEntry(int entries) const {
    const int last = std::max(0, entries - REGISTER_ROWS);
    return std::clamp(last - registerScroll_, 0, last);
}

void TableView::wheelEvent(QWheelEvent* e) {
    const QPointF t = e->position() / scale();
    if (!s_.m.window.fraPannello[3].Visible || !REGISTER_LIST.contains(t.x(), t.y())) return;
    const int entries = static_cast<int>(registerEntries().size());
    // A wheel notch is 120; a touchpad sends smaller steps, which add up to a line.
    registerWheel_ += e->angleDelta().y();
    const int steps = registerWheel_ / 120;
    registerWheel_ -= steps * 120;
    registerScroll_ = std::clamp(registerScroll_ + steps, 0, std::max(0, entries - REGISTER_ROWS));
    update();
}

void TableView::drawRules(QPainter& p) {
    const Model& m = s_.m;
    const Window& f = m.window;
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(qcolour(f.coloreTavolo).darker(115));
    p.drawRect(px(LEFT_PANEL));
    text(p, twips(200, 150, 2600, 600), QString::fromStdString(f.lblRegoleDelGioco), 175, Qt::white,
          Qt::AlignHCenter | Qt::AlignTop, true);
    if (f.ImgAutoreVisible)
        if (const QPixmap* pm = picture("C:\\Programmi\\Zelvo\\Grafica\\Autore.jpg")) {
            const double a = 2050, l = a * pm->width() / pm->height();
            p.drawPixmap(twips(LEFT_PANEL.left + (LEFT_PANEL.width - l) / 2, 850, l, a), *pm, pm->rect());
        }
    // A blank line between paragraphs, for the eye.
    text(p, twips(200, f.lblRegoleTop, 2600, f.lblRegoleHeight - 150),
          QString::fromStdString(f.lblRegole).replace('\n', "\n\n"), 160, QColor(245, 245, 235),
          Qt::AlignLeft | Qt::AlignTop);
    QFont underlined = font();
    underlined.setUnderline(true);
    underlined.setBold(true);
    underlined.setPixelSize(std::max(6, int(165 * scale())));
    p.setFont(underlined);
    p.setPen(QColor(255, 255, 160));
    p.drawText(px(RULES_CAPTION), Qt::AlignCenter, QString::fromStdString(m.records.lblContinuaregole));
}

void TableView::drawSongTitle(QPainter& p) {
    const Label& t = s_.m.sounds.lblTitolo;
    if (!t.Visible || t.Caption.empty()) return;
    text(p, twips(8500, t.Top, 3500, 520), QString::fromStdString(t.Caption), 145, QColor(255, 255, 190),
          Qt::AlignHCenter | Qt::AlignTop);
}

void TableView::drawSubtitle(QPainter& p) {
    const SoundState& s = s_.m.sounds;
    const int64_t left = s.sottotitoloFinoA - s_.platform.scheduler.nowMs();
    if (s.sottotitolo.empty() || left <= 0) return;
    // No tick may come when the subtitle's time is up: the table repaints itself then.
    if (s.sottotitoloFinoA != subtitleRepaintAt_) {
        subtitleRepaintAt_ = s.sottotitoloFinoA;
        QTimer::singleShot(static_cast<int>(left) + 1, this, [this] { update(); });
    }
    // In the free corner right of the human's hand, clear of the cards and the menu.
    const QRectF r = twips(8500, 6350, 3450, 1500);
    p.setPen(QPen(QColor(255, 255, 255, 140), 1));
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(r, 6, 6);
    QFont f = font();
    f.setPixelSize(std::max(6, int(160 * scale())));
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(255, 250, 220));
    p.drawText(r.adjusted(6, 4, -6, -4), Qt::AlignCenter | Qt::TextWordWrap,
               QString::fromUtf8("ZELVO: «%1»").arg(QString::fromStdString(s.sottotitolo)));
}

void TableView::drawCards(QPainter& p) {
    const Window& f = s_.m.window;
    for (int s = 1; s <= 8; ++s) {
        const Frame& shp = f.ShpCarta[s];
        const Picture& img = f.ImgCarta[s];
        if (shp.Visible) {
            QRectF r = twips(shp.Left, shp.Top, CARD_W + 2 * place::FRAME, CARD_H + 2 * place::FRAME);
            p.setPen(QPen(QColor(0, 0, 0, 90), 1));
            p.setBrush(qcolour(shp.BackColor));
            p.drawRoundedRect(r, r.width() * 0.06, r.width() * 0.06);
        }
        if (!img.Visible) continue;
        QRectF r = px(card(img));
        if (const QPixmap* pm = picture(img.Picture)) {
            p.drawPixmap(r, *pm, pm->rect());
        } else if (shp.BackColor == colour::WHITE && !s_.m.cards.lblCarta[s].empty()) {
            // No picture file: the code itself, so the game stays playable.
            p.setBrush(Qt::white);
            p.drawRect(r);
            text(p, r, QString::fromStdString(s_.m.cards.lblCarta[s]), 500, Qt::black, Qt::AlignCenter, true);
        }
        if (img.BorderStyle == 1) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r);
        }
    }
}

void TableView::drawLabels(QPainter& p) {
    const Model& m = s_.m;
    const Window& f = m.window;
    auto name = [&](const Label& e, const Rect& t) {
        const QRectF r = px(t);
        if (e.opaca) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 30, 30));
            p.drawRoundedRect(r, 4, 4);
        }
        // A long name is cut short rather than spilling over the table.
        text(p, r, elided(QString::fromStdString(e.Caption), t.width - 100, 260, true), 260, qcolour(e.ForeColor),
              Qt::AlignCenter, true);
    };
    name(f.lblPC, NAME_PC);
    name(f.lblH, NAME_H);
    auto points = [&](bool shown, int value, const Rect& where) {
        if (!shown) return;
        text(p, px(where), QString("Punti %1").arg(value), 220, Qt::white, Qt::AlignCenter);
    };
    points(f.lblPuntiPCVista.Visible, m.game.lblPuntiPC, POINTS_PC);
    points(f.lblPuntiHVista.Visible, m.game.lblPuntiH, POINTS_H);
    if (f.lblCarteRimaste.Visible)
        text(p, twips(8700, 5900, 2000, 300), QString("Carte rimaste: %1").arg(m.game.lblNumeroCarteRimaste), 200,
              Qt::white, Qt::AlignCenter);
    if (f.lblIstruzioneIniziale.Visible)
        text(p, twips(3400, 2950, 5400, 500), QString::fromStdString(f.lblIstruzioneIniziale.Caption), 180,
              Qt::white, Qt::AlignCenter);
    if (f.cmdEffettuaLaPresa.Visible) {
        QRectF r = px(TAKING_BUTTON);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(240, 240, 225));
        p.drawRoundedRect(r, 3, 3);
        text(p, r, QString::fromStdString(f.cmdEffettuaLaPresa.Caption), 170, Qt::black, Qt::AlignCenter);
    }
    for (int v = 1; v <= 2; ++v) {
        const Picture& b = f.ImgBandiera[v];
        if (!b.Visible) continue;
        // A flag keeps its own proportions, centred in its frame.
        if (const QPixmap* pm = picture(b.Picture))
            p.drawPixmap(fitted(twips(b.Left, b.Top, b.Width, b.Height), pm->size()), *pm, pm->rect());
    }
}

void TableView::drawMenu(QPainter& p) {
    for (int i = 1; i <= 5; ++i) {
        // A disabled entry (during a review) is greyed, as a disabled label is.
        QColor c = qcolour(s_.m.window.lblComandi[i]);
        if (!s_.m.window.comandoAbilitato[i]) c = QColor(150, 150, 150);
        text(p, px(menuEntry(i)), MENU[i], 230, c, Qt::AlignLeft | Qt::AlignVCenter, true);
    }
}

void TableView::drawMatchPanel(QPainter& p) {
    const Model& m = s_.m;
    QRectF panel = twips(LEFT_PANEL.left, LEFT_PANEL.top, LEFT_PANEL.width, LEFT_PANEL.height);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolour(m.window.coloreTavolo).darker(125));
    p.drawRect(panel);
    text(p, twips(200, 100, 2600, 300), "TABELLA GIOCHI VINTI", 180, Qt::white, Qt::AlignCenter, true);
    // One column a game the match needs, split by thin lines; a won game fills its marker.
    const int columns = std::clamp(gamesToWin(m.options.get<MatchEnd>()), 3, 5);
    const double step = 1250.0 / columns;
    auto row = [&](const QString& name, const std::array<bool, 6>& marks, int top) {
        text(p, twips(200, top, 1000, 300), elided(name, 980, 170, false), 170, Qt::white);
        for (int k = 1; k <= columns; ++k) {
            const double centre = 1250 + (k - 0.5) * step;
            QRectF c = twips(centre - 120, top + 40, 240, 240);
            p.setPen(QPen(Qt::white, 1));
            p.setBrush(marks[k] ? QBrush(qcolour(m.window.coloreRetro)) : Qt::NoBrush);
            p.drawEllipse(c);
        }
    };
    row("ZELVO", m.window.shpPuntiPC, 500);
    row(QString::fromStdString(m.window.lblH.Caption), m.window.shpPuntiH, 850);
    text(p, twips(2550, 500, 300, 300), QString::number(m.game.lblPartitePC), 190, Qt::white, Qt::AlignCenter, true);
    text(p, twips(2550, 850, 300, 300), QString::number(m.game.lblPartiteH), 190, Qt::white, Qt::AlignCenter, true);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    for (int k = 1; k < columns; ++k) {
        const double x = 1250 + k * step;
        p.drawLine(twips(x, 520, 0, 0).topLeft(), twips(x, 1150, 0, 0).topLeft());
    }
    text(p, twips(200, 1400, 2600, 300), "TABELLA CARTE GIOCATE", 180, Qt::white, Qt::AlignCenter, true);
    for (int c = 1; c <= 40; ++c) {
        const int row = (c - 1) / 10, column = (c - 1) % 10;
        QRectF r = twips(200 + column * 255, 1800 + row * 420, 240, 380);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(qcolour(m.cards.lblCarteGiocate[c].BackColor));
        p.drawRect(r);
        text(p, r, QString::fromStdString(cards::codeOf(c)), 150, qcolour(m.cards.lblCarteGiocate[c].ForeColor),
              Qt::AlignCenter, true);
    }
    // The legend: who took a card is its text colour, who played it its background.
    const QString name = QString::fromStdString(m.playerName);
    struct Voce {
        Colour ground, textColour;
        QString text;
    };
    const Voce textSamples[2] = {{colour::WHITE, colour::WHITE, "Carte prese da ZELVO"},
                             {colour::WHITE, colour::BLACK, "Carte prese da " + name}};
    const Voce grounds[3] = {{colour::RED, colour::BLACK, "Carte giocate da ZELVO"},
                            {colour::PINK, colour::BLACK, "Carte giocate da " + name},
                            {colour::TRUMP_YELLOW, colour::BLACK, "Carte di briscola"}};
    auto entry = [&](const Voce& v, double top, bool textSample) {
        QRectF sample = twips(300, top + 30, 420, 260);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(textSample ? QColor(150, 150, 150) : qcolour(v.ground));
        p.drawRect(sample);
        if (textSample) text(p, sample, "Aa", 140, qcolour(v.textColour), Qt::AlignCenter, true);
        text(p, twips(850, top, 2000, 320), elided(v.text, 1980, 160, false), 160, Qt::white);
    };
    text(p, twips(200, 3650, 2600, 300), "Colore delle scritte:", 170, Qt::white, Qt::AlignLeft | Qt::AlignVCenter,
          true);
    for (int k = 0; k < 2; ++k) entry(textSamples[k], 3980 + k * 340, true);
    text(p, twips(200, 4740, 2600, 300), "Colore degli sfondi:", 170, Qt::white, Qt::AlignLeft | Qt::AlignVCenter,
          true);
    for (int k = 0; k < 3; ++k) entry(grounds[k], 5070 + k * 340, false);
}

namespace {
// The data panel's columns, left edge and width in twips from the panel's left: the
// computer's drawn card, played card and points, the trick number, then the human's
// points, played card and drawn card. The trick marker spans the drawn-card columns
// only while the computer's cards are shown.
struct Column {
    double left, width;
};
constexpr Column DRAW_PC{85, 285}, CARD_PC{400, 330}, POINTS_COL_PC{760, 330}, MIDDLE{1120, 345}, POINTS_COL_H{1495, 330},
    CARD_H_COL{1855, 330}, DRAW_H{2215, 285};
constexpr int CELL_H = 250;                // the height of a cell
constexpr int FIRST_TRICK_TOP = 1935, TRICK_STEP = 270;  // trick row k lies at 1935 + 270 (k - 1)
constexpr int BOTTOM_TOP = 7880;            // below the grid: the hint, or the review's buttons
}  // namespace

void TableView::drawDataPanel(QPainter& p) {
    const Model& m = s_.m;
    const auto& d = m.data.lblDati;
    const Window& f = m.window;
    const double x0 = LEFT_PANEL.left;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolour(f.coloreTavolo).darker(125));
    p.drawRect(px(LEFT_PANEL));
    const double wide = LEFT_PANEL.width - 170;
    text(p, twips(x0 + 85, 60, wide, 240), "PANNELLO DATI", 190, Qt::white, Qt::AlignCenter, true);
    text(p, twips(x0 + 85, 300, wide, 200), QString::fromStdString(m.data.lblIndicazioniPannellodati1), 140,
          Qt::white, Qt::AlignCenter);
    text(p, twips(x0 + 85, 500, wide, 200), QString::fromStdString(m.data.lblIndicazioniPannellodati2), 140,
          Qt::white, Qt::AlignCenter);

    auto cell = [&](int i, double left, double top, double w) {
        if (!d[i].Visible) return;
        QRectF r = twips(x0 + left, top, w, CELL_H);
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(qcolour(d[i].BackColor));
        p.drawRect(r);
        text(p, r, QString::fromStdString(d[i].Caption), 140, qcolour(d[i].ForeColor), Qt::AlignCenter);
    };
    auto inColumn = [&](int i, const Column& c, double top) { cell(i, c.left, top, c.width); };

    // The two sides' headings and the column headers.
    cell(0, DRAW_PC.left, 760, POINTS_COL_PC.left + POINTS_COL_PC.width - DRAW_PC.left);
    cell(1, POINTS_COL_H.left, 760, DRAW_H.left + DRAW_H.width - POINTS_COL_H.left);
    auto heading = [&](const Column& c, const char* t) {
        text(p, twips(x0 + c.left, 1060, c.width, 220), t, 140, Qt::white, Qt::AlignCenter, true);
    };
    if (m.data.intestazioniPescateVisibili) {
        heading(DRAW_PC, "P");
        heading(DRAW_H, "P");
    }
    heading(CARD_PC, "G");
    heading(CARD_H_COL, "G");
    if (d[cells::pcPoints(1)].Visible) heading(POINTS_COL_PC, "P.ti");
    if (d[cells::humanPoints(1)].Visible) heading(POINTS_COL_H, "P.ti");

    // The deal: three cards a side and the trump card between them; then the side markers.
    for (int i = 0; i < 3; ++i) {
        cell(2 + i, DRAW_PC.left + i * 342, 1330, 320);
        cell(5 + i, POINTS_COL_H.left + i * 342, 1330, 320);
    }
    inColumn(8, MIDDLE, 1330);
    inColumn(9, DRAW_PC, 1630);
    inColumn(11, POINTS_COL_PC, 1630);
    inColumn(12, POINTS_COL_H, 1630);
    inColumn(10, DRAW_H, 1630);

    // The trick marker lies behind the row of the trick in play.
    if (m.data.marcatoreVisibile) {
        const bool wide = m.options.get<ShowCards>() == ShowCards::Yes;
        const double left = wide ? 180 : 495, w = wide ? 2445 : 1815;
        QRectF r = twips(x0 + left - 85, m.data.marcatoreTop - 10, w, CELL_H + 20);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 230, 120, 150));
        p.drawRoundedRect(r, 3, 3);
        text(p, twips(x0 + MIDDLE.left, m.data.marcatoreTop, MIDDLE.width, CELL_H), QString::number(m.game.lblManche),
              140, Qt::black, Qt::AlignCenter, true);
    }
    for (int k = 1; k <= 20; ++k) {
        const double top = FIRST_TRICK_TOP + (k - 1) * TRICK_STEP;
        if (k >= 2) {
            inColumn(cells::pcDraw(k), DRAW_PC, top);
            inColumn(cells::humanDraw(k), DRAW_H, top);
        }
        inColumn(cells::pcCard(k), CARD_PC, top);
        inColumn(cells::pcPoints(k), POINTS_COL_PC, top);
        inColumn(cells::humanPoints(k), POINTS_COL_H, top);
        inColumn(cells::humanCard(k), CARD_H_COL, top);
    }
    // The two note lines; the second is the review's message line.
    for (int i : {13, 14})
        if (d[i].Visible && !d[i].Caption.empty())
            text(p, twips(x0 + 85, i == 13 ? 7350 : 7610, wide, CELL_H), QString::fromStdString(d[i].Caption), 150,
                  i == 14 ? QColor(Qt::yellow) : QColor(Qt::white), Qt::AlignCenter, true);

    if (f.lblSpiegaPannelloDati)
        text(p, twips(x0 + 85, BOTTOM_TOP + 60, wide, 900),
              "Al termine di ciascun Gioco potrai azionare i pulsanti (di caricamento e salvataggio dati) che "
              "appariranno su questo Pannello",
              140, QColor(235, 235, 235), Qt::AlignHCenter | Qt::AlignTop);
    const Button* buttons[5] = {&f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco, &f.cmdLoad, &f.cmdSave};
    if (f.fraPannello[0].Visible && f.cmdScegliManche.Visible)
        for (int i = 0; i < 5; ++i) {
            const Rect r = reviewButton(i);
            button(p, QRectF(r.left, r.top, r.width, r.height), QString::fromStdString(buttons[i]->Caption),
                   buttons[i]->focus);
        }
    // Until the first step of a review, how it works, over the lower rows of the grid.
    if (f.lblIstruzionePannelloDati) {
        QRectF r = twips(x0 + 85, 4300, wide, 2900);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(qcolour(f.coloreTavolo).darker(170));
        p.drawRoundedRect(r, 5, 5);
        text(p, r.adjusted(6, 6, -6, -6),
              QString::fromUtf8("Per rivedere le varie fasi del Gioco clicca sul pulsante bianco centrale oppure premi "
                                "ogni volta INVIO. Per tornare alla Partita clicca su 'Riprendi a giocare'. Dal "
                                "Pannello Dati puoi inoltre salvare il Gioco appena concluso (o aprirne un'altro già "
                                "salvato)."),
              160, Qt::white, Qt::AlignCenter);
    }
}

void TableView::button(QPainter& p, const QRectF& r, const QString& s, bool focused) {
    QRectF q = twips(r.left(), r.top(), r.width(), r.height());
    p.setPen(QPen(focused ? QColor(40, 90, 200) : QColor(0, 0, 0), focused ? 2 : 1));
    p.setBrush(QColor(240, 240, 225));
    p.drawRoundedRect(q, 3, 3);
    text(p, q, s, 150, Qt::black, Qt::AlignCenter, focused);
}

void TableView::drawEndOfGame(QPainter& p) {
    const Window& f = s_.m.window;
    if (!f.fraFineGioco.Visible) return;
    QRectF r = px(endFrame(f.fraFineGioco));
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(qcolour(f.coloreTavolo).darker(150));
    p.drawRoundedRect(r, 6, 6);
    // The continue button carries the two texts; it shows whether it can be pressed and has the focus.
    const Button& cont = f.cmdContinuaOIniziaPartita;
    const QRectF button = twips(f.fraFineGioco.Left + 120, f.fraFineGioco.Top + 80, 5160, 1350);
    p.setPen(QPen(cont.focus ? QColor(255, 255, 160) : QColor(255, 255, 255, 120), cont.focus ? 2 : 1));
    p.setBrush(QColor(255, 255, 255, cont.Enabled ? 28 : 8));
    p.drawRoundedRect(button, 5, 5);
    const QColor textColour = cont.Enabled ? QColor(Qt::white) : QColor(190, 190, 190);
    text(p, twips(f.fraFineGioco.Left + 250, f.fraFineGioco.Top + 120, 4900, 700),
          QString::fromStdString(f.lblFineGioco1), 180, textColour, Qt::AlignLeft | Qt::AlignTop, true);
    text(p, twips(f.fraFineGioco.Left + 250, f.fraFineGioco.Top + 800, 4900, 650),
          QString::fromStdString(f.lblFineGioco2), 160, textColour, Qt::AlignLeft | Qt::AlignTop);
    const char* const choices[3] = {Window::lblApri, Window::lblRivedi, Window::lblSalva};
    for (int i = 0; i < 3; ++i)
        text(p, px(endChoice(f.fraFineGioco, i)), QString::fromUtf8(choices[i]), 180, QColor(255, 255, 160),
             Qt::AlignLeft | Qt::AlignVCenter, true);
}

void TableView::mousePressEvent(QMouseEvent* e) {
    const QPointF t = e->position() / scale();
    const HitZone* z = zoneAt(hitZones(s_.m), t.x(), t.y());
    if (!z) return;
    switch (z->zone) {
        case Zone::Blocked:
        case Zone::OptionValue: return;
        case Zone::ExitAnswer:
            if (z->index == 0) ui_.lblSi_Click();
            else ui_.lblNo_Click();
            break;
        case Zone::OptionCaption: ui_.lblVoce_Click(z->index); break;
        case Zone::RegisterList: ui_.LstAlbo_Click(); break;
        case Zone::PointsPC: s_.lblPuntiPC_Click(); return;
        case Zone::EndChoice:
            if (z->index == 0) ui_.lblApri_Click();
            else if (z->index == 1) ui_.lblRivedi_Click();
            else ui_.lblSalva_Click();
            break;
        case Zone::ReviewButton:
            switch (z->index) {
                case 0: s_.review.cmdInizioAnalisi(); break;
                case 1: s_.review.cmdScegliManche(); break;
                case 2: s_.review.cmdTornaAlGioco(); break;
                case 3: s_.archive.cmdLoad(); break;
                default: s_.archive.SalvaGioco(); break;
            }
            break;
        case Zone::RulesCaption: ui_.lblContinuaregole_Click(); break;
        case Zone::TakingButton: s_.cmdEffettuaLaPresa_Click(); break;
        case Zone::ContinueButton: s_.cmdContinuaOIniziaPartita_Click(); break;
        case Zone::MenuEntry: ui_.lblComandi_Click(z->index); break;
        case Zone::Card: s_.ImgCarta_Click(z->index); break;
    }
    update();
}

void TableView::mouseMoveEvent(QMouseEvent* e) {
    if (!s_.m.window.fraPannello[2].Visible) return;
    const QPointF t = e->position() / scale();
    const HitZone* z = zoneAt(hitZones(s_.m), t.x(), t.y());
    if (z && z->zone == Zone::OptionCaption) ui_.lblVoce_MouseMove(z->index);
    else if (z && z->zone == Zone::OptionValue) ui_.lblOpzione_MouseMove();
    else if (RIGHT_PANEL.contains(t.x(), t.y())) ui_.fraOpzioni_MouseMove();
    else return;
    update();
}

QString TableView::toolTipAt(const QPointF& t) const {
    const HitZone* z = zoneAt(hitZones(s_.m), t.x(), t.y());
    if (z && z->zone == Zone::OptionValue) return QString::fromUtf8(toolTipOf(static_cast<Option>(z->index)));
    const bool covered = rightPanelOpen(s_.m.window) && RIGHT_PANEL.contains(t.x(), t.y());
    if ((NAME_PC.contains(t.x(), t.y()) || NAME_H.contains(t.x(), t.y())) && !covered) return NAMES_TIP;
    return {};
}

bool TableView::event(QEvent* e) {
    if (e->type() != QEvent::ToolTip) return QWidget::event(e);
    auto* help = static_cast<QHelpEvent*>(e);
    const QString text = toolTipAt(QPointF(help->pos()) / scale());
    if (text.isEmpty()) {
        QToolTip::hideText();
        e->ignore();
    } else {
        // As rich text, so that a long tip wraps.
        QToolTip::showText(help->globalPos(), "<p>" + text.toHtmlEscaped() + "</p>", this);
    }
    return true;
}

void TableView::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        ui_.tastoInvio();
        update();
        return;
    }
    QWidget::keyPressEvent(e);
}

}  // namespace zelvo
