// The window's pictures are kept at the size they are drawn, in their own proportions.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "ui/qt/drawing.h"

namespace zelvo {
namespace {

TEST(PictureCache, KeepsAPictureNoLargerThanItIsDrawnAndReadsItAgainAtANewSize) {
    QTemporaryDir dir;
    QImage tall(400, 800, QImage::Format_RGB32);
    tall.fill(Qt::red);
    ASSERT_TRUE(tall.save(dir.filePath("tall.png")));
    PictureCache cache([&](const std::string& p) { return dir.filePath(QString::fromStdString(p)); });

    const struct {
        QSizeF drawn;
        QSize kept;
    } cases[] = {
        {{100, 100}, {100, 200}},    // covers the place, keeping 1 : 2
        {{100, 400}, {200, 400}},
        {{1000, 1000}, {400, 800}},  // never larger than the file
        {{50, 100}, {50, 100}},
    };
    for (const auto& c : cases) {
        const QPixmap* pm = cache("tall.png", c.drawn);
        ASSERT_TRUE(pm);
        EXPECT_EQ(pm->size(), c.kept) << c.drawn.width() << "x" << c.drawn.height();
    }
    EXPECT_EQ(cache("", {10, 10}), nullptr);
    EXPECT_EQ(cache("missing.png", {10, 10}), nullptr);
}

}  // namespace
}  // namespace zelvo
