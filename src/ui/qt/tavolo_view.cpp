#include "ui/qt/tavolo_view.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include "ui/principale.h"
#include "ui/regole.h"

namespace zelvo {

namespace {

QColor qcolore(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

constexpr int CARTA_L = 1185, CARTA_A = 2415;
constexpr int MENU_LEFT = 10755, MENU_TOPS[6] = {0, 3510, 3915, 4320, 4725, 5130};
const char* const MENU[6] = {"", "Partita", "Dati", "Albo", "Opzioni", "Esci"};
// The button of the taking lies under the trick, above the human's hand.
constexpr int PRESA_LEFT = 3300, PRESA_TOP = 5850, PRESA_L = 5400, PRESA_A = 380;
// The left-hand panels end before the right-hand ones begin (2925), so one of each may be open.
constexpr int PANNELLO_LEFT = 110, PANNELLO_TOP = 30, PANNELLO_L = 2780, PANNELLO_A = 8900;
// The caption that turns the pages of the reading panel.
constexpr QRectF REGOLE_CAPTION(200, 8500, 2600, 330);
// The names on the table.
constexpr QRectF NOME_PC(8600, 360, 2000, 360), NOME_H(8600, 8300, 2000, 360);
constexpr QRectF PUNTI_PC(8600, 760, 2000, 300);
const char* const SUGGERIMENTO_NOMI =
    "Quando la scritta ha lo sfondo rosso indica che il Giocatore, avendo effettuato la presa, deve muovere per "
    "primo";

}  // namespace

TavoloView::TavoloView(Principale& w, std::function<QString(const std::string&)> percorsoReale, QWidget* parent)
    : QWidget(parent), w_(w), immagini_(std::move(percorsoReale)) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(LARGHEZZA / 20, ALTEZZA / 20);
    setMouseTracking(true);  // the options panel follows the mouse
    setWindowTitle("Zelvo - Briscola");
}

QSize TavoloView::sizeHint() const { return {LARGHEZZA / 12, ALTEZZA / 12}; }

double TavoloView::scala() const { return Scala{LARGHEZZA, ALTEZZA}.di(*this); }

QRectF TavoloView::twips(double left, double top, double w, double h) const {
    return Scala{LARGHEZZA, ALTEZZA}.twips(*this, left, top, w, h);
}

void TavoloView::testo(QPainter& p, const QRectF& r, const QString& s, double altezzaTwips, const QColor& colore,
                       int flags, bool grassetto) {
    scriviTesto(p, *this, r, s, altezzaTwips * scala(), colore, flags, grassetto);
}

QString TavoloView::ridotto(const QString& s, double larghezzaTwips, double altezzaTwips, bool grassetto) const {
    QFont f = font();
    f.setPixelSize(std::max(6, int(altezzaTwips * scala())));
    f.setBold(grassetto);
    return QFontMetricsF(f).elidedText(s, Qt::ElideRight, larghezzaTwips * scala());
}

void TavoloView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), QColor(30, 30, 30));
    p.fillRect(twips(0, 0, LARGHEZZA, ALTEZZA), qcolore(w_.m.window.coloreTavolo));
    if (regoleScoperte()) disegnaRegole(p);
    disegnaCarte(p);
    disegnaEtichette(p);
    disegnaTitoloBrano(p);
    disegnaSottotitolo(p);
    disegnaMenu(p);
    if (w_.m.window.fraPannello[1].Visible) disegnaPannelloPartita(p);
    if (w_.m.window.fraPannello[0].Visible) disegnaPannelloDati(p);
    disegnaFineGioco(p);
    if (w_.m.window.fraPannello[2].Visible) disegnaOpzioni(p);
    if (w_.m.window.fraPannello[3].Visible) disegnaAlbo(p);
    const Panel& esci = w_.m.window.fraEsci;
    if (esci.Visible) {
        QRectF r = twips(esci.Left, esci.Top, 4200, 1500);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(qcolore(w_.m.window.coloreTavolo));
        p.drawRoundedRect(r, 6, 6);
        testo(p, twips(esci.Left, esci.Top + 150, 4200, 400), "Vuoi davvero lasciarmi?", 220, Qt::white,
              Qt::AlignCenter, true);
        testo(p, twips(esci.Left + 400, esci.Top + 650, 3400, 330), "- Si, purtroppo!", 190, QColor(255, 255, 160),
              Qt::AlignLeft | Qt::AlignVCenter, true);
        testo(p, twips(esci.Left + 400, esci.Top + 1000, 3400, 330), "- Non ancora...", 190, QColor(255, 255, 160),
              Qt::AlignLeft | Qt::AlignVCenter, true);
    }
}

namespace {
constexpr int DESTRA_LEFT = 2925, DESTRA_TOP = 30, DESTRA_L = 7700, DESTRA_A = 8900;
constexpr int OPZIONI_TOP = 560, OPZIONI_RIGA = 385;
// The match register's list in the hall of fame.
constexpr QRectF ALBO_LISTA(DESTRA_LEFT + 250, 5480, DESTRA_L - 500, 3300);
constexpr int ALBO_RIGA = 290, ALBO_RIGHE = 11;
}  // namespace

