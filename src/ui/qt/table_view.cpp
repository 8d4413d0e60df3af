#include "ui/qt/table_view.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
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
const char* const REVIEW_INSTRUCTIONS_TEXT =
    "Per rivedere le varie fasi del Gioco clicca sul pulsante bianco centrale oppure premi ogni volta INVIO. Per "
    "tornare alla Partita clicca su 'Riprendi a giocare'. Dal Pannello Dati puoi inoltre salvare il Gioco appena "
    "concluso (o aprirne un'altro già salvato).";
constexpr double BUTTON_TEXT = 140;  // the height of the review buttons' captions

// A tool tip as plain lines of about `columns` characters: the desktop shows it as wide as its longest line.
QString tipLines(const QString& s, int columns = 64) {
    QString out, line;
    for (const QString& word : s.split(' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > columns) {
            out += line + '\n';
            line.clear();
        }
        line += (line.isEmpty() ? "" : " ") + word;
    }
    return out + line;
}

// A title whose parts are spaced apart with runs of blanks, one part a line.
QString titleLines(const std::string& title) {
    return QString::fromStdString(title).trimmed().split(QRegularExpression(" {2,}")).join('\n');
}

}  // namespace

TableView::TableView(Session& s, WindowRoutines& ui, std::function<QString(const std::string&)> realPath,
                     QWidget* parent)
    : QWidget(parent), s_(s), ui_(ui), pictures_(std::move(realPath)) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(WIDTH_PX / 20, HEIGHT_PX / 20);
    setMouseTracking(true);  // the options panel and the pointer follow the mouse
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

QFont TableView::fontAt(double heightTwips, bool bold) const {
    QFont f = font();
    f.setPixelSize(std::max(6, int(heightTwips * scale())));
    f.setBold(bold);
    return f;
}

QString TableView::elided(const QString& s, double widthTwips, double heightTwips, bool bold) const {
    return QFontMetricsF(fontAt(heightTwips, bold)).elidedText(s, Qt::ElideRight, widthTwips * scale());
}

void TableView::line(QPainter& p, const QRectF& r, const QString& s, double heightTwips, double smallestTwips,
                     const QColor& colour, int flags, bool bold) {
    QFont f = fontAt(heightTwips, bold);
    const int smallest = std::max(6, int(smallestTwips * scale()));
    while (f.pixelSize() > smallest && QFontMetricsF(f).horizontalAdvance(s) > r.width())
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, flags | Qt::TextSingleLine, QFontMetricsF(f).elidedText(s, Qt::ElideRight, r.width()));
}

void TableView::lines(QPainter& p, const QRectF& r, const QString& s, double heightTwips, double smallestTwips,
                      const QColor& colour, int flags, bool bold) {
    if (QFontMetricsF(fontAt(smallestTwips, bold)).horizontalAdvance(s) > r.width() && s.contains(' ')) {
        QFont f = fontAt(heightTwips, bold);
        const int smallest = std::max(6, int(smallestTwips * scale()));
        auto fits = [&] {
            const QRectF need = QFontMetricsF(f).boundingRect(r, flags | Qt::TextWordWrap, s);
            return need.height() <= r.height() && need.width() <= r.width();
        };
        while (f.pixelSize() > smallest && !fits()) f.setPixelSize(f.pixelSize() - 1);
        if (fits()) {
            p.setFont(f);
            p.setPen(colour);
            p.drawText(r, flags | Qt::TextWordWrap, s);
            return;
        }
    }
    line(p, r, s, heightTwips, smallestTwips, colour, flags, bold);
}

void TableView::closeForGood() {
    closable_ = true;
    close();
}

