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

// What the default packet (one pulse of 100 us at the start of a 300 us period, 20 harmonics)
// puts on the plots, straight from the formulas: Fourier coefficients of a pulse of 1 V centred
// at tau / 2, with pi = 3.14, in extended precision.
struct DefaultPacket {
    static constexpr int N = 20;
    const double T = static_cast<double>(Extended(300) * 0.000001);
    const double tau = static_cast<double>(Extended(100) * 0.000001);

    Extended weight(int k) const {
        return 2 * std::sin(k * kProgramPi * tau / T) / (k * kProgramPi);
    }
    Extended a(int k) const {
        return k == 0 ? tau / T : weight(k) * std::cos(k * kProgramPi * tau / T);
    }
    Extended b(int k) const { return k == 0 ? 0 : weight(k) * std::sin(k * kProgramPi * tau / T); }
    Extended amplitude(int k) const { return std::sqrt(a(k) * a(k) + b(k) * b(k)); }
    Extended phase(int k) const { return std::atan2(a(k), b(k)); }
    // Stem height in hundredths of a volt and phase in pixels (32 per radian), truncated.
    int h(int k) const { return static_cast<int>(amplitude(k) * 100); }
    int p(int k) const { return static_cast<int>(phase(k) * 32); }

    // Magnitude of the continuous spectrum at envelope point i of 400 (harmonic number i N / 400):
    // of a single pulse, the size of its sine factor.
    Extended envelope(int i) const {
        const Extended S = 400 * Extended(T) / N;
        return std::fabs(std::sin(i * kProgramPi * tau / S)) * 2 * S / (i * kProgramPi * T);
    }
    int envelopeRow(int i) const { return static_cast<int>(230 - 200 * envelope(i)); }

    // Row of sample j of 400 of the partial sum over harmonics lower ... upper, before truncation.
    Extended sampleRow(int j, int lower, int upper) const {
        Extended s = 0;
        for (int m = lower; m <= upper; ++m)
            s = m == 0 ? a(0)
                       : s + amplitude(m) * std::sin(phase(m) + 2 * kProgramPi * m * j / 400);
        return 360 - 100 * s;
    }
};

const std::array<int, 8> kAllOnes = {1, 1, 1, 1, 1, 1, 1, 1};

// Frequency of harmonic k of the default period of 300 us, as the pass forms it, and the end of
// the scale of 20 harmonics.
double harmonic(int k) {
    return static_cast<double>(Extended(k) / 0.0003);
}
const double kFmax = harmonic(20);

const std::set<int> kNone;
const QRect kWhole(0, 0, kWidth, kHeight);

QRgb at(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xffffffu;
}

// Every pixel of a horizontal or vertical run, both ends included.
void expectRun(const QImage& image, QPoint from, QPoint to, QRgb colour) {
    const QPoint step(to.x() > from.x() ? 1 : 0, to.y() > from.y() ? 1 : 0);
    for (QPoint p = from;; p += step) {
        EXPECT_EQ(at(image, p.x(), p.y()), colour) << p.x() << "," << p.y();
        if (p == to)
            break;
    }
}

// A stem from two pixels below the zero line up or down to its top row (not painted), where the
// red cap spans two pixels either side of the stem.
void expectStem(const QImage& image, int x, int zero, int top, QRgb colour) {
    const int step = top < zero + 2 ? -1 : 1;
    EXPECT_NE(at(image, x, zero + 2 - step), colour) << x;
    for (int y = zero + 2; y != top; y += step)
        EXPECT_EQ(at(image, x, y), colour) << x << "," << y;
    for (int dx = -3; dx <= 3; ++dx)
        EXPECT_EQ(at(image, x + dx, top) == kCapPixel, std::abs(dx) <= 2) << x + dx << "," << top;
}

// A label's cell shows exactly what the window font writes there on its own.
void expectLabel(const QImage& image, int x, int y, const QString& text) {
    TCanvas alone(kWidth, kHeight, Qt::magenta);
    alone.SetFont(TApplication::windowFont());
    alone.TextOut(x, y, text);
    const QFontMetrics metrics(TApplication::windowFont());
    int mismatches = 0;
    for (int py = y; py < y + metrics.height(); ++py)
        for (int px = x; px < x + metrics.horizontalAdvance(text); ++px)
            mismatches += at(image, px, py) != at(alone.image(), px, py) ? 1 : 0;
    EXPECT_EQ(mismatches, 0) << text.toStdString() << " at " << x << "," << y;
}