namespace {
constexpr int VOCE_LEFT = DESTRA_LEFT + 200, VOCE_L = 3300, VALORE_LEFT = DESTRA_LEFT + 3600, VALORE_L = 3950;
int riga(const QPointF& t) {
    const int r = static_cast<int>((t.y() - OPZIONI_TOP) / OPZIONI_RIGA);
    return t.y() >= OPZIONI_TOP && r < opz::NUMERO ? r : -1;
}
}  // namespace

int TavoloView::voceSotto(const QPointF& t) const {
    if (!w_.m.window.fraPannello[2].Visible || t.x() < VOCE_LEFT || t.x() >= VOCE_LEFT + VOCE_L) return -1;
    return riga(t);
}

int TavoloView::valoreSotto(const QPointF& t) const {
    if (!w_.m.window.fraPannello[2].Visible || t.x() < VALORE_LEFT || t.x() >= VALORE_LEFT + VALORE_L) return -1;
    return riga(t);
}

void TavoloView::disegnaOpzioni(QPainter& p) {
    const Model& m = w_.m;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolore(m.window.coloreTavolo).darker(135));
    p.drawRect(twips(DESTRA_LEFT, DESTRA_TOP, DESTRA_L, DESTRA_A));
    testo(p, twips(DESTRA_LEFT, 120, DESTRA_L, 360), "Opzioni di ZELVO", 260, Qt::white, Qt::AlignCenter, true);
    for (int i = 0; i < opz::NUMERO; ++i) {
        const double top = OPZIONI_TOP + i * OPZIONI_RIGA;
        testo(p, twips(VOCE_LEFT, top, VOCE_L, OPZIONI_RIGA), QString::fromStdString(m.options.lblVoce[i]), 175,
              qcolore(m.options.lblVoceColore[i]), Qt::AlignLeft | Qt::AlignVCenter, true);
        const QRectF valore = twips(VALORE_LEFT, top, VALORE_L, OPZIONI_RIGA);
        if (m.options.lblOpzioneEvidenziata[i]) {
            p.setPen(Qt::NoPen);
            p.setBrush(qcolore(m.window.coloreTavolo).lighter(135));
            p.drawRoundedRect(valore.adjusted(-3, 1, 0, -1), 3, 3);
        }
        testo(p, valore, QString::fromStdString(m.options.lblOpzione[i]), 175, Qt::white,
              Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void TavoloView::disegnaAlbo(QPainter& p) {
    const Model& m = w_.m;
    const RecordsState& r = m.records;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolore(m.window.coloreTavolo).darker(135));
    p.drawRect(twips(DESTRA_LEFT, DESTRA_TOP, DESTRA_L, DESTRA_A));
    testo(p, twips(DESTRA_LEFT, 100, DESTRA_L, 360), "Classifica", 240, Qt::white, Qt::AlignCenter, true);
    if (r.lblDieciMigliori)
        testo(p, twips(DESTRA_LEFT, 440, DESTRA_L, 300), "dei 10 migliori Giocatori di Briscola", 170, Qt::white,
              Qt::AlignCenter);
    // The ranking: each label shows as its own visibility says; the winner's row is opaque.
    for (int i = 1; i <= 10; ++i) {
        const RankingRow& riga = r.classifica[i];
        const double top = 800 + (i - 1) * 320;
        if (riga.evidenziata) {
            p.setPen(Qt::NoPen);
            p.setBrush(qcolore(m.window.coloreTavolo).lighter(150));
            p.drawRoundedRect(twips(DESTRA_LEFT + 250, top + 10, DESTRA_L - 500, 300), 3, 3);
        }
        if (riga.posizioneVisibile) testo(p, twips(DESTRA_LEFT + 300, top, 600, 320), QString::number(i) + ")", 175, Qt::white);
        testo(p, twips(DESTRA_LEFT + 900, top, 3100, 320), ridotto(QString::fromStdString(riga.nome), 3050, 175, false),
              175, Qt::white);
        if (riga.vinteVisibile)
            testo(p, twips(DESTRA_LEFT + 4050, top, 650, 320), QString::fromStdString(riga.vinte), 175, Qt::white,
                  Qt::AlignRight | Qt::AlignVCenter);
        if (riga.perseVisibile)
            testo(p, twips(DESTRA_LEFT + 4800, top, 650, 320), QString::fromStdString(riga.perse), 175, Qt::white,
                  Qt::AlignRight | Qt::AlignVCenter);
        testo(p, twips(DESTRA_LEFT + 5700, top, 1800, 320), QString::fromStdString(riga.data), 175, Qt::white);
    }
    testo(p, twips(DESTRA_LEFT, 4050, DESTRA_L, 320), "Statistica Partite di Zelvo", 200, Qt::white, Qt::AlignCenter,
          true);
    const char* const livelli = "ABCDE";
    for (int k = 1; k <= 5; ++k)
        testo(p, twips(DESTRA_LEFT + 300 + (k - 1) * 1420, 4400, 1420, 320),
              QString("%1: %2 - %3")
                  .arg(livelli[k - 1])
                  .arg(QString::fromStdString(r.lblVittoriePCVariLivelli[k]))
                  .arg(QString::fromStdString(r.lblSconfittePCVariLivelli[k])),
              165, Qt::white, Qt::AlignCenter);
    testo(p, twips(DESTRA_LEFT, 4800, DESTRA_L, 320),
          QString("Albo Partite (%1)").arg(m.game.lblTotalePartite), 200, Qt::white, Qt::AlignCenter, true);
    testo(p, twips(DESTRA_LEFT + 300, 5130, DESTRA_L - 600, 300),
          QString::fromUtf8("N° Partita - Vincitore - Perdente - Punteggio - Data - Ora"), 160, Qt::white);
    // The register as a list, oldest first, scrolled by the wheel; it opens on the latest matches.
    const QRectF lista = twips(ALBO_LISTA.left(), ALBO_LISTA.top(), ALBO_LISTA.width(), ALBO_LISTA.height());
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(lista);
    const std::vector<std::string> voci = vociAlbo();
    const int primo = primaVoceAlbo(static_cast<int>(voci.size()));
    for (int v = 0; v < ALBO_RIGHE && primo + v < static_cast<int>(voci.size()); ++v)
        testo(p, twips(ALBO_LISTA.left() + 80, ALBO_LISTA.top() + 40 + v * ALBO_RIGA, ALBO_LISTA.width() - 160, ALBO_RIGA),
              ridotto(QString::fromStdString(voci[primo + v]), ALBO_LISTA.width() - 170, 150, false), 150, Qt::black);
}

std::vector<std::string> TavoloView::vociAlbo() const {
    std::vector<std::string> v;
    for (const std::string& voce : w_.m.records.LstAlbo) {
        if (voce.empty()) break;  // the empty entry ends the register
        v.push_back(voce);
    }
    return v;
}

int TavoloView::primaVoceAlbo(int voci) const {
    const int ultima = std::max(0, voci - ALBO_RIGHE);
    return std::clamp(ultima - scorrimentoAlbo_, 0, ultima);
}

void TavoloView::wheelEvent(QWheelEvent* e) {
    const QPointF t = e->position() / scala();
    if (!w_.m.window.fraPannello[3].Visible || !ALBO_LISTA.contains(t)) return;
    const int voci = static_cast<int>(vociAlbo().size());
    // A wheel notch is 120; a touchpad sends smaller steps, which add up to a line.
    rotellaAlbo_ += e->angleDelta().y();
    const int passi = rotellaAlbo_ / 120;
    rotellaAlbo_ -= passi * 120;
    scorrimentoAlbo_ = std::clamp(scorrimentoAlbo_ + passi, 0, std::max(0, voci - ALBO_RIGHE));
    update();
}

bool TavoloView::coperto(const QPointF& t) const {
    const Window& f = w_.m.window;
    const bool destra = f.fraPannello[2].Visible || f.fraPannello[3].Visible;
    return destra && QRectF(DESTRA_LEFT, DESTRA_TOP, DESTRA_L, DESTRA_A).contains(t);
}

bool TavoloView::regoleScoperte() const {
    const Window& f = w_.m.window;
    return !f.fraPannello[0].Visible && !f.fraPannello[1].Visible;
}

void TavoloView::disegnaRegole(QPainter& p) {
    const Model& m = w_.m;
    const Window& f = m.window;
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(qcolore(f.coloreTavolo).darker(115));
    p.drawRect(twips(PANNELLO_LEFT, PANNELLO_TOP, PANNELLO_L, PANNELLO_A));
    testo(p, twips(200, 150, 2600, 600), QString::fromStdString(f.lblRegoleDelGioco), 175, Qt::white,
          Qt::AlignHCenter | Qt::AlignTop, true);
    if (f.ImgAutoreVisible)
        if (const QPixmap* pm = immagine("C:\\Programmi\\Zelvo\\Grafica\\Autore.jpg")) {
            const double a = 2050, l = a * pm->width() / pm->height();
            p.drawPixmap(twips(PANNELLO_LEFT + (PANNELLO_L - l) / 2, 850, l, a), *pm, pm->rect());
        }
    // A blank line between paragraphs, for the eye.
    testo(p, twips(200, f.lblRegoleTop, 2600, f.lblRegoleHeight - 150),
          QString::fromStdString(f.lblRegole).replace('\n', "\n\n"), 160, QColor(245, 245, 235),
          Qt::AlignLeft | Qt::AlignTop);
    QFont sottolineato = font();
    sottolineato.setUnderline(true);
    sottolineato.setBold(true);
    sottolineato.setPixelSize(std::max(6, int(165 * scala())));
    p.setFont(sottolineato);
    p.setPen(QColor(255, 255, 160));
    p.drawText(twips(REGOLE_CAPTION.left(), REGOLE_CAPTION.top(), REGOLE_CAPTION.width(), REGOLE_CAPTION.height()),
               Qt::AlignCenter, QString::fromStdString(m.records.lblContinuaregole));
}

void TavoloView::disegnaTitoloBrano(QPainter& p) {
    const Label& t = w_.m.sounds.lblTitolo;
    if (!t.Visible || t.Caption.empty()) return;
    testo(p, twips(8500, t.Top, 3500, 520), QString::fromStdString(t.Caption), 145, QColor(255, 255, 190),
          Qt::AlignHCenter | Qt::AlignTop);
}

void TavoloView::disegnaSottotitolo(QPainter& p) {
    const SoundState& s = w_.m.sounds;
    const int64_t resto = s.sottotitoloFinoA - w_.piattaforma.scheduler.nowMs();
    if (s.sottotitolo.empty() || resto <= 0) return;
    // No tick may come when the subtitle's time is up: the table repaints itself then.
    if (s.sottotitoloFinoA != sottotitoloRidisegnato_) {
        sottotitoloRidisegnato_ = s.sottotitoloFinoA;
        QTimer::singleShot(static_cast<int>(resto) + 1, this, [this] { update(); });
    }
    // In the free corner right of the human's hand, clear of the cards and the menu.
    const QRectF r = twips(8500, 6350, 3450, 1500);
    p.setPen(QPen(QColor(255, 255, 255, 140), 1));
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(r, 6, 6);
    QFont f = font();
    f.setPixelSize(std::max(6, int(160 * scala())));
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(255, 250, 220));
    p.drawText(r.adjusted(6, 4, -6, -4), Qt::AlignCenter | Qt::TextWordWrap,
               QString::fromUtf8("ZELVO: «%1»").arg(QString::fromStdString(s.sottotitolo)));
}

