#pragma once
// The card table of the main window, drawn from the model. It decides nothing:
// clicks and keys go to the window's routines, and after each of them (and after
// every timer tick) the table repaints from what the model holds.
#include <QWidget>
#include <cstdint>
#include <functional>

#include <string>
#include <vector>

#include "ui/qt/drawing.h"

namespace zelvo {

class Session;
class WindowRoutines;

class TableView final : public QWidget {
public:
    // `realPath` maps a path of the game's data root to the real file.
    TableView(Session& s, WindowRoutines& ui, std::function<QString(const std::string&)> realPath,
              QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The tool tip at a point of the table (in twips): what an option's value does, or
    // what the red behind a name means; empty where there is none.
    QString toolTipAt(const QPointF& twips) const;
    // The font of the review buttons at the present size, and the text button i shows
    // (cut short with an ellipsis when it would not fit on its one line).
    QFont buttonFont() const;
    QString reviewButtonText(int i) const;
    // The farewell is over: the next close request closes the window.
    void closeForGood();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void closeEvent(QCloseEvent*) override;
    bool focusNextPrevChild(bool next) override;
    bool event(QEvent*) override;

private:
    double scale() const;
    QRectF twips(double left, double top, double width, double height) const;
    // The picture of a path for a place of `drawn` pixels of the widget.
    const QPixmap* picture(const std::string& path, const QSizeF& drawn) {
        return pictures_(path, drawn * devicePixelRatioF());
    }
    void drawCards(QPainter& p);
    void drawLabels(QPainter& p);
    void drawMenu(QPainter& p);
    void drawMatchPanel(QPainter& p);
    void drawGamesWon(QPainter& p);
    void drawDataPanel(QPainter& p);
    void drawReviewInstructions(QPainter& p);
    void drawEndOfGame(QPainter& p);
    void drawOptions(QPainter& p);
    void drawHallOfFame(QPainter& p);
    // The register's entries up to the empty one, and the first shown of `entries`.
    std::vector<std::string> registerEntries() const;
    int firstShownEntry(int entries) const;
    void drawRules(QPainter& p);
    void drawSongTitle(QPainter& p);
    void drawSubtitle(QPainter& p);
    void drawExitFrame(QPainter& p);
    // A rectangle of the geometry table in pixels.
    template <class R>
    QRectF px(const R& r) const {
        return twips(r.left, r.top, r.width, r.height);
    }
    QFont fontAt(double heightTwips, bool bold) const;
    // A one-line text cut with an ellipsis to a width, at a text height (twips).
    QString elided(const QString& s, double widthTwips, double heightTwips, bool bold) const;
    // One line in a rectangle: the text height goes down (to `smallestTwips`) until the
    // text fits, and only then is the text cut short.
    void line(QPainter& p, const QRectF& r, const QString& s, double heightTwips, double smallestTwips,
              const QColor& colour, int flags = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false);
    // As `line`, but words that do not fit one line go onto more lines, as many as the
    // rectangle holds at a height not below `smallestTwips`, before anything is cut.
    void lines(QPainter& p, const QRectF& r, const QString& s, double heightTwips, double smallestTwips,
               const QColor& colour, int flags, bool bold = false);
    void button(QPainter& p, const QRectF& twipsRect, const QString& text, bool focused, bool central);
    void text(QPainter& p, const QRectF& r, const QString& s, double heightTwips, const QColor& colour,
               int flags = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false);

    Session& s_;
    WindowRoutines& ui_;
    PictureCache pictures_;
    int registerScroll_ = 0;  // register lines scrolled back from the latest
    int registerWheel_ = 0;      // wheel movement not yet a whole line
    int64_t subtitleRepaintAt_ = 0;  // the subtitle end a repaint is already set for
    bool closable_ = false;
};

}  // namespace zelvo
