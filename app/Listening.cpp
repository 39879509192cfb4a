// The rebuilt signal as sound: "Слушать сигнал" plays, while it is checked, the harmonics the
// waveform panel sums, and every pass hands the sound its new plan. The device is loaded on first
// use; one that is missing or fails leaves the item unchecked and says why in its tooltip.

#include "AccessibleMenuItem.h"
#include "SoundOutput.h"
#include "Tovenal_unit.h"

#include <QAction>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace {

const QString kListen = QStringLiteral("Слушать сигнал");

// "октаву", "октавы" or "октав", as Russian counts them.
QString octaves(int count) {
    const int lastTwo = count % 100;
    const int last = count % 10;
    if (last == 1 && lastTwo != 11)
        return QStringLiteral("октаву");
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        return QStringLiteral("октавы");
    return QStringLiteral("октав");
}

// "Слушать сигнал (на 3 октавы ниже)" when the pitch had to move into the audible band.
QString listenText(const spectrum::SoundPlan& plan) {
    if (plan.octaves == 0)
        return kListen;
    const int count = std::abs(plan.octaves);
    return QStringLiteral("%1 (на %2 %3 %4)")
        .arg(kListen)
        .arg(count)
        .arg(octaves(count), plan.octaves > 0 ? QStringLiteral("выше") : QStringLiteral("ниже"));
}

// "звучат гармоники 1…6 из 20": the heard harmonics among those of the range the waveform sums,
// the constant term not counted.
QString heardText(const spectrum::SoundPlan& plan, const spectrum::PassResult& pass) {
    // Wide: a range typed at the ends of the int type must not overflow here.
    const long long summed =
        pass.computed
            ? std::max(static_cast<long long>(pass.rangeTo) - std::max(pass.rangeFrom, 1) + 1, 0LL)
            : 0;
    if (plan.silent())
        return QStringLiteral("ни одна гармоника диапазона не звучит");
    if (plan.firstHeard == plan.lastHeard)
        return QStringLiteral("звучит гармоника %1 из %2").arg(plan.firstHeard).arg(summed);
    return QStringLiteral("звучат гармоники %1…%2 из %3")
        .arg(plan.firstHeard)
        .arg(plan.lastHeard)
        .arg(summed);
}

// Whether two plans sound alike, so that a pass that changes nothing audible (a ticked option,
// the nested passes of one keystroke) does not restart the sound.
bool soundsAlike(const spectrum::SoundPlan& a, const spectrum::SoundPlan& b) {
    const auto same = [](const spectrum::HeardHarmonic& x, const spectrum::HeardHarmonic& y) {
        return x.k == y.k && x.amplitude == y.amplitude && x.phase == y.phase;
    };
    return a.pitch == b.pitch && std::ranges::equal(a.harmonics, b.harmonics, same);
}

} // namespace

void TForm1::buildListening(QAction* listen) {
    describeMenuItemsByStatusTip();
    m_listenAction = listen;
    listen->setCheckable(true);
    listen->setToolTip(heardText(m_soundPlan, m_pass));
    listen->setStatusTip(listen->toolTip());
}

void TForm1::listenToSignal(bool on) {
    if (!on) {
        if (m_sound)
            m_sound->stop();
        return;
    }
    if (!openSound())
        return;
    m_sound->play(m_soundPlan);
}

// Loads the device on first use. A device that is not there disables the item, with the reason.
bool TForm1::openSound() {
    if (!m_sound) {
        const QPointer<QWidget> window = widget();
        m_sound = soundOutputFactory()([this, window](const QString& reason) {
            if (window)
                soundFailed(reason);
        });
    }
    const QString reason = m_sound->unavailable();
    if (reason.isEmpty())
        return true;
    m_listenAction->setChecked(false);
    m_listenAction->setEnabled(false);
    m_listenAction->setToolTip(reason);
    m_listenAction->setStatusTip(reason);
    return false;
}

// A device that stopped working while it played: the item is unchecked, and the next check tries
// a device afresh.
void TForm1::soundFailed(const QString& reason) {
    m_listenAction->setChecked(false);
    m_listenAction->setToolTip(reason);
    m_listenAction->setStatusTip(reason);
    m_sound.reset();
}

void TForm1::stopSound() {
    if (m_sound)
        m_sound->stop();
}

// After every pass: the item says what the sound of this pass is, and a playing sound takes it on.
void TForm1::updateSound() {
    spectrum::SoundPlan plan = spectrum::planSound(m_pass);
    const bool changed = !soundsAlike(plan, m_soundPlan);
    m_soundPlan = std::move(plan);
    if (m_listenAction == nullptr || !m_listenAction->isEnabled())
        return;
    const QString text = listenText(m_soundPlan);
    if (m_listenAction->text() != text)
        m_listenAction->setText(text);
    const QString heard = heardText(m_soundPlan, m_pass);
    if (m_listenAction->toolTip() != heard) {
        m_listenAction->setToolTip(heard);
        m_listenAction->setStatusTip(heard);
    }
    if (changed && m_listenAction->isChecked() && m_sound)
        m_sound->play(m_soundPlan);
}