void TavoloView::disegnaCarte(QPainter& p) {
    const Window& f = w_.m.window;
    for (int s = 1; s <= 8; ++s) {
        const Frame& shp = f.ShpCarta[s];
        const Picture& img = f.ImgCarta[s];
        if (shp.Visible) {
            QRectF r = twips(shp.Left, shp.Top, CARTA_L + 2 * place::FRAME, CARTA_A + 2 * place::FRAME);
            p.setPen(QPen(QColor(0, 0, 0, 90), 1));
            p.setBrush(qcolore(shp.BackColor));
            p.drawRoundedRect(r, r.width() * 0.06, r.width() * 0.06);
        }
        if (!img.Visible) continue;
        QRectF r = twips(img.Left, img.Top, CARTA_L, CARTA_A);
        if (const QPixmap* pm = immagine(img.Picture)) {
            p.drawPixmap(r, *pm, pm->rect());
        } else if (shp.BackColor == colour::WHITE && !w_.m.cards.lblCarta[s].empty()) {
            // No picture file: the code itself, so the game stays playable.
            p.setBrush(Qt::white);
            p.drawRect(r);
            testo(p, r, QString::fromStdString(w_.m.cards.lblCarta[s]), 500, Qt::black, Qt::AlignCenter, true);
        }
        if (img.BorderStyle == 1) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r);
        }
    }
}

