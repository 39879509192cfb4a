#include "Application.h"
#include "Canvas.h"
#include "WindowFixture.h"

#include <QFontMetrics>
#include <QPoint>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 988;
constexpr int kHeight = 606;
const QColor kButtonFace(240, 240, 240);
constexpr QRgb kFace = 0xf0f0f0;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xffffff;
constexpr QRgb kGrey = 0xc8c8c8;

QRgb at(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xffffffu;
}

// Every pixel that is no longer the background, row by row.
std::vector<QPoint> paintedPixels(const QImage& image) {
    std::vector<QPoint> painted;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) != kFace)
                painted.emplace_back(x, y);
    return painted;
}

std::vector<QPoint> sorted(std::vector<QPoint> points) {
    std::sort(points.begin(), points.end(),
              [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
    return points;
}

std::string describe(const std::vector<QPoint>& points) {
    std::string text;
    for (const QPoint p : points)
        text += "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ") ";
    return text;
}

// The pixels a single line paints on a fresh surface.
std::vector<QPoint> lineFrom(QPoint from, QPoint to) {
    TCanvas canvas(kWidth, kHeight, kButtonFace);
    canvas.MoveTo(from.x(), from.y());
    canvas.LineTo(to.x(), to.y());
    return paintedPixels(canvas.image());
}

// Shifts a small pattern drawn at the origin to where it is drawn on the surface.
std::vector<QPoint> shifted(std::vector<QPoint> points, QPoint by) {
    for (QPoint& p : points)
        p += by;
    return points;
}

void expectLine(QPoint from, QPoint to, const std::vector<QPoint>& expected) {
    const auto painted = sorted(lineFrom(from, to));
    const auto wanted = sorted(expected);
    EXPECT_EQ(painted, wanted) << "line (" << from.x() << "," << from.y() << ") to (" << to.x()
                               << "," << to.y() << ")\n  painted " << describe(painted)
                               << "\n  wanted  " << describe(wanted);
}

// The line rule written out step by step: one pixel per step along the longer axis, starting at
// the first end and stopping one step short of the second; across, the nearest whole pixel to the
// exact line, and on an exact half the smaller coordinate, whichever way the line runs. Walks
// every step, however long the line, and keeps only the pixels inside the image.
void referenceLine(QImage& image, QPoint from, QPoint to, QRgb rgb) {
    const std::int64_t x0 = from.x();
    const std::int64_t y0 = from.y();
    const std::int64_t dx = std::int64_t{to.x()} - x0;
    const std::int64_t dy = std::int64_t{to.y()} - y0;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = alongX ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t across = alongX ? dy : dx;
    for (std::int64_t n = 0; n < steps; ++n) {
        // Offset across the line: n * across / steps rounded to the nearest, halves down.
        const std::int64_t numerator = n * across;
        std::int64_t whole = numerator / steps;
        std::int64_t rest = numerator % steps;
        if (rest < 0) {
            --whole;
            rest += steps;
        }
        if (2 * rest > steps)
            ++whole;
        const std::int64_t x = alongX ? x0 + (dx > 0 ? n : -n) : x0 + whole;
        const std::int64_t y = alongX ? y0 + whole : y0 + (dy > 0 ? n : -n);
        if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
            image.setPixel(static_cast<int>(x), static_cast<int>(y), rgb);
    }
}

// Where two pictures first differ, or an empty text when they are the same.
std::string firstDifference(const QImage& actual, const QImage& expected) {
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (at(actual, x, y) != at(expected, x, y))
                return "pixel (" + std::to_string(x) + "," + std::to_string(y) + ") is " +
                       std::to_string(at(actual, x, y)) + ", expected " +
                       std::to_string(at(expected, x, y));
    return {};
}

QImage blankImage() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kButtonFace);
    return image;
}

} // namespace

