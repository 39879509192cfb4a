#include "Application.h"
#include "Canvas.h"
#include "WindowFixture.h"

#include <QFontMetrics>
#include <QPoint>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int kWidth = 988;
constexpr int kHeight = 606;
const QColor kButtonFace(240, 240, 240);

using Pixels = std::vector<std::pair<int, int>>;

QRgb at(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xffffffu;
}

// Every pixel that is no longer the background, as sorted (x, y) pairs.
Pixels painted(const QImage& image) {
    Pixels pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) != kBackgroundPixel)
                pixels.emplace_back(x, y);
    std::sort(pixels.begin(), pixels.end());
    return pixels;
}

// The pixels a single line paints on a fresh surface.
Pixels lineFrom(QPoint from, QPoint to) {
    TCanvas canvas(kWidth, kHeight, kButtonFace);
    canvas.MoveTo(from.x(), from.y());
    canvas.LineTo(to.x(), to.y());
    return painted(canvas.image());
}

void expectLine(QPoint from, QPoint to, Pixels expected) {
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(lineFrom(from, to), expected)
        << "line (" << from.x() << "," << from.y() << ") to (" << to.x() << "," << to.y() << ")";
}

} // namespace

TEST(CanvasTest, LinesPaintTheirStartNotTheirEndAndHalvesGoToTheSmallerCoordinate) {
    // Horizontal, vertical and diagonal, every direction: four steps paint the start and the
    // three pixels after it.
    for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1),
                              QPoint(1, 1), QPoint(1, -1), QPoint(-1, 1), QPoint(-1, -1)}) {
        const QPoint start = QPoint(100, 100) - 2 * step;
        Pixels expected;
        for (int n = 0; n < 4; ++n)
            expected.emplace_back(start.x() + n * step.x(), start.y() + n * step.y());
        expectLine(start, start + 4 * step, expected);
    }
    expectLine({5, 5}, {4, 6}, {{5, 5}});
    // The edges of the image are inside it.
    expectLine({0, 0}, {3, 0}, {{0, 0}, {1, 0}, {2, 0}});
    expectLine({987, 605}, {987, 602}, {{987, 605}, {987, 604}, {987, 603}});

    // Shallow lines, one pixel per column: on a half the smaller y, whichever way they run.
    expectLine({0, 0}, {4, 1}, {{0, 0}, {1, 0}, {2, 0}, {3, 1}});
    expectLine({4, 1}, {0, 0}, {{4, 1}, {3, 1}, {2, 0}, {1, 0}});
    expectLine({0, 1}, {4, 0}, {{0, 1}, {1, 1}, {2, 0}, {3, 0}});
    expectLine({4, 0}, {0, 1}, {{4, 0}, {3, 0}, {2, 0}, {1, 1}});
    // Steep lines, one pixel per row: on a half the smaller x.
    expectLine({0, 0}, {1, 4}, {{0, 0}, {0, 1}, {0, 2}, {1, 3}});
    expectLine({1, 4}, {0, 0}, {{1, 4}, {1, 3}, {0, 2}, {0, 1}});
    expectLine({1, 0}, {0, 4}, {{1, 0}, {1, 1}, {0, 2}, {0, 3}});
    expectLine({0, 4}, {1, 0}, {{0, 4}, {0, 3}, {0, 2}, {1, 1}});
    // y = 3x / 10 rounded, x = 5 being the half.
    expectLine({0, 0}, {10, 3},
               {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 2}, {7, 2}, {8, 2}, {9, 3}});
}

TEST(CanvasTest, LinesMoveTheCurrentPointAndAZeroLengthLinePaintsNothing) {
    TCanvas canvas(kWidth, kHeight, kButtonFace);
    canvas.MoveTo(50, 60);
    canvas.LineTo(50, 60);
    EXPECT_EQ(painted(canvas.image()), Pixels{});
    EXPECT_EQ(canvas.PenPos(), QPoint(50, 60));
    // A chain of lines: each ends where the next one starts, so each joint is painted once.
    canvas.LineTo(53, 60);
    EXPECT_EQ(canvas.PenPos(), QPoint(53, 60));
    canvas.LineTo(53, 63);
    EXPECT_EQ(painted(canvas.image()),
              (Pixels{{50, 60}, {51, 60}, {52, 60}, {53, 60}, {53, 61}, {53, 62}}));
}