// The envelope's colour, or that of the stems and caps drawn over it.
bool underStems(QRgb colour) {
    return colour == kEnvelopePixel || colour == kAmplitudeStemPixel || colour == kCapPixel;
}

std::set<int> columnsHolding(const QImage& image, QRgb colour, QRect area) {
    std::set<int> columns;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (at(image, x, y) == colour)
                columns.insert(x);
    return columns;
}

std::set<int> markerColumns(const QImage& image) {
    return columnsHolding(image, kMarkerPixel, QRect(540, 250, 431, 200));
}

// Frequency grid columns of n divisions, without x = 50 where the vertical axes lie.
std::set<int> gridColumns(int n) {
    std::set<int> columns;
    for (int k = 1; k <= n; ++k)
        columns.insert(50 + 400 * k / n);
    return columns;
}

// The polyline of samples 0 ... 400: every sample point but the last is black, and between two
// samples every row is covered in one of their two columns. A sample a hair from a whole row may
// land on either (the last bits of the arithmetic decide).
void expectWaveform(const QImage& image, const DefaultPacket& model, int lower, int upper) {
    int previous = 0;
    for (int j = 0; j <= 400; ++j) {
        const Extended value = model.sampleRow(j, lower, upper);
        int row = static_cast<int>(value);
        for (const Extended near : {value - 1e-6L, value + 1e-6L})
            if (at(image, 560 + j, row) != kBlackPixel)
                row = static_cast<int>(near);
        if (j < 400) {
            EXPECT_EQ(at(image, 560 + j, row), kBlackPixel) << "sample " << j << " row " << row;
        }
        for (int y = std::min(previous, row) + 1; j > 0 && y < std::max(previous, row); ++y)
            EXPECT_TRUE(at(image, 559 + j, y) == kBlackPixel ||
                        at(image, 560 + j, y) == kBlackPixel)
                << "gap before sample " << j << " at row " << y;
        previous = row;
    }
}

} // namespace