TEST(CanvasTest, StraightLinesPaintTheirStartAndStopBeforeTheirEnd) {
    // Horizontal, both ways.
    expectLine({10, 20}, {15, 20}, {{10, 20}, {11, 20}, {12, 20}, {13, 20}, {14, 20}});
    expectLine({15, 20}, {10, 20}, {{15, 20}, {14, 20}, {13, 20}, {12, 20}, {11, 20}});
    // Vertical, both ways.
    expectLine({30, 40}, {30, 44}, {{30, 40}, {30, 41}, {30, 42}, {30, 43}});
    expectLine({30, 44}, {30, 40}, {{30, 44}, {30, 43}, {30, 42}, {30, 41}});
    // The four diagonals.
    expectLine({100, 100}, {104, 104}, {{100, 100}, {101, 101}, {102, 102}, {103, 103}});
    expectLine({104, 104}, {100, 100}, {{104, 104}, {103, 103}, {102, 102}, {101, 101}});
    expectLine({100, 104}, {104, 100}, {{100, 104}, {101, 103}, {102, 102}, {103, 101}});
    expectLine({104, 100}, {100, 104}, {{104, 100}, {103, 101}, {102, 102}, {101, 103}});
    // One step paints only the start.
    expectLine({5, 5}, {6, 5}, {{5, 5}});
    expectLine({5, 5}, {5, 4}, {{5, 5}});
    expectLine({5, 5}, {4, 6}, {{5, 5}});
    // The edges of the image are inside it.
    expectLine({0, 0}, {3, 0}, {{0, 0}, {1, 0}, {2, 0}});
    expectLine({987, 605}, {987, 602}, {{987, 605}, {987, 604}, {987, 603}});
}

TEST(CanvasTest, ExactHalvesGoToTheSmallerCoordinateInEitherDirection) {
    const QPoint o(200, 300);
    // Shallow lines: one pixel per column; on a half, the smaller y.
    expectLine(o + QPoint(0, 0), o + QPoint(4, 1), shifted({{0, 0}, {1, 0}, {2, 0}, {3, 1}}, o));
    expectLine(o + QPoint(4, 1), o + QPoint(0, 0), shifted({{4, 1}, {3, 1}, {2, 0}, {1, 0}}, o));
    expectLine(o + QPoint(0, 1), o + QPoint(4, 0), shifted({{0, 1}, {1, 1}, {2, 0}, {3, 0}}, o));
    expectLine(o + QPoint(4, 0), o + QPoint(0, 1), shifted({{4, 0}, {3, 0}, {2, 0}, {1, 1}}, o));
    // Steep lines: one pixel per row; on a half, the smaller x.
    expectLine(o + QPoint(0, 0), o + QPoint(1, 4), shifted({{0, 0}, {0, 1}, {0, 2}, {1, 3}}, o));
    expectLine(o + QPoint(1, 4), o + QPoint(0, 0), shifted({{1, 4}, {1, 3}, {0, 2}, {0, 1}}, o));
    expectLine(o + QPoint(1, 0), o + QPoint(0, 4), shifted({{1, 0}, {1, 1}, {0, 2}, {0, 3}}, o));
    expectLine(o + QPoint(0, 4), o + QPoint(1, 0), shifted({{0, 4}, {0, 3}, {0, 2}, {1, 1}}, o));
    // A longer shallow line: y = 3x / 10 rounded, x = 5 being the half.
    expectLine(
        o, o + QPoint(10, 3),
        shifted({{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 2}, {7, 2}, {8, 2}, {9, 3}},
                o));
    // Drawn either way, a line differs only at its two ends.
    const QPoint a = o + QPoint(-7, 2);
    const QPoint b = o + QPoint(9, -4);
    auto forward = sorted(lineFrom(a, b));
    auto backward = sorted(lineFrom(b, a));
    ASSERT_FALSE(forward.empty());
    forward.erase(std::find(forward.begin(), forward.end(), a));
    backward.erase(std::find(backward.begin(), backward.end(), b));
    EXPECT_EQ(forward, backward);
}

