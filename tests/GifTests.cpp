// The GIF writer, read back by Qt's reader: every picture shown exactly, for as long as asked, over
// and over, storing only what changed; a picture it could only approximate gives no file.

#include "BuildUpGif.h"
#include "Export.h"
#include "GifReading.h"
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

// Where each frame stores its pixels, from its image descriptor, which Qt's reader keeps to itself:
// the blocks walked as GIF89a lays them out; none when one is no block.
std::vector<QRect> storedRects(const QByteArray& gif) {
    const auto byte = [&gif](qsizetype at) { return at < gif.size() ? quint8(gif[at]) : 0; };
    const auto word = [&byte](qsizetype at) { return byte(at) | byte(at + 1) << 8; };
    // Bit 7 of the flags announces a colour table of 2^(bits 0-2 + 1) entries of three bytes.
    const auto table = [](int flags) { return flags & 0x80 ? 3 << ((flags & 7) + 1) : 0; };
    std::vector<QRect> rects;
    // Past the header and the screen, up to the trailer: extensions (0x21, a label) and images
    // (0x2C, a descriptor, a table, the LZW code size), each ending in sub-blocks, the last empty.
    for (qsizetype at = 13 + table(byte(10)); byte(at) != 0x3b; ++at) {
        if (byte(at) == 0x2c)
            rects.emplace_back(word(at + 1), word(at + 3), word(at + 5), word(at + 7));
        else if (byte(at) != 0x21)
            return {};
        at += byte(at) == 0x21 ? 2 : 11 + table(byte(at + 9));
        while (byte(at) != 0)
            at += byte(at) + 1;
    }
    return rects;
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
    EXPECT_TRUE(bytes.contains(QByteArray("NETSCAPE2.0\3\1\0\0", 15))); // looping forever
    const auto shown = shownFrames(bytes);
    const std::vector<QRect> stored = storedRects(bytes);
    ASSERT_EQ(std::pair(shown.size(), stored.size()),
              std::pair(std::size(kSteps), std::size(kSteps)));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(shown[i].first == pictures[i]) << "frame " << i;
        EXPECT_EQ(stored[i], kSteps[i].stored) << "frame " << i;
        EXPECT_EQ(shown[i].second, kSteps[i].shownMs) << "frame " << i;
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
        EXPECT_EQ(std::pair(added, bytes.has_value()), std::pair(!refused, !refused));
        EXPECT_EQ(writer.error().toStdString(),
                  refused ? "the picture has more than 255 colours" : "");
        const auto shown = shownFrames(bytes.value_or(QByteArray()), true);
        EXPECT_TRUE(refused || (shown.size() == 1 && shown[0].first == later));
    }
    GifWriter writer(kSize);
    EXPECT_FALSE(writer.addFrame(QImage(QSize(10, 10), QImage::Format_RGB32), 400) ||
                 writer.finish());
}

// Two hundred frames of the window's pictures stay under a megabyte; the last is the whole range,
// its envelope filled as the set-up says by default.
TEST(BuildUpGif, TwoHundredFramesStayUnderAMegabyte) {
    const ::Setup setup{.harmonics = 200, .rangeTo = 200};
    const std::optional<QByteArray> bytes = buildUpGif(setup, {}, 400, nullptr);
    ASSERT_TRUE(bytes);
    EXPECT_LT(bytes->size(), 1 << 20);
    const auto shown = shownFrames(*bytes, true);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].first == pictureOf(spectrum::computePass(passInputOf(setup)), true));
}