TEST_F(WindowTest, PlotEmptyPanelsMatchTheirLayout) {
    DrawAxes(kFmax);
    EXPECT_EQ(penColor(), PlotColor::kBlack);
    const QImage image = canvas();

    // The frames' right and bottom edges lie one pixel inside the given corners; white inside.
    for (const QRect frame :
         {QRect(QPoint(10, 10), QPoint(519, 499)), QRect(QPoint(540, 280), QPoint(969, 439))}) {
        expectRun(image, frame.topLeft(), frame.topRight(), kBlackPixel);
        expectRun(image, frame.bottomLeft(), frame.bottomRight(), kBlackPixel);
        expectRun(image, frame.topLeft(), frame.bottomLeft(), kBlackPixel);
        expectRun(image, frame.topRight(), frame.bottomRight(), kBlackPixel);
        EXPECT_EQ(at(image, frame.right() + 1, frame.center().y()), kBackgroundPixel);
        EXPECT_EQ(at(image, frame.center().x(), frame.bottom() + 1), kBackgroundPixel);
        EXPECT_EQ(at(image, frame.left() + 1, frame.top() + 1), kWhitePixel);
    }

    // Waveform panel: grey level and time lines under the black axes.
    for (const int y : {290, 325, 395, 430})
        expectRun(image, {561, y}, {959, y}, kGridPixel);
    for (int x = 600; x <= 960; x += 40) {
        expectRun(image, {x, 290}, {x, 359}, kGridPixel);
        expectRun(image, {x, 361}, {x, 429}, kGridPixel);
    }
    expectRun(image, {560, 360}, {960, 360}, kBlackPixel);
    expectRun(image, {560, 290}, {560, 429}, kBlackPixel);

    // Spectrum panel: the level lines end at x = 450, the frequency grid reaches from y = 30 to
    // 460 and shows between the plots, and the black axes lie over both.
    for (const int y : {30, 80, 130, 180, 260, 310, 410, 460}) {
        expectRun(image, {51, y}, {449, y}, kGridPixel);
        EXPECT_EQ(at(image, 451, y), kWhitePixel) << y;
    }
    EXPECT_EQ(columnsHolding(image, kGridPixel, QRect(51, 50, 468, 1)), gridColumns(20));
    expectRun(image, {50, 250}, {50, 259}, kGridPixel);
    EXPECT_EQ(at(image, 450, 459), kGridPixel);
    EXPECT_EQ(at(image, 450, 460), kWhitePixel);
    EXPECT_EQ(at(image, 70, 29), kWhitePixel);
    expectRun(image, {50, 30}, {50, 229}, kBlackPixel);
    expectRun(image, {50, 230}, {499, 230}, kBlackPixel);
    expectRun(image, {50, 260}, {50, 459}, kBlackPixel);
    expectRun(image, {50, 360}, {499, 360}, kBlackPixel);

    // Arrowheads: two five-pixel 45-degree strokes from each tip (x, y, dx1, dy1, dx2, dy2).
    const int arrows[][6] = {{560, 290, 1, 1, -1, 1},   {960, 360, -1, 1, -1, -1},
                             {50, 30, 1, 1, -1, 1},     {50, 260, 1, 1, -1, 1},
                             {500, 230, -1, -1, -1, 1}, {500, 360, -1, -1, -1, 1}};
    for (const auto& [x, y, dx1, dy1, dx2, dy2] : arrows)
        for (const QPoint d : {QPoint(dx1, dy1), QPoint(dx2, dy2)}) {
            for (int n = 0; n < 5; ++n)
                EXPECT_EQ(at(image, x + n * d.x(), y + n * d.y()), kBlackPixel) << x << "," << y;
            if (x != 500 || d.y() < 0) { // (the others end on the cell of "f,гц")
                EXPECT_NE(at(image, x + 5 * d.x(), y + 5 * d.y()), kBlackPixel) << x << "," << y;
            }
        }

    // Labels on white cells, the scale numbers F and F / 2 over the grid lines of x = 450 and 250.
    expectLabel(image, 25, 20, QStringLiteral("A(f)"));
    expectLabel(image, 21, 250, QStringLiteral("Ф(f)"));
    for (const int y : {224, 354})
        expectLabel(image, 40, y, QStringLiteral("0"));
    for (const int y : {235, 365}) {
        expectLabel(image, 490, y, QStringLiteral("f,гц"));
        expectLabel(image, 440, y, QStringLiteral("66666"));
        expectLabel(image, 250, y, QStringLiteral("33333"));
    }
}

TEST_F(WindowTest, PlotFrequencyGridAndHarmonicColumnsFollowTheCount) {
    // The division count's three tests, the grid columns in rows that neither the envelope nor a
    // stem reaches (in the amplitude plot and between the plots), and the stubs below the
    // amplitude axis in row 231, one per harmonic on column 50 + 400 k / N: harmonic 0 on x = 50,
    // harmonic N on x = 450.
    EXPECT_EQ(gridColumns(3), (std::set<int>{183, 316, 450}));
    const std::pair<int, int> divisions[] = {{1, 1},   {3, 3},    {20, 20},  {49, 49},  {50, 20},
                                             {99, 39}, {100, 20}, {149, 29}, {150, 20}, {200, 26}};
    for (const auto& [N, n] : divisions) {
        EXPECT_EQ(PlotGeometry::GridDivisions(N), n) << N;
        setCount(N);
        activate();
        for (const int y : {50, 255})
            EXPECT_EQ(columnsHolding(canvas(), kGridPixel, QRect(51, y, 468, 1)), gridColumns(n))
                << N << " row " << y;
        std::set<int> stubs;
        for (int k = 0; k <= N; ++k)
            stubs.insert(50 + 400 * k / N);
        EXPECT_EQ(columnsHolding(canvas(), kAmplitudeStemPixel, QRect(0, 231, kWidth, 1)), stubs)
            << N;
    }
}