void TavoloView::disegnaEtichette(QPainter& p) {
    const Model& m = w_.m;
    const Window& f = m.window;
    auto nome = [&](const Label& e, const QRectF& t) {
        QRectF r = twips(t.left(), t.top(), t.width(), t.height());
        if (e.opaca) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 30, 30));
            p.drawRoundedRect(r, 4, 4);
        }
        // A long name is cut short rather than spilling over the table.
        testo(p, r, ridotto(QString::fromStdString(e.Caption), t.width() - 100, 260, true), 260, qcolore(e.ForeColor),
              Qt::AlignCenter, true);
    };
    nome(f.lblPC, NOME_PC);
    nome(f.lblH, NOME_H);
    auto punti = [&](bool visibile, int valore, int top) {
        if (!visibile) return;
        testo(p, twips(8600, top, 2000, 300), QString("Punti %1").arg(valore), 220, Qt::white, Qt::AlignCenter);
    };
    punti(f.lblPuntiPCVista.Visible, m.game.lblPuntiPC, static_cast<int>(PUNTI_PC.top()));
    punti(f.lblPuntiHVista.Visible, m.game.lblPuntiH, 7950);
    if (f.lblCarteRimaste.Visible)
        testo(p, twips(8700, 5900, 2000, 300), QString("Carte rimaste: %1").arg(m.game.lblNumeroCarteRimaste), 200,
              Qt::white, Qt::AlignCenter);
    if (f.lblIstruzioneIniziale.Visible)
        testo(p, twips(3400, 2950, 5400, 500), QString::fromStdString(f.lblIstruzioneIniziale.Caption), 180,
              Qt::white, Qt::AlignCenter);
    if (f.cmdEffettuaLaPresa.Visible) {
        QRectF r = twips(PRESA_LEFT, PRESA_TOP, PRESA_L, PRESA_A);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(240, 240, 225));
        p.drawRoundedRect(r, 3, 3);
        testo(p, r, QString::fromStdString(f.cmdEffettuaLaPresa.Caption), 170, Qt::black, Qt::AlignCenter);
    }
    for (int v = 1; v <= 2; ++v) {
        const Picture& b = f.ImgBandiera[v];
        if (!b.Visible) continue;
        // A flag keeps its own proportions, centred in its frame.
        if (const QPixmap* pm = immagine(b.Picture))
            p.drawPixmap(fitted(twips(b.Left, b.Top, b.Width, b.Height), pm->size()), *pm, pm->rect());
    }
}

