#pragma once

// "Слушать сигнал": while checked, the harmonics the waveform panel sums sound, and every pass
// the window publishes hands the sound its new plan. The device is loaded on first use; one that
// is missing or fails leaves the item unchecked and says why in its tooltip.

#include "Pass.h"
#include "Sound.h"

#include <QObject>

#include <memory>

class QAction;
class QMenu;
class SoundOutput;
class PassPublisher;
class TForm;

class Listening final : public QObject {
    Q_OBJECT

public:
    Listening(TForm& form, const PassPublisher& passes);
    ~Listening() override;

    void addItem(QMenu& menu);
    // The menu item: its text says the octave move, its tooltip what is heard.
    QAction* item() const { return m_item; }
    void listen(bool on);

protected:
    bool event(QEvent* event) override;

private:
    void follow(const spectrum::PassResult& pass);
    bool openSound();
    void soundFailed(const QString& reason);

    TForm& m_form;
    const PassPublisher& m_passes;
    QAction* m_item = nullptr;
    // The sound of the latest pass, and the device, once it has been asked for.
    spectrum::SoundPlan m_plan;
    std::unique_ptr<SoundOutput> m_sound;
};