void TableView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The table colour reaches the window's edges, whatever its proportions.
    p.fillRect(rect(), qcolour(s_.m.window.coloreTavolo));
    if (rulesUncovered(s_.m.window)) drawRules(p);
    drawCards(p);
    drawLabels(p);
    drawSongTitle(p);
    drawMenu(p);
    if (s_.m.window.fraPannello[1].Visible) drawMatchPanel(p);
    if (s_.m.window.fraPannello[0].Visible) drawDataPanel(p);
    drawReviewInstructions(p);
    drawEndOfGame(p);
    if (s_.m.window.fraPannello[2].Visible) drawOptions(p);
    if (s_.m.window.fraPannello[3].Visible) drawHallOfFame(p);
    drawSubtitle(p);
    drawExitFrame(p);
}

void TableView::drawExitFrame(QPainter& p) {
    const Panel& exitFrame = s_.m.window.fraEsci;
    if (!exitFrame.Visible) return;
    QRectF r = px(geometry::exitFrame(exitFrame));
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(qcolour(s_.m.window.coloreTavolo));
    p.drawRoundedRect(r, 6, 6);
    text(p, twips(exitFrame.Left, exitFrame.Top + 150, 4200, 400), "Vuoi davvero lasciarmi?", 220, Qt::white,
         Qt::AlignCenter, true);
    const char* const answers[2] = {"- Si, purtroppo!", "- Non ancora..."};
    for (int i = 0; i < 2; ++i)
        text(p, px(exitAnswer(exitFrame, i)), answers[i], 190, QColor(255, 255, 160), Qt::AlignLeft | Qt::AlignVCenter,
             true);
}

void TableView::drawOptions(QPainter& p) {
    const Model& m = s_.m;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolour(m.window.coloreTavolo).darker(135));
    p.drawRect(px(RIGHT_PANEL));
    text(p, twips(RIGHT_PANEL.left, 120, RIGHT_PANEL.width, 360), "Opzioni di ZELVO", 260, Qt::white, Qt::AlignCenter,
         true);
    for (int i = 0; i < OPTION_COUNT; ++i) {
        text(p, px(optionCaption(i)), QString::fromStdString(m.options.lblVoce[i]), 175,
             qcolour(m.options.lblVoceColore[i]), Qt::AlignLeft | Qt::AlignVCenter, true);
        const QRectF value = px(optionValue(i));
        if (m.options.lblOpzioneEvidenziata[i]) {
            p.setPen(Qt::NoPen);
            p.setBrush(qcolour(m.window.coloreTavolo).lighter(135));
            p.drawRoundedRect(value.adjusted(-3, 1, 0, -1), 3, 3);
        }
        line(p, value, QString::fromStdString(m.options.lblOpzione[i]), 175, 130, Qt::white);
    }
}