TEST(CanvasTest, LinesFarOutsideTheImagePaintWhatTheFullLineWould) {
    const auto rows = [](int x1, int x2, int y) {
        Pixels pixels;
        for (int x = x1; x <= x2; ++x)
            pixels.emplace_back(x, y);
        return pixels;
    };
    // The whole row and the whole column.
    expectLine({-1000000, 303}, {1000000, 303}, rows(0, kWidth - 1, 303));
    EXPECT_EQ(lineFrom({494, 1000000}, {494, -1000000}).size(), std::size_t{kHeight});
    // One row of rise over two million columns: column 0 is the exact half, which goes to the
    // smaller y in both directions; every column right of it lies nearer the far row.
    Pixels rising = rows(1, kWidth - 1, 1);
    rising.emplace_back(0, 0);
    expectLine({-1000000, 0}, {1000000, 1}, rising);
    Pixels falling = rows(1, kWidth - 1, 605);
    falling.emplace_back(0, 604);
    expectLine({1000000, 605}, {-1000000, 604}, falling);

    // Steep, four million rows for one column: row 0 is the half, the smaller x either way.
    Pixels steep = {{300, 0}};
    for (int y = 1; y < kHeight; ++y)
        steep.emplace_back(301, y);
    expectLine({300, -2000000}, {301, 2000000}, steep);
    expectLine({301, 2000000}, {300, -2000000}, steep);

    // From inside to far away at a slope of one half (products beyond 32 bits): each odd column
    // is a half and takes the smaller y.
    Pixels half;
    for (int n = 0; 100 + n < kWidth; ++n)
        half.emplace_back(100 + n, 100 + n / 2);
    expectLine({100, 100}, {1000100, 500100}, half);
}

TEST(CanvasTest, PenColourWordIsBlueGreenRed) {
    TCanvas canvas(kWidth, kHeight, kButtonFace);
    const std::pair<TColor, QRgb> colours[] = {
        {0x6432FA, 0xfa3264}, {0x0000FF, 0xff0000}, {0x00FF00, 0x00ff00}, {0xFF0000, 0x0000ff},
        {0x800000, 0x000080}, {0x000000, 0x000000}, {0xFFFFFF, 0xffffff}};
    int y = 10;
    for (const auto& [word, rgb] : colours) {
        canvas.GetPen()->SetColor(word);
        EXPECT_EQ(canvas.GetPen()->GetColor(), word);
        canvas.MoveTo(10, y);
        canvas.LineTo(12, y);
        EXPECT_EQ(at(canvas.image(), 10, y), rgb) << std::hex << word;
        ++y;
    }
}

TEST(CanvasTest, RectangleOutlinesWithThePenUpToOneShortOfItsFarCornerAndFillsWhite) {
    TCanvas canvas(kWidth, kHeight, kButtonFace);
    // A black line that the rectangle's inside covers.
    canvas.MoveTo(0, 12);
    canvas.LineTo(30, 12);
    canvas.GetPen()->SetColor(0x0000FF);
    canvas.Rectangle(10, 10, 20, 15);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            QRgb expected = y == 12 && x < 30 ? kBlackPixel : kBackgroundPixel;
            if (x >= 10 && x <= 19 && y >= 10 && y <= 14)
                expected = (x == 10 || x == 19 || y == 10 || y == 14) ? 0xff0000 : kWhitePixel;
            EXPECT_EQ(at(canvas.image(), x, y), expected) << "pixel (" << x << "," << y << ")";
        }
    }
}

TEST(CanvasTest, TextSitsOnAnOpaqueWhiteCell) {
    TCanvas canvas(kWidth, kHeight, kButtonFace);
    canvas.SetFont(TApplication::windowFont());
    const QString text = QStringLiteral("66666");
    canvas.TextOut(100, 100, text);
    const QFontMetrics metrics(TApplication::windowFont());
    const int width = metrics.horizontalAdvance(text);
    const int height = metrics.height();
    // Five digits of about six pixels; a cell at least as high as the 11-pixel characters.
    EXPECT_TRUE(width >= 25 && width <= 40) << width;
    EXPECT_TRUE(height >= 11 && height <= 20) << height;

    // The cell holds only the black text on white: nothing beneath shows through. It starts at
    // the given corner and ends with the text.
    const QImage& image = canvas.image();
    int ink = 0;
    for (int y = 99; y <= 100 + height; ++y) {
        for (int x = 99; x <= 100 + width; ++x) {
            const QRgb colour = at(image, x, y);
            const bool outside = x == 99 || y == 99 || x == 100 + width || y == 100 + height;
            EXPECT_TRUE(outside ? colour == kBackgroundPixel
                                : colour == kWhitePixel || colour == kBlackPixel)
                << x << "," << y;
            ink += colour == kBlackPixel ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 20);
}

TEST_F(WindowTest, RefreshWipesTheWindowPicture) {
    activate();
    ASSERT_EQ(pixel(10, 10), kBlackPixel); // the frame of the first pass
    Form1->Refresh();
    EXPECT_EQ(painted(canvas()), Pixels{});
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
        return at(shot, 600, 120) == 0xff0000u && at(shot, 649, 120) == 0xff0000u &&
               at(shot, 650, 120) == kBackgroundPixel && at(shot, 600, 121) == kBackgroundPixel;
    };
    EXPECT_TRUE(shows());
    // Hidden and shown again, or repainted, the window still shows the picture.
    Form1->widget()->hide();
    Form1->widget()->show();
    Form1->widget()->repaint();
    EXPECT_TRUE(shows());
}
