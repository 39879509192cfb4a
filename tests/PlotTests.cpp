#include "WindowFixture.h"

#include "Application.h"
#include "Coefficients.h"
#include "Colors.h"
#include "Drawing.h"
#include "PixelMath.h"
#include "SpectrumLines.h"
#include "Waveform.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <set>
#include <vector>

// Pixel tests of the plots: the empty panels, the spectrum stems and envelope, the segment
// markers and the waveform, read from the canvas of the real window.

namespace {

using Extended = long double;

constexpr int kWidth = 988;
constexpr int kHeight = 606;
// The number the program calls pi.
constexpr Extended kProgramPi = 3.14;

// ---------------------------------------------------------------------------------------------
// Inputs of a pass, written without running the change handlers.

void setField(TEdit* field, const QString& text) {
    const QSignalBlocker block(field->lineEdit());
    field->SetText(text);
}

void setBox(TCheckBox* box, bool checked) {
    const QSignalBlocker block(box->checkBox());
    box->SetChecked(checked);
}

void setPacket(const std::array<int, 8>& multipliers, int unitTime) {
    TEdit* const fields[] = {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4,
                             Form1->Edit5, Form1->Edit6, Form1->Edit7, Form1->Edit8};
    for (std::size_t n = 0; n < 8; ++n)
        setField(fields[n], QString::number(multipliers[n]));
    setField(Form1->Edit9, QString::number(unitTime));
    Form1->UpdatePeriod();
}

// The count, with the upper range end on the highest harmonic.
void setCount(int N) {
    setField(Form1->Edit10, QString::number(N));
    setField(Form1->Edit14, QString::number(N));
}

void setRange(int lower, int upper) {
    setField(Form1->Edit13, QString::number(lower));
    setField(Form1->Edit14, QString::number(upper));
}

TColor penColor() {
    return Form1->GetCanvas()->GetPen()->GetColor();
}

// ---------------------------------------------------------------------------------------------
// An independent computation of what a packet puts on the plots, straight from the formulas:
// Fourier coefficients of rectangular pulses of 1 V with pi = 3.14, in extended precision.

struct PacketModel {
    PacketModel(const std::array<int, 8>& multipliers, int unitTime, int harmonics) : N(harmonics) {
        long long sum = 0;
        for (const int m : multipliers)
            sum += m;
        T = static_cast<double>(Extended(sum * unitTime) * 0.000001);
        for (std::size_t n = 0; n < 7; ++n)
            t[n] = static_cast<double>(Extended(multipliers[n]) * unitTime * 0.000001);
        Extended start = 0;
        for (std::size_t n = 0; n < 7; ++n) {
            if (n % 2 == 0)
                pulses.push_back({t[n], start + Extended(t[n]) / 2});
            start += t[n];
        }
        a.assign(static_cast<std::size_t>(N) + 1, 0);
        b.assign(static_cast<std::size_t>(N) + 1, 0);
        for (const auto& [duration, centre] : pulses) {
            a[0] += duration / T;
            for (int k = 1; k <= N; ++k) {
                const Extended weight =
                    2 * std::sin(k * kProgramPi * duration / T) / (k * kProgramPi);
                const Extended angle = 2 * k * kProgramPi * centre / T;
                a[static_cast<std::size_t>(k)] += weight * std::cos(angle);
                b[static_cast<std::size_t>(k)] += weight * std::sin(angle);
            }
        }
    }

    Extended amplitude(int k) const {
        const auto i = static_cast<std::size_t>(k);
        return std::sqrt(a[i] * a[i] + b[i] * b[i]);
    }
    Extended phase(int k) const {
        const auto i = static_cast<std::size_t>(k);
        return std::atan2(a[i], b[i]);
    }
    // Stem height in hundredths of a volt and phase in pixels (32 per radian), truncated.
    int h(int k) const { return static_cast<int>(amplitude(k) * 100); }
    int p(int k) const { return static_cast<int>(phase(k) * 32); }
    // Column of harmonic k: 400 k / N whole columns right of x = 50, the remainder dropped.
    int column(int k) const { return 50 + 400 * k / N; }

    // Magnitude of the continuous spectrum at envelope point i of 400 (harmonic number i N / 400).
    Extended envelope(int i) const {
        const Extended S = 400 * Extended(T) / N;
        Extended cosines = 0;
        Extended sines = 0;
        for (const auto& [duration, centre] : pulses) {
            const Extended s = std::sin(i * kProgramPi * duration / S);
            cosines += s * std::cos(2 * i * kProgramPi * centre / S);
            sines += s * std::sin(2 * i * kProgramPi * centre / S);
        }
        return std::sqrt(cosines * cosines + sines * sines) * 2 * S / (i * kProgramPi * T);
    }
    int envelopeRow(int i) const { return static_cast<int>(230 - 200 * envelope(i)); }

    // The partial sum over harmonics lower ... upper at sample j of 400, volts.
    Extended sample(int j, int lower, int upper) const {
        Extended s = 0;
        for (int m = lower; m <= upper; ++m) {
            if (m == 0)
                s = a[0];
            else
                s += amplitude(m) * std::sin(phase(m) + 2 * kProgramPi * m * j / 400);
        }
        return s;
    }
    // Row of sample j before truncation.
    Extended sampleRow(int j, int lower, int upper) const {
        return 360 - 100 * sample(j, lower, upper);
    }

