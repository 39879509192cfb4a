#include "WavFile.h"

#include "Sound.h"

#include <QtEndian>

#include <cstdint>

namespace {

constexpr int kChannels = 1;
constexpr int kBytesPerSample = 2;
constexpr int kFormatChunkBytes = 16;
constexpr std::uint16_t kPcm = 1;

// RIFF is little-endian throughout.
void append16(QByteArray& bytes, std::uint16_t value) {
    char out[2];
    qToLittleEndian(value, out);
    bytes.append(out, 2);
}

void append32(QByteArray& bytes, std::uint32_t value) {
    char out[4];
    qToLittleEndian(value, out);
    bytes.append(out, 4);
}

} // namespace

QByteArray wavOf(std::span<const float> samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(44 + dataBytes));
    bytes.append("RIFF", 4);
    append32(bytes, 4 + (8 + kFormatChunkBytes) + (8 + dataBytes));
    bytes.append("WAVE", 4);
    bytes.append("fmt ", 4);
    append32(bytes, kFormatChunkBytes);
    append16(bytes, kPcm);
    append16(bytes, kChannels);
    append32(bytes, spectrum::kSoundSampleRate);
    append32(bytes, spectrum::kSoundSampleRate * kChannels * kBytesPerSample);
    append16(bytes, kChannels * kBytesPerSample);
    append16(bytes, 8 * kBytesPerSample);
    bytes.append("data", 4);
    append32(bytes, dataBytes);
    for (const float sample : samples)
        append16(bytes, static_cast<std::uint16_t>(spectrum::toPcm16(sample)));
    return bytes;
}