void TableView::drawHallOfFame(QPainter& p) {
    const Model& m = s_.m;
    const RecordsState& r = m.records;
    const double x = RIGHT_PANEL.left;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolour(m.window.coloreTavolo).darker(135));
    p.drawRect(px(RIGHT_PANEL));
    text(p, twips(x, 80, RIGHT_PANEL.width, 330), "Classifica", 240, Qt::white, Qt::AlignCenter, true);
    if (r.lblDieciMigliori)
        text(p, twips(x, 380, RIGHT_PANEL.width, 260), "dei 10 migliori Giocatori di Briscola", 165, Qt::white,
             Qt::AlignCenter);
    // The ranking's columns: position, name, matches won, matches lost, the day of the last update.
    struct Column {
        double left, width;
        int flags;
    };
    const Column position{x + 300, 550, Qt::AlignLeft}, name{x + 850, 3150, Qt::AlignLeft},
        won{x + 4050, 700, Qt::AlignRight}, lost{x + 4800, 700, Qt::AlignRight}, date{x + 5750, 1700, Qt::AlignLeft};
    auto cell = [&](const Column& c, double top, const QString& s, bool bold, const QColor& colour = Qt::white) {
        line(p, twips(c.left, top, c.width, 300), s, 170, 120, colour, c.flags | Qt::AlignVCenter, bold);
    };
    constexpr double HEADINGS = 640, FIRST_ROW = 930, ROW = 305;
    cell(name, HEADINGS, "Giocatore", true);
    cell(won, HEADINGS, "Vinte", true);
    cell(lost, HEADINGS, "Perse", true);
    cell(date, HEADINGS, "Data", true);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawLine(twips(x + 250, HEADINGS + 300, 0, 0).topLeft(), twips(x + 7450, HEADINGS + 300, 0, 0).topLeft());
    // Each label shows as its own visibility says; the winner's row is opaque.
    for (int i = 1; i <= 10; ++i) {
        const RankingRow& row = r.classifica[i];
        const double top = FIRST_ROW + (i - 1) * ROW;
        // The winner of the last match stands out: dark writing on a light ground.
        const QColor writing = row.highlighted ? QColor(Qt::black) : QColor(Qt::white);
        if (row.highlighted) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 240, 190));
            p.drawRoundedRect(twips(x + 250, top, RIGHT_PANEL.width - 500, 300), 3, 3);
        }
        if (row.positionShown) cell(position, top, QString::number(i) + ")", false, writing);
        cell(name, top, QString::fromStdString(row.name), row.highlighted, writing);
        if (row.wonShown) cell(won, top, QString::fromStdString(row.won), false, writing);
        if (row.lostShown) cell(lost, top, QString::fromStdString(row.lost), false, writing);
        cell(date, top, QString::fromStdString(row.date), false, writing);
    }
    text(p, twips(x, 4050, RIGHT_PANEL.width, 320), "Statistica Partite di Zelvo", 200, Qt::white, Qt::AlignCenter,
         true);
    const char* const levels = "ABCDE";
    for (int k = 1; k <= 5; ++k)
        text(p, twips(x + 300 + (k - 1) * 1420, 4400, 1420, 320),
             QString("%1: %2 - %3")
                 .arg(levels[k - 1])
                 .arg(QString::fromStdString(r.lblVittoriePCVariLivelli[k]))
                 .arg(QString::fromStdString(r.lblSconfittePCVariLivelli[k])),
             165, Qt::white, Qt::AlignCenter);
    text(p, twips(x, 4800, RIGHT_PANEL.width, 320), QString("Albo Partite (%1)").arg(m.records.lblTotalePartite), 200,
         Qt::white, Qt::AlignCenter, true);
    text(p, twips(x + 300, 5130, RIGHT_PANEL.width - 600, 300),
         QString::fromUtf8("N° Partita - Vincitore - Perdente - Punteggio - Data - Ora"), 160, Qt::white);
    // The register as a list, oldest first, scrolled by the wheel; it opens on the latest matches.
    const QRectF list = px(REGISTER_LIST);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(list);
    const std::vector<std::string> entries = registerEntries();
    const int first = firstShownEntry(static_cast<int>(entries.size()));
    for (int v = 0; v < REGISTER_ROWS && first + v < static_cast<int>(entries.size()); ++v)
        line(p,
             twips(REGISTER_LIST.left + 80, REGISTER_LIST.top + 40 + v * REGISTER_ROW, REGISTER_LIST.width - 160,
                   REGISTER_ROW),
             QString::fromStdString(entries[first + v]), 150, 150, Qt::black);
    // The panel lies over the end-of-game frame: it says what Enter does there.
    if (m.window.fraFineGioco.Visible && m.window.cmdContinuaOIniziaPartita.Enabled) {
        const QRectF reminder = px(HALL_REMINDER);
        p.setPen(QPen(QColor(255, 255, 160), 1));
        p.setBrush(qcolour(m.window.coloreTavolo).darker(170));
        p.drawRoundedRect(reminder, 4, 4);
        line(p, reminder.adjusted(6, 0, -6, 0),
             QString::fromUtf8(m.game.lblPartitaInCorso
                                   ? "Premi INVIO per continuare la Partita, oppure chiudi l'Albo per le altre scelte"
                                   : "Premi INVIO per iniziare una nuova Partita, oppure chiudi l'Albo per le altre "
                                     "scelte"),
             165, 120, QColor(255, 255, 160), Qt::AlignCenter, true);
    }
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
    const QPointF t = Scale{WIDTH_PX, HEIGHT_PX}.toTwips(*this, e->position());
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
    text(p, twips(200, 150, 2600, 600), titleLines(f.lblRegoleDelGioco), 175, Qt::white,
         Qt::AlignHCenter | Qt::AlignTop, true);
    if (f.ImgAutoreVisible)
        if (const QPixmap* pm = picture("C:\\Programmi\\Zelvo\\Grafica\\Autore.jpg", twips(0, 0, 1, 2050).size())) {
            const double a = 2050, l = a * pm->width() / pm->height();
            p.drawPixmap(twips(LEFT_PANEL.left + (LEFT_PANEL.width - l) / 2, 850, l, a), *pm, pm->rect());
        }
    // A blank line between paragraphs, for the eye.
    text(p, twips(200, f.lblRegoleTop, 2600, f.lblRegoleHeight - 150),
         QString::fromStdString(f.lblRegole).replace('\n', "\n\n"), 160, QColor(245, 245, 235),
         Qt::AlignLeft | Qt::AlignTop);
    // The link to the next page shrinks to its place rather than being cut.
    const QRectF link = px(RULES_CAPTION);
    const QString caption = QString::fromStdString(m.records.lblContinuaregole);
    QFont underlined = fontAt(165, true);
    underlined.setUnderline(true);
    while (underlined.pixelSize() > 6 && QFontMetricsF(underlined).horizontalAdvance(caption) > link.width())
        underlined.setPixelSize(underlined.pixelSize() - 1);
    p.setFont(underlined);
    p.setPen(QColor(255, 255, 160));
    p.drawText(link, Qt::AlignCenter, caption);
}