void TavoloView::disegnaMenu(QPainter& p) {
    for (int i = 1; i <= 5; ++i) {
        // A disabled entry (during a review) is greyed, as a disabled label is.
        QColor c = qcolore(w_.m.window.lblComandi[i]);
        if (!w_.m.window.comandoAbilitato[i]) c = QColor(150, 150, 150);
        testo(p, twips(MENU_LEFT, MENU_TOPS[i], 1185, 330), MENU[i], 230, c, Qt::AlignLeft | Qt::AlignVCenter, true);
    }
}

void TavoloView::disegnaPannelloPartita(QPainter& p) {
    const Model& m = w_.m;
    QRectF pannello = twips(PANNELLO_LEFT, PANNELLO_TOP, PANNELLO_L, PANNELLO_A);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolore(m.window.coloreTavolo).darker(125));
    p.drawRect(pannello);
    testo(p, twips(200, 100, 2600, 300), "TABELLA GIOCHI VINTI", 180, Qt::white, Qt::AlignCenter, true);
    // One column a game the match needs, split by thin lines; a won game fills its marker.
    const int colonne = std::clamp(giochiPerPartita(m.options[opz::ConclusionePartita]), 3, 5);
    const double passo = 1250.0 / colonne;
    auto riga = [&](const QString& nome, const std::array<bool, 6>& segni, int top) {
        testo(p, twips(200, top, 1000, 300), ridotto(nome, 980, 170, false), 170, Qt::white);
        for (int k = 1; k <= colonne; ++k) {
            const double centro = 1250 + (k - 0.5) * passo;
            QRectF c = twips(centro - 120, top + 40, 240, 240);
            p.setPen(QPen(Qt::white, 1));
            p.setBrush(segni[k] ? QBrush(qcolore(m.window.coloreRetro)) : Qt::NoBrush);
            p.drawEllipse(c);
        }
    };
    riga("ZELVO", m.window.shpPuntiPC, 500);
    riga(QString::fromStdString(m.window.lblH.Caption), m.window.shpPuntiH, 850);
    testo(p, twips(2550, 500, 300, 300), QString::number(m.game.lblPartitePC), 190, Qt::white, Qt::AlignCenter, true);
    testo(p, twips(2550, 850, 300, 300), QString::number(m.game.lblPartiteH), 190, Qt::white, Qt::AlignCenter, true);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    for (int k = 1; k < colonne; ++k) {
        const double x = 1250 + k * passo;
        p.drawLine(twips(x, 520, 0, 0).topLeft(), twips(x, 1150, 0, 0).topLeft());
    }
    testo(p, twips(200, 1400, 2600, 300), "TABELLA CARTE GIOCATE", 180, Qt::white, Qt::AlignCenter, true);
    for (int c = 1; c <= 40; ++c) {
        const int riga = (c - 1) / 10, colonna = (c - 1) % 10;
        QRectF r = twips(200 + colonna * 255, 1800 + riga * 420, 240, 380);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(qcolore(m.cards.lblCarteGiocate[c].BackColor));
        p.drawRect(r);
        testo(p, r, QString::fromStdString(cards::codeOf(c)), 150, qcolore(m.cards.lblCarteGiocate[c].ForeColor),
              Qt::AlignCenter, true);
    }
    // The legend: who took a card is its text colour, who played it its background.
    const QString nome = QString::fromStdString(m.playerName);
    struct Voce {
        Colour sfondo, scritta;
        QString testo;
    };
    const Voce scritte[2] = {{colour::WHITE, colour::WHITE, "Carte prese da ZELVO"},
                             {colour::WHITE, colour::BLACK, "Carte prese da " + nome}};
    const Voce sfondi[3] = {{colour::RED, colour::BLACK, "Carte giocate da ZELVO"},
                            {colour::PINK, colour::BLACK, "Carte giocate da " + nome},
                            {colour::TRUMP_YELLOW, colour::BLACK, "Carte di briscola"}};
    auto voce = [&](const Voce& v, double top, bool campioneScritta) {
        QRectF campione = twips(300, top + 30, 420, 260);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(campioneScritta ? QColor(150, 150, 150) : qcolore(v.sfondo));
        p.drawRect(campione);
        if (campioneScritta) testo(p, campione, "Aa", 140, qcolore(v.scritta), Qt::AlignCenter, true);
        testo(p, twips(850, top, 2000, 320), ridotto(v.testo, 1980, 160, false), 160, Qt::white);
    };
    testo(p, twips(200, 3650, 2600, 300), "Colour delle scritte:", 170, Qt::white, Qt::AlignLeft | Qt::AlignVCenter,
          true);
    for (int k = 0; k < 2; ++k) voce(scritte[k], 3980 + k * 340, true);
    testo(p, twips(200, 4740, 2600, 300), "Colour degli sfondi:", 170, Qt::white, Qt::AlignLeft | Qt::AlignVCenter,
          true);
    for (int k = 0; k < 3; ++k) voce(sfondi[k], 5070 + k * 340, false);
}

