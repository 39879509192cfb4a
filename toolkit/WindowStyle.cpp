#include "WindowStyle.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

constexpr auto kWindowFontFile = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
constexpr int kWindowFontPixels = 11;

QString windowFontFamily() {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kWindowFontFile));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("Liberation Sans") : families.front();
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