TEST(CanvasTest, LinesMoveTheCurrentPointAndAZeroLengthLinePaintsNothing) {
    TCanvas canvas(kWidth, kHeight, kButtonFace);
    canvas.MoveTo(50, 60);
    EXPECT_TRUE(paintedPixels(canvas.image()).empty());
    canvas.LineTo(50, 60);
    EXPECT_TRUE(paintedPixels(canvas.image()).empty());
    EXPECT_EQ(canvas.PenPos(), QPoint(50, 60));

    // A chain of lines: each ends where the next one starts, so each joint is painted once.
    canvas.LineTo(53, 60);
    EXPECT_EQ(canvas.PenPos(), QPoint(53, 60));
    canvas.LineTo(53, 63);
    EXPECT_EQ(sorted(paintedPixels(canvas.image())),
              sorted({{50, 60}, {51, 60}, {52, 60}, {53, 60}, {53, 61}, {53, 62}}));
}

TEST(CanvasTest, LinesFarOutsideTheImagePaintWhatTheFullLineWould) {
    std::mt19937 random(20240611);
    const auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto inside = [&] {
        return QPoint(uniform(-20, kWidth + 20), uniform(-20, kHeight + 20));
    };
    const auto far = [&] { return QPoint(uniform(-1000000, 1000000), uniform(-1000000, 1000000)); };

    std::vector<std::pair<QPoint, QPoint>> lines = {
        {{-1000000, 303}, {1000000, 303}},
        {{1000000, 17}, {-1000000, 17}},
        {{494, -1000000}, {494, 1000000}},
        {{3, 1000000}, {3, -1000000}},
        {{-1000000, -1000000}, {1000000, 1000000}},
        {{1000000, -999000}, {-1000000, 1001000}},
        {{-1000000, 0}, {1000000, 1}},
        {{1000000, 605}, {-1000000, 604}},
    };
    for (int i = 0; i < 8; ++i)
        lines.emplace_back(inside(), inside());
    for (int i = 0; i < 8; ++i) {
        if (i % 2 == 0)
            lines.emplace_back(inside(), far());
        else
            lines.emplace_back(far(), inside());
    }
    // Long lines through a pixel of the image, both ends far away.
    for (int i = 0; i < 12; ++i) {
        const QPoint through(uniform(0, kWidth - 1), uniform(0, kHeight - 1));
        QPoint step(uniform(-1000, 1000), uniform(-1000, 1000));
        if (step.isNull())
            step = QPoint(1, 1);
        lines.emplace_back(through - step * uniform(300, 990), through + step * uniform(300, 990));
    }
    for (int i = 0; i < 4; ++i)
        lines.emplace_back(far(), far());

    int crossing = 0;
    for (const auto& [from, to] : lines) {
        TCanvas canvas(kWidth, kHeight, kButtonFace);
        canvas.MoveTo(from.x(), from.y());
        canvas.LineTo(to.x(), to.y());
        QImage expected = blankImage();
        referenceLine(expected, from, to, kBlack);
        if (expected != blankImage())
            ++crossing;
        EXPECT_EQ(firstDifference(canvas.image(), expected), "")
            << "line (" << from.x() << "," << from.y() << ") to (" << to.x() << "," << to.y()
            << ")";
    }
    // Most of them do reach the image.
    EXPECT_GE(crossing, 30);

    // The whole row, the whole column and the main diagonal of the image.
    EXPECT_EQ(lineFrom({-1000000, 303}, {1000000, 303}).size(), std::size_t{kWidth});
    EXPECT_EQ(lineFrom({494, 1000000}, {494, -1000000}).size(), std::size_t{kHeight});
    const auto diagonal = lineFrom({-1000000, -1000000}, {1000000, 1000000});
    EXPECT_EQ(diagonal.size(), std::size_t{kHeight});
    EXPECT_TRUE(
        std::all_of(diagonal.begin(), diagonal.end(), [](QPoint p) { return p.x() == p.y(); }));
}