    int N;
    double T = 0;
    std::array<double, 7> t{};
    std::vector<std::pair<double, Extended>> pulses; // duration, centre
    std::vector<Extended> a;
    std::vector<Extended> b;
};

const std::array<int, 8> kDefaultPacket = {1, 0, 0, 0, 0, 0, 0, 2};
const std::array<int, 8> kAllOnes = {1, 1, 1, 1, 1, 1, 1, 1};

// ---------------------------------------------------------------------------------------------
// Expected pictures, painted pixel by pixel from the layout.

void put(QImage& image, int x, int y, QRgb colour) {
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        image.setPixel(x, y, 0xff000000u | colour);
}

// Inclusive ends.
void row(QImage& image, int y, int x1, int x2, QRgb colour) {
    for (int x = x1; x <= x2; ++x)
        put(image, x, y, colour);
}

void column(QImage& image, int x, int y1, int y2, QRgb colour) {
    for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
        put(image, x, y, colour);
}

// The outline at x1, y1, x2 - 1, y2 - 1 around a white inside.
void frame(QImage& image, int x1, int y1, int x2, int y2) {
    for (int y = y1; y < y2; ++y)
        row(image, y, x1, x2 - 1, kWhitePixel);
    row(image, y1, x1, x2 - 1, kBlackPixel);
    row(image, y2 - 1, x1, x2 - 1, kBlackPixel);
    column(image, x1, y1, y2 - 1, kBlackPixel);
    column(image, x2 - 1, y1, y2 - 1, kBlackPixel);
}

// A 45-degree arrowhead stroke of five pixels from (x, y) in direction (dx, dy).
void stroke(QImage& image, int x, int y, int dx, int dy) {
    for (int n = 0; n < 5; ++n)
        put(image, x + n * dx, y + n * dy, kBlackPixel);
}

constexpr QRgb kScratchPixel = 0xff00ff;

// A label as the window font writes it: the text on its own scratch surface, then the pixels it
// painted copied over the picture.
QImage renderedLabel(int x, int y, const QString& text) {
    TCanvas scratch(kWidth, kHeight, QColor::fromRgb(kScratchPixel));
    scratch.SetFont(TApplication::windowFont());
    scratch.TextOut(x, y, text);
    return scratch.image();
}

void label(QImage& image, int x, int y, const QString& text) {
    const QImage scratch = renderedLabel(x, y, text);
    for (int py = 0; py < kHeight; ++py)
        for (int px = 0; px < kWidth; ++px)
            if ((scratch.pixel(px, py) & 0xffffffu) != kScratchPixel)
                put(image, px, py, scratch.pixel(px, py) & 0xffffffu);
}

QRect labelCell(int x, int y, const QString& text) {
    const QFontMetrics metrics(TApplication::windowFont());
    return {x, y, metrics.horizontalAdvance(text), metrics.height()};
}

std::vector<int> gridColumns(int n) {
    std::vector<int> columns;
    for (int k = 0; n >= 1 && k <= n; ++k)
        columns.push_back(50 + 400 * k / n);
    return columns;
}

int gridDivisionsByTable(int N) {
    if (N < 50)
        return N;
    if (N < 100)
        return 2 * N / 5;
    if (N < 150)
        return N / 5;
    return 2 * N / 15;
}

// Both empty panels with the frequency scale of N harmonics up to fmax hertz.
QImage emptyPanels(int N, double fmax) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(0xff000000u | kBackgroundPixel);
    frame(image, 10, 10, 520, 500);
    frame(image, 540, 280, 970, 440);

    for (const int y : {290, 325, 395, 430})
        row(image, y, 560, 959, kGridPixel);
    for (int x = 600; x <= 960; x += 40)
        column(image, x, 290, 429, kGridPixel);
    row(image, 360, 560, 959, kBlackPixel);
    column(image, 560, 290, 429, kBlackPixel);
    stroke(image, 560, 290, 1, 1);
    stroke(image, 560, 290, -1, 1);
    stroke(image, 960, 360, -1, 1);
    stroke(image, 960, 360, -1, -1);

    for (const int x : gridColumns(gridDivisionsByTable(N)))
        column(image, x, 30, 459, kGridPixel);
    for (const int y : {30, 80, 130, 180, 260, 310, 410, 460})
        row(image, y, 50, 449, kGridPixel);
    column(image, 50, 30, 229, kBlackPixel);
    row(image, 230, 50, 499, kBlackPixel);
    column(image, 50, 260, 459, kBlackPixel);
    row(image, 360, 50, 499, kBlackPixel);
    for (const int y : {30, 260}) {
        stroke(image, 50, y, 1, 1);
        stroke(image, 50, y, -1, 1);
    }
    for (const int y : {230, 360}) {
        stroke(image, 500, y, -1, -1);
        stroke(image, 500, y, -1, 1);
    }

    label(image, 25, 20, QStringLiteral("A(f)"));
    label(image, 21, 250, QStringLiteral("Ф(f)"));
    label(image, 40, 224, QStringLiteral("0"));
    label(image, 40, 354, QStringLiteral("0"));
    label(image, 490, 235, QStringLiteral("f,гц"));
    label(image, 490, 365, QStringLiteral("f,гц"));
    const long long F = static_cast<long long>(fmax);
    label(image, 440, 365, QString::number(F));
    label(image, 250, 365, QString::number(F / 2));
    label(image, 440, 235, QString::number(F));
    label(image, 250, 235, QString::number(F / 2));
    return image;
}

// A stem from two pixels below the zero line to its top (not painted), then the red cap on the
// top row from two pixels left to two pixels right of the stem.
void stem(QImage& image, int x, int zero, int top, QRgb colour) {
    const int start = zero + 2;
    if (top < start)
        column(image, x, top + 1, start, colour);
    else if (top > start)
        column(image, x, start, top - 1, colour);
    row(image, top, x - 2, x + 2, kCapPixel);
}

// The spectrum panel after a pass: envelope (filled) under the stems of harmonics 0 ... N.
QImage spectrumPicture(const PacketModel& model, bool envelope) {
    const double fmax = static_cast<double>(Extended(model.N) / model.T);
    QImage image = emptyPanels(model.N, fmax);
    if (envelope) {
        for (int i = 1; i <= 400; ++i)
            column(image, 50 + i, model.envelopeRow(i), 229, kEnvelopePixel);
    }
    for (int k = 0; k <= model.N; ++k) {
        stem(image, model.column(k), 230, 230 - 2 * model.h(k), kAmplitudeStemPixel);
        stem(image, model.column(k), 360, 360 - model.p(k), kPhaseStemPixel);
    }
    return image;
}

// Whether two pictures agree on every pixel of an area; names the first few that do not.
::testing::AssertionResult samePixels(const QImage& actual, const QImage& expected, QRect area) {
    int mismatches = 0;
    QString first;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb got = actual.pixel(x, y) & 0xffffffu;
            const QRgb want = expected.pixel(x, y) & 0xffffffu;
            if (got == want)
                continue;
            if (++mismatches <= 12)
                first += QStringLiteral(" (%1,%2) is %3 not %4;")
                             .arg(x)
                             .arg(y)
                             .arg(got, 6, 16, QChar(u'0'))
                             .arg(want, 6, 16, QChar(u'0'));
        }
    if (mismatches == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << mismatches << " pixels differ:" << first.toStdString();
}

