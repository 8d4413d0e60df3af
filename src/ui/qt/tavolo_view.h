#pragma once
// The card table of the main window, drawn from the model. It decides nothing:
// clicks and the Enter key go to the window's routines, and after each of them
// (and after every timer tick) the table repaints from what the model holds.
#include <QWidget>
#include <cstdint>
#include <functional>

#include "ui/qt/disegno.h"
#include <string>
#include <vector>

namespace zelvo {

class Principale;

class TavoloView final : public QWidget {
public:
    // `percorsoReale` maps a path of the game's data root to the real file.
    TavoloView(Principale& w, std::function<QString(const std::string&)> percorsoReale, QWidget* parent = nullptr);

    // The table's design size in twips.
    static constexpr int LARGHEZZA = 12100, ALTEZZA = 9100;
    QSize sizeHint() const override;
    // The tool tip at a point of the table (in twips): what an option's value does, or
    // what the red behind a name means; empty where there is none.
    QString suggerimentoIn(const QPointF& twips) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    bool event(QEvent*) override;

private:
    double scala() const;
    QRectF twips(double left, double top, double width, double height) const;
    const QPixmap* immagine(const std::string& percorso) { return immagini_(percorso); }
    void disegnaCarte(QPainter& p);
    void disegnaEtichette(QPainter& p);
    void disegnaMenu(QPainter& p);
    void disegnaPannelloPartita(QPainter& p);
    void disegnaPannelloDati(QPainter& p);
    void disegnaFineGioco(QPainter& p);
    void disegnaOpzioni(QPainter& p);
    void disegnaAlbo(QPainter& p);
    // The register's entries up to the empty one, and the first shown of `voci`.
    std::vector<std::string> vociAlbo() const;
    int primaVoceAlbo(int voci) const;
    void disegnaRegole(QPainter& p);
    void disegnaTitoloBrano(QPainter& p);
    void disegnaSottotitolo(QPainter& p);
    // The reading panel lies under the two left-hand panels, uncovered when both are closed.
    bool regoleScoperte() const;
    // A right-hand panel lies over this point of the table.
    bool coperto(const QPointF& twips) const;
    // The option whose caption, or whose value, lies under a point; -1 for none.
    int voceSotto(const QPointF& twips) const;
    int valoreSotto(const QPointF& twips) const;
    // Where the review buttons of the data panel and the end-of-game choices lie, in twips.
    struct Zona {
        QRectF rect;
        int quale;
    };
    std::vector<Zona> pulsantiAnalisi() const;
    std::vector<Zona> scelteFineGioco() const;
    // A one-line text cut with an ellipsis to a width, at a text height (twips).
    QString ridotto(const QString& s, double larghezzaTwips, double altezzaTwips, bool grassetto) const;
    void pulsante(QPainter& p, const QRectF& twipsRect, const QString& testo, bool fuoco);
    void testo(QPainter& p, const QRectF& r, const QString& s, double altezzaTwips, const QColor& colore,
               int flags = Qt::AlignLeft | Qt::AlignVCenter, bool grassetto = false);

    Principale& w_;
    Immagini immagini_;
    int scorrimentoAlbo_ = 0;  // register lines scrolled back from the latest
    int rotellaAlbo_ = 0;      // wheel movement not yet a whole line
    int64_t sottotitoloRidisegnato_ = 0;  // the subtitle end a repaint is already set for
};

}  // namespace zelvo
