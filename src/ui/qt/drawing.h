#pragma once
// What the two windows share in drawing: a design size in twips shown at one
// uniform scale, and the pictures of the data root, each kept at the size it is drawn.
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <string>

namespace zelvo {

// Twips of a drawing `width` × `height` → pixels of a widget, keeping the proportions; the
// drawing lies in the middle of a widget of other proportions.
struct Scale {
    int width, height;
    double of(const QWidget& w) const { return std::min(w.width() / double(width), w.height() / double(height)); }
    QPointF origin(const QWidget& w) const {
        const double s = of(w);
        return {(w.width() - width * s) / 2, (w.height() - height * s) / 2};
    }
    QRectF twips(const QWidget& w, double left, double top, double width, double height) const {
        const double s = of(w);
        return QRectF(left * s, top * s, width * s, height * s).translated(origin(w));
    }
    // A point of the widget in twips of the drawing.
    QPointF toTwips(const QWidget& w, const QPointF& pixels) const { return (pixels - origin(w)) / of(w); }
};

// Where a picture goes inside a frame at its own proportions: as large as fits, centred.
inline QRectF fitted(const QRectF& frame, const QSizeF& picture) {
    if (picture.isEmpty()) return frame;
    const double k = std::min(frame.width() / picture.width(), frame.height() / picture.height());
    const QSizeF d = picture * k;
    return {frame.center().x() - d.width() / 2, frame.center().y() - d.height() / 2, d.width(), d.height()};
}

// The middle part of a picture that has a frame's proportions, for filling the frame without stretching.
inline QRectF croppedTo(const QSizeF& picture, const QSizeF& frame) {
    if (frame.isEmpty()) return {QPointF(0, 0), picture};
    const double k = std::min(picture.width() / frame.width(), picture.height() / frame.height());
    const QSizeF d = frame * k;
    return {(picture.width() - d.width()) / 2, (picture.height() - d.height()) / 2, d.width(), d.height()};
}

// Wrapped text in a rectangle, in the widget's font at `heightPixels` pixels (never below 6).
inline void writeText(QPainter& p, const QWidget& w, const QRectF& r, const QString& s, double heightPixels,
                        const QColor& colour, int flags, bool bold) {
    QFont f = w.font();
    f.setPixelSize(std::max(6, int(heightPixels)));
    f.setBold(bold);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, flags | Qt::TextWordWrap, s);
}

class PictureCache {
public:
    // `realPath` maps a path of the game's data root to the real file.
    explicit PictureCache(std::function<QString(const std::string&)> realPath)
        : realPath_(std::move(realPath)) {}
    // The picture of a path with its own proportions, no larger than it takes to cover `drawn`
    // device pixels: a deck costs what the screen shows, not what its files hold. Null when there
    // is none (an empty path, a missing or unreadable file). Asked for at another size (the
    // window was resized), the file is read again.
    const QPixmap* operator()(const std::string& path, const QSizeF& drawn) {
        if (path.empty()) return nullptr;
        const QString real = realPath_(path);
        const QSize want = drawn.toSize().expandedTo(QSize(1, 1));
        auto it = cache_.find(real);
        if (it == cache_.end() || it->drawn != want) {
            QImage image(real);
            const QSize enough = image.size().scaled(want, Qt::KeepAspectRatioByExpanding);
            if (!image.isNull() && enough.width() < image.width())
                image = image.scaled(enough, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            it = cache_.insert(real, {want, QPixmap::fromImage(image)});
        }
        return it->pixmap.isNull() ? nullptr : &it->pixmap;
    }

private:
    struct Kept {
        QSize drawn;
        QPixmap pixmap;
    };
    std::function<QString(const std::string&)> realPath_;
    QHash<QString, Kept> cache_;
};

}  // namespace zelvo
