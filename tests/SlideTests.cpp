// The slides of a lecture hall against reviewed pictures, each with pixels computed by hand beside
// it (<name>.pixels: "x y colour  why"), and the vector slides at the asked size.
// TOVENAL_UPDATE_REFERENCES=1 rewrites the pictures (review them before committing); the
// hand-computed pixels are checked in either mode.

#include "Export.h"
#include "ReferenceFile.h"
#include "Slide.h"

#include <QGuiApplication>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

spectrum::PassInput bothDrawingsAndMeasures() {
    Setup square;
    square.packet = {1, 0, 0, 0, 0, 0, 0, 1};
    square.rangeFrom = 1;
    square.rangeTo = 1;
    spectrum::PassInput input = passInputOf(square, {true, 95, 95});
    input.measures = true;
    return input;
}

// The name of the reviewed picture, the slide's size, the PDF's page in points (3/4 of a pixel at
// 96 pixels per inch), the pass.
const std::tuple<const char*, QSize, QSizeF, spectrum::PassInput> kSlides[] = {
    {"slide-1920x1080", {1920, 1080}, {1440, 810}, passInputOf(Setup{})},
    {"slide-1024x768", {1024, 768}, {768, 576}, passInputOf(Setup{})},
    {"slide-overlays-3840x1080", {3840, 1080}, {2880, 810}, bothDrawingsAndMeasures()},
};

const QHash<QString, QRgb> kColours = {
    {u"black"_s, 0x000000}, {u"white"_s, 0xffffff},     {u"background"_s, 0xf0f0f0},
    {u"grid"_s, 0xc8c8c8},  {u"envelope"_s, 0xc8fafa},  {u"stem"_s, 0x0332c8},
    {u"phase"_s, 0x963296}, {u"cap"_s, 0xfa3264},       {u"marker"_s, 0xc8fa64},
    {u"ideal"_s, 0xff8000}, {u"bandwidth"_s, 0x009600}, {u"box"_s, 0x808080}};

const bool kUpdating = qEnvironmentVariableIntValue("TOVENAL_UPDATE_REFERENCES") == 1;

} // namespace

TEST(Slide, ReviewedPicturesHandComputedPixelsAndVectorSizes) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); // "3,33333 кГц"
    for (const auto& [name, size, page, input] : kSlides) {
        SCOPED_TRACE(name);
        const spectrum::PassResult pass = spectrum::computePass(input);
        const QImage live = slideImage(pass, size);
        const QString base = QString::fromUtf8(name);
        const QString file = referencePath(base + u".png"_s);
        if (kUpdating)
            live.save(file);
        const QImage reviewed = QImage(file).convertToFormat(QImage::Format_RGB32);
        if (reviewed != live) {
            const QString saved =
                QCoreApplication::applicationDirPath() + u"/"_s + base + u"-actual.png"_s;
            live.save(saved);
            ADD_FAILURE() << qPrintable(file) << " differs from " << qPrintable(saved);
        }
        EXPECT_GE(expectHandComputedPixels(base, reviewed, live, kColours), 8);
        EXPECT_EQ(QSvgRenderer(slideSvg(pass, size)).viewBox(), QRect(QPoint(0, 0), size));
        const auto box = QRegularExpression(uR"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"_s)
                             .match(QString::fromLatin1(slidePdf(pass, size)));
        EXPECT_EQ(QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble()), page);
    }
    QLocale::setDefault(before);
}
