#include "ui/qt/tavolo_view.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include "ui/principale.h"
#include "ui/regole.h"

namespace zelvo {

namespace {

QColor qcolore(Colore c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

constexpr int CARTA_L = 1185, CARTA_A = 2415;
constexpr int MENU_LEFT = 10755, MENU_TOPS[6] = {0, 3510, 3915, 4320, 4725, 5130};
const char* const MENU[6] = {"", "Partita", "Dati", "Albo", "Opzioni", "Esci"};
// The button of the taking lies under the trick, above the human's hand.
constexpr int PRESA_LEFT = 3300, PRESA_TOP = 5850, PRESA_L = 5400, PRESA_A = 380;
constexpr int PANNELLO_LEFT = 110, PANNELLO_TOP = 30, PANNELLO_L = 3300, PANNELLO_A = 8900;
// The caption that turns the pages of the reading panel.
constexpr QRectF REGOLE_CAPTION(200, 8500, 3100, 330);
// The names on the table.
constexpr QRectF NOME_PC(8600, 360, 2000, 360), NOME_H(8600, 8300, 2000, 360);
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

void TavoloView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), QColor(30, 30, 30));
    p.fillRect(twips(0, 0, LARGHEZZA, ALTEZZA), qcolore(w_.m.finestra.coloreTavolo));
    if (regoleScoperte()) disegnaRegole(p);
    disegnaCarte(p);
    disegnaEtichette(p);
    disegnaTitoloBrano(p);
    disegnaSottotitolo(p);
    disegnaMenu(p);
    if (w_.m.finestra.fraPannello[1].Visible) disegnaPannelloPartita(p);
    if (w_.m.finestra.fraPannello[0].Visible) disegnaPannelloDati(p);
    disegnaFineGioco(p);
    if (w_.m.finestra.fraPannello[2].Visible) disegnaOpzioni(p);
    if (w_.m.finestra.fraPannello[3].Visible) disegnaAlbo(p);
    const Pannello& esci = w_.m.finestra.fraEsci;
    if (esci.Visible) {
        QRectF r = twips(esci.Left, esci.Top, 4200, 1500);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(qcolore(w_.m.finestra.coloreTavolo));
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
}  // namespace

namespace {
constexpr int VOCE_LEFT = DESTRA_LEFT + 200, VOCE_L = 3300, VALORE_LEFT = DESTRA_LEFT + 3600, VALORE_L = 3950;
int riga(const QPointF& t) {
    const int r = static_cast<int>((t.y() - OPZIONI_TOP) / OPZIONI_RIGA);
    return t.y() >= OPZIONI_TOP && r < opz::NUMERO ? r : -1;
}
}  // namespace

int TavoloView::voceSotto(const QPointF& t) const {
    if (!w_.m.finestra.fraPannello[2].Visible || t.x() < VOCE_LEFT || t.x() >= VOCE_LEFT + VOCE_L) return -1;
    return riga(t);
}

int TavoloView::valoreSotto(const QPointF& t) const {
    if (!w_.m.finestra.fraPannello[2].Visible || t.x() < VALORE_LEFT || t.x() >= VALORE_LEFT + VALORE_L) return -1;
    return riga(t);
}

void TavoloView::disegnaOpzioni(QPainter& p) {
    const Model& m = w_.m;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolore(m.finestra.coloreTavolo).darker(135));
    p.drawRect(twips(DESTRA_LEFT, DESTRA_TOP, DESTRA_L, DESTRA_A));
    testo(p, twips(DESTRA_LEFT, 120, DESTRA_L, 360), "Opzioni di ZELVO", 260, Qt::white, Qt::AlignCenter, true);
    for (int i = 0; i < opz::NUMERO; ++i) {
        const double top = OPZIONI_TOP + i * OPZIONI_RIGA;
        testo(p, twips(VOCE_LEFT, top, VOCE_L, OPZIONI_RIGA), QString::fromStdString(m.opzioni.lblVoce[i]), 175,
              qcolore(m.opzioni.lblVoceColore[i]), Qt::AlignLeft | Qt::AlignVCenter, true);
        const QRectF valore = twips(VALORE_LEFT, top, VALORE_L, OPZIONI_RIGA);
        if (m.opzioni.lblOpzioneEvidenziata[i]) {
            p.setPen(Qt::NoPen);
            p.setBrush(qcolore(m.finestra.coloreTavolo).lighter(135));
            p.drawRoundedRect(valore.adjusted(-3, 1, 0, -1), 3, 3);
        }
        testo(p, valore, QString::fromStdString(m.opzioni.lblOpzione[i]), 175, Qt::white,
              Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void TavoloView::disegnaAlbo(QPainter& p) {
    const Model& m = w_.m;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolore(m.finestra.coloreTavolo).darker(135));
    p.drawRect(twips(DESTRA_LEFT, DESTRA_TOP, DESTRA_L, DESTRA_A));
    testo(p, twips(DESTRA_LEFT, 120, DESTRA_L, 360), "ALBO D'ORO", 260, Qt::white, Qt::AlignCenter, true);
    if (m.registri.lblDieciMigliori)
        testo(p, twips(DESTRA_LEFT, 480, DESTRA_L, 300), "dei 10 migliori Giocatori di Briscola", 180, Qt::white,
              Qt::AlignCenter);
    for (int r = 1; r <= 10; ++r) {
        const RigaClassifica& riga = m.registri.classifica[r];
        if (riga.nome.empty()) continue;
        const double top = 900 + (r - 1) * 330;
        const QColor colore = riga.evidenziata ? QColor(255, 255, 0) : QColor(Qt::white);
        testo(p, twips(DESTRA_LEFT + 300, top, 600, 330), QString::number(r) + ")", 180, colore);
        testo(p, twips(DESTRA_LEFT + 900, top, 3000, 330), QString::fromStdString(riga.nome), 180, colore);
        testo(p, twips(DESTRA_LEFT + 4000, top, 1400, 330),
              QString::fromStdString(riga.vinte + " - " + riga.perse), 180, colore);
        testo(p, twips(DESTRA_LEFT + 5500, top, 2000, 330), QString::fromStdString(riga.data), 180, colore);
    }
    const char* const livelli = "ABCDE";
    for (int k = 1; k <= 5; ++k)
        testo(p, twips(DESTRA_LEFT + 300 + (k - 1) * 1480, 4350, 1480, 330),
              QString("ZELVO %1: %2-%3")
                  .arg(livelli[k - 1])
                  .arg(QString::fromStdString(m.registri.lblVittoriePCVariLivelli[k]))
                  .arg(QString::fromStdString(m.registri.lblSconfittePCVariLivelli[k])),
              160, Qt::white);
    int riga = 0;
    for (auto it = m.registri.LstAlbo.rbegin(); it != m.registri.LstAlbo.rend() && riga < 12; ++it) {
        if (it->empty()) continue;
        testo(p, twips(DESTRA_LEFT + 300, 4800 + riga * 320, DESTRA_L - 600, 320), QString::fromStdString(*it), 170,
              Qt::white);
        ++riga;
    }
}

bool TavoloView::coperto(const QPointF& t) const {
    const Finestra& f = w_.m.finestra;
    const bool destra = f.fraPannello[2].Visible || f.fraPannello[3].Visible;
    return destra && QRectF(DESTRA_LEFT, DESTRA_TOP, DESTRA_L, DESTRA_A).contains(t);
}

bool TavoloView::regoleScoperte() const {
    const Finestra& f = w_.m.finestra;
    return !f.fraPannello[0].Visible && !f.fraPannello[1].Visible;
}

void TavoloView::disegnaRegole(QPainter& p) {
    const Model& m = w_.m;
    const Finestra& f = m.finestra;
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(qcolore(f.coloreTavolo).darker(115));
    p.drawRect(twips(PANNELLO_LEFT, PANNELLO_TOP, PANNELLO_L, PANNELLO_A));
    testo(p, twips(200, 150, 3100, 600), QString::fromStdString(f.lblRegoleDelGioco), 175, Qt::white,
          Qt::AlignHCenter | Qt::AlignTop, true);
    if (f.ImgAutoreVisible)
        if (const QPixmap* pm = immagine("C:\\Programmi\\Zelvo\\Grafica\\Autore.jpg")) {
            const double a = 2050, l = a * pm->width() / pm->height();
            p.drawPixmap(twips(PANNELLO_LEFT + (PANNELLO_L - l) / 2, 850, l, a), *pm, pm->rect());
        }
    // A blank line between paragraphs, for the eye.
    testo(p, twips(200, f.lblRegoleTop, 3100, f.lblRegoleHeight - 150),
          QString::fromStdString(f.lblRegole).replace('\n', "\n\n"), 160, QColor(245, 245, 235),
          Qt::AlignLeft | Qt::AlignTop);
    QFont sottolineato = font();
    sottolineato.setUnderline(true);
    sottolineato.setBold(true);
    sottolineato.setPixelSize(std::max(6, int(165 * scala())));
    p.setFont(sottolineato);
    p.setPen(QColor(255, 255, 160));
    p.drawText(twips(REGOLE_CAPTION.left(), REGOLE_CAPTION.top(), REGOLE_CAPTION.width(), REGOLE_CAPTION.height()),
               Qt::AlignCenter, QString::fromStdString(m.registri.lblContinuaregole));
}

void TavoloView::disegnaTitoloBrano(QPainter& p) {
    const Etichetta& t = w_.m.suoni.lblTitolo;
    if (!t.Visible || t.Caption.empty()) return;
    testo(p, twips(8500, t.Top, 3500, 520), QString::fromStdString(t.Caption), 145, QColor(255, 255, 190),
          Qt::AlignHCenter | Qt::AlignTop);
}

void TavoloView::disegnaSottotitolo(QPainter& p) {
    const StatoSuoni& s = w_.m.suoni;
    if (s.sottotitolo.empty() || w_.piattaforma.scheduler.nowMs() >= s.sottotitoloFinoA) return;
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
    const Finestra& f = w_.m.finestra;
    for (int s = 1; s <= 8; ++s) {
        const Cornice& shp = f.ShpCarta[s];
        const Immagine& img = f.ImgCarta[s];
        if (shp.Visible) {
            QRectF r = twips(shp.Left, shp.Top, CARTA_L + 2 * posto::CORNICE, CARTA_A + 2 * posto::CORNICE);
            p.setPen(QPen(QColor(0, 0, 0, 90), 1));
            p.setBrush(qcolore(shp.BackColor));
            p.drawRoundedRect(r, r.width() * 0.06, r.width() * 0.06);
        }
        if (!img.Visible) continue;
        QRectF r = twips(img.Left, img.Top, CARTA_L, CARTA_A);
        if (const QPixmap* pm = immagine(img.Picture)) {
            p.drawPixmap(r, *pm, pm->rect());
        } else if (shp.BackColor == colore::BIANCO && !w_.m.carte.lblCarta[s].empty()) {
            // No picture file: the code itself, so the game stays playable.
            p.setBrush(Qt::white);
            p.drawRect(r);
            testo(p, r, QString::fromStdString(w_.m.carte.lblCarta[s]), 500, Qt::black, Qt::AlignCenter, true);
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
    const Finestra& f = m.finestra;
    auto nome = [&](const Etichetta& e, const QRectF& t) {
        QRectF r = twips(t.left(), t.top(), t.width(), t.height());
        if (e.opaca) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 30, 30));
            p.drawRoundedRect(r, 4, 4);
        }
        testo(p, r, QString::fromStdString(e.Caption), 260, qcolore(e.ForeColor), Qt::AlignCenter, true);
    };
    nome(f.lblPC, NOME_PC);
    nome(f.lblH, NOME_H);
    auto punti = [&](bool visibile, int valore, int top) {
        if (!visibile) return;
        testo(p, twips(8600, top, 2000, 300), QString("Punti %1").arg(valore), 220, Qt::white, Qt::AlignCenter);
    };
    punti(f.lblPuntiPCVista.Visible, m.gioco.lblPuntiPC, 760);
    punti(f.lblPuntiHVista.Visible, m.gioco.lblPuntiH, 7950);
    if (f.lblCarteRimaste.Visible)
        testo(p, twips(8700, 5900, 2000, 300), QString("Carte rimaste: %1").arg(m.gioco.lblNumeroCarteRimaste), 200,
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
        const Immagine& b = f.ImgBandiera[v];
        if (!b.Visible) continue;
        if (const QPixmap* pm = immagine(b.Picture)) p.drawPixmap(twips(b.Left, b.Top, b.Width, b.Height), *pm, pm->rect());
    }
}

void TavoloView::disegnaMenu(QPainter& p) {
    for (int i = 1; i <= 5; ++i)
        testo(p, twips(MENU_LEFT, MENU_TOPS[i], 1185, 330), MENU[i], 230, qcolore(w_.m.finestra.lblComandi[i]),
              Qt::AlignLeft | Qt::AlignVCenter, true);
}

void TavoloView::disegnaPannelloPartita(QPainter& p) {
    const Model& m = w_.m;
    QRectF pannello = twips(PANNELLO_LEFT, PANNELLO_TOP, PANNELLO_L, PANNELLO_A);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolore(m.finestra.coloreTavolo).darker(125));
    p.drawRect(pannello);
    testo(p, twips(200, 100, 3100, 300), "TABELLA GIOCHI VINTI", 200, Qt::white, Qt::AlignCenter, true);
    // One column a game the match needs, split by thin lines; a won game fills its marker.
    const int colonne = std::clamp(giochiPerPartita(m.opzioni[opz::ConclusionePartita]), 3, 5);
    const double passo = 1750.0 / colonne;
    auto riga = [&](const QString& nome, const std::array<bool, 6>& segni, int top) {
        testo(p, twips(200, top, 1300, 300), nome, 180, Qt::white);
        for (int k = 1; k <= colonne; ++k) {
            const double centro = 1500 + (k - 0.5) * passo;
            QRectF c = twips(centro - 120, top + 40, 240, 240);
            p.setPen(QPen(Qt::white, 1));
            p.setBrush(segni[k] ? QBrush(qcolore(m.finestra.coloreRetro)) : Qt::NoBrush);
            p.drawEllipse(c);
        }
    };
    riga("ZELVO", m.finestra.shpPuntiPC, 500);
    riga(QString::fromStdString(m.finestra.lblH.Caption), m.finestra.shpPuntiH, 850);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    for (int k = 1; k < colonne; ++k) {
        const double x = 1500 + k * passo;
        p.drawLine(twips(x, 520, 0, 0).topLeft(), twips(x, 1150, 0, 0).topLeft());
    }
    testo(p, twips(200, 1400, 3100, 300), "TABELLA CARTE GIOCATE", 200, Qt::white, Qt::AlignCenter, true);
    for (int c = 1; c <= 40; ++c) {
        const int riga = (c - 1) / 10, colonna = (c - 1) % 10;
        QRectF r = twips(200 + colonna * 310, 1800 + riga * 420, 290, 380);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(qcolore(m.carte.lblCarteGiocate[c].BackColor));
        p.drawRect(r);
        testo(p, r, QString::fromStdString(carte::codice(c)), 150, qcolore(m.carte.lblCarteGiocate[c].ForeColor),
              Qt::AlignCenter, true);
    }
    // The legend: who took a card is its text colour, who played it its background.
    const QString nome = QString::fromStdString(m.nomeGiocatore);
    struct Voce {
        Colore sfondo, scritta;
        QString testo;
    };
    const Voce scritte[2] = {{colore::BIANCO, colore::BIANCO, "Carte prese da ZELVO"},
                             {colore::BIANCO, colore::NERO, "Carte prese da " + nome}};
    const Voce sfondi[3] = {{colore::ROSSO, colore::NERO, "Carte giocate da ZELVO"},
                            {colore::ROSA_H, colore::NERO, "Carte giocate da " + nome},
                            {colore::GIALLO_BRISCOLA, colore::NERO, "Carte di briscola"}};
    auto voce = [&](const Voce& v, double top, bool campioneScritta) {
        QRectF campione = twips(300, top + 30, 420, 260);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(campioneScritta ? QColor(150, 150, 150) : qcolore(v.sfondo));
        p.drawRect(campione);
        if (campioneScritta) testo(p, campione, "Aa", 140, qcolore(v.scritta), Qt::AlignCenter, true);
        testo(p, twips(850, top, 2450, 320), v.testo, 160, Qt::white);
    };
    testo(p, twips(200, 3650, 3100, 300), "Colore delle scritte:", 170, Qt::white, Qt::AlignLeft | Qt::AlignVCenter,
          true);
    for (int k = 0; k < 2; ++k) voce(scritte[k], 3980 + k * 340, true);
    testo(p, twips(200, 4740, 3100, 300), "Colore degli sfondi:", 170, Qt::white, Qt::AlignLeft | Qt::AlignVCenter,
          true);
    for (int k = 0; k < 3; ++k) voce(sfondi[k], 5070 + k * 340, false);
}