const QRect kWholeWindow(0, 0, kWidth, kHeight);
// Everything left of the waveform panel: the spectrum panel and the margins around it.
const QRect kSpectrumSide(0, 0, 530, kHeight);

std::set<int> columnsHolding(const QImage& image, QRgb colour, QRect area) {
    std::set<int> columns;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xffffffu) == colour)
                columns.insert(x);
    return columns;
}

int countPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffffu) == colour)
                ++count;
    return count;
}

// Rows a waveform sample may land on: its truncated row, or the neighbour if the value lies a
// hair from a whole row (where the last bits of the arithmetic decide).
std::vector<int> sampleRows(Extended value) {
    std::vector<int> rows = {static_cast<int>(value)};
    for (const Extended shifted : {value - 1e-6L, value + 1e-6L})
        if (static_cast<int>(shifted) != rows.front())
            rows.push_back(static_cast<int>(shifted));
    return rows;
}

// The polyline of samples 0 ... 400 of a range: every sample point except the last is black, and
// between two samples every row is covered in one of the two columns.
void expectWaveform(const QImage& image, const PacketModel& model, int lower, int upper) {
    std::vector<int> rows;
    for (int j = 0; j <= 400; ++j) {
        const std::vector<int> candidates = sampleRows(model.sampleRow(j, lower, upper));
        int chosen = candidates.front();
        for (const int y : candidates)
            if ((image.pixel(560 + j, y) & 0xffffffu) == kBlackPixel)
                chosen = y;
        rows.push_back(chosen);
        if (j < 400) {
            EXPECT_EQ(image.pixel(560 + j, chosen) & 0xffffffu, kBlackPixel)
                << "sample " << j << " at row " << chosen;
        }
    }
    for (int j = 1; j <= 400; ++j) {
        const int from = rows[static_cast<std::size_t>(j - 1)];
        const int to = rows[static_cast<std::size_t>(j)];
        const int step = to > from ? 1 : -1;
        for (int y = from; y != to; y += step) {
            const bool covered = (image.pixel(559 + j, y) & 0xffffffu) == kBlackPixel ||
                                 (image.pixel(560 + j, y) & 0xffffffu) == kBlackPixel;
            EXPECT_TRUE(covered) << "gap between samples " << j - 1 << " and " << j << " at row "
                                 << y;
        }
    }
}

// Columns of light-green marker pixels in the waveform panel.
std::set<int> markerColumns(const QImage& image) {
    return columnsHolding(image, kMarkerPixel, QRect(540, 250, 431, 200));
}

} // namespace

// ---------------------------------------------------------------------------------------------

TEST_F(WindowTest, PlotEmptyPanelsMatchTheirLayoutPixelForPixel) {
    const double fmax = static_cast<double>(Extended(20) / 0.0003);
    DrawAxes(fmax);
    const QImage image = canvas();
    EXPECT_TRUE(samePixels(image, emptyPanels(20, fmax), kWholeWindow));
    EXPECT_EQ(penColor(), PlotColor::kBlack);

    // The frames' right and bottom edges lie one pixel inside the given corners.
    EXPECT_EQ(pixel(519, 250), kBlackPixel);
    EXPECT_EQ(pixel(520, 250), kBackgroundPixel);
    EXPECT_EQ(pixel(250, 499), kBlackPixel);
    EXPECT_EQ(pixel(250, 500), kBackgroundPixel);
    EXPECT_EQ(pixel(969, 300), kBlackPixel);
    EXPECT_EQ(pixel(970, 300), kBackgroundPixel);
    EXPECT_EQ(pixel(700, 439), kBlackPixel);
    EXPECT_EQ(pixel(700, 440), kBackgroundPixel);
    EXPECT_EQ(pixel(300, 300), kWhitePixel);

    // 21 frequency grid lines, 20 pixels apart, in a row that nothing else crosses.
    std::set<int> expectedGrid;
    for (int x = 70; x <= 450; x += 20)
        expectedGrid.insert(x);
    EXPECT_EQ(columnsHolding(image, kGridPixel, QRect(11, 50, 508, 1)), expectedGrid);
    EXPECT_EQ(pixel(50, 50), kBlackPixel);
    // The grid line of x = 50 shows between the two plots, where the axes leave a gap.
    for (int y = 250; y < 260; ++y)
        EXPECT_EQ(pixel(50, y), kGridPixel) << y;
    EXPECT_EQ(pixel(450, 459), kGridPixel);
    EXPECT_EQ(pixel(450, 460), kWhitePixel);
    EXPECT_EQ(pixel(70, 29), kWhitePixel);

    // Every label has its text on a white cell; the cells of the scale numbers hide the grid line
    // of x = 450 and x = 250 beneath them.
    struct Label {
        int x;
        int y;
        QString text;
    };
    const Label labels[] = {
        {25, 20, QStringLiteral("A(f)")},    {21, 250, QStringLiteral("Ф(f)")},
        {40, 224, QStringLiteral("0")},      {40, 354, QStringLiteral("0")},
        {490, 235, QStringLiteral("f,гц")},  {490, 365, QStringLiteral("f,гц")},
        {440, 365, QStringLiteral("66666")}, {250, 365, QStringLiteral("33333")},
        {440, 235, QStringLiteral("66666")}, {250, 235, QStringLiteral("33333")}};
    for (const Label& item : labels) {
        const QRect cell = labelCell(item.x, item.y, item.text);
        ASSERT_GT(cell.width(), 0);
        // The text cell as the window font measures it is the only thing the label paints.
        const QImage alone = renderedLabel(item.x, item.y, item.text);
        EXPECT_EQ(columnsHolding(alone, kScratchPixel, cell), std::set<int>{}) << item.x;
        EXPECT_EQ(countPixels(alone, kScratchPixel),
                  kWidth * kHeight - cell.width() * cell.height())
            << item.x;
        int black = 0;
        int white = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QRgb colour = pixel(x, y);
                black += colour == kBlackPixel;
                white += colour == kWhitePixel;
            }
        EXPECT_GT(black, 4) << item.text.toStdString();
        EXPECT_GT(white, black) << item.text.toStdString();
        EXPECT_EQ(black + white, cell.width() * cell.height()) << item.text.toStdString();
    }
    for (const int x : {250, 450})
        for (const int y : {236, 240, 366, 370})
            EXPECT_NE(pixel(x, y), kGridPixel) << x << "," << y;
}