TEST(CanvasTest, PenColourWordIsBlueGreenRed) {
    TCanvas canvas(kWidth, kHeight, kButtonFace);
    const auto paintWith = [&canvas](TColor color, int y) {
        canvas.GetPen()->SetColor(color);
        EXPECT_EQ(canvas.GetPen()->GetColor(), color);
        canvas.MoveTo(10, y);
        canvas.LineTo(12, y);
        return at(canvas.image(), 10, y);
    };
    EXPECT_EQ(paintWith(0x6432FA, 10), qRgb(250, 50, 100) & 0xffffffu);
    EXPECT_EQ(paintWith(0x0000FF, 11), qRgb(255, 0, 0) & 0xffffffu);
    EXPECT_EQ(paintWith(0x00FF00, 12), qRgb(0, 255, 0) & 0xffffffu);
    EXPECT_EQ(paintWith(0xFF0000, 13), qRgb(0, 0, 255) & 0xffffffu);
    EXPECT_EQ(paintWith(0x800000, 14), qRgb(0, 0, 128) & 0xffffffu);
    EXPECT_EQ(paintWith(0xC8C8C8, 15), kGrey);
    EXPECT_EQ(paintWith(0x000000, 16), kBlack);
    EXPECT_EQ(paintWith(0xFFFFFF, 17), kWhite);
    // The pen keeps its colour for every following line.
    canvas.GetPen()->SetColor(0x6432FA);
    canvas.MoveTo(20, 30);
    canvas.LineTo(20, 33);
    canvas.LineTo(25, 33);
    for (const QPoint p : {QPoint(20, 30), QPoint(20, 32), QPoint(20, 33), QPoint(24, 33)})
        EXPECT_EQ(at(canvas.image(), p.x(), p.y()), qRgb(250, 50, 100) & 0xffffffu);
}

TEST(CanvasTest, RectangleOutlinesWithThePenUpToOneShortOfItsFarCornerAndFillsWhite) {
    TCanvas canvas(kWidth, kHeight, kButtonFace);
    // A black line that the rectangle's inside covers.
    canvas.MoveTo(0, 12);
    canvas.LineTo(30, 12);
    canvas.GetPen()->SetColor(0x0000FF);
    canvas.Rectangle(10, 10, 20, 15);
    const QRgb red = qRgb(255, 0, 0) & 0xffffffu;
    const QImage& image = canvas.image();
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            QRgb expected = kFace;
            if (y == 12 && x < 30)
                expected = kBlack;
            if (x >= 10 && x <= 19 && y >= 10 && y <= 14)
                expected = (x == 10 || x == 19 || y == 10 || y == 14) ? red : kWhite;
            EXPECT_EQ(at(image, x, y), expected) << "pixel (" << x << "," << y << ")";
        }
    }

    // The panel frame of the window: the outline's far edges at 519 and 499.
    canvas.GetPen()->SetColor(0);
    canvas.Rectangle(100, 100, 520, 500);
    for (const QPoint corner : {QPoint(100, 100), QPoint(519, 100), QPoint(100, 499),
                                QPoint(519, 499), QPoint(300, 100), QPoint(519, 300)})
        EXPECT_EQ(at(image, corner.x(), corner.y()), kBlack);
    for (const QPoint outside : {QPoint(520, 100), QPoint(100, 500), QPoint(520, 500),
                                 QPoint(99, 99), QPoint(300, 500), QPoint(520, 300)})
        EXPECT_EQ(at(image, outside.x(), outside.y()), kFace);
    for (const QPoint inner : {QPoint(101, 101), QPoint(518, 498), QPoint(300, 300)})
        EXPECT_EQ(at(image, inner.x(), inner.y()), kWhite);
}