TEST_F(WindowTest, PlotDefaultSpectrum) {
    const DefaultPacket model;
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

    activate();
    const QImage image = canvas();
    // Stems and caps of every harmonic, over the envelope.
    for (int k = 0; k <= DefaultPacket::N; ++k) {
        expectStem(image, 50 + 20 * k, 230, 230 - 2 * model.h(k), kAmplitudeStemPixel);
        expectStem(image, 50 + 20 * k, 360, 360 - model.p(k), kPhaseStemPixel);
    }
    // Phase caps of harmonics 3, 6, ... , 15 on y = 410, of harmonic 18 on y = 409.
    for (int k = 3; k <= 15; k += 3)
        EXPECT_EQ(pixel(50 + 20 * k, 410), kCapPixel) << k;
    EXPECT_EQ(pixel(410, 409), kCapPixel);

    // The envelope starts at y = 96 in column 51 and passes y = 119 in column 70, one pixel above
    // the cap of harmonic 1 and under the grid line.
    EXPECT_EQ(pixel(51, 96), kEnvelopePixel);
    EXPECT_EQ(pixel(70, 119), kEnvelopePixel);
    EXPECT_EQ(pixel(70, 118), kGridPixel);
    // Each column 51 ... 450 is filled from the envelope down to y = 229, under the stems and
    // caps; the axis pixel of y = 230 stays black wherever no stem or cap stands on it.
    for (int i = 1; i <= 400; ++i) {
        const int x = 50 + i;
        const int top = model.envelopeRow(i);
        EXPECT_NE(pixel(x, top - 1), kEnvelopePixel) << x;
        for (int y = top; y <= 229; ++y)
            EXPECT_TRUE(underStems(at(image, x, y))) << x << "," << y;
        if (i % 20 > 2 && i % 20 < 18) {
            EXPECT_EQ(pixel(x, 230), kBlackPixel) << x;
        }
    }
    EXPECT_EQ(penColor(), PlotColor::kBlack);
}

TEST_F(WindowTest, PlotEnvelopeAsCurveAndSwitchedOff) {
    const DefaultPacket model;
    setBox(Form1->CheckBox2, false);
    activate();
    const QImage image = canvas();
    // The first sample paints nothing, and the segment from column 52 back to 51 does not reach
    // 51.
    EXPECT_EQ(columnsHolding(image, kEnvelopePixel, QRect(51, 0, 1, kHeight)), kNone);
    EXPECT_EQ(pixel(52, model.envelopeRow(2)), kEnvelopePixel);
    // Each segment starts on its sample and reaches every row up to the previous one.
    for (int i = 2; i <= 400; ++i) {
        const int x = 50 + i;
        const int y = model.envelopeRow(i);
        const int previous = model.envelopeRow(i - 1);
        EXPECT_TRUE(underStems(at(image, x, y))) << x << "," << y;
        for (int r = std::min(y, previous) + 1; r < std::max(y, previous); ++r)
            EXPECT_TRUE(underStems(at(image, x - 1, r)) || underStems(at(image, x, r)))
                << x << "," << r;
    }
    EXPECT_EQ(pixel(60, 200), kWhitePixel); // no fill under the curve

    // No envelope at all: the grid under it shows again, the stems and caps stay.
    setBox(Form1->CheckBox2, true);
    setBox(Form1->CheckBox3, false);
    activate();
    EXPECT_EQ(columnsHolding(canvas(), kEnvelopePixel, kWhole), kNone);
    EXPECT_EQ(pixel(70, 119), kGridPixel);
    EXPECT_EQ(pixel(70, 120), kCapPixel);
    EXPECT_EQ(pixel(70, 121), kAmplitudeStemPixel);
}

TEST_F(WindowTest, PlotSegmentMarkers) {
    // Defaults: all seven on x = 693 (400 * 100 / 300 = 133.3 columns after 560), from y = 290 to
    // 429, under the waveform.
    activate();
    EXPECT_EQ(markerColumns(canvas()), std::set<int>{693});
    for (int y = 290; y <= 429; ++y)
        EXPECT_TRUE(pixel(693, y) == kMarkerPixel || pixel(693, y) == kBlackPixel) << y;
    EXPECT_NE(pixel(693, 289), kMarkerPixel);
    EXPECT_NE(pixel(693, 430), kMarkerPixel);

    setPacket(kAllOnes, 100);
    activate();
    EXPECT_EQ(markerColumns(canvas()), (std::set<int>{610, 660, 710, 760, 810, 860, 910}));

    // Boundary 5 is 36 of 48 units, but the durations' sum in extended precision stays a hair
    // below three quarters of the period: x = 859.
    setPacket({2, 9, 12, 12, 1, 4, 1, 7}, 780);
    activate();
    EXPECT_EQ(markerColumns(canvas()), (std::set<int>{576, 651, 751, 851, 859, 893, 901}));
}

