#pragma once
// The title window, drawn from its model: the theme's picture, the blinking
// prompt, the four suit symbols and the name entry with its OK button.
#include <QWidget>
#include <functional>

#include "ui/qt/disegno.h"

class QLineEdit;
class QPushButton;

namespace zelvo {

class TitleWindow;

class TitoloView final : public QWidget {
public:
    TitoloView(TitleWindow& w, std::function<QString(const std::string&)> percorsoReale, QWidget* parent = nullptr);

    // The window's design size in twips.
    static constexpr int LARGHEZZA = 12000, ALTEZZA = 7500;
    QSize sizeHint() const override;
    // The entry follows the model again (after the load step filled it).
    void aggiornaCampo();
    QLineEdit* campoNome() const { return txtNome_; }
    QPushButton* pulsanteOk() const { return cmdOk_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    double scala() const;
    QRectF twips(double left, double top, double width, double height) const;
    const QPixmap* immagine(const std::string& percorso) { return immagini_(percorso); }
    void modificato(const QString& testo);

    TitleWindow& w_;
    Immagini immagini_;
    QLineEdit* txtNome_;
    QPushButton* cmdOk_;
};

}  // namespace zelvo