void TableView::drawSongTitle(QPainter& p) {
    const Label& t = s_.m.sounds.lblTitolo;
    // Under a right-hand panel nothing of it shows.
    if (!t.Visible || t.Caption.empty() || rightPanelOpen(s_.m.window)) return;
    // Between ZELVO's points and the trump card, right of ZELVO's hand: at most three lines.
    const QRectF r = twips(8680, 1090, 3360, 660);
    QFont f = fontAt(145, false);
    const int smallest = std::max(6, int(110 * scale()));
    const QString s = QString::fromStdString(t.Caption);
    const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
    while (f.pixelSize() > smallest && QFontMetricsF(f).boundingRect(r, flags, s).height() > r.height())
        f.setPixelSize(f.pixelSize() - 1);
    p.save();
    p.setClipRect(r);
    p.setFont(f);
    p.setPen(QColor(255, 255, 190));
    p.drawText(r, flags, s);
    p.restore();
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
    // In the free corner right of the human's hand, clear of the cards and the menu; while
    // a right-hand panel covers that corner, in the strip between the panel and the window's edge.
    const bool covered = rightPanelOpen(s_.m.window);
    QRectF r = covered ? twips(RIGHT_PANEL.left + RIGHT_PANEL.width + 60, 5650, 1380, 3250)
                       : twips(8680, 6350, 3360, 1500);
    const QString words = QString::fromUtf8("ZELVO: «%1»").arg(QString::fromStdString(s.sottotitolo));
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    QFont f = fontAt(covered ? 150 : 160, false);
    f.setItalic(true);
    QRectF inside = r.adjusted(6, 4, -6, -4);
    while (f.pixelSize() > 6 && QFontMetricsF(f).boundingRect(inside, flags, words).height() > inside.height())
        f.setPixelSize(f.pixelSize() - 1);
    // In the narrow strip the box is as tall as its words.
    if (covered) {
        r.setHeight(QFontMetricsF(f).boundingRect(inside, flags, words).height() + 24);
        inside = r.adjusted(6, 4, -6, -4);
    }
    p.setPen(QPen(QColor(255, 255, 255, 140), 1));
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(r, 6, 6);
    p.setFont(f);
    p.setPen(QColor(255, 250, 220));
    p.drawText(inside, flags, words);
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
        // A frame in the face-up colour shows a face; any other shows a back.
        const bool face = shp.BackColor == colour::WHITE;
        if (const QPixmap* pm = picture(img.Picture, r.size())) {
            p.drawPixmap(r, *pm, pm->rect());
        } else if (face && !s_.m.cards.lblCarta[s].empty()) {
            // No picture file: the code itself, so the game stays playable.
            p.setBrush(Qt::white);
            p.drawRect(r);
            text(p, r, QString::fromStdString(s_.m.cards.lblCarta[s]), 500, Qt::black, Qt::AlignCenter, true);
        }
        // The border belongs to a face: a back drawn over a bordered face never keeps it.
        if (img.BorderStyle == 1 && face) {
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
        // A long name is drawn smaller, and only then cut short, rather than spilling over the table.
        lines(p, r.adjusted(4, 0, -4, 0), QString::fromStdString(e.Caption), 260, 150, qcolour(e.ForeColor),
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
        text(p, twips(3500, 2950, 5000, 500), QString::fromStdString(f.lblIstruzioneIniziale.Caption), 180, Qt::white,
             Qt::AlignCenter);
    if (f.cmdEffettuaLaPresa.Visible) {
        const QRectF r = px(TAKING_BUTTON);
        p.setPen(f.cmdEffettuaLaPresa.focus ? QPen(QColor(40, 90, 200), 2) : QPen(Qt::black, 1));
        p.setBrush(QColor(240, 240, 225));
        p.drawRoundedRect(r, 4, 4);
        text(p, r.adjusted(4, 4, -4, -4), QString::fromStdString(f.cmdEffettuaLaPresa.Caption), 160, Qt::black,
             Qt::AlignCenter);
    }
    for (int v = 1; v <= 2; ++v) {
        const Picture& b = f.ImgBandiera[v];
        if (!b.Visible) continue;
        // A flag keeps its own proportions, centred in its frame.
        const QRectF frame = twips(b.Left, b.Top, b.Width, b.Height);
        if (const QPixmap* pm = picture(b.Picture, frame.size())) p.drawPixmap(fitted(frame, pm->size()), *pm, pm->rect());
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

namespace {
// The games-won table lies in the match panel at the positions the match length gives (in
// twips from the panel's left), moved right to leave the players' names room before it. A marker's right
// edge comes 120 twips after its left, where a divider that follows it stands.
constexpr double GAMES_WON_SHIFT = 385;
constexpr double MARKER = 210, MARKER_REACH = 110;
constexpr double FIRST_MARKER_LEFT = 495, LAST_MARKER_LEFT = 1935;
}  // namespace

void TableView::drawGamesWon(QPainter& p) {
    const Model& m = s_.m;
    const RecordsState& r = m.records;
    const double x0 = LEFT_PANEL.left + GAMES_WON_SHIFT;
    const int columns = gamesToWin(m.options.get<MatchEnd>());
    // Column k's markers: the first and the fifth stand still, columns 2 to 4 follow the match length.
    auto markerLeft = [&](int k, bool pc) {
        if (k == 1) return FIRST_MARKER_LEFT;
        if (k == 5) return LAST_MARKER_LEFT;
        return double(pc ? r.shpPuntiPCLeft[k] : r.shpPuntiHLeft[k]);
    };
    auto row = [&](const QString& name, const std::array<bool, 6>& marks, bool pc, double top, int won) {
        line(p, twips(200, top, x0 + FIRST_MARKER_LEFT + MARKER_REACH - MARKER - 40 - 200, 300), name, 170, 120,
             Qt::white);
        for (int k = 1; k <= columns; ++k) {
            const double right = x0 + markerLeft(k, pc) + MARKER_REACH;
            p.setPen(QPen(Qt::white, 1));
            p.setBrush(marks[k] ? QBrush(qcolour(m.window.coloreRetro)) : Qt::NoBrush);
            p.drawEllipse(twips(right - MARKER, top + 45, MARKER, MARKER));
        }
        text(p, twips(2560, top, 260, 300), QString::number(won), 190, Qt::white, Qt::AlignCenter, true);
    };
    row("ZELVO", m.window.shpPuntiPC, true, 500, m.game.lblPartitePC);
    row(QString::fromStdString(m.window.lblH.Caption), m.window.shpPuntiH, false, 850, m.game.lblPartiteH);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    for (int k = 2; k <= 4; ++k)
        if (r.ShpLineaVVisible[k]) {
            const double x = x0 + r.ShpLineaVLeft[k];
            p.drawLine(twips(x, 500, 0, 0).topLeft(), twips(x, 1150, 0, 0).topLeft());
        }
}

void TableView::drawMatchPanel(QPainter& p) {
    const Model& m = s_.m;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolour(m.window.coloreTavolo).darker(125));
    p.drawRect(px(LEFT_PANEL));
    text(p, twips(200, 100, 2600, 300), "TABELLA GIOCHI VINTI", 180, Qt::white, Qt::AlignCenter, true);
    drawGamesWon(p);
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
    struct Entry {
        Colour ground, textColour;
        QString text;
    };
    const Entry textSamples[2] = {{colour::WHITE, colour::WHITE, "Carte prese da ZELVO"},
                                  {colour::WHITE, colour::BLACK, "Carte prese da " + name}};
    const Entry grounds[3] = {{colour::RED, colour::BLACK, "Carte giocate da ZELVO"},
                              {colour::PINK, colour::BLACK, "Carte giocate da " + name},
                              {colour::TRUMP_YELLOW, colour::BLACK, "Carte di briscola"}};
    auto entry = [&](const Entry& v, double top, bool textSample) {
        QRectF sample = twips(300, top + 30, 420, 260);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(textSample ? QColor(150, 150, 150) : qcolour(v.ground));
        p.drawRect(sample);
        if (textSample) text(p, sample, "Aa", 140, qcolour(v.textColour), Qt::AlignCenter, true);
        lines(p, twips(850, top, 1980, 320), v.text, 160, 125, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
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
    line(p, twips(x0 + 85, 300, wide, 200), QString::fromStdString(m.data.lblIndicazioniPannellodati1), 140, 110,
         Qt::white, Qt::AlignCenter);
    line(p, twips(x0 + 85, 500, wide, 200), QString::fromStdString(m.data.lblIndicazioniPannellodati2), 140, 110,
         Qt::white, Qt::AlignCenter);

    auto cell = [&](int i, double left, double top, double w, double h = CELL_H) {
        if (!d[i].Visible) return;
        QRectF r = twips(x0 + left, top, w, h);
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(qcolour(d[i].BackColor));
        p.drawRect(r);
        lines(p, r.adjusted(2, 0, -2, 0), QString::fromStdString(d[i].Caption), 140, 105, qcolour(d[i].ForeColor),
              Qt::AlignCenter);
    };
    auto inColumn = [&](int i, const Column& c, double top) { cell(i, c.left, top, c.width); };

    // The two sides' headings: a long name may take two lines.
    cell(0, DRAW_PC.left, 740, POINTS_COL_PC.left + POINTS_COL_PC.width - DRAW_PC.left, 300);
    cell(1, POINTS_COL_H.left, 740, DRAW_H.left + DRAW_H.width - POINTS_COL_H.left, 300);
    // The column headers.
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
            line(p, twips(x0 + 85, i == 13 ? 7350 : 7610, wide, CELL_H), QString::fromStdString(d[i].Caption), 150,
                 110, i == 14 ? QColor(Qt::yellow) : QColor(Qt::white), Qt::AlignCenter, true);

    if (f.lblSpiegaPannelloDati)
        text(p, twips(x0 + 85, DATA_BOTTOM + 60, wide, 900),
             "Al termine di ciascun Gioco potrai azionare i pulsanti (di caricamento e salvataggio dati) che "
             "appariranno su questo Pannello",
             140, QColor(235, 235, 235), Qt::AlignHCenter | Qt::AlignTop);
    const Button* buttons[5] = {&f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco, &f.cmdLoad, &f.cmdSave};
    if (f.cmdScegliManche.Visible)
        for (int i = 0; i < 5; ++i) {
            const Rect r = reviewButton(i);
            button(p, QRectF(r.left, r.top, r.width, r.height), reviewButtonText(i), buttons[i]->focus, i == 1);
        }
}

void TableView::drawReviewInstructions(QPainter& p) {
    const Window& f = s_.m.window;
    if (!f.lblIstruzionePannelloDati || !f.fraPannello[0].Visible) return;
    const QRectF r = px(REVIEW_INSTRUCTIONS);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolour(f.coloreTavolo).darker(170));
    p.drawRoundedRect(r, 6, 6);
    text(p, r.adjusted(10, 8, -10, -8), QString::fromUtf8(REVIEW_INSTRUCTIONS_TEXT), 190, Qt::white, Qt::AlignCenter);
}

QFont TableView::buttonFont() const { return fontAt(BUTTON_TEXT, false); }

QString TableView::reviewButtonText(int i) const {
    const Window& f = s_.m.window;
    const Button* buttons[5] = {&f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco, &f.cmdLoad, &f.cmdSave};
    if (i < 0 || i > 4) return {};
    // The caption's room: the button less a margin at each end.
    const QRectF room = px(reviewButton(i)).adjusted(4, 0, -4, 0);
    return QFontMetricsF(buttonFont())
        .elidedText(QString::fromStdString(buttons[i]->Caption), Qt::ElideRight, room.width());
}

void TableView::button(QPainter& p, const QRectF& r, const QString& s, bool focused, bool central) {
    QRectF q = twips(r.left(), r.top(), r.width(), r.height());
    // The step button is the white one in the middle; the focus is a blue ring.
    p.setPen(focused ? QPen(QColor(40, 90, 200), 2) : QPen(QColor(0, 0, 0), 1));
    p.setBrush(central ? QColor(Qt::white) : QColor(225, 225, 210));
    p.drawRoundedRect(q, 3, 3);
    p.setFont(buttonFont());
    p.setPen(Qt::black);
    p.drawText(q, Qt::AlignCenter | Qt::TextSingleLine, s);
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
    text(p, twips(f.fraFineGioco.Left + 250, f.fraFineGioco.Top + 120, 4900, 700), QString::fromStdString(f.lblFineGioco1),
         180, textColour, Qt::AlignLeft | Qt::AlignTop, true);
    text(p, twips(f.fraFineGioco.Left + 250, f.fraFineGioco.Top + 800, 4900, 650), QString::fromStdString(f.lblFineGioco2),
         160, textColour, Qt::AlignLeft | Qt::AlignTop);
    const char* const choices[3] = {Window::lblApri, Window::lblRivedi, Window::lblSalva};
    for (int i = 0; i < 3; ++i)
        text(p, px(endChoice(f.fraFineGioco, i)), QString::fromUtf8(choices[i]), 180, QColor(255, 255, 160),
             Qt::AlignLeft | Qt::AlignVCenter, true);
}

void TableView::mousePressEvent(QMouseEvent* e) {
    const QPointF t = Scale{WIDTH_PX, HEIGHT_PX}.toTwips(*this, e->position());
    const std::optional<HitZone> z = zoneAt(hitZones(s_.m), t.x(), t.y());
    if (!z) return;
    switch (z->zone) {
        case Zone::Blocked: return;
        case Zone::ExitAnswer:
            if (z->index == 0) ui_.lblSi_Click();
            else ui_.lblNo_Click();
            break;
        // The value steps the option as its caption does.
        case Zone::OptionCaption:
        case Zone::OptionValue: ui_.lblVoce_Click(z->index); break;
        case Zone::RegisterList: ui_.LstAlbo_Click(); break;
        case Zone::PointsPC: s_.lblPuntiPC_Click(); return;
        case Zone::EndChoice:
            if (z->index == 0) ui_.lblApri_Click();
            else if (z->index == 1) ui_.lblRivedi_Click();
            else ui_.lblSalva_Click();
            break;
        case Zone::ReviewButton: ui_.pressReviewButton(z->index); break;
        case Zone::RulesCaption: ui_.lblContinuaregole_Click(); break;
        case Zone::TakingButton: s_.cmdEffettuaLaPresa_Click(); break;
        case Zone::ContinueButton: s_.cmdContinuaOIniziaPartita_Click(); break;
        case Zone::MenuEntry: ui_.lblComandi_Click(z->index); break;
        case Zone::Card: s_.ImgCarta_Click(z->index); break;
    }
    update();
}

void TableView::mouseMoveEvent(QMouseEvent* e) {
    const QPointF t = Scale{WIDTH_PX, HEIGHT_PX}.toTwips(*this, e->position());
    const std::optional<HitZone> z = zoneAt(hitZones(s_.m), t.x(), t.y());
    setCursor(z && clickable(*z, s_.m) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (!s_.m.window.fraPannello[2].Visible) return;
    if (z && z->zone == Zone::OptionCaption) ui_.lblVoce_MouseMove(z->index);
    else if (z && z->zone == Zone::OptionValue) ui_.lblOpzione_MouseMove();
    else if (RIGHT_PANEL.contains(t.x(), t.y())) ui_.fraOpzioni_MouseMove();
    else return;
    update();
}

QString TableView::toolTipAt(const QPointF& t) const {
    const std::optional<HitZone> z = zoneAt(hitZones(s_.m), t.x(), t.y());
    if (z && z->zone == Zone::OptionValue) return QString::fromUtf8(toolTipOf(static_cast<Option>(z->index)));
    const bool covered = rightPanelOpen(s_.m.window) && RIGHT_PANEL.contains(t.x(), t.y());
    if ((NAME_PC.contains(t.x(), t.y()) || NAME_H.contains(t.x(), t.y())) && !covered) return NAMES_TIP;
    return {};
}

bool TableView::event(QEvent* e) {
    if (e->type() != QEvent::ToolTip) return QWidget::event(e);
    auto* help = static_cast<QHelpEvent*>(e);
    const QString text = toolTipAt(Scale{WIDTH_PX, HEIGHT_PX}.toTwips(*this, QPointF(help->pos())));
    if (text.isEmpty()) {
        QToolTip::hideText();
        e->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tipLines(text.trimmed()), this);
    }
    return true;
}

void TableView::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: ui_.tastoInvio(); break;
        case Qt::Key_1:
        case Qt::Key_2:
        case Qt::Key_3: ui_.cardKey(e->key() - Qt::Key_0); break;
        case Qt::Key_Escape: ui_.escapeKey(); break;
        default: QWidget::keyPressEvent(e); return;
    }
    update();
}

bool TableView::focusNextPrevChild(bool next) {
    ui_.moveFocus(next);
    update();
    return true;
}

// The window's close button (or the desktop) asks to close: the farewell comes first.
void TableView::closeEvent(QCloseEvent* e) {
    if (closable_) {
        e->accept();
        return;
    }
    e->ignore();
    ui_.closeRequested();
    update();
}

}  // namespace zelvo
