#include "WindowStyle.h"

#include <QFontDatabase>
#include <QResource>
#include <QStringList>

#include <cstdio>

namespace {

// The window font travels inside the program, so that every picture is the same pixels whatever
// fonts the system has. The resource is stored uncompressed and handed over without a copy.
constexpr auto kWindowFontResource = u":/fonts/LiberationSans-Regular.ttf";
constexpr auto kWindowFontFamily = u"Liberation Sans";
constexpr int kWindowFontPixels = 11;

QString windowFontFamily() {
    static const QString family = [] {
        const QResource resource(QString::fromUtf16(kWindowFontResource));
        const QByteArray data =
            resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                          static_cast<qsizetype>(resource.size()))
                : QByteArray();
        const int id = QFontDatabase::addApplicationFontFromData(data);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            return families.front();
        std::fputs("tovenal: the window font could not be loaded; text is drawn in a system font "
                   "and pictures may differ\n",
                   stderr);
        return QString::fromUtf16(kWindowFontFamily);
    }();
    return family;
}

} // namespace

QFont windowFont() {
    QFont font(windowFontFamily());
    font.setPixelSize(kWindowFontPixels);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QColor windowFace() {
    return {240, 240, 240};
}
