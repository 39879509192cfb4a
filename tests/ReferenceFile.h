#pragma once

// The reviewed files of tests/reference/, for every suite that compares with them.

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

inline QString referencePath(const QString& name) {
    return QStringLiteral(TOVENAL_REFERENCE_DIR "/") + name;
}

// A file's bytes; none when it cannot be read, which no comparison with a reviewed file passes.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray referenceBytes(const QString& name) {
    return fileBytes(referencePath(name));
}

// The "x y colour  why" lines of <name>.pixels, computed by hand, each held in the reviewed picture
// and in the live one; an unknown colour matches no pixel. Gives how many lines were checked.
inline int expectHandComputedPixels(const QString& name, const QImage& reviewed, const QImage& live,
                                    const QHash<QString, QRgb>& colours) {
    int checked = 0;
    for (const QString& line :
         QString::fromUtf8(referenceBytes(name + QStringLiteral(".pixels"))).split(u'\n')) {
        const QStringList word = line.split(u' ', Qt::SkipEmptyParts);
        if (word.size() < 3 || word[0].startsWith(u'#'))
            continue;
        const QRgb colour = colours.value(word[2], 0x1000000);
        const auto at = [&word](const QImage& image) { // no colour lies outside the picture
            const int x = word[0].toInt();
            const int y = word[1].toInt();
            return image.valid(x, y) ? image.pixel(x, y) & 0xffffffu : 0x2000000u;
        };
        EXPECT_EQ(at(reviewed), colour) << qPrintable(line);
        EXPECT_EQ(at(live), colour) << qPrintable(line);
        ++checked;
    }
    return checked;
}