namespace {
// The data panel's columns, left edge and width in twips from the panel's left: the
// computer's drawn card, played card and points, the trick number, then the human's
// points, played card and drawn card. The trick marker spans the drawn-card columns
// only while the computer's cards are shown.
struct Colonna {
    double left, width;
};
constexpr Colonna P_PC{85, 285}, G_PC{400, 330}, PTI_PC{760, 330}, MEZZO{1120, 345}, PTI_H{1495, 330},
    G_H{1855, 330}, P_H{2215, 285};
constexpr int RIGA_A = 250;                // the height of a cell
constexpr int PRIMA_PRESA = 1935, PASSO_PRESA = 270;  // trick row k lies at 1935 + 270 (k - 1)
constexpr int FONDO_TOP = 7880;            // below the grid: the hint, or the review's buttons
}  // namespace

void TavoloView::disegnaPannelloDati(QPainter& p) {
    const Model& m = w_.m;
    const auto& d = m.data.lblDati;
    const Window& f = m.window;
    const double x0 = PANNELLO_LEFT;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolore(f.coloreTavolo).darker(125));
    p.drawRect(twips(PANNELLO_LEFT, PANNELLO_TOP, PANNELLO_L, PANNELLO_A));
    const double largo = PANNELLO_L - 170;
    testo(p, twips(x0 + 85, 60, largo, 240), "PANNELLO DATI", 190, Qt::white, Qt::AlignCenter, true);
    testo(p, twips(x0 + 85, 300, largo, 200), QString::fromStdString(m.data.lblIndicazioniPannellodati1), 140,
          Qt::white, Qt::AlignCenter);
    testo(p, twips(x0 + 85, 500, largo, 200), QString::fromStdString(m.data.lblIndicazioniPannellodati2), 140,
          Qt::white, Qt::AlignCenter);

    auto cella = [&](int i, double left, double top, double w) {
        if (!d[i].Visible) return;
        QRectF r = twips(x0 + left, top, w, RIGA_A);
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(qcolore(d[i].BackColor));
        p.drawRect(r);
        testo(p, r, QString::fromStdString(d[i].Caption), 140, qcolore(d[i].ForeColor), Qt::AlignCenter);
    };
    auto in = [&](int i, const Colonna& c, double top) { cella(i, c.left, top, c.width); };

    // The two sides' headings and the column headers.
    cella(0, P_PC.left, 760, PTI_PC.left + PTI_PC.width - P_PC.left);
    cella(1, PTI_H.left, 760, P_H.left + P_H.width - PTI_H.left);
    auto intestazione = [&](const Colonna& c, const char* t) {
        testo(p, twips(x0 + c.left, 1060, c.width, 220), t, 140, Qt::white, Qt::AlignCenter, true);
    };
    if (m.data.intestazioniPescateVisibili) {
        intestazione(P_PC, "P");
        intestazione(P_H, "P");
    }
    intestazione(G_PC, "G");
    intestazione(G_H, "G");
    if (d[cells::pcPoints(1)].Visible) intestazione(PTI_PC, "P.ti");
    if (d[cells::humanPoints(1)].Visible) intestazione(PTI_H, "P.ti");

    // The deal: three cards a side and the trump card between them; then the side markers.
    for (int i = 0; i < 3; ++i) {
        cella(2 + i, P_PC.left + i * 342, 1330, 320);
        cella(5 + i, PTI_H.left + i * 342, 1330, 320);
    }
    in(8, MEZZO, 1330);
    in(9, P_PC, 1630);
    in(11, PTI_PC, 1630);
    in(12, PTI_H, 1630);
    in(10, P_H, 1630);

    // The trick marker lies behind the row of the trick in play.
    if (m.data.marcatoreVisibile) {
        const bool largo = m.options.is(opz::MostraCarte, "Si");
        const double left = largo ? 180 : 495, w = largo ? 2445 : 1815;
        QRectF r = twips(x0 + left - 85, m.data.marcatoreTop - 10, w, RIGA_A + 20);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 230, 120, 150));
        p.drawRoundedRect(r, 3, 3);
        testo(p, twips(x0 + MEZZO.left, m.data.marcatoreTop, MEZZO.width, RIGA_A), QString::number(m.game.lblManche),
              140, Qt::black, Qt::AlignCenter, true);
    }
    for (int k = 1; k <= 20; ++k) {
        const double top = PRIMA_PRESA + (k - 1) * PASSO_PRESA;
        if (k >= 2) {
            in(cells::pcDraw(k), P_PC, top);
            in(cells::humanDraw(k), P_H, top);
        }
        in(cells::pcCard(k), G_PC, top);
        in(cells::pcPoints(k), PTI_PC, top);
        in(cells::humanPoints(k), PTI_H, top);
        in(cells::humanCard(k), G_H, top);
    }
    // The two note lines; the second is the review's message line.
    for (int i : {13, 14})
        if (d[i].Visible && !d[i].Caption.empty())
            testo(p, twips(x0 + 85, i == 13 ? 7350 : 7610, largo, RIGA_A), QString::fromStdString(d[i].Caption), 150,
                  i == 14 ? QColor(Qt::yellow) : QColor(Qt::white), Qt::AlignCenter, true);

    if (f.lblSpiegaPannelloDati)
        testo(p, twips(x0 + 85, FONDO_TOP + 60, largo, 900),
              "Al termine di ciascun Gioco potrai azionare i pulsanti (di caricamento e salvataggio dati) che "
              "appariranno su questo Pannello",
              140, QColor(235, 235, 235), Qt::AlignHCenter | Qt::AlignTop);
    const Button* bottoni[5] = {&f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco, &f.cmdLoad, &f.cmdSave};
    for (const Zona& z : pulsantiAnalisi())
        pulsante(p, z.rect, QString::fromStdString(bottoni[z.quale]->Caption), bottoni[z.quale]->focus);
    // Until the first step of a review, how it works, over the lower rows of the grid.
    if (f.lblIstruzionePannelloDati) {
        QRectF r = twips(x0 + 85, 4300, largo, 2900);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(qcolore(f.coloreTavolo).darker(170));
        p.drawRoundedRect(r, 5, 5);
        testo(p, r.adjusted(6, 6, -6, -6),
              QString::fromUtf8("Per rivedere le varie fasi del Gioco clicca sul pulsante bianco centrale oppure premi "
                                "ogni volta INVIO. Per tornare alla Partita clicca su 'Riprendi a giocare'. Dal "
                                "Pannello Dati puoi inoltre salvare il Gioco appena concluso (o aprirne un'altro già "
                                "salvato)."),
              160, Qt::white, Qt::AlignCenter);
    }
}

