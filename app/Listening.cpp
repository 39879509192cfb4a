#include "Listening.h"

#include "AccessibleMenuItem.h"
#include "PassPublisher.h"
#include "SoundOutput.h"
#include "Vcl.h"
#include "WindowAction.h"

#include <QAction>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace {

// "Слушать сигнал (на 3 октавы ниже)" when the pitch had to move into the audible band.
QString listenText(const spectrum::SoundPlan& plan) {
    if (plan.octaves == 0)
        return Listening::tr("Слушать сигнал");
    const int count = std::abs(plan.octaves);
    return plan.octaves > 0 ? Listening::tr("Слушать сигнал (на %n октав выше)", nullptr, count)
                            : Listening::tr("Слушать сигнал (на %n октав ниже)", nullptr, count);
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
        return Listening::tr("ни одна гармоника диапазона не звучит");
    if (plan.firstHeard == plan.lastHeard)
        //: %1 is the harmonic heard, %2 how many the range sums
        return Listening::tr("звучит гармоника %1 из %2").arg(plan.firstHeard).arg(summed);
    //: %1…%2 are the harmonics heard, %3 how many the range sums
    return Listening::tr("звучат гармоники %1…%2 из %3")
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

Listening::Listening(TForm& form, const PassPublisher& passes)
    : QObject(form.widget()), m_form(form), m_passes(passes) {
    connect(&passes, &PassPublisher::published, this, &Listening::follow);
}

Listening::~Listening() = default;

void Listening::addItem(QMenu& menu) {
    describeMenuItemsByStatusTip();
    m_item = addWindowAction(m_form, menu, listenText(m_plan), QKeySequence(Qt::CTRL | Qt::Key_L),
                             [this] { listen(m_item->isChecked()); });
    m_item->setCheckable(true);
    m_item->setToolTip(heardText(m_plan, m_passes.latest()));
    m_item->setStatusTip(m_item->toolTip());
}

void Listening::listen(bool on) {
    if (!on) {
        if (m_sound)
            m_sound->stop();
        return;
    }
    if (!openSound())
        return;
    m_sound->play(m_plan);
}

// Loads the device on first use. A device that is not there disables the item, with the reason.
bool Listening::openSound() {
    if (!m_sound) {
        // The device may report after the window has gone.
        const QPointer<Listening> self(this);
        m_sound = soundOutputFactory()([self](const QString& reason) {
            if (self)
                self->soundFailed(reason);
        });
    }
    const QString reason = m_sound->unavailable();
    if (reason.isEmpty())
        return true;
    m_item->setChecked(false);
    m_item->setEnabled(false);
    m_item->setToolTip(reason);
    m_item->setStatusTip(reason);
    return false;
}

// A device that stopped working while it played: the item is unchecked, and the next check tries
// a device afresh.
void Listening::soundFailed(const QString& reason) {
    m_item->setChecked(false);
    m_item->setToolTip(reason);
    m_item->setStatusTip(reason);
    m_sound.reset();
}

bool Listening::event(QEvent* event) {
    // The next pass retranslates an item that follows the passes; one a device has disabled keeps
    // the device's reason.
    if (event->type() == QEvent::LanguageChange && m_item && m_item->isEnabled()) {
        m_item->setText(listenText(m_plan));
        m_item->setToolTip(heardText(m_plan, m_passes.latest()));
        m_item->setStatusTip(m_item->toolTip());
    }
    return QObject::event(event);
}

// After every pass: the item says what the sound of this pass is, and a playing sound takes it on.
void Listening::follow(const spectrum::PassResult& pass) {
    spectrum::SoundPlan plan = spectrum::planSound(pass);
    const bool changed = !soundsAlike(plan, m_plan);
    m_plan = std::move(plan);
    if (m_item == nullptr || !m_item->isEnabled())
        return;
    const QString text = listenText(m_plan);
    if (m_item->text() != text)
        m_item->setText(text);
    const QString heard = heardText(m_plan, pass);
    if (m_item->toolTip() != heard) {
        m_item->setToolTip(heard);
        m_item->setStatusTip(heard);
    }
    if (changed && m_item->isChecked() && m_sound)
        m_sound->play(m_plan);
}
