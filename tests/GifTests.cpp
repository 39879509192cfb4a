// The build-up GIF read back with giflib shows every picture exactly, for as long as asked, over
// and over, storing only what changed; a picture it could only approximate gives no file.

#include "BuildUpGif.h"
#include "Export.h"
#include "GifWriter.h"

#include <QGuiApplication>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QSize kSize(988, 606);
const QRgb kFace = qRgb(212, 208, 200), kInk = qRgb(0, 0, 0), kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0), kFresh = qRgb(0, 128, 64); // kFresh: in no frame before its own

// Each frame is the one before, from a plain face on, with one rectangle filled, so what changed is
// known beforehand; the frames alternate between two formats, which must not matter.
struct Step {
    QRect fill; // none: the same picture again
    QRgb colour;
    int delayMs, shownMs;
    QRect stored;
};

const Step kSteps[] = {
    {{600, 100, 20, 200}, kBlue, 400, 400, {0, 0, 988, 606}}, // the first frame is whole
    {{40, 300, 908, 1}, kInk, 400, 400, {40, 300, 908, 1}},   // an axis in a new colour
    {{}, 0, 404, 400, {0, 0, 1, 1}},                          // unchanged, rounded down
    {{100, 50, 200, 30}, kRed, 400, 400, {100, 50, 200, 30}}, // a new bar
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
        image.setPixel(i, 0, qRgb((start + i) & 0xff, (start + i) >> 8, 77));
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
    QImage picture(kSize, QImage::Format_RGB32);
    picture.fill(kFace);
    for (const Step& step : kSteps) {
        QPainter(&picture).fillRect(step.fill, QColor(step.colour));
        reinterpret_cast<QRgb*>(picture.bits())[0] &= 0xffffff; // a top byte that is no colour
        pictures.push_back(picture);
        const auto format = pictures.size() % 2 ? QImage::Format_RGB888 : QImage::Format_RGB32;
        ASSERT_TRUE(writer.addFrame(picture.convertToFormat(format), step.delayMs))
            << writer.error().toStdString();
    }
    const QByteArray bytes = writer.finish().value_or(QByteArray());
    EXPECT_TRUE(bytes.startsWith("GIF89a")); // the version that knows delays and transparency
    const std::optional<DecodedGif> gif = decodeGif(bytes);
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->loopCount, 0);
    ASSERT_EQ(gif->frames.size(), std::size(kSteps));
    for (std::size_t i = 0; i < gif->frames.size(); ++i) {
        EXPECT_TRUE(gif->frames[i].canvas == pictures[i]) << "frame " << i;
        EXPECT_EQ(gif->frames[i].rect, kSteps[i].stored) << "frame " << i;
        EXPECT_EQ(gif->frames[i].delayMs, kSteps[i].shownMs) << "frame " << i;
    }
}

// A frame with more colours than a table holds, or of another size, gives no file.
TEST(Gif, RefusesWhatItCannotShowExactly) {
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
        const auto gif = decodeGif(bytes.value_or(QByteArray()));
        EXPECT_EQ(std::pair(added, bytes.has_value()), std::pair(!c.refused, !c.refused));
        EXPECT_EQ(writer.error().toStdString(),
                  c.refused ? "the picture has more than 255 colours" : "");
        EXPECT_TRUE(c.refused || (gif && gif->frames.back().canvas == later));
    }
    GifWriter writer(kSize);
    EXPECT_FALSE(writer.addFrame(QImage(QSize(10, 10), QImage::Format_RGB32), 400) ||
                 writer.finish());
}

// Frame k is the PNG of the range FROM ... k at the same scale, each for the pace asked but the
// last, held for 3 s; two hundred of them stay under a megabyte.
TEST(BuildUpGif, EachFrameIsThePngOfItsRangeAndTheLastIsHeld) {
    struct Case {
        ::Setup setup;
        int scale, frameMs, checkEvery;
    };
    const Case cases[] = {
        {{.packet = {2, 1, 1, 3, 1, 1, 2, 5}, .rangeFrom = 3, .rangeTo = 7}, 2, 250, 1},
        {{.harmonics = 200, .rangeTo = 200}, 1, 400, 50}};
    for (const auto& [setup, scale, frameMs, checkEvery] : cases) {
        const std::optional<QByteArray> bytes = buildUpGif(setup, scale, frameMs, nullptr);
        ASSERT_TRUE(bytes && bytes->size() < 1 << 20);
        int k = setup.rangeFrom;
        const auto gif = decodeGif(*bytes, [&](const GifFrame& frame) {
            EXPECT_TRUE((k % checkEvery != 0 && k != setup.rangeTo) ||
                        frame.canvas == exportedPng(setup, k, scale))
                << k;
            EXPECT_EQ(frame.delayMs, k++ == setup.rangeTo ? 3000 : frameMs);
        });
        ASSERT_TRUE(gif);
        EXPECT_EQ(gif->loopCount, 0);
        EXPECT_EQ(k, setup.rangeTo + 1);
    }
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
