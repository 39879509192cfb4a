// The build-up GIF read back with giflib shows every picture exactly, for as long as asked, over
// and over, storing only what changed; a picture it could only approximate gives no file.

#include "BuildUpGif.h"
#include "Export.h"
#include "GifWriter.h"
#include "PixelMath.h"

#include <QGuiApplication>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QSize kSize(988, 606);
const QRgb kFace = qRgb(212, 208, 200);
const QRgb kInk = qRgb(0, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kFresh = qRgb(0, 128, 64); // in no frame before the one that brings it

// Face, two axes and a bar; column 0 is all face, the axes start at x = 40.
QImage firstPicture() {
    QImage image(kSize, QImage::Format_RGB32);
    image.fill(kFace);
    QPainter painter(&image);
    painter.fillRect(40, 300, 908, 1, QColor(kInk));
    painter.fillRect(40, 40, 1, 521, QColor(kInk));
    painter.fillRect(600, 100, 20, 200, QColor(kBlue));
    return image;
}

// Each frame is the one before with one rectangle filled, so what changed is known beforehand.
struct Step {
    QRect fill; // none: the same picture again
    QRgb colour;
    int delayMs, shownMs;
    QRect stored;
};

const Step kSteps[] = {
    {{}, 0, 400, 400, {0, 0, 988, 606}},                      // the first frame is whole
    {{100, 50, 200, 30}, kRed, 400, 400, {100, 50, 200, 30}}, // a new bar
    {{}, 0, 404, 400, {0, 0, 1, 1}},                          // unchanged, rounded down
    {{100, 50, 250, 30}, kRed, 406, 410, {300, 50, 50, 30}},  // the bar grows, rounded up
    {{80, 40, 300, 60}, kRed, 400, 400, {80, 40, 300, 60}},   // a frame round the bar
    {{590, 290, 40, 20}, kInk, 400, 400, {590, 290, 40, 20}}, // over axis, bar and face
    {{987, 605, 1, 1}, kBlue, 400, 400, {987, 605, 1, 1}},    // the last corner
    {{0, 0, 1, 606}, kFresh, 400, 400, {0, 0, 1, 606}},       // a colour the first lacked
    {{0, 0, 1, 606}, kFace, 400, 400, {0, 0, 1, 606}},        // and gone again
    {{60, 500, 900, 2}, kInk, 3000, 3000, {60, 500, 900, 2}}, // the held last frame
};

// A picture of count distinct colours, all new from the index start on.
QImage manyColours(int start, int count) {
    QImage image(kSize, QImage::Format_RGB32);
    image.fill(qRgb(start & 0xff, start >> 8, 77));
    for (int i = 0; i < count; ++i)
        image.setPixel(i % kSize.width(), i / kSize.width(),
                       qRgb((start + i) & 0xff, (start + i) >> 8, 77));
    return image;
}

// The PNG the command line exports for the set-up with the range's upper end at k, decoded.
QImage exportedPng(::Setup setup, int k, int scale) {
    setup.rangeTo = k;
    const QByteArray png =
        pngOf(pictureOf(spectrum::computePass(passInputOf(setup)), filledEnvelope(setup)), scale);
    return QImage::fromData(png).convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(Gif, ShowsEachFrameExactlyStoringOnlyTheChange) {
    GifWriter writer(kSize);
    std::vector<QImage> pictures;
    QImage picture = firstPicture();
    for (const Step& step : kSteps) {
        if (!step.fill.isNull())
            QPainter(&picture).fillRect(step.fill, QColor(step.colour));
        pictures.push_back(picture);
        // Whatever the caller's format, the colours are the same.
        const auto format = pictures.size() % 2 ? QImage::Format_RGB888 : QImage::Format_RGB32;
        ASSERT_TRUE(writer.addFrame(picture.convertToFormat(format), step.delayMs))
            << writer.error().toStdString();
    }
    const QByteArray bytes = writer.finish().value_or(QByteArray());
    EXPECT_TRUE(bytes.startsWith("GIF89a")); // the version that knows delays and transparency
    const std::optional<DecodedGif> gif = decodeGif(bytes);
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->size, kSize);
    EXPECT_EQ(gif->loopCount, 0);
    ASSERT_EQ(gif->frames.size(), std::size(kSteps));
    for (std::size_t i = 0; i < gif->frames.size(); ++i) {
        EXPECT_TRUE(gif->frames[i].canvas == pictures[i]) << "frame " << i;
        EXPECT_EQ(gif->frames[i].rect, kSteps[i].stored) << "frame " << i;
        EXPECT_EQ(gif->frames[i].delayMs, kSteps[i].shownMs) << "frame " << i;
    }
}

TEST(Gif, RefusesMoreColoursThanATableHolds) {
    struct Case {
        int firstColours, laterColours; // later: new in the second frame, none: the first again
        bool refused;
    };
    const Case cases[] = {
        {255, 0, false}, {256, 0, true}, {300, 0, true}, {10, 245, false}, {10, 246, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.firstColours << " + " << c.laterColours);
        GifWriter writer(kSize);
        const QImage first = manyColours(0, c.firstColours);
        const QImage later = c.laterColours > 0 ? manyColours(1000, c.laterColours) : first;
        const bool added = writer.addFrame(first, 400) && writer.addFrame(later, 400);
        const std::optional<QByteArray> bytes = writer.finish();
        EXPECT_EQ(added, !c.refused);
        EXPECT_EQ(bytes.has_value(), !c.refused);
        const auto gif = decodeGif(bytes.value_or(QByteArray()));
        if (c.refused)
            EXPECT_EQ(writer.error().toStdString(), "the picture has more than 255 colours");
        else
            EXPECT_TRUE(gif && gif->frames.back().canvas == later);
    }
}

TEST(Gif, RefusesAFrameOfAnotherSizeAndBytesThatAreNoGif) {
    GifWriter writer(kSize);
    EXPECT_FALSE(writer.addFrame(QImage(QSize(10, 10), QImage::Format_RGB32), 400));
    EXPECT_FALSE(writer.finish());
    EXPECT_FALSE(decodeGif(QByteArray("GIF89a not really")));
}

// Frame k is the PNG of the range FROM,k at the same scale; only the rebuilt signal changes.
TEST(BuildUpGif, EachFrameIsThePngOfItsRangeAndTheLastIsHeld) {
    ::Setup setup;
    setup.packet = {2, 1, 1, 3, 1, 1, 2, 5};
    setup.rangeFrom = 3;
    setup.rangeTo = 7;
    const std::optional<QByteArray> bytes = buildUpGif(setup, 2, 250, nullptr);
    ASSERT_TRUE(bytes);
    const auto gif = decodeGif(*bytes);
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->loopCount, 0);
    ASSERT_EQ(gif->frames.size(), 5u);
    const QRect signal(QPoint(plot::kWaveFrame.left, plot::kWaveFrame.top) * 2,
                       QPoint(plot::kWaveFrame.right, plot::kWaveFrame.bottom) * 2);
    for (int k = 3; k <= 7; ++k) {
        const GifFrame& frame = gif->frames[static_cast<std::size_t>(k - 3)];
        EXPECT_TRUE(frame.canvas == exportedPng(setup, k, 2)) << k;
        EXPECT_EQ(frame.delayMs, k == 7 ? 3000 : 250) << k;
        if (k > 3) {
            EXPECT_TRUE(signal.contains(frame.rect) && !frame.rect.isEmpty()) << k;
        }
    }
}

TEST(BuildUpGif, TwoHundredHarmonicsStayUnderAMegabyte) {
    ::Setup setup;
    setup.harmonics = 200;
    setup.rangeTo = 200;
    const std::optional<QByteArray> bytes = buildUpGif(setup, 1, 400, nullptr);
    ASSERT_TRUE(bytes);
    EXPECT_LT(bytes->size(), 1 << 20);
    std::vector<int> checked;
    const auto gif = decodeGif(*bytes, [&](const GifFrame& frame) {
        const int k = static_cast<int>(checked.size());
        if (k % 50 == 0 || k == 200) {
            EXPECT_TRUE(frame.canvas == exportedPng(setup, k, 1)) << k;
        }
        checked.push_back(k);
    });
    ASSERT_TRUE(gif);
    EXPECT_EQ(checked.size(), 201u);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
