#include "SoundOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

// A device that is not there: the module could not be loaded.
class NoSoundOutput final : public SoundOutput {
public:
    explicit NoSoundOutput(QString reason) : m_reason(std::move(reason)) {}
    QString unavailable() const override { return m_reason; }
    void play(const spectrum::SoundPlan&) override {}
    void stop() override {}

private:
    QString m_reason;
};

// Beside the program in a build; in the library folder once installed.
QStringList moduleCandidates() {
    const QString name = QStringLiteral("tovenal_sound");
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(name),
            programFolder.filePath(QStringLiteral(TOVENAL_MODULE_FROM_BIN "/") + name)};
}

std::unique_ptr<SoundOutput> loadModule(SoundFailure onFailure) {
    QString why;
    for (const QString& candidate : moduleCandidates()) {
        // Never unloaded: the device's thread may outlive the window by a few milliseconds.
        QLibrary module(candidate);
        const auto entry = reinterpret_cast<SoundModuleEntry>(module.resolve(kSoundModuleEntry));
        if (entry != nullptr)
            return std::unique_ptr<SoundOutput>(entry(&onFailure));
        if (why.isEmpty())
            why = module.errorString();
    }
    return std::make_unique<NoSoundOutput>(
        QCoreApplication::translate("SoundOutput", "Модуль звука не загружен: ") + why);
}

} // namespace

SoundOutputFactory& soundOutputFactory() {
    static SoundOutputFactory factory = loadModule;
    return factory;
}
