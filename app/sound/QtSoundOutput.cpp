// The sound device over Qt Multimedia: a QAudioSink on a thread of its own, topped up with 16-bit
// samples from the generator every few milliseconds. The window only hands plans to the generator;
// it never waits on the device.

#include "SoundGenerator.h"
#include "SoundOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QIODevice>
#include <QMediaDevices>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <array>
#include <cstring>
#include <limits>
#include <memory>

namespace {

// About 40 ms of sound between the generator and the loudspeaker: a new pass is heard well within
// 150 ms of its keystroke.
constexpr int kBufferMilliseconds = 40;
// How often the device's thread tops up the sink's buffer.
constexpr int kFeedMilliseconds = 10;
// How often the device's thread looks whether a stop has faded out, to let the device go.
constexpr int kIdleCheckMilliseconds = 50;
// The longest the window waits for the device's thread at the end.
constexpr int kShutdownMilliseconds = 300;

// Feeds the sink from the generator whenever it has room: 16-bit samples, rendered on the
// device's thread only.
class Feeder {
public:
    explicit Feeder(spectrum::SoundGenerator& generator) : m_generator(generator) {}

    void feed(QAudioSink& sink, QIODevice& device) {
        qint64 room = sink.bytesFree() / qint64(sizeof(std::int16_t));
        while (room > 0) {
            const auto count =
                static_cast<std::size_t>(std::min<qint64>(room, qint64(m_floats.size())));
            m_generator.render(std::span(m_floats.data(), count));
            for (std::size_t i = 0; i < count; ++i)
                m_pcm[i] = spectrum::toPcm16(m_floats[i]);
            device.write(reinterpret_cast<const char*>(m_pcm.data()),
                         qint64(count * sizeof(std::int16_t)));
            room -= qint64(count);
        }
    }

private:
    spectrum::SoundGenerator& m_generator;
    std::array<float, 1024> m_floats{};
    std::array<std::int16_t, 1024> m_pcm{};
};

// What the device's thread and the window share; it outlives the window if the thread is slow to
// end, rather than making the window wait.
struct Shared {
    spectrum::SoundGenerator generator;
    Feeder feeder{generator};
    QThread thread;
    QObject* context = nullptr; // lives on `thread`
    QAudioSink* sink = nullptr; // made, used and deleted on `thread` only
    QIODevice* sinkInput = nullptr;
    QTimer* feedTimer = nullptr;
    QAudioDevice device;
    QAudioFormat format;
};

QAudioFormat soundFormat() {
    QAudioFormat format;
    format.setSampleRate(spectrum::kSoundSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

class QtSoundOutput final : public SoundOutput {
    Q_DECLARE_TR_FUNCTIONS(QtSoundOutput)

public:
    explicit QtSoundOutput(SoundFailure onFailure)
        : m_shared(new Shared), m_onFailure(std::make_shared<SoundFailure>(std::move(onFailure))) {
        m_shared->device = QMediaDevices::defaultAudioOutput();
        m_shared->format = soundFormat();
        if (m_shared->device.isNull())
            m_unavailable = QtSoundOutput::tr("Нет устройства вывода звука");
        else if (!m_shared->device.isFormatSupported(m_shared->format))
            m_unavailable =
                QtSoundOutput::tr("Устройство вывода звука не воспроизводит 48 кГц, 16 бит");
        if (!m_unavailable.isEmpty())
            return;
        m_shared->thread.setObjectName(QStringLiteral("sound"));
        m_shared->context = new QObject;
        m_shared->context->moveToThread(&m_shared->thread);
        QObject::connect(&m_shared->thread, &QThread::finished, m_shared->context,
                         &QObject::deleteLater);
        m_shared->thread.start();
    }

    ~QtSoundOutput() override {
        // A failure reported from now on finds no window to tell.
        *m_onFailure = nullptr;
        if (!m_unavailable.isEmpty()) {
            delete m_shared;
            return;
        }
        m_shared->generator.stop();
        Shared* shared = m_shared;
        // Let the fade out play, then close the device on its own thread. The sink is stopped
        // before it goes: the sound server's thread may still be calling into a sink that is
        // deleted while it plays.
        QMetaObject::invokeMethod(shared->context, [shared] {
            QTimer::singleShot(2 * spectrum::kFadeSamples * 1000 / spectrum::kSoundSampleRate + 5,
                               shared->context, [shared] {
                                   if (shared->feedTimer != nullptr)
                                       shared->feedTimer->stop();
                                   if (shared->sink != nullptr)
                                       shared->sink->stop();
                                   delete shared->sink;
                                   shared->sink = nullptr;
                                   shared->sinkInput = nullptr;
                                   shared->thread.quit();
                               });
        });
        if (shared->thread.wait(QDeadlineTimer(kShutdownMilliseconds)))
            delete shared;
        // Otherwise the device hangs: leave it to the end of the process rather than wait on it.
    }

    QString unavailable() const override { return m_unavailable; }

    void play(const spectrum::SoundPlan& plan) override {
        if (!m_unavailable.isEmpty())
            return;
        m_shared->generator.play(plan);
        Shared* shared = m_shared;
        QMetaObject::invokeMethod(shared->context,
                                  [shared, failed = m_onFailure] { openDevice(*shared, failed); });
    }

    void stop() override {
        if (m_unavailable.isEmpty())
            m_shared->generator.stop();
    }

private:
    // On the device's thread: opens the device unless it is open.
    static void openDevice(Shared& shared, const std::shared_ptr<SoundFailure>& failed) {
        if (shared.sink != nullptr)
            return;
        shared.sink = new QAudioSink(shared.device, shared.format, shared.context);
        const int bytesPerSecond = shared.format.bytesForDuration(1'000'000);
        shared.sink->setBufferSize(bytesPerSecond * kBufferMilliseconds / 1000);
        QAudioSink* sink = shared.sink;
        QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink, failed](QAudio::State) {
            const QAudio::Error error = sink->error();
            if (error == QAudio::OpenError || error == QAudio::IOError ||
                error == QAudio::FatalError)
                reportFailure(failed, error);
        });
        shared.sinkInput = shared.sink->start();
        if (shared.feedTimer == nullptr) {
            shared.feedTimer = new QTimer(shared.context);
            shared.feedTimer->setTimerType(Qt::PreciseTimer);
            QObject::connect(shared.feedTimer, &QTimer::timeout, shared.context, [&shared] {
                if (shared.sink != nullptr && shared.sinkInput != nullptr)
                    shared.feeder.feed(*shared.sink, *shared.sinkInput);
            });
        }
        shared.feedTimer->start(kFeedMilliseconds);
        shared.feeder.feed(*shared.sink, *shared.sinkInput);
        releaseWhenSilent(shared);
    }

    // On the device's thread: once a stop has faded out, the device is let go until the next play.
    static void releaseWhenSilent(Shared& shared) {
        QTimer::singleShot(kIdleCheckMilliseconds, shared.context, [&shared] {
            if (shared.sink == nullptr)
                return;
            if (!shared.generator.silent())
                return releaseWhenSilent(shared);
            shared.feedTimer->stop();
            shared.sink->stop();
            shared.sink->deleteLater();
            shared.sink = nullptr;
            shared.sinkInput = nullptr;
        });
    }

    static void reportFailure(const std::shared_ptr<SoundFailure>& failed, QAudio::Error error) {
        const QString reason =
            error == QAudio::OpenError
                ? QtSoundOutput::tr("Устройство вывода звука не открылось")
                : QtSoundOutput::tr("Устройство вывода звука перестало работать");
        // The window's thread hears of it; the window may be gone by then.
        QMetaObject::invokeMethod(QCoreApplication::instance(), [failed, reason] {
            if (*failed)
                (*failed)(reason);
        });
    }

    Shared* m_shared;
    // Read and cleared on the window's thread only; the device's thread only passes it on.
    std::shared_ptr<SoundFailure> m_onFailure;
    QString m_unavailable;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundOutput* tovenalCreateSoundOutput(const SoundFailure* onFailure) {
    return new QtSoundOutput(*onFailure);
}
