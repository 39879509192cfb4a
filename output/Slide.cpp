#include "Slide.h"

#include "Export.h"
#include "PainterCanvas.h"
#include "Picture.h"
#include "PixelMath.h"
#include "WindowStyle.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// The part of the picture a slide shows: both frames, with what stands above the waveform's frame
// (the rebuilt period rises over it) and nothing of the window's free margins.
constexpr int kRegionLeft = plot::kSpectrumFrame.left;
constexpr int kRegionTop = plot::kSpectrumFrame.top;
constexpr int kRegionWidth = plot::kWaveFrame.right - kRegionLeft;
constexpr int kRegionHeight = plot::kSpectrumFrame.bottom - kRegionTop;
// Right of the spectrum panel and above the waveform the picture is empty down to where a rebuilt
// period of 1.1 V (a square wave's overshoot, with room) reaches: the texts' first choice.
constexpr int kNotchWidth = plot::kWaveFrame.right - plot::kSpectrumFrame.right;
constexpr int kNotchBottom = plot::kWaveZero - 110;
constexpr int kNotchHeight = kNotchBottom - kRegionTop;
constexpr int kBelowNotch = kRegionTop + kRegionHeight - kNotchBottom;

// A column of texts is this many ems wide: the longest line of ordinary values ("Доля мощности в
// диапазоне: 99,47 %" is 17.5 ems) fits, and two columns fit under the panels on a 4:3 screen.
constexpr int kColumnEms = 18;
// The packet's fields: a box wide enough for 999 (1.67 ems) and a little space between boxes.
constexpr double kBoxEms = 1.9;
constexpr double kBoxGapEms = 0.25;
constexpr int kSegments = 8;

// The type of a slide of height H: at least H / 30 pixels, so that it reads from the back of a
// lecture hall whatever the projector, unless a column and the margins would not fit the width
// (a surface narrower than two thirds of its height: a screen turned upright). The line step is
// the font's own spacing, 1.15 ems.
struct Type {
    int pixels;
    int step;
    int half; // between groups of lines
    int margin;
    int gap; // between the panels and the texts
    int column;
};

Type typeOf(QSize size) {
    const int pixels =
        std::max(1, std::min((size.height() + 29) / 30, size.width() / (kColumnEms + 2)));
    const int step = static_cast<int>(std::lround(1.15 * pixels));
    return {pixels, step, step / 2, pixels, pixels / 2, kColumnEms * pixels};
}

// The texts stand in four groups of lines: the packet (a heading, the multipliers in boxes, the
// pulse pattern under them), its timing, the count and range, the measures. In one column
// they take 11 lines and three half steps; in two, the first two groups beside the last two,
// six lines and a half step.
int oneColumnHeight(const Type& type) {
    return 11 * type.step + 3 * type.half;
}
int twoColumnsHeight(const Type& type) {
    return 6 * type.step + type.half;
}

// Where everything goes. The picture's region is drawn at `scale` with its top left corner at
// `region`; the texts start at `column[0]` and, in two columns, go on at `column[1]`.
struct Layout {
    double scale = 0;
    QPointF region;
    int columns = 1;
    std::array<QPointF, 2> column;
};

// Of the three places for the texts, the one that leaves the panels largest:
//  - in the picture's empty corner over the waveform, the whole region as large as the surface
//    holds it, s = min((W - 2m) / 960, (H - 2m) / 490, (H - 2m - g - h1) / 250), when a column
//    (18 ems) and the gap fit in the corner's 450 s;
//  - under the panels, in two columns when each fits half the region's width, else in one:
//    s = min((W - 2m) / 960, (H - 2m - g - h) / 490);
//  - beside the panels, one column: s = min((W - 2m - g - c) / 960, (H - 2m) / 490).
// m is the margin (1 em), g the gap (half an em), c the column, h1 and h the texts' heights. The
// whole is centred; on a tie the order above decides.
Layout layoutOf(QSize size) {
    const Type type = typeOf(size);
    const double W = size.width();
    const double H = size.height();
    const double m = type.margin;
    const double g = type.gap;
    const double c = type.column;
    const double h1 = oneColumnHeight(type);
    const double widthFit = (W - 2 * m) / kRegionWidth;
    const double heightFit = (H - 2 * m) / kRegionHeight;

    std::vector<Layout> candidates;
    {
        Layout notch;
        notch.scale = std::min({widthFit, heightFit, (H - 2 * m - g - h1) / kBelowNotch});
        const double s = notch.scale;
        // The texts hang from the top; the picture goes down as far as they need.
        const double drop = std::max(0.0, h1 + g - kNotchHeight * s);
        const double top = (H - drop - kRegionHeight * s) / 2;
        notch.region = {(W - kRegionWidth * s) / 2, top + drop};
        notch.column[0] = {notch.region.x() + (kRegionWidth - kNotchWidth) * s + g, top};
        if (c + g <= kNotchWidth * s)
            candidates.push_back(notch);
    }
    // Under the panels; one column is also the last resort, whatever overflows.
    const auto under = [&](int columns) {
        Layout layout;
        layout.columns = columns;
        const double h = columns == 2 ? twoColumnsHeight(type) : h1;
        layout.scale = std::min(widthFit, (H - 2 * m - g - h) / kRegionHeight);
        const double s = layout.scale;
        const double top = (H - kRegionHeight * s - g - h) / 2;
        layout.region = {(W - kRegionWidth * s) / 2, top};
        const double textTop = top + kRegionHeight * s + g;
        layout.column[0] = {layout.region.x(), textTop};
        layout.column[1] = {layout.region.x() + (kRegionWidth * s + g) / 2, textTop};
        return layout;
    };
    const Layout twoUnder = under(2);
    const Layout oneUnder = under(1);
    if (2 * c + g <= kRegionWidth * twoUnder.scale)
        candidates.push_back(twoUnder);
    else if (c <= kRegionWidth * oneUnder.scale)
        candidates.push_back(oneUnder);
    {
        Layout beside;
        beside.scale = std::min((W - 2 * m - g - c) / kRegionWidth, heightFit);
        const double s = beside.scale;
        const double left = (W - kRegionWidth * s - g - c) / 2;
        beside.region = {left, (H - kRegionHeight * s) / 2};
        beside.column[0] = {left + kRegionWidth * s + g, beside.region.y()};
        if (s > 0 && h1 <= H - 2 * m)
            candidates.push_back(beside);
    }
    if (candidates.empty())
        return oneUnder;
    return *std::ranges::max_element(candidates, [](const Layout& a, const Layout& b) {
        return a.scale < b.scale; // the first of equals stays
    });
}