std::vector<TavoloView::Zona> TavoloView::pulsantiAnalisi() const {
    const Window& f = w_.m.window;
    if (!f.fraPannello[0].Visible || !f.cmdScegliManche.Visible) return {};
    const double x = PANNELLO_LEFT + 85, a = 300, riga1 = FONDO_TOP + 60, riga2 = FONDO_TOP + 430;
    return {{QRectF(x, riga1, 1040, a), 0},         {QRectF(x + 1085, riga1, 440, a), 1},
            {QRectF(x + 1570, riga1, 1040, a), 2},  {QRectF(x, riga2, 1280, a), 3},
            {QRectF(x + 1330, riga2, 1280, a), 4}};
}

std::vector<TavoloView::Zona> TavoloView::scelteFineGioco() const {
    const Window& f = w_.m.window;
    if (!f.fraFineGioco.Visible) return {};
    std::vector<Zona> z;
    for (int i = 0; i < 3; ++i) z.push_back({QRectF(f.fraFineGioco.Left + 250, f.fraFineGioco.Top + 1500 + i * 300, 4900, 280), i});
    return z;
}

void TavoloView::pulsante(QPainter& p, const QRectF& r, const QString& s, bool fuoco) {
    QRectF q = twips(r.left(), r.top(), r.width(), r.height());
    p.setPen(QPen(fuoco ? QColor(40, 90, 200) : QColor(0, 0, 0), fuoco ? 2 : 1));
    p.setBrush(QColor(240, 240, 225));
    p.drawRoundedRect(q, 3, 3);
    testo(p, q, s, 150, Qt::black, Qt::AlignCenter, fuoco);
}

void TavoloView::disegnaFineGioco(QPainter& p) {
    const Window& f = w_.m.window;
    if (!f.fraFineGioco.Visible) return;
    QRectF r = twips(f.fraFineGioco.Left, f.fraFineGioco.Top, 5400, 2500);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(qcolore(f.coloreTavolo).darker(150));
    p.drawRoundedRect(r, 6, 6);
    // The continue button carries the two texts; it shows whether it can be pressed and has the focus.
    const Button& continua = f.cmdContinuaOIniziaPartita;
    const QRectF bottone = twips(f.fraFineGioco.Left + 120, f.fraFineGioco.Top + 80, 5160, 1350);
    p.setPen(QPen(continua.focus ? QColor(255, 255, 160) : QColor(255, 255, 255, 120), continua.focus ? 2 : 1));
    p.setBrush(QColor(255, 255, 255, continua.Enabled ? 28 : 8));
    p.drawRoundedRect(bottone, 5, 5);
    const QColor scritta = continua.Enabled ? QColor(Qt::white) : QColor(190, 190, 190);
    testo(p, twips(f.fraFineGioco.Left + 250, f.fraFineGioco.Top + 120, 4900, 700),
          QString::fromStdString(f.lblFineGioco1), 180, scritta, Qt::AlignLeft | Qt::AlignTop, true);
    testo(p, twips(f.fraFineGioco.Left + 250, f.fraFineGioco.Top + 800, 4900, 650),
          QString::fromStdString(f.lblFineGioco2), 160, scritta, Qt::AlignLeft | Qt::AlignTop);
    const char* const scelte[3] = {Window::lblApri, Window::lblRivedi, Window::lblSalva};
    for (const Zona& z : scelteFineGioco())
        testo(p, twips(z.rect.left(), z.rect.top(), z.rect.width(), z.rect.height()), QString::fromUtf8(scelte[z.quale]),
              180, QColor(255, 255, 160), Qt::AlignLeft | Qt::AlignVCenter, true);
}