void TavoloView::disegnaPannelloDati(QPainter& p) {
    const Model& m = w_.m;
    const auto& d = m.dati.lblDati;
    QRectF pannello = twips(PANNELLO_LEFT, PANNELLO_TOP, PANNELLO_L, PANNELLO_A);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(qcolore(m.finestra.coloreTavolo).darker(125));
    p.drawRect(pannello);
    testo(p, twips(200, 60, 3100, 260), "PANNELLO DATI", 190, Qt::white, Qt::AlignCenter, true);
    testo(p, twips(200, 320, 3100, 220), QString::fromStdString(m.dati.lblIndicazioniPannellodati1), 150, Qt::white,
          Qt::AlignCenter);
    testo(p, twips(200, 540, 3100, 220), QString::fromStdString(m.dati.lblIndicazioniPannellodati2), 150, Qt::white,
          Qt::AlignCenter);
    auto cella = [&](int i, double left, double top, double w) {
        if (!d[i].Visible) return;
        QRectF r = twips(left, top, w, 300);
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(qcolore(d[i].BackColor));
        p.drawRect(r);
        testo(p, r, QString::fromStdString(d[i].Caption), 150, qcolore(d[i].ForeColor), Qt::AlignCenter);
    };
    cella(0, 200, 800, 1500);
    cella(1, 1750, 800, 1500);
    for (int i = 2; i <= 4; ++i) cella(i, 200 + (i - 2) * 330, 1120, 320);
    cella(8, 1180 + 300, 1120, 320);
    for (int i = 5; i <= 7; ++i) cella(i, 1850 + (i - 5) * 330, 1120, 320);
    // One row a trick: drawn cards, played cards and points of each side.
    for (int k = 1; k <= 20; ++k) {
        const double top = 1450 + (k - 1) * 320;
        if (k >= 2) {
            cella(dati::pescataPC(k), 200, top, 420);
            cella(dati::pescataH(k), 2860, top, 420);
        }
        cella(dati::cartaPC(k), 650, top, 420);
        cella(dati::puntiPC(k), 1100, top, 420);
        cella(dati::puntiH(k), 1960, top, 420);
        cella(dati::cartaH(k), 2410, top, 420);
    }
    if (!d[14].Caption.empty())
        testo(p, twips(200, 7880, 3100, 260), QString::fromStdString(d[14].Caption), 170, Qt::yellow, Qt::AlignCenter,
              true);
    const Finestra& f = m.finestra;
    const Pulsante* bottoni[5] = {&f.cmdInizioAnalisi, &f.cmdScegliManche, &f.cmdTornaAlGioco, &f.cmdLoad, &f.cmdSave};
    for (const Zona& z : pulsantiAnalisi())
        pulsante(p, z.rect, QString::fromStdString(bottoni[z.quale]->Caption), bottoni[z.quale]->focus);
}