// The picture's origin on a whole slide pixel keeps where its strips fall simple to work out:
// window column x fills the slide's pixels from x0 + s x to x0 + s (x + 1).
QPoint pictureOrigin(const Layout& layout) {
    return {static_cast<int>(std::lround(layout.region.x() - kRegionLeft * layout.scale)),
            static_cast<int>(std::lround(layout.region.y() - kRegionTop * layout.scale))};
}

// One line of the texts: plain, or the packet's eight fields in boxes, or the pulse pattern
// under them.
struct Line {
    enum Kind { Text, Boxes, Pattern } kind = Text;
    QString text;
    std::array<QString, kSegments> cells{};
};
using Group = std::vector<Line>;

QString number(double value, int precision = 10) {
    return QLocale().toString(value, 'g', precision);
}

Group packetGroup(const spectrum::PassResult& pass) {
    const spectrum::PacketInput& packet = pass.packet;
    Line boxes;
    boxes.kind = Line::Boxes;
    Line pattern;
    pattern.kind = Line::Pattern;
    // The pass keeps the period, not the last multiplier: that is what the first seven leave.
    double last = packet.unitTime != 0 ? packet.period / packet.unitTime : 0;
    for (std::size_t n = 0; n < kSegments; ++n) {
        if (n < packet.multipliers.size()) {
            boxes.cells[n] = number(packet.multipliers[n]);
            last -= packet.multipliers[n];
        } else {
            boxes.cells[n] = number(last);
        }
        pattern.cells[n] = QLocale().toString(n % 2 == 0 ? 1 : 0);
    }
    return {{Line::Text, QCoreApplication::translate("Slide", "Множители времяни и вид посылки")},
            boxes,
            pattern};
}

Group timingGroup(const spectrum::PassResult& pass) {
    const QString f1 =
        pass.computed ? QCoreApplication::translate("Slide", "f1 = %1 кГц").arg(number(pass.f1, 6))
                      : QCoreApplication::translate("Slide", "f1 = —");
    return {
        {Line::Text, QCoreApplication::translate("Slide", "Время единичного импульса: %1 мкс")
                         .arg(number(pass.packet.unitTime))},
        {Line::Text,
         QCoreApplication::translate("Slide", "Период посылки: %1 мкс").arg(number(pass.period))},
        {Line::Text, f1}};
}

// A pass that computed nothing has no count to show.
Group harmonicsGroup(const spectrum::PassResult& pass) {
    if (!pass.computed)
        return {};
    const QLocale locale;
    return {{Line::Text, QCoreApplication::translate("Slide", "Количество гармоник: %1")
                             .arg(locale.toString(pass.N))},
            {Line::Text, QCoreApplication::translate("Slide", "Диапазон гармоник с %1 по %2")
                             .arg(locale.toString(pass.rangeFrom), locale.toString(pass.rangeTo))}};
}

QString percent(double value) {
    return QLocale().toString(value + 0.0, 'f', 2);
}

// The bandwidth at the share chosen for the window (or asked for on the command line).
std::size_t bandwidthIndex(const spectrum::PassResult& pass) {
    const auto& shares = spectrum::kBandwidthShares;
    const auto at = std::ranges::find(shares, pass.overlays.chosenShare);
    return at == shares.end() ? 0 : static_cast<std::size_t>(at - shares.begin());
}