TEST_F(WindowTest, PlotWaveformOfHarmonicRanges) {
    const DefaultPacket model;
    // The defaults, range 0 ... 20: the top of the pulse lies above the frame, drawn over the
    // window background.
    activate();
    expectWaveform(canvas(), model, 0, 20);
    EXPECT_NE(columnsHolding(canvas(), kBlackPixel, QRect(561, 240, 132, 39)), kNone);
    EXPECT_EQ(penColor(), PlotColor::kBlack);

    // Only the mean value: a flat line at 360 - 33.3, over the markers.
    setRange(0, 0);
    activate();
    for (int x = 561; x <= 959; ++x) {
        EXPECT_EQ(pixel(x, 326), kBlackPixel) << x;
        EXPECT_NE(pixel(x, 325), kBlackPixel) << x;
        EXPECT_NE(pixel(x, 327), kBlackPixel) << x;
    }
    EXPECT_EQ(pixel(960, 326), kGridPixel); // the end of the last segment is not painted
    EXPECT_EQ(pixel(693, 325), kMarkerPixel);
    EXPECT_EQ(pixel(693, 326), kBlackPixel);

    // Harmonic 1 alone: one period of a sine about the axis; harmonic 2 alone: two.
    for (const int m : {1, 2}) {
        setRange(m, m);
        activate();
        expectWaveform(canvas(), model, m, m);
    }

    // Lower end above the upper: no harmonic, a flat line on the axis, over the markers, and no
    // other black in the panel clear of the axes' arrowheads.
    setRange(5, 2);
    activate();
    expectRun(canvas(), {560, 360}, {959, 360}, kBlackPixel);
    EXPECT_EQ(pixel(693, 359), kMarkerPixel);
    EXPECT_EQ(columnsHolding(canvas(), kBlackPixel, QRect(566, 281, 389, 78)), kNone);
    EXPECT_EQ(columnsHolding(canvas(), kBlackPixel, QRect(566, 361, 389, 78)), kNone);

    // Range ends beyond the table keep the harmonics it holds.
    setRange(0, 20);
    activate();
    const QImage whole = canvas();
    setRange(-5, 300);
    activate();
    EXPECT_TRUE(canvas() == whole);
    setRange(-5, -1);
    activate();
    expectRun(canvas(), {560, 360}, {959, 360}, kBlackPixel);
    EXPECT_EQ(pixel(693, 359), kMarkerPixel);
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
    otherInputs();
    activate();
    EXPECT_TRUE(canvas() == alone);
}

TEST_F(WindowTest, PlotPenIsBlackAfterEveryStep) {
    const TColor odd = 0x123456;
    const auto blackAfter = [odd](const char* step, const auto& draw) {
        SetPenColor(odd);
        draw();
        EXPECT_EQ(penColor(), PlotColor::kBlack) << step;
    };
    SetPenColor(odd);
    DrawLabel(600, 120, QStringLiteral("x"));
    EXPECT_EQ(penColor(), odd); // a label leaves the pen alone

    blackAfter("axes", [] { DrawAxes(kFmax); });
    blackAfter("line", [] { DrawLine(600, 100, 610, 100); });
    blackAfter("amplitude", [] { DrawAmplitudeLine(10, harmonic(1), kFmax); });
    blackAfter("phase", [] { DrawPhaseLine(10, harmonic(1), kFmax); });
    blackAfter("envelope", [] { DrawEnvelopePoint(5, 0.5, 4, 0.5); });
    blackAfter("markers", [] { DrawSegmentMarkers(0.0003, {0.0001, 0, 0, 0, 0, 0, 0}); });
    blackAfter("waveform",
               [] { DrawWaveform(std::vector<CoefPair>(21), std::vector<HarmonicLine>(21)); });

    activate();
    EXPECT_EQ(penColor(), PlotColor::kBlack);
    EXPECT_EQ(pixel(10, 10), kBlackPixel); // the next pass's frames take the black pen
}

