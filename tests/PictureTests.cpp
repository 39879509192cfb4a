// With no window: the pixels a line lights on the window's canvas and on a painter (the road of
// the vector exports and the printer), a whole picture the same on both but for slanted lines;
// numbers in another locale and at the edges of the general format, pixels of absurd values.

#include "Coefficients.h"
#include "Conversions.h"
#include "Exception.h"
#include "ImageCanvas.h"
#include "PainterCanvas.h"
#include "Picture.h"
#include "PixelMath.h"
#include "WindowStyle.h"

#include <QPainter>
#include <algorithm>
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace {

constexpr QSize kSize(plot::kPictureWidth, plot::kPictureHeight);

// The ends of a line "x1,y1 x2,y2", pixels it must light, and how many it lights in all.
const std::tuple<const char*, const char*, int> kLines[] = {
    // One pixel per step from the start; the end pixel is not painted, in every direction.
    {"98,100 102,100", "98,100 99,100 100,100 101,100", 4},
    {"100,102 100,98", "100,102 100,101 100,100 100,99", 4},
    {"102,98 98,102", "102,98 101,99 100,100 99,101", 4},
    {"5,5 4,6", "5,5", 1},
    {"5,5 5,5", "", 0},
    // On an exact half, the smaller minor coordinate, whichever way the line runs.
    {"0,0 4,1", "0,0 1,0 2,0 3,1", 4},
    {"4,1 0,0", "4,1 3,1 2,0 1,0", 4},
    {"4,0 0,1", "4,0 3,0 2,0 1,1", 4},
    {"1,4 0,0", "1,4 1,3 0,2 0,1", 4},
    {"0,0 10,3", "0,0 1,0 2,1 3,1 4,1 5,1 6,2 7,2 8,2 9,3", 10},
    // At the edges of the image, and far outside it (products beyond 32 bits).
    {"987,605 987,602", "987,605 987,604 987,603", 3},
    {"-1000000,303 1000000,303", "0,303 987,303", 988},
    {"-1000000,0 1000000,1", "0,0 1,1 987,1", 988},
    {"1000000,605 -1000000,604", "0,604 1,605 987,605", 988},
    {"301,2000000 300,-2000000", "300,0 301,1 301,605", 606},
    {"100,100 1000100,500100", "100,100 101,100 102,101 987,543", 888},
};

QPoint point(const QString& text) {
    return {text.section(u',', 0, 0).toInt(), text.section(u',', 1).toInt()};
}

qsizetype blackPixels(const QImage& image) {
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return std::count(pixels, pixels + image.width() * image.height(), 0xff000000u);
}

// The passes of some reference scenarios, and whether the envelope is filled.
const std::tuple<const char*, spectrum::PassInput, bool> kCases[] = {
    {"defaults", {{300, 100, {1, 0, 0, 0, 0, 0, 0}}, 20, 0, 20, true, false}, true},
    {"count3-curve", {{300, 100, {1, 0, 0, 0, 0, 0, 0}}, 3, 1, 3, true, false}, false},
    {"ones-200-no-envelope", {{800, 100, {1, 1, 1, 1, 1, 1, 1}}, 200, 1, 200, false, false}, false},
    {"odd-49-show-all", {{37440, 780, {2, 9, 12, 12, 1, 4, 1}}, 49, 1, 49, true, true}, true},
    {"zero-period", {{0, 100, {1, -3, 0, 0, 0, 0, 0}}, 20, 0, 20, true, false}, true},
};

// What `draw` leaves on the window's canvas, or through a painter on an image of its size.
QImage drawn(bool throughPainter, QColor background, const std::function<void(TCanvas&)>& draw) {
    ImageCanvas canvas(kSize.width(), kSize.height(), background);
    canvas.SetFont(windowFont());
    if (!throughPainter) {
        draw(canvas);
        return canvas.image();
    }
    QImage image = canvas.image();
    QPainter painter(&image);
    PainterCanvas vectors(painter, kSize, background);
    vectors.SetFont(windowFont());
    draw(vectors);
    painter.end();
    return image;
}

} // namespace

