#include "Export.h"

#include "ImageCanvas.h"
#include "ListingText.h"
#include "PainterCanvas.h"
#include "Picture.h"
#include "PixelMath.h"
#include "WindowStyle.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <charconv>
#include <numeric>

namespace {

using Extended = long double;
constexpr QSize kPictureSize(plot::kPictureWidth, plot::kPictureHeight);

// The shortest text that reads back as the same double, with '.' whatever the locale.
QByteArray number(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return QByteArray(buffer, static_cast<qsizetype>(end - buffer));
}

QByteArray row(const QByteArrayList& cells) {
    return cells.join(',') + '\n';
}

// The text after "k = " of each list's line, as the window shows it.
std::pair<QByteArray, QByteArray> listedTexts(const spectrum::ListedHarmonic& listed) {
    return {QByteArray::number(listed.millivolts),
            QByteArray::fromStdString(spectrum::phaseText(listed.degrees, listed.negligible))};
}

} // namespace

spectrum::PassInput passInputOf(const Setup& setup, const spectrum::PictureOverlays& overlays) {
    spectrum::PassInput input;
    const int multiples = std::accumulate(setup.packet.begin(), setup.packet.end(), 0);
    input.packet.period = static_cast<double>(multiples) * setup.unitTime;
    input.packet.unitTime = setup.unitTime;
    for (std::size_t n = 0; n < input.packet.multipliers.size(); ++n)
        input.packet.multipliers[n] = setup.packet[n];
    input.harmonics = setup.harmonics;
    input.rangeFrom = setup.rangeFrom;
    input.rangeTo = setup.rangeTo;
    input.envelope = setup.envelope != EnvelopeMode::Off;
    input.filledEnvelope = filledEnvelope(setup);
    input.showAll = setup.showAll;
    input.overlays = overlays;
    return input;
}

bool filledEnvelope(const Setup& setup) {
    return setup.envelope == EnvelopeMode::Fill;
}

QImage pictureOf(const spectrum::PassResult& pass, bool filled) {
    ImageCanvas canvas(plot::kPictureWidth, plot::kPictureHeight, windowFace());
    canvas.SetFont(windowFont());
    DrawPass(canvas, pass, filled);
    return canvas.image();
}

QImage scaledPicture(const QImage& picture, int scale) {
    return scale == 1 ? picture
                      : picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio,
                                       Qt::FastTransformation);
}

QByteArray pngOf(const QImage& picture, int scale) {
    const QImage scaled = scaledPicture(picture, scale);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    scaled.save(&buffer, "PNG");
    return bytes;
}

void paintPicture(QPainter& painter, const spectrum::PassResult& pass, bool filled) {
    PainterCanvas canvas(painter, kPictureSize, windowFace());
    canvas.SetFont(windowFont());
    DrawPass(canvas, pass, filled);
}

QByteArray svgOfDrawing(QSize size, const std::function<void(QPainter&)>& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Tovenal"));
    QPainter painter(&svg);
    paint(painter);
    painter.end();
    return bytes;
}

QByteArray pdfOfDrawing(QSize size, const std::function<void(QPainter&)>& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    // One unit a pixel at the window's 96 pixels per inch; one page of exactly the drawing.
    constexpr int kPixelsPerInch = 96;
    pdf.setResolution(kPixelsPerInch);
    pdf.setPageSize(QPageSize(QSizeF(size) * 72 / kPixelsPerInch, QPageSize::Point));
    pdf.setPageMargins(QMarginsF());
    pdf.setCreator(QStringLiteral("Tovenal"));
    QPainter painter(&pdf);
    paint(painter);
    painter.end();
    return bytes;
}

QByteArray svgOf(const spectrum::PassResult& pass, bool filled) {
    return svgOfDrawing(kPictureSize,
                        [&](QPainter& painter) { paintPicture(painter, pass, filled); });
}

QByteArray pdfOf(const spectrum::PassResult& pass, bool filled) {
    return pdfOfDrawing(kPictureSize,
                        [&](QPainter& painter) { paintPicture(painter, pass, filled); });
}

QByteArray harmonicsCsv(const spectrum::PassResult& pass, const Setup& setup) {
    QByteArray csv = "# Tovenal: harmonics of a periodic train of rectangular pulses\n";
    for (const SetupKey key : kSetupKeys)
        csv += "# " + keyName(key).toUtf8() + " = " + valueText(setup, key).toUtf8() + '\n';
    csv += "# period_us = " + number(pass.period) + '\n';
    csv += "# f1_khz = " + (pass.computed ? number(pass.f1) : QByteArray()) + '\n';
    csv += "k,frequency_khz,amplitude_v,phase_deg,listed_amplitude_mv,listed_phase_deg\n";
    auto listed = pass.listed.begin();
    for (int k = 0; k < static_cast<int>(pass.harmonics.size()); ++k) {
        const spectrum::HarmonicLine& line = pass.harmonics[static_cast<std::size_t>(k)];
        const double kilohertz =
            static_cast<double>(Extended(spectrum::harmonicFrequency(k, pass.timing.T)) / 1000);
        const double degrees = static_cast<double>(spectrum::degreesOf(line.phase));
        std::pair<QByteArray, QByteArray> shown;
        if (listed != pass.listed.end() && listed->k == k)
            shown = listedTexts(*listed++);
        csv += row({QByteArray::number(k), number(kilohertz), number(line.amplitude),
                    number(degrees), shown.first, shown.second});
    }
    return csv;
}

QByteArray signalCsv(const spectrum::PassResult& pass) {
    QByteArray csv = "t_us,u_v\n";
    if (!pass.computed)
        return csv;
    // Sample j lies at the fraction j / 400 of the period.
    const auto steps = static_cast<Extended>(pass.waveform.size() - 1);
    for (std::size_t j = 0; j < pass.waveform.size(); ++j)
        csv += row({number(static_cast<double>(Extended(pass.period) * j / steps)),
                    number(pass.waveform[j])});
    return csv;
}