TEST_F(WindowTest, PlotEmptyPanelsOfThreeHarmonics) {
    setCount(3);
    const double fmax = static_cast<double>(Extended(3) / 0.0003);
    DrawAxes(fmax);
    EXPECT_TRUE(samePixels(canvas(), emptyPanels(3, fmax), kWholeWindow));
    const std::set<int> expected = {183, 316, 450};
    for (const int y : {50, 255, 440})
        EXPECT_EQ(columnsHolding(canvas(), kGridPixel, QRect(51, y, 468, 1)), expected) << y;
    EXPECT_EQ(penColor(), PlotColor::kBlack);
}

TEST_F(WindowTest, PlotGridDivisionsFollowTheThreeTests) {
    const std::pair<int, int> table[] = {{49, 49},  {50, 20},  {99, 39}, {100, 20}, {149, 29},
                                         {150, 20}, {200, 26}, {1, 1},   {20, 20},  {3, 3}};
    for (const auto& [N, n] : table)
        EXPECT_EQ(PlotGeometry::GridDivisions(N), n) << N;
    for (int N = 1; N <= 200; ++N)
        EXPECT_EQ(PlotGeometry::GridDivisions(N), gridDivisionsByTable(N)) << N;

    // On the canvas, in rows that neither the envelope nor a stem reaches.
    for (const int N : {49, 99, 200}) {
        setCount(N);
        activate();
        std::set<int> expected;
        for (const int x : gridColumns(gridDivisionsByTable(N)))
            expected.insert(x);
        expected.erase(50); // the vertical axes lie over it
        for (const int y : {50, 440})
            EXPECT_EQ(columnsHolding(canvas(), kGridPixel, QRect(11, y, 508, 1)), expected)
                << N << " row " << y;
        EXPECT_EQ(pixel(450, 255), kGridPixel) << N;
    }
}

TEST_F(WindowTest, PlotHarmonicsStandOnTheirColumns) {
    // Where 400 k / N is a whole number the stem stands on that column, harmonic 0 on x = 50 and
    // harmonic N on x = 450; elsewhere the fraction of a column is dropped.
    for (const double T : {0.0003, 0.0008, 0.03744, 0.000001, 0.000007, 0.0009, 2147.483647}) {
        for (int N = 1; N <= 200; ++N) {
            const double fmax = static_cast<double>(Extended(N) / T);
            for (int k = 0; k <= N; ++k) {
                const double f = static_cast<double>(Extended(k) / T);
                ASSERT_EQ(PlotGeometry::HarmonicColumn(f, fmax), 50 + 400 * k / N)
                    << "T " << T << " N " << N << " k " << k;
            }
        }
    }

    // Row 231 holds only the stubs below the amplitude axis, one per harmonic.
    for (const int N : {20, 3, 7, 200, 199}) {
        setCount(N);
        activate();
        std::set<int> expected;
        for (int k = 0; k <= N; ++k)
            expected.insert(50 + 400 * k / N);
        EXPECT_EQ(columnsHolding(canvas(), kAmplitudeStemPixel, QRect(0, 231, kWidth, 1)), expected)
            << N;
    }
}

TEST_F(WindowTest, PlotDefaultSpectrumPanelPixelForPixel) {
    activate();
    const PacketModel model(kDefaultPacket, 100, 20);
    const QImage image = canvas();
    EXPECT_TRUE(samePixels(image, spectrumPicture(model, true), kSpectrumSide));

    // The worked numbers of the default packet.
    const int heights[] = {33, 55, 27, 0};
    const int phases[] = {50, 16, -16, -50};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(model.h(k), heights[k]) << k;
        EXPECT_EQ(model.p(k), phases[k]) << k;
    }
    EXPECT_EQ(model.p(18), -49); // -49.96 truncates toward zero
    EXPECT_EQ(model.envelopeRow(1), 96);
    EXPECT_EQ(model.envelopeRow(20), 119);

    // Harmonic 1: blue stem (70, 232) ... (70, 121), red cap (68 ... 72, 120).
    for (int y = 121; y <= 232; ++y)
        EXPECT_EQ(pixel(70, y), kAmplitudeStemPixel) << y;
    for (int x = 68; x <= 72; ++x)
        EXPECT_EQ(pixel(x, 120), kCapPixel) << x;
    EXPECT_NE(pixel(73, 120), kCapPixel);
    EXPECT_NE(pixel(67, 120), kCapPixel);
    EXPECT_NE(pixel(70, 233), kAmplitudeStemPixel);
    // The envelope passes y = 119 in column 70, one pixel above the cap; the grid line above it.
    EXPECT_EQ(pixel(70, 119), kEnvelopePixel);
    EXPECT_EQ(pixel(70, 118), kGridPixel);
    // The envelope starts at y = 96 in column 51.
    EXPECT_EQ(pixel(51, 96), kEnvelopePixel);
    EXPECT_NE(pixel(51, 95), kEnvelopePixel);
    EXPECT_EQ(pixel(51, 229), kEnvelopePixel);

    // Harmonic 0 on the axes: amplitude cap at 164, phase stem from (50, 362) up to the cap at 310.
    EXPECT_EQ(pixel(50, 165), kAmplitudeStemPixel);
    EXPECT_EQ(pixel(50, 164), kCapPixel);
    EXPECT_EQ(pixel(50, 163), kBlackPixel);
    for (int y = 311; y <= 362; ++y)
        EXPECT_EQ(pixel(50, y), kPhaseStemPixel) << y;
    for (int x = 48; x <= 52; ++x)
        EXPECT_EQ(pixel(x, 310), kCapPixel) << x;
    EXPECT_EQ(pixel(50, 309), kBlackPixel);
    EXPECT_EQ(pixel(50, 363), kBlackPixel);

    // Phase caps of harmonics 3, 6, ... , 15 on y = 410, of harmonic 18 on y = 409.
    for (int k = 3; k <= 15; k += 3) {
        EXPECT_EQ(pixel(50 + 20 * k, 410), kCapPixel) << k;
        EXPECT_EQ(pixel(50 + 20 * k, 409), kPhaseStemPixel) << k;
    }
    EXPECT_EQ(pixel(410, 409), kCapPixel);
    EXPECT_EQ(pixel(410, 408), kPhaseStemPixel);
    EXPECT_EQ(pixel(410, 410), kGridPixel);
    // Harmonic 1's phase cap at 344, harmonic 2's at 376.
    EXPECT_EQ(pixel(70, 344), kCapPixel);
    EXPECT_EQ(pixel(90, 376), kCapPixel);

    // Harmonic 3 (h = 0): a two-pixel blue stub and the cap lying on the axis.
    EXPECT_EQ(pixel(110, 232), kAmplitudeStemPixel);
    EXPECT_EQ(pixel(110, 231), kAmplitudeStemPixel);
    EXPECT_NE(pixel(110, 233), kAmplitudeStemPixel);
    for (int x = 108; x <= 112; ++x)
        EXPECT_EQ(pixel(x, 230), kCapPixel) << x;

    // The fill leaves the axis pixel of y = 230 black wherever no stem or cap stands on it.
    for (int x = 51; x <= 450; ++x) {
        bool underHarmonic = false;
        for (int k = 0; k <= 20; ++k) {
            const int cx = 50 + 20 * k;
            underHarmonic |= x == cx || (model.h(k) == 0 && std::abs(x - cx) <= 2);
        }
        if (!underHarmonic) {
            EXPECT_EQ(pixel(x, 230), kBlackPixel) << x;
        }
    }
    EXPECT_EQ(penColor(), PlotColor::kBlack);
}