TEST(Canvas, LinesLightOnePixelPerStepFromTheirStartAndNotTheirEnd) {
    for (const auto& [ends, pixels, count] : kLines) {
        SCOPED_TRACE(ends);
        const QStringList end = QString::fromUtf8(ends).split(u' ');
        const QPoint from = point(end[0]);
        const QPoint to = point(end[1]);
        const auto line = [&](TCanvas& canvas) {
            canvas.MoveTo(from.x(), from.y());
            canvas.LineTo(to.x(), to.y());
        };
        const QImage lit = drawn(false, Qt::white, line);
        EXPECT_EQ(blackPixels(lit), count);
        for (const QString& pixel : QString::fromUtf8(pixels).split(u' ', Qt::SkipEmptyParts))
            EXPECT_EQ(lit.pixel(point(pixel)), 0xff000000u) << qPrintable(pixel);
        // A painter covers the same pixels with a straight line, and one pixel per step with a
        // slanted one, which runs from centre to centre and may light its end, not its start.
        const QImage painted = drawn(true, Qt::white, line);
        if (from.x() == to.x() || from.y() == to.y())
            EXPECT_TRUE(painted == lit);
        else
            EXPECT_NEAR(blackPixels(painted), count, 1);
    }
}

TEST(Picture, PainterCoversTheSamePixelsAsTheWindow) {
    // Inside the spectrum panel, clear of the arrowheads, every line is straight up or across, and
    // so is its frame, seen two pixels deep from its outline inwards on every side.
    const auto [left, top, right, bottom] = plot::kSpectrumFrame;
    const QRect straight[] = {{60, 40, 380, 459},
                              {left, top, right - left, 2},
                              {left, bottom - 2, right - left, 2},
                              {left, top, 2, bottom - top},
                              {right - 2, top, 2, bottom - top}};
    for (const auto& [name, input, filled] : kCases) {
        const auto pass = [&](TCanvas& canvas) {
            DrawPass(canvas, spectrum::computePass(input), filled);
        };
        const QImage window = drawn(false, windowFace(), pass);
        const QImage painter = drawn(true, windowFace(), pass);
        for (const QRect& area : straight)
            EXPECT_EQ(window.copy(area), painter.copy(area))
                << name << " in " << area.x() << ',' << area.y();
    }
}

TEST(Conversions, TextsOfNumbers) {
    for (const QString& text :
         QStringLiteral("|2147483648|-2147483649|--5|- 5|5 |1.5|1e3").split(u'|'))
        EXPECT_THROW(StrToInt(text), EConvertError) << qPrintable(text);
    const std::pair<double, const char*> texts[] = {
        {0.1 + 0.2, "0.3"},          {999999999999999.0, "999999999999999"},
        {999999999999999.9, "1E15"}, {-1.5e20, "-1.5E20"},
        {0.00009, "9E-5"},           {9.999999999999999e-5, "0.0001"}};
    for (const auto& [value, text] : texts)
        EXPECT_EQ(FloatToStr(value), QString::fromUtf8(text));
    EXPECT_EQ(StrToFloat(QStringLiteral(" -7.5e+1 ")), -75.0);
    EXPECT_THROW(StrToFloat(QStringLiteral("1,5")), EConvertError);
    SetDecimalSeparator(u',');
    EXPECT_EQ(FloatToStr(4.42615029219009e-5), QStringLiteral("4,42615029219009E-5"));
    EXPECT_EQ(StrToFloat(QStringLiteral("-0,3")), -0.3);
    SetDecimalSeparator(u'.');
}

TEST(Pixels, TruncatedTowardZeroClampedFarOutsideAndNoneForNaN) {
    using namespace plot;
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(toPixel(-2.7L), -2);
    EXPECT_EQ(toPixel(1e300L), kFarPixel);
    EXPECT_EQ(toPixel(-1e300L), -kFarPixel);
    EXPECT_EQ(toPixel(nan), std::nullopt);
    EXPECT_EQ(spectrum::truncateToInt(-1e12L), INT_MIN);
    EXPECT_EQ(spectrum::truncateToInt(nan), 0);
}