// Blank lines without measures, so that the panels stay where they are.
Group measuresGroup(const spectrum::PassResult& pass) {
    if (!pass.computed || !pass.measures)
        return {};
    const spectrum::Measures& m = *pass.measures;
    const std::size_t index = bandwidthIndex(pass);
    const spectrum::Bandwidth& bandwidth = m.bandwidths[index];
    const QLocale locale;
    return {
        {Line::Text, QCoreApplication::translate("Slide", "Доля мощности в диапазоне: %1 %")
                         .arg(percent(m.rangeSharePct))},
        {Line::Text, QCoreApplication::translate("Slide", "Ширина спектра %1 %: K = %2, %3 кГц")
                         .arg(locale.toString(spectrum::kBandwidthShares[index]),
                              locale.toString(bandwidth.k), number(bandwidth.khz, 6))},
        {Line::Text,
         m.overshootPct
             ? QCoreApplication::translate("Slide", "Выброс: %1 %").arg(percent(*m.overshootPct))
             : QCoreApplication::translate("Slide", "Выброс: не определён")}};
}

// The window's font, hinting and all, at the slide's size: the same slide from the window and
// from the command line, in few enough colours for a GIF frame.
QFont slideFont(const Type& type) {
    QFont font = windowFont();
    font.setPixelSize(type.pixels);
    return font;
}

void drawLine(QPainter& painter, const Type& type, QPointF at, const Line& line) {
    const QFontMetricsF metrics(painter.font());
    const double baseline = at.y() + (type.step - metrics.height()) / 2 + metrics.ascent();
    if (line.kind == Line::Text) {
        painter.drawText(QPointF(at.x(), baseline), line.text);
        return;
    }
    const double box = kBoxEms * type.pixels;
    const double pitch = box + kBoxGapEms * type.pixels;
    for (std::size_t n = 0; n < line.cells.size(); ++n) {
        const QRectF cell(at.x() + static_cast<double>(n) * pitch, at.y(), box, type.step);
        if (line.kind == Line::Boxes) {
            // The fields of the window: white, in a thin grey frame.
            const double edge = std::max(1.0, std::floor(type.pixels / 18.0));
            painter.fillRect(cell, QColor(128, 128, 128));
            painter.fillRect(cell.adjusted(edge, edge, -edge, -edge), Qt::white);
        }
        painter.drawText(cell, Qt::AlignCenter, line.cells[n]);
    }
}

void drawGroups(QPainter& painter, const Type& type, QPointF at, const std::vector<Group>& groups) {
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (g > 0)
            at.ry() += type.half;
        for (const Line& line : groups[g]) {
            drawLine(painter, type, at, line);
            at.ry() += type.step;
        }
    }
}

void drawTexts(QPainter& painter, const Type& type, const Layout& layout,
               const spectrum::PassResult& pass) {
    painter.setFont(slideFont(type));
    painter.setPen(Qt::black);
    const std::vector<Group> groups = {packetGroup(pass), timingGroup(pass), harmonicsGroup(pass),
                                       measuresGroup(pass)};
    if (layout.columns == 2) {
        drawGroups(painter, type, layout.column[0], {groups[0], groups[1]});
        drawGroups(painter, type, layout.column[1], {groups[2], groups[3]});
    } else {
        drawGroups(painter, type, layout.column[0], groups);
    }
}

QTransform pictureTransform(const Layout& layout) {
    const QPoint origin = pictureOrigin(layout);
    return QTransform(layout.scale, 0, 0, layout.scale, origin.x(), origin.y());
}

} // namespace

void paintSlide(QPainter& painter, QSize size, const spectrum::PassResult& pass) {
    const Type type = typeOf(size);
    const Layout layout = layoutOf(size);
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), windowFace());
    drawTexts(painter, type, layout, pass);
    // The picture after the texts: a rebuilt period that rises past its usual reach crosses them
    // rather than vanishing under them.
    painter.setTransform(pictureTransform(layout), true);
    // No Clear: the slide's background is already there, and the picture's own would stop at the
    // window's edges.
    PainterCanvas canvas(painter, QSize(), windowFace());
    canvas.SetFont(windowFont());
    // Below one slide pixel per window pixel a strip could fall between two pixels and vanish;
    // blended, every line shows.
    painter.setRenderHint(QPainter::Antialiasing, layout.scale < 1);
    DrawPass(canvas, pass, pass.filledEnvelope);
    painter.restore();
}

QTransform slidePictureTransform(QSize size) {
    return pictureTransform(layoutOf(size));
}

QImage slideImage(const spectrum::PassResult& pass, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    paintSlide(painter, size, pass);
    painter.end();
    return image;
}

QByteArray slidePng(const spectrum::PassResult& pass, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    slideImage(pass, size).save(&buffer, "PNG");
    return bytes;
}

QByteArray slideSvg(const spectrum::PassResult& pass, QSize size) {
    return svgOfDrawing(size, [&](QPainter& painter) { paintSlide(painter, size, pass); });
}

QByteArray slidePdf(const spectrum::PassResult& pass, QSize size) {
    return pdfOfDrawing(size, [&](QPainter& painter) { paintSlide(painter, size, pass); });
}
