#include "ui/qt/title_view.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QValidator>

#include "formats/text_file.h"
#include "ui/title_window.h"

namespace zelvo {

namespace {

QColor qcolour(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

const char* const SCRITTA1 =
    "Il più simpatico e straordinario Giocatore Virtuale di Briscola che avete mai osato sfidare:";
const char* const SCRITTA2 = "ZELVO";
const char* const VERSIONE = "Vers. 2.0";
const char* const DEDICA = "Per chi non ha mai perso la voglia di una partita a carte";

// The symbols at their own widths, on four fixed centres far enough apart for the widest.
constexpr double SIMBOLO_ALTEZZA = 2400, SIMBOLI_TOP = 2150;
constexpr int SIMBOLO_CENTRO[5] = {0, 2400, 4800, 7200, 9600};
// The box of the name entry.
constexpr int BOX_LEFT = 2700, BOX_TOP = 4750, BOX_L = 6600, BOX_A = 1500;

// Only names the game's files can hold word for word: no double quote, nothing
// outside Windows-1252. What cannot be typed is simply not taken.
class ValidatoreNome final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& s, int&) const override {
        const std::string utf8 = s.toStdString();
        return textfile::asStored(utf8) == utf8 ? Acceptable : Invalid;
    }
};

}  // namespace

TitleView::TitleView(TitleWindow& w, std::function<QString(const std::string&)> realPath, QWidget* parent)
    : QWidget(parent), w_(w), pictures_(std::move(realPath)) {
    setWindowTitle("Zelvo");
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(WIDTH / 25, HEIGHT / 25);
    txtNome_ = new QLineEdit(this);
    txtNome_->setValidator(new ValidatoreNome(txtNome_));
    txtNome_->setAccessibleName("Nome");
    cmdOk_ = new QPushButton("OK", this);
    setFocusProxy(txtNome_);  // the window opens ready for the name
    connect(txtNome_, &QLineEdit::textEdited, this, [this](const QString& t) { edited(t); });
    // Enter in the entry is not taken by it: it reaches the window's own key press, once.
    connect(cmdOk_, &QPushButton::clicked, this, [this] {
        w_.cmdOk_Click();
        update();
    });
    refreshEntry();
}

QSize TitleView::sizeHint() const { return {WIDTH / 15, HEIGHT / 15}; }

double TitleView::scale() const { return Scale{WIDTH, HEIGHT}.of(*this); }

QRectF TitleView::twips(double left, double top, double w, double h) const {
    return Scale{WIDTH, HEIGHT}.twips(*this, left, top, w, h);
}

void TitleView::refreshEntry() {
    const QString t = QString::fromStdString(w_.m.txtNome);
    if (txtNome_->text() != t) txtNome_->setText(t);
}

void TitleView::edited(const QString& text) {
    w_.m.txtNome = text.toStdString();
    w_.txtNome_KeyPress();
    refreshEntry();
    txtNome_->setFocus();
}

void TitleView::resizeEvent(QResizeEvent*) {
    txtNome_->setGeometry(twips(BOX_LEFT + 1200, BOX_TOP + 750, 4000, 480).toRect());
    cmdOk_->setGeometry(twips(BOX_LEFT + 5350, BOX_TOP + 750, 1050, 480).toRect());
    QFont f = font();
    f.setPixelSize(std::max(8, int(230 * scale())));
    txtNome_->setFont(f);
    cmdOk_->setFont(f);
}

void TitleView::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        w_.Form_KeyPress(13);
        update();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TitleView::paintEvent(QPaintEvent*) {
    const TitleModel& m = w_.m;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), QColor(20, 20, 30));
    // The background reaches the window's edges, whatever its proportions.
    const QRectF whole = rect();
    if (const QPixmap* ground = picture("C:\\Programmi\\Zelvo\\Grafica\\Inghil.bmp", whole.size()))
        p.drawPixmap(whole, *ground, croppedTo(ground->size(), whole.size()));
    p.fillRect(whole, QColor(10, 25, 45, 185));  // the flag stays a watermark under the writing

    auto scrivi = [&](const QRectF& r, const QString& s, double height, const QColor& c, int flags, bool bold) {
        writeText(p, *this, r, s, height * scale(), c, flags, bold);
    };
    scrivi(twips(400, 250, WIDTH - 800, 700), SCRITTA1, 230, Qt::white, Qt::AlignCenter, false);
    if (m.lblScritta2Visible)
        scrivi(twips(0, 850, WIDTH, 1200), SCRITTA2, 950, QColor(245, 200, 70), Qt::AlignCenter, true);

    for (int k = 1; k <= 4; ++k) {
        const double l = m.symbolWidth[k];
        const QRectF place = twips(SIMBOLO_CENTRO[k] - l / 2, SIMBOLI_TOP, l, SIMBOLO_ALTEZZA);
        if (const QPixmap* pm = picture(m.ImgSimbolo[k], place.size())) p.drawPixmap(place, *pm, pm->rect());
    }

    // The entry's box: light, so that the prompt reads in red and in black alike.
    const QRectF box = twips(BOX_LEFT, BOX_TOP, BOX_L, BOX_A);
    p.setPen(QPen(QColor(120, 90, 40), 2));
    p.setBrush(QColor(250, 240, 215));
    p.drawRoundedRect(box, 8, 8);
    if (m.lblInserisciVisible)
        scrivi(twips(BOX_LEFT + 150, BOX_TOP + 80, BOX_L - 300, 600), QString::fromStdString(m.lblInserisci), 210,
               qcolour(m.lblInserisciColore), Qt::AlignCenter, true);
    const QRectF flagPlace = twips(BOX_LEFT + 200, BOX_TOP + 750, 760, 480);
    if (const QPixmap* flag = picture("C:\\Programmi\\Zelvo\\Grafica\\Italia.bmp", flagPlace.size()))
        p.drawPixmap(fitted(flagPlace, flag->size()), *flag, flag->rect());

    scrivi(twips(300, 6900, 8000, 400), DEDICA, 180, QColor(220, 220, 220), Qt::AlignLeft | Qt::AlignVCenter, false);
    scrivi(twips(WIDTH - 2300, 6900, 2000, 400), VERSIONE, 180, QColor(220, 220, 220),
           Qt::AlignRight | Qt::AlignVCenter, false);
}

}  // namespace zelvo
