// A pass computed and drawn with no window at all: on a bare image canvas it gives the reviewed
// picture of the window, and on a painter (the road of the vector exports and the printer) the
// same pixels wherever the picture has no slanted line.

#include "ImageCanvas.h"
#include "PainterCanvas.h"
#include "Picture.h"
#include "PixelMath.h"
#include "WindowStyle.h"

#include <QGuiApplication>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct Case {
    const char* reference; // the window's reviewed picture under tests/reference/
    spectrum::PassInput input;
    bool filled;
};

const Case kCases[] = {
    {"defaults", {{300, 100, {1, 0, 0, 0, 0, 0, 0}}, 20, 0, 20, true, false}, true},
    {"count3-curve", {{300, 100, {1, 0, 0, 0, 0, 0, 0}}, 3, 1, 3, true, false}, false},
    {"ones-200-no-envelope", {{800, 100, {1, 1, 1, 1, 1, 1, 1}}, 200, 1, 200, false, false}, false},
    {"odd-49-show-all", {{37440, 780, {2, 9, 12, 12, 1, 4, 1}}, 49, 1, 49, true, true}, true},
    {"zero-period", {{0, 100, {1, -3, 0, 0, 0, 0, 0}}, 20, 0, 20, true, false}, true},
};

QImage bareCanvasPicture(const Case& c) {
    ImageCanvas canvas(plot::kPictureWidth, plot::kPictureHeight, windowFace());
    canvas.SetFont(windowFont());
    DrawPass(canvas, spectrum::computePass(c.input), c.filled);
    return canvas.image();
}

QImage painterPicture(const Case& c) {
    QImage image(plot::kPictureWidth, plot::kPictureHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter, image.size(), windowFace());
    canvas.SetFont(windowFont());
    DrawPass(canvas, spectrum::computePass(c.input), c.filled);
    return image;
}

} // namespace

TEST(Picture, BareCanvasDrawsTheWindowsPicture) {
    for (const Case& c : kCases) {
        const QImage reference =
            QImage(QStringLiteral(TOVENAL_REFERENCE_DIR "/%1.png").arg(QString::fromUtf8(c.reference)))
                .convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(reference.isNull()) << c.reference;
        EXPECT_EQ(bareCanvasPicture(c), reference) << c.reference;
    }
}

TEST(Picture, PainterCoversTheSamePixelsAsTheWindow) {
    // Inside the spectrum panel, clear of the arrowheads, every line is straight up or across.
    const QRect straight(60, 40, 380, 459);
    for (const Case& c : kCases) {
        const QImage expected = bareCanvasPicture(c).copy(straight);
        const QImage painted = painterPicture(c).copy(straight);
        int differing = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                differing += expected.pixel(x, y) != painted.pixel(x, y);
        EXPECT_EQ(differing, 0) << c.reference;
    }
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
