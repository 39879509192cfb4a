#pragma once

// GIFs read back by Qt's own reader, not by the library that writes them, so that a misreading
// shared by writer and reader cannot pass.

#include <QBuffer>
#include <QImageReader>

#include <utility>
#include <vector>

// Each frame as a viewer shows it (Format_RGB32) with its delay in milliseconds, or with `lastOnly`
// the last alone; nothing when a frame cannot be read.
inline std::vector<std::pair<QImage, int>> shownFrames(QByteArray bytes, bool lastOnly = false) {
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "gif");
    std::vector<std::pair<QImage, int>> frames;
    for (int i = 0, count = reader.imageCount(); i < count; ++i) {
        const QImage frame = reader.read();
        if (frame.isNull())
            return {};
        if (lastOnly)
            frames.clear();
        frames.emplace_back(frame.convertToFormat(QImage::Format_RGB32), reader.nextImageDelay());
    }
    return frames;
}