TEST(CanvasTest, TextSitsOnAnOpaqueWhiteCell) {
    TCanvas canvas(kWidth, kHeight, kButtonFace);
    canvas.SetFont(TApplication::windowFont());
    // A grey block under the text, as the grid lines under the scale numbers.
    canvas.GetPen()->SetColor(0xC8C8C8);
    for (int y = 90; y < 130; ++y) {
        canvas.MoveTo(90, y);
        canvas.LineTo(200, y);
    }
    canvas.GetPen()->SetColor(0);
    const QString text = QStringLiteral("66666");
    canvas.TextOut(100, 100, text);

    const QFontMetrics metrics(TApplication::windowFont());
    const int width = metrics.horizontalAdvance(text);
    const int height = metrics.height();
    // Five digits of about six pixels; a cell at least as high as the 11-pixel characters.
    EXPECT_GE(width, 25);
    EXPECT_LE(width, 40);
    EXPECT_GE(height, 11);
    EXPECT_LE(height, 20);

    const QImage& image = canvas.image();
    int ink = 0;
    for (int y = 100; y < 100 + height; ++y) {
        for (int x = 100; x < 100 + width; ++x) {
            const QRgb colour = at(image, x, y);
            EXPECT_TRUE(colour == kWhite || colour == kBlack) << "pixel (" << x << "," << y << ")";
            ink += colour == kBlack ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 20);
    // The cell starts at the given corner: the grey left and above it stays.
    for (int y = 100; y < 100 + height; ++y)
        EXPECT_EQ(at(image, 99, y), kGrey);
    for (int x = 100; x < 100 + width; ++x)
        EXPECT_EQ(at(image, x, 99), kGrey);
    EXPECT_EQ(at(image, 100 + width + 3, 105), kGrey);
    EXPECT_EQ(at(image, 105, 100 + height + 3), kGrey);

    // On the window background as well: no grey of the face shows through the cell.
    canvas.TextOut(300, 300, QStringLiteral("f,гц"));
    const int cellWidth = metrics.horizontalAdvance(QStringLiteral("f,гц"));
    int faceInCell = 0;
    for (int y = 300; y < 300 + height; ++y)
        for (int x = 300; x < 300 + cellWidth; ++x)
            faceInCell += at(image, x, y) == kFace ? 1 : 0;
    EXPECT_EQ(faceInCell, 0);
    EXPECT_EQ(at(image, 299, 305), kFace);
}

TEST(CanvasTest, ClearWipesEverythingToTheBackground) {
    TCanvas canvas(kWidth, kHeight, kButtonFace);
    canvas.SetFont(TApplication::windowFont());
    canvas.GetPen()->SetColor(0x6432FA);
    canvas.MoveTo(0, 0);
    canvas.LineTo(987, 605);
    canvas.Rectangle(10, 10, 520, 500);
    canvas.TextOut(40, 224, QStringLiteral("0"));
    ASSERT_FALSE(paintedPixels(canvas.image()).empty());
    canvas.Clear();
    EXPECT_EQ(firstDifference(canvas.image(), blankImage()), "");
    EXPECT_EQ(canvas.background(), kButtonFace);
}

TEST_F(WindowTest, RefreshWipesTheWindowPicture) {
    activate();
    // The first pass drew the panel frames.
    ASSERT_EQ(pixel(10, 10), kBlackPixel);
    ASSERT_EQ(pixel(540, 280), kBlackPixel);
    Form1->Refresh();
    QImage background(canvas().size(), QImage::Format_RGB32);
    background.fill(QColor(240, 240, 240));
    EXPECT_EQ(firstDifference(canvas(), background), "");
}

TEST_F(WindowTest, WindowShowsItsPictureOnEveryRepaint) {
    Form1->Show();
    TCanvas* surface = Form1->GetCanvas();
    surface->GetPen()->SetColor(0x0000FF);
    surface->MoveTo(600, 120);
    surface->LineTo(650, 120);
    surface->GetPen()->SetColor(0);

    const auto shows = [] {
        const QImage shot = Form1->widget()->grab().toImage();
        return at(shot, 600, 120) == (qRgb(255, 0, 0) & 0xffffffu) &&
               at(shot, 649, 120) == (qRgb(255, 0, 0) & 0xffffffu) && at(shot, 650, 120) == kFace &&
               at(shot, 600, 121) == kFace;
    };
    EXPECT_TRUE(shows());
    // Hidden and shown again, or repainted, the window still shows the picture.
    Form1->widget()->hide();
    Form1->widget()->show();
    Form1->widget()->repaint();
    EXPECT_TRUE(shows());
}