std::vector<TavoloView::Zona> TavoloView::pulsantiAnalisi() const {
    const Finestra& f = w_.m.finestra;
    if (!f.fraPannello[0].Visible || !f.cmdScegliManche.Visible) return {};
    return {{QRectF(200, 8200, 1250, 300), 0}, {QRectF(1500, 8200, 500, 300), 1}, {QRectF(2050, 8200, 1250, 300), 2},
            {QRectF(200, 8560, 1525, 300), 3}, {QRectF(1775, 8560, 1525, 300), 4}};
}

std::vector<TavoloView::Zona> TavoloView::scelteFineGioco() const {
    const Finestra& f = w_.m.finestra;
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
    const Finestra& f = w_.m.finestra;
    if (!f.fraFineGioco.Visible) return;
    QRectF r = twips(f.fraFineGioco.Left, f.fraFineGioco.Top, 5400, 2500);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(qcolore(f.coloreTavolo).darker(150));
    p.drawRoundedRect(r, 6, 6);
    testo(p, twips(f.fraFineGioco.Left + 250, f.fraFineGioco.Top + 120, 4900, 700),
          QString::fromStdString(f.lblFineGioco1), 180, Qt::white, Qt::AlignLeft | Qt::AlignTop, true);
    testo(p, twips(f.fraFineGioco.Left + 250, f.fraFineGioco.Top + 800, 4900, 650),
          QString::fromStdString(f.lblFineGioco2), 160, Qt::white, Qt::AlignLeft | Qt::AlignTop);
    const char* const scelte[3] = {Finestra::lblApri, Finestra::lblRivedi, Finestra::lblSalva};
    for (const Zona& z : scelteFineGioco())
        testo(p, twips(z.rect.left(), z.rect.top(), z.rect.width(), z.rect.height()), QString::fromUtf8(scelte[z.quale]),
              180, QColor(255, 255, 160), Qt::AlignLeft | Qt::AlignVCenter, true);
}