TEST_F(WindowTest, PlotStemsOfSmallAndExtremeValues) {
    DrawAxes(kFmax);

    // p = 0: a two-pixel purple stub and the cap lying on the axis.
    DrawPhaseLine(0, harmonic(2), kFmax);
    // Phases near +pi and -pi: caps on the outermost grid lines of the phase plot.
    EXPECT_EQ(PlotGeometry::PhasePixels(std::atan2(1e-9, -1.0)), 100);
    EXPECT_EQ(PlotGeometry::PhasePixels(std::atan2(-1e-9, -1.0)), -100);
    DrawPhaseLine(100, harmonic(4), kFmax);
    DrawPhaseLine(-100, harmonic(5), kFmax);
    // -1.5 rad: 32 * -1.5 = -48, the stem runs down to 407 with the cap on 408.
    EXPECT_EQ(PlotGeometry::PhasePixels(-1.5), -48);
    DrawPhaseLine(-48, harmonic(7), kFmax);
    // p = -2: the stem's start is its end, so only the cap on y = 362 shows.
    DrawPhaseLine(-2, harmonic(9), kFmax);
    // Amplitude h = 1: the stem of 232 ... 229 and the cap on 228.
    DrawAmplitudeLine(1, harmonic(11), kFmax);

    const QImage image = canvas();
    expectStem(image, 90, 360, 360, kPhaseStemPixel);
    expectStem(image, 130, 360, 260, kPhaseStemPixel);
    expectStem(image, 150, 360, 460, kPhaseStemPixel);
    expectStem(image, 190, 360, 408, kPhaseStemPixel);
    expectStem(image, 230, 360, 362, kPhaseStemPixel);
    expectStem(image, 270, 230, 228, kAmplitudeStemPixel);
    EXPECT_EQ(pixel(87, 360), kBlackPixel);
    EXPECT_EQ(pixel(270, 227), kGridPixel);
}

