#pragma once
// The title window, drawn from its model: the theme's picture, the blinking
// prompt, the four suit symbols and the name entry with its OK button.
#include <QWidget>
#include <functional>

#include "ui/qt/drawing.h"

class QLineEdit;
class QPushButton;

namespace zelvo {

class TitleWindow;

class TitleView final : public QWidget {
public:
    TitleView(TitleWindow& w, std::function<QString(const std::string&)> realPath, QWidget* parent = nullptr);

    // The window's design size in twips.
    static constexpr int WIDTH = 12000, HEIGHT = 7500;
    QSize sizeHint() const override;
    // The entry follows the model again (after the load step filled it).
    void refreshEntry();
    QLineEdit* nameEntry() const { return txtNome_; }
    QPushButton* okButton() const { return cmdOk_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    double scale() const;
    QRectF twips(double left, double top, double width, double height) const;
    // The picture of a path for a place of `drawn` pixels of the widget.
    const QPixmap* picture(const std::string& path, const QSizeF& drawn) {
        return pictures_(path, drawn * devicePixelRatioF());
    }
    void edited(const QString& text);

    TitleWindow& w_;
    PictureCache pictures_;
    QLineEdit* txtNome_;
    QPushButton* cmdOk_;
};

}  // namespace zelvo