TEST_F(WindowTest, PlotEnvelopeAsCurveAndSwitchedOff) {
    const PacketModel model(kDefaultPacket, 100, 20);
    // The pixels that the stems and caps of the harmonics take over.
    const QImage stems = spectrumPicture(model, false);
    const auto underHarmonic = [&stems](int x, int y) {
        const QRgb colour = stems.pixel(x, y) & 0xffffffu;
        return colour == kAmplitudeStemPixel || colour == kCapPixel;
    };

    setBox(Form1->CheckBox2, false);
    activate();
    QImage image = canvas();
    // The first sample paints nothing; the segment from column 52 back to 51 does not reach 51.
    EXPECT_EQ(columnsHolding(image, kEnvelopePixel, QRect(51, 0, 1, kHeight)), std::set<int>{});
    EXPECT_EQ(pixel(52, model.envelopeRow(2)), kEnvelopePixel);
    for (int i = 2; i <= 400; ++i) {
        const int y = model.envelopeRow(i);
        if (!underHarmonic(50 + i, y)) {
            EXPECT_EQ(pixel(50 + i, y), kEnvelopePixel) << i;
        }
    }
    // Every curve pixel lies on a segment between neighbouring samples, and every row between two
    // samples is reached in one of their columns.
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            if ((image.pixel(x, y) & 0xffffffu) != kEnvelopePixel)
                continue;
            bool onSegment = false;
            for (const int i : {x - 50, x - 49}) {
                if (i < 2 || i > 400)
                    continue;
                const int y1 = model.envelopeRow(i - 1);
                const int y2 = model.envelopeRow(i);
                onSegment |= y >= std::min(y1, y2) && y <= std::max(y1, y2);
            }
            EXPECT_TRUE(onSegment) << x << "," << y;
        }
    for (int i = 2; i <= 400; ++i) {
        const int from = model.envelopeRow(i);
        const int to = model.envelopeRow(i - 1);
        for (int y = std::min(from, to) + 1; y < std::max(from, to); ++y) {
            const bool reached = pixel(49 + i, y) == kEnvelopePixel ||
                                 pixel(50 + i, y) == kEnvelopePixel || underHarmonic(49 + i, y) ||
                                 underHarmonic(50 + i, y);
            EXPECT_TRUE(reached) << "column " << 50 + i << " row " << y;
        }
    }
    EXPECT_EQ(pixel(60, 200), kWhitePixel); // no fill under the curve
    EXPECT_EQ(pixel(60, 130), kGridPixel);

    // No envelope at all: the grid under it shows again, the stems and caps stay.
    setBox(Form1->CheckBox2, true);
    setBox(Form1->CheckBox3, false);
    activate();
    image = canvas();
    EXPECT_EQ(countPixels(image, kEnvelopePixel), 0);
    EXPECT_TRUE(samePixels(image, spectrumPicture(model, false), kSpectrumSide));
    EXPECT_EQ(pixel(70, 119), kGridPixel);
    EXPECT_EQ(pixel(70, 120), kCapPixel);
    EXPECT_EQ(pixel(70, 121), kAmplitudeStemPixel);
}

TEST_F(WindowTest, PlotDefaultMarkersAndWaveform) {
    activate();
    const PacketModel model(kDefaultPacket, 100, 20);
    const QImage image = canvas();

    // All seven markers on x = 693 (400 * 100 / 300 = 133.3 columns after 560).
    EXPECT_EQ(markerColumns(image), std::set<int>{693});
    int top = 1000;
    int bottom = -1000;
    for (int j = 132; j <= 134; ++j) {
        top = std::min(top, static_cast<int>(model.sampleRow(j, 0, 20)));
        bottom = std::max(bottom, static_cast<int>(model.sampleRow(j, 0, 20)));
    }
    for (int y = 290; y <= 429; ++y) {
        if (y >= top && y <= bottom) {
            EXPECT_TRUE(pixel(693, y) == kMarkerPixel || pixel(693, y) == kBlackPixel) << y;
        } else {
            EXPECT_EQ(pixel(693, y), kMarkerPixel) << y;
        }
    }
    EXPECT_NE(pixel(693, 289), kMarkerPixel);
    EXPECT_NE(pixel(693, 430), kMarkerPixel);

    expectWaveform(image, model, 0, 20);
    // The top of the pulse lies above the frame, drawn over the window background.
    int highest = 1000;
    for (int j = 0; j < 400; ++j)
        highest = std::min(highest, static_cast<int>(model.sampleRow(j, 0, 20)));
    EXPECT_LT(highest, 280);
    EXPECT_GT(highest, 240);
    EXPECT_EQ(penColor(), PlotColor::kBlack);
}

