#include "BuildUpAnimation.h"

#include "BuildUp.h"
#include "FieldValues.h"
#include "WindowAction.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Watches the whole application while the build-up runs: the first key or click stops it. F5
// and Esc only stop it; anything else goes on to where it was meant.
class AnimationStopper final : public QObject {
public:
    AnimationStopper(BuildUpAnimation* animation, QAction* toggle)
        : m_animation(animation), m_toggle(toggle) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_animation->running())
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->isAutoRepeat() && event->type() == QEvent::KeyPress)
                return false;
            const bool ownKey = key->key() == Qt::Key_Escape ||
                                m_toggle->shortcut().matches(QKeySequence(key->keyCombination())) ==
                                    QKeySequence::ExactMatch;
            // An own key is taken whole: its shortcut is overridden, so that its press comes
            // here, stops the build-up and goes no further (an Esc closes nothing).
            if (event->type() == QEvent::KeyPress)
                m_animation->stop();
            if (ownKey)
                event->accept();
            return ownKey;
        }
        case QEvent::MouseButtonPress:
            if (watched->isWidgetType())
                m_animation->stop();
            return false;
        default:
            return false;
        }
    }

private:
    BuildUpAnimation* m_animation;
    QAction* m_toggle;
};

} // namespace

BuildUpAnimation::BuildUpAnimation(TForm& form, const InputFields& fields)
    : QObject(form.widget()), m_form(form), m_fields(fields), m_timer(new QTimer(this)) {
    connect(m_timer, &QTimer::timeout, this, &BuildUpAnimation::step);
}

BuildUpAnimation::~BuildUpAnimation() = default;

void BuildUpAnimation::addItem(QMenu& menu) {
    QAction* toggleItem = addWindowAction(m_form, menu, *this, QT_TR_NOOP("Анимация гармоник"),
                                          QKeySequence(Qt::Key_F5), [this] { toggle(); });
    m_stopper = std::make_unique<AnimationStopper>(this, toggleItem);
}

bool BuildUpAnimation::running() const {
    return m_timer->isActive();
}

int BuildUpAnimation::interval() const {
    return m_timer->interval();
}

void BuildUpAnimation::toggle() {
    if (running()) {
        stop();
        return;
    }
    const spectrum::BuildUpSteps steps =
        spectrum::buildUpSteps(valueOf(m_fields.rangeFrom), valueOf(m_fields.harmonics));
    if (steps.count() == 0)
        return;
    m_next = steps.first;
    m_timer->start(spectrum::buildUpStepMilliseconds(steps.count()));
    QApplication::instance()->installEventFilter(m_stopper.get());
    step();
}

void BuildUpAnimation::step() {
    if (!running())
        return;
    const int k = m_next++;
    if (k >= valueOf(m_fields.harmonics))
        stop();
    m_fields.rangeTo->SetText(IntToStr(k));
}

void BuildUpAnimation::stop() {
    m_timer->stop();
    QApplication::instance()->removeEventFilter(m_stopper.get());
}