TEST_F(WindowTest, PlotDrawingIsSafeOnAbsurdValues) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    DrawAxes(kFmax);
    const QImage before = canvas();
    // The pixels that differ from the empty panels.
    const auto changed = [&before, this] {
        std::vector<QPoint> pixels;
        const QImage image = canvas();
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (image.pixel(x, y) != before.pixel(x, y))
                    pixels.emplace_back(x, y);
        return pixels;
    };

    // Stems whose column lies far outside the window or has no value, markers of a period of 0
    // or of one far too short for its segments, and waveforms of far-away or undefined values
    // paint nothing.
    const std::pair<double, double> farStems[] = {{1e300, 1e-300}, {-1e300, 1e-300}, {1.0, 0.0},
                                                  {0.0, 0.0},      {nan, 1e5},       {inf, 1e5},
                                                  {1.0, nan}};
    for (const auto& [f, scaleEnd] : farStems) {
        DrawAmplitudeLine(10, f, scaleEnd);
        DrawPhaseLine(10, f, scaleEnd);
    }
    EXPECT_EQ(changed().size(), 0u) << "stems";
    for (const double period : {0.0, 1e-300, -1e-300})
        DrawSegmentMarkers(period, {0.0001, 0.0001, 0, 0, 0, 0, 0});
    DrawSegmentMarkers(0.0, {0, 0, 0, 0, 0, 0, 0});
    DrawSegmentMarkers(0.0003, {inf, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(changed().size(), 0u) << "markers";
    setRange(0, 0);
    for (const double mean : {1e300, -1e300, inf, -inf, nan, 1e7, -1e7}) {
        std::vector<CoefPair> table(2);
        table[0].a = mean;
        DrawWaveform(table, std::vector<HarmonicLine>{{std::fabs(mean), 1.57}, {0, 0}});
    }
    setRange(1, 1);
    DrawWaveform(std::vector<CoefPair>(2), std::vector<HarmonicLine>{{0, 0}, {nan, 1.57}});
    EXPECT_EQ(changed().size(), 0u) << "waveforms";

    // A huge cosine jumps between far above and far below the window: only the two jumps cross
    // it, black strokes over every row but the three already black (frame and axis) in the
    // columns of their segments.
    for (const double amplitude : {1e300, inf}) {
        DrawAxes(kFmax);
        DrawWaveform(std::vector<CoefPair>(2),
                     std::vector<HarmonicLine>{{0, 0}, {amplitude, 1.57}});
        EXPECT_EQ(changed().size(), 2u * (kHeight - 3));
        for (const QPoint p : changed()) {
            EXPECT_EQ(pixel(p.x(), p.y()), kBlackPixel) << p.x() << "," << p.y();
            EXPECT_TRUE(std::abs(p.x() - 660) <= 2 || std::abs(p.x() - 860) <= 2) << p.x();
        }
    }

    // A mean of 3 V is a flat line at y = 60, above the panel and not clipped.
    DrawAxes(kFmax);
    setRange(0, 0);
    std::vector<CoefPair> three(2);
    three[0].a = 3.0;
    DrawWaveform(three, std::vector<HarmonicLine>(2));
    expectRun(canvas(), {560, 60}, {959, 60}, kBlackPixel);

    // Stems of the extremes of int run to the edge of the image in their own direction; their
    // caps lie outside.
    DrawAxes(kFmax);
    DrawAmplitudeLine(INT_MAX, harmonic(1), kFmax);
    DrawAmplitudeLine(INT_MIN / 2, harmonic(2), kFmax);
    DrawPhaseLine(INT_MAX, harmonic(3), kFmax);
    DrawPhaseLine(INT_MIN, harmonic(4), kFmax);
    expectRun(canvas(), {70, 0}, {70, 232}, kAmplitudeStemPixel);
    expectRun(canvas(), {90, 232}, {90, kHeight - 1}, kAmplitudeStemPixel);
    expectRun(canvas(), {110, 0}, {110, 362}, kPhaseStemPixel);
    expectRun(canvas(), {130, 362}, {130, kHeight - 1}, kPhaseStemPixel);
    EXPECT_EQ(changed().size(), 233u + 374u + 363u + 244u);

    // The envelope of a huge magnitude fills its column up to the top of the image; as a curve
    // towards a normal neighbour it is a steep line in the neighbour's column.
    DrawAxes(kFmax);
    DrawEnvelopePoint(5, 1e300, 4, 1e300);
    expectRun(canvas(), {55, 0}, {55, 229}, kEnvelopePixel);
    EXPECT_EQ(changed().size(), 230u);
    setBox(Form1->CheckBox2, false);
    DrawAxes(kFmax);
    DrawEnvelopePoint(5, 1e300, 4, 0.5);
    expectRun(canvas(), {54, 0}, {54, 129}, kEnvelopePixel);
    EXPECT_EQ(changed().size(), 130u);

    // A packet whose first segment is absurdly long next to the period puts every boundary far
    // right of the window: no marker shows.
    setBox(Form1->CheckBox2, true);
    setField(Form1->Edit1, QStringLiteral("1e300"));
    activate();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(markerColumns(canvas()), kNone);

    // A first segment of 1e308 units makes the arguments of sin overflow: the envelope and most
    // harmonics have no defined value. Whatever is drawn, a magnitude never lies below the axis
    // and a phase never beyond +-pi (100 pixels), so no undefined value may put a pixel there.
    setField(Form1->Edit1, QStringLiteral("1e308"));
    activate();
    EXPECT_TRUE(errors.isEmpty());
    const QImage image = canvas();
    EXPECT_EQ(columnsHolding(image, kEnvelopePixel, QRect(0, 230, kWidth, kHeight - 230)), kNone);
    EXPECT_EQ(columnsHolding(image, kPhaseStemPixel, QRect(0, 0, kWidth, 259)), kNone);
    EXPECT_EQ(columnsHolding(image, kPhaseStemPixel, QRect(0, 463, kWidth, kHeight - 463)), kNone);
    EXPECT_EQ(columnsHolding(image, kAmplitudeStemPixel, QRect(0, 233, kWidth, kHeight - 233)),
              kNone);
}