TEST_F(WindowTest, PlotMarkersOfOtherPackets) {
    setPacket(kAllOnes, 100);
    activate();
    EXPECT_EQ(markerColumns(canvas()), (std::set<int>{610, 660, 710, 760, 810, 860, 910}));
    expectWaveform(canvas(), PacketModel(kAllOnes, 100, 20), 0, 20);

    // Boundary 5 is 36 of 48 units, but the durations' sum in extended precision stays a hair
    // below three quarters of the period: x = 859.
    const std::array<int, 8> packet = {2, 9, 12, 12, 1, 4, 1, 7};
    setPacket(packet, 780);
    activate();
    EXPECT_EQ(markerColumns(canvas()), (std::set<int>{576, 651, 751, 851, 859, 893, 901}));
    EXPECT_EQ(pixel(859, 420), kMarkerPixel);
    EXPECT_NE(pixel(860, 420), kMarkerPixel);
    expectWaveform(canvas(), PacketModel(packet, 780, 20), 0, 20);
}

TEST_F(WindowTest, PlotWaveformOfHarmonicRanges) {
    const PacketModel model(kDefaultPacket, 100, 20);

    // Only the mean value: a flat line at 360 - 33.3.
    setRange(0, 0);
    activate();
    for (int x = 560; x <= 959; ++x) {
        EXPECT_EQ(pixel(x, 326), kBlackPixel) << x;
        if (x > 560) {
            EXPECT_NE(pixel(x, 325), kBlackPixel) << x;
            EXPECT_NE(pixel(x, 327), kBlackPixel) << x;
        }
    }
    EXPECT_EQ(pixel(960, 326), kGridPixel); // the end of the last segment is not painted
    for (int y = 290; y <= 429; ++y)
        EXPECT_EQ(pixel(693, y), y == 326 ? kBlackPixel : kMarkerPixel) << y;

    // Harmonic 1 alone: one period of a sine about the axis.
    setRange(1, 1);
    activate();
    expectWaveform(canvas(), model, 1, 1);
    int highest = 1000;
    int lowest = -1000;
    for (int j = 0; j <= 400; ++j) {
        highest = std::min(highest, static_cast<int>(model.sampleRow(j, 1, 1)));
        lowest = std::max(lowest, static_cast<int>(model.sampleRow(j, 1, 1)));
    }
    // Amplitude 0.5514 V: the peaks at 360 -+ 55.14, truncated toward zero.
    EXPECT_EQ(highest, 304);
    EXPECT_EQ(lowest, 415);

    // Harmonic 2 alone: two periods.
    setRange(2, 2);
    activate();
    expectWaveform(canvas(), model, 2, 2);

    // Lower end above the upper: no harmonic, a flat line on the axis, over the markers.
    setRange(5, 2);
    activate();
    for (int y = 290; y <= 429; ++y)
        EXPECT_EQ(pixel(693, y), y == 360 ? kBlackPixel : kMarkerPixel) << y;
    for (int x = 560; x <= 959; ++x)
        EXPECT_EQ(pixel(x, 360), kBlackPixel) << x;
    // (clear of the axes' arrowheads)
    EXPECT_EQ(columnsHolding(canvas(), kBlackPixel, QRect(566, 281, 389, 78)), std::set<int>{});
    EXPECT_EQ(columnsHolding(canvas(), kBlackPixel, QRect(566, 361, 389, 78)), std::set<int>{});

    // Range ends beyond the table keep the harmonics it holds.
    setRange(0, 20);
    activate();
    const QImage whole = canvas();
    setRange(-5, 300);
    activate();
    EXPECT_TRUE(samePixels(canvas(), whole, kWholeWindow));
    setRange(-5, -1);
    activate();
    for (int x = 560; x <= 959; ++x)
        EXPECT_EQ(pixel(x, 360), kBlackPixel) << x;
    EXPECT_EQ(pixel(693, 359), kMarkerPixel);
    EXPECT_EQ(pixel(693, 360), kBlackPixel);
}

TEST_F(WindowTest, PlotSecondPassLeavesNoTraceOfTheFirst) {
    const auto otherInputs = [] {
        setPacket(kAllOnes, 100);
        setCount(3);
        setRange(1, 3);
        setBox(Form1->CheckBox2, false);
    };
    otherInputs();
    activate();
    const QImage alone = canvas();

    Application->ReleaseForms();
    Application->CreateForm(Form1);
    activate(); // the defaults: filled envelope, 21 stems, markers on 693
    EXPECT_GT(countPixels(canvas(), kEnvelopePixel), 1000);
    otherInputs();
    activate();
    EXPECT_TRUE(samePixels(canvas(), alone, kWholeWindow));

    // A pass that draws no envelope wipes the envelope of the one before.
    setBox(Form1->CheckBox3, false);
    activate();
    EXPECT_EQ(countPixels(canvas(), kEnvelopePixel), 0);
}

