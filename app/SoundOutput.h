#pragma once

// The sound device, as the window sees it. The device itself lives in a module of its own,
// loaded on first use: a window that never sounds pays no start-up time and no memory for Qt
// Multimedia and the sound server's client library.

#include "Sound.h"

#include <QString>

#include <functional>
#include <memory>

class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Why nothing can be played here ("Нет устройства вывода звука"); empty when a device is there.
    virtual QString unavailable() const = 0;
    // Plays the plan from now on, endlessly; a plan following another crossfades into it. Never
    // waits on the device.
    virtual void play(const spectrum::SoundPlan& plan) = 0;
    // Fades out and lets the device go.
    virtual void stop() = 0;
};

// Called on the window's thread when the device fails while playing, with the reason.
using SoundFailure = std::function<void(const QString& reason)>;

// The factory of the device: the module's, until a test replaces it. Never null; a module that
// cannot be loaded gives an output that is unavailable and says why.
using SoundOutputFactory = std::function<std::unique_ptr<SoundOutput>(SoundFailure onFailure)>;
SoundOutputFactory& soundOutputFactory();

// What the module exports, under this name, as an extern "C" function of this type.
inline constexpr char kSoundModuleEntry[] = "tovenalCreateSoundOutput";
using SoundModuleEntry = SoundOutput* (*)(const SoundFailure* onFailure);
