#pragma once

// Sound as the bytes of a WAV file: 16-bit PCM, one channel, at the sound's sample rate. Writing
// the bytes to disk is the caller's job, as for every other export.

#include <QByteArray>

#include <span>

// Each sample, in units of full scale, stored as spectrum::toPcm16 gives it.
QByteArray wavOf(std::span<const float> samples);