TEST_F(WindowTest, PlotPenIsBlackAfterEveryStep) {
    const double T = 0.0003;
    const double fmax = static_cast<double>(Extended(20) / T);
    const TColor odd = 0x123456;

    SetPenColor(odd);
    DrawAxes(fmax);
    EXPECT_EQ(penColor(), PlotColor::kBlack);

    SetPenColor(PlotColor::kGrid);
    DrawLine(600, 100, 610, 100);
    EXPECT_EQ(penColor(), PlotColor::kBlack);
    EXPECT_EQ(pixel(600, 100), kGridPixel);
    EXPECT_EQ(pixel(609, 100), kGridPixel);
    EXPECT_EQ(pixel(610, 100), kBackgroundPixel);

    SetPenColor(odd);
    DrawLabel(600, 120, QStringLiteral("x"));
    EXPECT_EQ(penColor(), odd); // a label leaves the pen alone

    SetPenColor(odd);
    DrawAmplitudeLine(10, 1 / T, fmax);
    EXPECT_EQ(penColor(), PlotColor::kBlack);
    SetPenColor(odd);
    DrawPhaseLine(10, 1 / T, fmax);
    EXPECT_EQ(penColor(), PlotColor::kBlack);
    SetPenColor(odd);
    DrawEnvelopePoint(5, 0.5, 4, 0.5);
    EXPECT_EQ(penColor(), PlotColor::kBlack);
    SetPenColor(odd);
    DrawSegmentMarkers(T, {0.0001, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(penColor(), PlotColor::kBlack);
    SetPenColor(odd);
    const std::vector<CoefPair> table(21);
    const std::vector<HarmonicLine> lines(21);
    DrawWaveform(table, lines);
    EXPECT_EQ(penColor(), PlotColor::kBlack);

    activate();
    EXPECT_EQ(penColor(), PlotColor::kBlack);
    EXPECT_EQ(pixel(10, 10), kBlackPixel); // the next pass's frames take the black pen
}

TEST_F(WindowTest, PlotStemsOfSmallAndExtremePhases) {
    const double T = 0.0003;
    const double fmax = static_cast<double>(Extended(20) / T);
    const auto f = [T](int k) { return static_cast<double>(Extended(k) / T); };
    DrawAxes(fmax);

    // p = 0: a two-pixel purple stub and the cap lying on the axis.
    DrawPhaseLine(0, f(2), fmax);
    EXPECT_EQ(pixel(90, 362), kPhaseStemPixel);
    EXPECT_EQ(pixel(90, 361), kPhaseStemPixel);
    EXPECT_NE(pixel(90, 363), kPhaseStemPixel);
    for (int x = 88; x <= 92; ++x)
        EXPECT_EQ(pixel(x, 360), kCapPixel) << x;
    EXPECT_EQ(pixel(87, 360), kBlackPixel);
    EXPECT_EQ(pixel(93, 360), kBlackPixel);

    // Phases near +pi and -pi: caps on the outermost grid lines of the phase plot.
    EXPECT_EQ(PlotGeometry::PhasePixels(std::atan2(1e-9, -1.0)), 100);
    EXPECT_EQ(PlotGeometry::PhasePixels(std::atan2(-1e-9, -1.0)), -100);
    DrawPhaseLine(PlotGeometry::PhasePixels(std::atan2(1e-9, -1.0)).value(), f(4), fmax);
    DrawPhaseLine(PlotGeometry::PhasePixels(std::atan2(-1e-9, -1.0)).value(), f(5), fmax);
    for (int y = 261; y <= 362; ++y)
        EXPECT_EQ(pixel(130, y), kPhaseStemPixel) << y;
    for (int y = 362; y <= 459; ++y)
        EXPECT_EQ(pixel(150, y), kPhaseStemPixel) << y;
    for (int x = -2; x <= 2; ++x) {
        EXPECT_EQ(pixel(130 + x, 260), kCapPixel) << x;
        EXPECT_EQ(pixel(150 + x, 460), kCapPixel) << x;
    }
    EXPECT_EQ(pixel(130, 259), kGridPixel);
    EXPECT_EQ(pixel(150, 461), kWhitePixel);

    // -1.5 rad: 32 * -1.5 = -48, the stem runs down to 407 with the cap on 408.
    EXPECT_EQ(PlotGeometry::PhasePixels(-1.5), -48);
    DrawPhaseLine(-48, f(7), fmax);
    EXPECT_EQ(pixel(190, 407), kPhaseStemPixel);
    EXPECT_EQ(pixel(190, 408), kCapPixel);
    EXPECT_EQ(pixel(190, 409), kGridPixel);

    // p = -2: the stem's start is its end, so only the cap on y = 362 shows.
    DrawPhaseLine(-2, f(9), fmax);
    EXPECT_EQ(pixel(230, 362), kCapPixel);
    EXPECT_EQ(pixel(230, 361), kGridPixel);

    // Amplitude h = 1: the stem of 232 ... 229 and the cap on 228.
    DrawAmplitudeLine(1, f(11), fmax);
    for (int y = 229; y <= 232; ++y)
        EXPECT_EQ(pixel(270, y), kAmplitudeStemPixel) << y;
    EXPECT_EQ(pixel(270, 228), kCapPixel);
    EXPECT_EQ(pixel(270, 227), kGridPixel);
}

TEST_F(WindowTest, PlotDrawingIsSafeOnAbsurdValues) {
    const double T = 0.0003;
    const double fmax = static_cast<double>(Extended(20) / T);
    DrawAxes(fmax);
    const QImage before = canvas();
    const auto unchanged = [&before, this](const char* what) {
        EXPECT_TRUE(samePixels(canvas(), before, kWholeWindow)) << what;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();

    // Stems whose column lies far outside the window, or has no value, paint nothing.
    DrawAmplitudeLine(10, 1e300, 1e-300);
    DrawAmplitudeLine(10, -1e300, 1e-300);
    DrawAmplitudeLine(10, 1.0, 0.0);
    DrawAmplitudeLine(10, 0.0, 0.0);
    DrawAmplitudeLine(10, nan, fmax);
    DrawPhaseLine(10, inf, fmax);
    DrawPhaseLine(10, 1.0, nan);
    unchanged("stems far away");

    // Markers of a period of 0 and of one far too short for its segments.
    DrawSegmentMarkers(0.0, {0.0001, 0, 0, 0, 0, 0, 0});
    DrawSegmentMarkers(0.0, {0, 0, 0, 0, 0, 0, 0});
    DrawSegmentMarkers(1e-300, {0.0001, 0.0001, 0.0001, 0.0001, 0.0001, 0.0001, 0.0001});
    DrawSegmentMarkers(-1e-300, {0.0001, 0, 0, 0, 0, 0, 0});
    DrawSegmentMarkers(T, {inf, 0, 0, 0, 0, 0, 0});
    unchanged("markers far away");

    // A waveform of far-away or undefined values lies wholly outside the window.
    setRange(0, 0);
    for (const double mean : {1e300, -1e300, inf, -inf, nan, 1e7, -1e7}) {
        std::vector<CoefPair> table(2);
        table[0].a = mean;
        const std::vector<HarmonicLine> lines = {{std::fabs(mean), 1.57}, {0, 0}};
        DrawWaveform(table, lines);
    }
    setRange(1, 1);
    {
        const std::vector<HarmonicLine> lines = {{0, 0}, {nan, 1.57}};
        DrawWaveform(std::vector<CoefPair>(2), lines);
    }
    unchanged("waveforms far away");

    // A huge cosine jumps between far above and far below the window: only the two jumps cross
    // it, each a black stroke in the columns of its segment.
    for (const double amplitude : {1e300, inf}) {
        DrawAxes(fmax);
        const std::vector<HarmonicLine> lines = {{0, 0}, {amplitude, 1.57}};
        DrawWaveform(std::vector<CoefPair>(2), lines);
        std::set<int> changed;
        const QImage image = canvas();
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (image.pixel(x, y) != before.pixel(x, y)) {
                    changed.insert(x);
                    EXPECT_EQ(image.pixel(x, y) & 0xffffffu, kBlackPixel) << x << "," << y;
                }
        EXPECT_GE(changed.size(), 2u);
        EXPECT_LE(changed.size(), 4u);
        for (const int x : changed) {
            EXPECT_TRUE(std::abs(x - 660) <= 2 || std::abs(x - 860) <= 2) << x;
            EXPECT_EQ(pixel(x, 0) == kBlackPixel || pixel(x + 1, 0) == kBlackPixel ||
                          pixel(x - 1, 0) == kBlackPixel,
                      true);
        }
    }

    // A mean of 3 V is a flat line at y = 60, above the panel and not clipped.
    DrawAxes(fmax);
    setRange(0, 0);
    {
        std::vector<CoefPair> table(2);
        table[0].a = 3.0;
        DrawWaveform(table, std::vector<HarmonicLine>(2));
    }
    for (int x = 560; x <= 959; ++x)
        EXPECT_EQ(pixel(x, 60), kBlackPixel) << x;
    EXPECT_EQ(columnsHolding(canvas(), kBlackPixel, QRect(0, 0, kWidth, 9)), std::set<int>{});

    // A huge stem runs to the top of the image; its cap lies outside.
    DrawAxes(fmax);
    DrawAmplitudeLine(INT_MAX / 2, static_cast<double>(Extended(1) / T), fmax);
    QImage expected = before;
    column(expected, 70, 0, 232, kAmplitudeStemPixel);
    EXPECT_TRUE(samePixels(canvas(), expected, kWholeWindow));
    DrawAmplitudeLine(static_cast<int>(1e6), static_cast<double>(Extended(2) / T), fmax);
    column(expected, 90, 0, 232, kAmplitudeStemPixel);
    DrawPhaseLine(static_cast<int>(-1e6), static_cast<double>(Extended(3) / T), fmax);
    column(expected, 110, 362, kHeight - 1, kPhaseStemPixel);
    EXPECT_TRUE(samePixels(canvas(), expected, kWholeWindow));

    // The envelope of a huge magnitude fills its column up to the top of the image; as a curve
    // towards a normal neighbour it is a steep line in the neighbour's column.
    DrawAxes(fmax);
    DrawEnvelopePoint(5, 1e300, 4, 1e300);
    expected = before;
    column(expected, 55, 0, 229, kEnvelopePixel);
    EXPECT_TRUE(samePixels(canvas(), expected, kWholeWindow));
    setBox(Form1->CheckBox2, false);
    DrawAxes(fmax);
    DrawEnvelopePoint(5, 1e300, 4, 0.5);
    expected = before;
    column(expected, 54, 0, 129, kEnvelopePixel);
    EXPECT_TRUE(samePixels(canvas(), expected, kWholeWindow));

    // A pass over a packet whose first segment is absurdly long next to the period: every
    // boundary lies far right of the window, so no marker shows.
    setBox(Form1->CheckBox2, true);
    setField(Form1->Edit1, QStringLiteral("1e300"));
    activate();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(markerColumns(canvas()), std::set<int>{});
    EXPECT_EQ(pixel(519, 250), kBlackPixel);
}

TEST_F(WindowTest, PlotStemsOfExtremeWholeNumbers) {
    // The stem routines take any whole number: the extremes of int reach the edge of the image
    // in their own direction.
    const double T = 0.0003;
    const double fmax = static_cast<double>(Extended(20) / T);
    DrawAxes(fmax);
    QImage expected = canvas();
    DrawAmplitudeLine(INT_MAX, static_cast<double>(Extended(1) / T), fmax);
    column(expected, 70, 0, 232, kAmplitudeStemPixel);
    DrawPhaseLine(INT_MAX, static_cast<double>(Extended(2) / T), fmax);
    column(expected, 90, 0, 362, kPhaseStemPixel);
    DrawPhaseLine(-INT_MAX, static_cast<double>(Extended(3) / T), fmax);
    column(expected, 110, 362, kHeight - 1, kPhaseStemPixel);
    DrawPhaseLine(INT_MIN, static_cast<double>(Extended(4) / T), fmax);
    column(expected, 130, 362, kHeight - 1, kPhaseStemPixel);
    DrawAmplitudeLine(INT_MIN / 2, static_cast<double>(Extended(5) / T), fmax);
    column(expected, 150, 232, kHeight - 1, kAmplitudeStemPixel);
    EXPECT_TRUE(samePixels(canvas(), expected, kWholeWindow));
}

TEST_F(WindowTest, PlotUndefinedValuesBecomeNoPixel) {
    // A first segment of 1e308 units makes the arguments of sin overflow: the envelope and most
    // harmonics have no defined value. Whatever is drawn, a magnitude never lies below the axis
    // and a phase never beyond +-pi (100 pixels), so no undefined value may put a pixel there.
    setField(Form1->Edit1, QStringLiteral("1e308"));
    activate();
    EXPECT_TRUE(errors.isEmpty());
    const QImage image = canvas();
    EXPECT_EQ(columnsHolding(image, kEnvelopePixel, QRect(0, 230, kWidth, kHeight - 230)),
              std::set<int>{});
    EXPECT_EQ(columnsHolding(image, kPhaseStemPixel, QRect(0, 0, kWidth, 259)), std::set<int>{});
    EXPECT_EQ(columnsHolding(image, kPhaseStemPixel, QRect(0, 463, kWidth, kHeight - 463)),
              std::set<int>{});
    EXPECT_EQ(columnsHolding(image, kAmplitudeStemPixel, QRect(0, 233, kWidth, kHeight - 233)),
              std::set<int>{});
}
