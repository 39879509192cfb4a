#pragma once

// Animated GIF over giflib, for the build-up of a range one harmonic at a time. Frames are encoded
// as they come, so a run of two hundred pictures never sits in memory at once: only the previous
// frame is kept, to find what changed.
//
// Colours are written exactly or not at all. The pictures hold a dozen flat colours and a teaching
// tool must not show a dithered spectrum, so a frame that would need more than 255 colours (one
// index of each table is the transparent one) makes the writer fail rather than approximate.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class GifWriter {
public:
    // Every frame must have this size; it is the logical screen of the file.
    explicit GifWriter(QSize size);
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // Encodes one frame, shown for delayMs (kept to the hundredth of a second GIF can say). After
    // the first frame only the rectangle that changed is stored, unchanged pixels inside it as
    // transparent. False once anything failed; error() says why and later calls fail too.
    bool addFrame(const QImage& frame, int delayMs);
    // The whole file, looping forever; nothing if a frame failed or none was added. Ends the
    // writer.
    std::optional<QByteArray> finish();
    QString error() const { return m_error; }

private:
    struct Encoder;
    bool fail(const QString& message);

    QSize m_size;
    QString m_error;
    bool m_finished = false;
    QImage m_previous; // as Format_RGB32, to find what the next frame changes
    // Opened by the first frame, whose colours make the global table.
    std::unique_ptr<Encoder> m_encoder;
};
