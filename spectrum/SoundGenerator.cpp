#include "SoundGenerator.h"

#include <algorithm>

namespace spectrum {

double SoundGenerator::Voice::gain() const {
    if (position >= length)
        return to;
    return from + (to - from) * (double(position) / length);
}

void SoundGenerator::play(const SoundPlan& plan) {
    // Prepared here, on the window's thread: the audio thread only takes the finished oscillator.
    request(plan.silent() ? nullptr : std::make_unique<SoundOscillator>(plan));
}

void SoundGenerator::stop() {
    request(nullptr);
}

bool SoundGenerator::silent() const {
    return m_silent.load();
}

void SoundGenerator::request(std::unique_ptr<SoundOscillator> oscillator) {
    // Declared before the lock so that the oscillators are freed after it is released.
    std::vector<std::unique_ptr<SoundOscillator>> retired;
    const std::lock_guard lock(m_mutex);
    m_pending = oscillator.get();
    m_requested = true;
    if (oscillator) {
        m_owned.push_back(std::move(oscillator));
        m_silent = false;
    }
    // What the audio thread neither plays nor can still take is ours to free. A plan it took
    // since it last told us cannot be among these: it tells us in the same lock that it takes.
    for (auto& owned : m_owned) {
        const bool inUse = std::find(m_inUse.begin(), m_inUse.end(), owned.get()) != m_inUse.end();
        if (owned.get() != m_pending && !inUse)
            retired.push_back(std::move(owned));
    }
    std::erase(m_owned, nullptr);
}

void SoundGenerator::takeRequest() {
    if (!m_requested)
        return;
    Voice* free = nullptr;
    bool sounding = false;
    for (Voice& voice : m_voices) {
        if (!voice.oscillator)
            free = free ? free : &voice;
        else if (voice.gain() > 0 || voice.to > 0)
            sounding = true;
    }
    if (m_pending && !free)
        return; // every voice busy: one fades out within a crossfade
    // From silence a plan fades in like the file's start; over sound it crossfades.
    const int fadeIn = sounding ? kCrossfadeSamples : kFadeSamples;
    const int fadeOut = m_pending ? fadeIn : kFadeSamples;
    for (Voice& voice : m_voices) {
        // A voice already fading out keeps its course: it is gone soonest that way.
        if (voice.oscillator && voice.to > 0)
            voice = {voice.oscillator, voice.gain(), 0.0, 0, fadeOut};
    }
    if (m_pending)
        *free = {m_pending, 0.0, 1.0, 0, fadeIn};
    m_pending = nullptr;
    m_requested = false;
}

void SoundGenerator::publishVoices() {
    for (std::size_t i = 0; i < kVoices; ++i)
        m_inUse[i] = m_voices[i].oscillator;
}

void SoundGenerator::render(std::span<float> out) {
    // Never wait for the window: a plan not taken now is taken on the next call.
    if (m_mutex.try_lock()) {
        takeRequest();
        publishVoices();
        m_mutex.unlock();
    }
    while (!out.empty()) {
        const std::size_t count = std::min(out.size(), m_mix.size());
        const std::span<double> mix = std::span(m_mix).first(count);
        const std::span<double> samples = std::span(m_voiceSamples).first(count);
        std::fill(mix.begin(), mix.end(), 0.0);
        for (Voice& voice : m_voices) {
            if (!voice.oscillator)
                continue;
            voice.oscillator->render(samples);
            for (std::size_t i = 0; i < count; ++i) {
                mix[i] += voice.gain() * samples[i];
                voice.position += voice.position < voice.length ? 1 : 0;
            }
            if (voice.to == 0 && voice.position >= voice.length)
                voice.oscillator = nullptr;
        }
        for (std::size_t i = 0; i < count; ++i)
            out[i] = static_cast<float>(std::clamp(mix[i], -1.0, 1.0));
        out = out.subspan(count);
    }
    const bool quiet =
        std::none_of(m_voices.begin(), m_voices.end(), [](const Voice& v) { return v.oscillator; });
    if (quiet && m_mutex.try_lock()) {
        if (!m_requested)
            m_silent = true;
        m_mutex.unlock();
    }
}

} // namespace spectrum
