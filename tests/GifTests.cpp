// The GIF writer, read back with giflib: every picture shown exactly, for as long as asked, over
// and over, storing only what changed; a picture it could only approximate gives no file.

#include "BuildUpGif.h"
#include "Export.h"
#include "GifWriter.h"

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
    // The colours of the first frame, those new in the second (none: the first again), and whether
    // that is refused.
    const std::tuple<int, int, bool> cases[] = {
        {255, 0, false}, {256, 0, true}, {300, 0, true}, {10, 245, false}, {10, 246, true}};
    for (const auto& [firstColours, laterColours, refused] : cases) {
        SCOPED_TRACE(testing::Message() << firstColours << " + " << laterColours);
        GifWriter writer(kSize);
        const QImage first = manyColours(0, firstColours);
        const QImage later = laterColours > 0 ? manyColours(1000, laterColours) : first;
        const bool added = writer.addFrame(first, 400) && writer.addFrame(later, 400);
        const std::optional<QByteArray> bytes = writer.finish();
        const auto gif = decodeGif(bytes.value_or(QByteArray()));
        EXPECT_EQ(std::pair(added, bytes.has_value()), std::pair(!refused, !refused));
        EXPECT_EQ(writer.error().toStdString(),
                  refused ? "the picture has more than 255 colours" : "");
        EXPECT_TRUE(refused || (gif && gif->frames.back().canvas == later));
    }
    GifWriter writer(kSize);
    EXPECT_FALSE(writer.addFrame(QImage(QSize(10, 10), QImage::Format_RGB32), 400) ||
                 writer.finish());
}

// Two hundred frames of the window's pictures stay under a megabyte; the last is the whole range,
// its envelope filled as the set-up says by default.
TEST(BuildUpGif, TwoHundredFramesStayUnderAMegabyte) {
    const ::Setup setup{.harmonics = 200, .rangeTo = 200};
    const std::optional<QByteArray> bytes = buildUpGif(setup, 1, 400, nullptr);
    ASSERT_TRUE(bytes);
    EXPECT_LT(bytes->size(), 1 << 20);
    QImage last;
    ASSERT_TRUE(decodeGif(*bytes, [&last](const GifFrame& frame) { last = frame.canvas; }));
    EXPECT_TRUE(last == pictureOf(spectrum::computePass(passInputOf(setup)), true));
}