void TavoloView::mousePressEvent(QMouseEvent* e) {
    const double s = scala();
    const QPointF t = e->position() / s;
    const Finestra& f = w_.m.finestra;
    if (const Pannello& esci = f.fraEsci; esci.Visible) {
        if (QRectF(esci.Left + 400, esci.Top + 650, 3400, 330).contains(t)) w_.finestra.lblSi_Click();
        else if (QRectF(esci.Left + 400, esci.Top + 1000, 3400, 330).contains(t)) w_.finestra.lblNo_Click();
        else if (!QRectF(MENU_LEFT, MENU_TOPS[5], 1185, 330).contains(t)) return;  // the frame waits for an answer
        if (!QRectF(MENU_LEFT, MENU_TOPS[5], 1185, 330).contains(t)) {
            update();
            return;
        }
    }
    if (int i = voceSotto(t); i >= 0) {
        w_.finestra.lblVoce_Click(i);
        update();
        return;
    }
    // A right-hand panel lies over the table: clicks on what is under it are not taken.
    if (coperto(t)) return;
    for (const Zona& z : scelteFineGioco())
        if (z.rect.contains(t)) {
            if (z.quale == 0) w_.finestra.lblApri_Click();
            else if (z.quale == 1) w_.finestra.lblRivedi_Click();
            else w_.finestra.lblSalva_Click();
            update();
            return;
        }
    for (const Zona& z : pulsantiAnalisi())
        if (z.rect.contains(t)) {
            if (z.quale == 0) w_.registri.cmdInizioAnalisi();
            else if (z.quale == 1) w_.registri.cmdScegliManche();
            else if (z.quale == 2) w_.registri.cmdTornaAlGioco();
            else if (z.quale == 3) w_.registri.cmdLoad();
            else w_.registri.SalvaGioco();
            update();
            return;
        }
    if (regoleScoperte() && QRectF(REGOLE_CAPTION).contains(t)) {
        w_.finestra.lblContinuaregole_Click();
    } else if (f.cmdEffettuaLaPresa.Visible && QRectF(PRESA_LEFT, PRESA_TOP, PRESA_L, PRESA_A).contains(t)) {
        w_.cmdEffettuaLaPresa_Click();
    } else if (f.fraFineGioco.Visible && QRectF(f.fraFineGioco.Left, f.fraFineGioco.Top, 5400, 1450).contains(t)) {
        w_.cmdContinuaOIniziaPartita_Click();
    } else {
        for (int i = 1; i <= 5; ++i)
            if (QRectF(MENU_LEFT, MENU_TOPS[i], 1185, 330).contains(t)) {
                w_.finestra.lblComandi_Click(i);
                update();
                return;
            }
        // The top-most picture under the mouse: slots are drawn in order, so look from the last.
        for (int i = 8; i >= 1; --i) {
            const Immagine& img = f.ImgCarta[i];
            if (img.Visible && QRectF(img.Left, img.Top, CARTA_L, CARTA_A).contains(t)) {
                w_.ImgCarta_Click(i);
                break;
            }
        }
    }
    update();
}

void TavoloView::mouseMoveEvent(QMouseEvent* e) {
    const Finestra& f = w_.m.finestra;
    if (!f.fraPannello[2].Visible) return;
    const QPointF t = e->position() / scala();
    if (int i = voceSotto(t); i >= 0) w_.finestra.lblVoce_MouseMove(i);
    else if (valoreSotto(t) >= 0) w_.finestra.lblOpzione_MouseMove();
    else if (QRectF(DESTRA_LEFT, DESTRA_TOP, DESTRA_L, DESTRA_A).contains(t)) w_.finestra.fraOpzioni_MouseMove();
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