void TavoloView::mousePressEvent(QMouseEvent* e) {
    const double s = scala();
    const QPointF t = e->position() / s;
    const Window& f = w_.m.window;
    if (const Panel& esci = f.fraEsci; esci.Visible) {
        if (QRectF(esci.Left + 400, esci.Top + 650, 3400, 330).contains(t)) w_.routines.lblSi_Click();
        else if (QRectF(esci.Left + 400, esci.Top + 1000, 3400, 330).contains(t)) w_.routines.lblNo_Click();
        else if (!QRectF(MENU_LEFT, MENU_TOPS[5], 1185, 330).contains(t)) return;  // the frame waits for an answer
        if (!QRectF(MENU_LEFT, MENU_TOPS[5], 1185, 330).contains(t)) {
            update();
            return;
        }
    }
    if (int i = voceSotto(t); i >= 0) {
        w_.routines.lblVoce_Click(i);
        update();
        return;
    }
    if (f.fraPannello[3].Visible && ALBO_LISTA.contains(t)) {
        w_.routines.LstAlbo_Click();
        update();
        return;
    }
    // A right-hand panel lies over the table: clicks on what is under it are not taken.
    if (coperto(t)) return;
    if (f.lblPuntiPCVista.Visible && PUNTI_PC.contains(t)) {
        w_.lblPuntiPC_Click();
        return;
    }
    for (const Zona& z : scelteFineGioco())
        if (z.rect.contains(t)) {
            if (z.quale == 0) w_.routines.lblApri_Click();
            else if (z.quale == 1) w_.routines.lblRivedi_Click();
            else w_.routines.lblSalva_Click();
            update();
            return;
        }
    for (const Zona& z : pulsantiAnalisi())
        if (z.rect.contains(t)) {
            if (z.quale == 0) w_.records.cmdInizioAnalisi();
            else if (z.quale == 1) w_.records.cmdScegliManche();
            else if (z.quale == 2) w_.records.cmdTornaAlGioco();
            else if (z.quale == 3) w_.records.cmdLoad();
            else w_.records.SalvaGioco();
            update();
            return;
        }
    if (regoleScoperte() && QRectF(REGOLE_CAPTION).contains(t)) {
        w_.routines.lblContinuaregole_Click();
    } else if (f.cmdEffettuaLaPresa.Visible && QRectF(PRESA_LEFT, PRESA_TOP, PRESA_L, PRESA_A).contains(t)) {
        w_.cmdEffettuaLaPresa_Click();
    } else if (f.fraFineGioco.Visible && QRectF(f.fraFineGioco.Left, f.fraFineGioco.Top, 5400, 1450).contains(t)) {
        w_.cmdContinuaOIniziaPartita_Click();
    } else {
        for (int i = 1; i <= 5; ++i)
            if (QRectF(MENU_LEFT, MENU_TOPS[i], 1185, 330).contains(t)) {
                w_.routines.lblComandi_Click(i);
                update();
                return;
            }
        // The top-most picture under the mouse: slots are drawn in order, so look from the last.
        for (int i = 8; i >= 1; --i) {
            const Picture& img = f.ImgCarta[i];
            if (img.Visible && QRectF(img.Left, img.Top, CARTA_L, CARTA_A).contains(t)) {
                w_.ImgCarta_Click(i);
                break;
            }
        }
    }
    update();
}

void TavoloView::mouseMoveEvent(QMouseEvent* e) {
    const Window& f = w_.m.window;
    if (!f.fraPannello[2].Visible) return;
    const QPointF t = e->position() / scala();
    if (int i = voceSotto(t); i >= 0) w_.routines.lblVoce_MouseMove(i);
    else if (valoreSotto(t) >= 0) w_.routines.lblOpzione_MouseMove();
    else if (QRectF(DESTRA_LEFT, DESTRA_TOP, DESTRA_L, DESTRA_A).contains(t)) w_.routines.fraOpzioni_MouseMove();
    else return;
    update();
}

QString TavoloView::suggerimentoIn(const QPointF& t) const {
    if (int i = valoreSotto(t); i >= 0) return QString::fromUtf8(suggerimento(i));
    if ((NOME_PC.contains(t) || NOME_H.contains(t)) && !coperto(t)) return SUGGERIMENTO_NOMI;
    return {};
}

bool TavoloView::event(QEvent* e) {
    if (e->type() != QEvent::ToolTip) return QWidget::event(e);
    auto* aiuto = static_cast<QHelpEvent*>(e);
    const QString testo = suggerimentoIn(QPointF(aiuto->pos()) / scala());
    if (testo.isEmpty()) {
        QToolTip::hideText();
        e->ignore();
    } else {
        // As rich text, so that a long tip wraps.
        QToolTip::showText(aiuto->globalPos(), "<p>" + testo.toHtmlEscaped() + "</p>", this);
    }
    return true;
}

void TavoloView::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        w_.tastoInvio();
        update();
        return;
    }
    QWidget::keyPressEvent(e);
}

}  // namespace zelvo
