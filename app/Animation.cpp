// "Анимация гармоник": the harmonics added one by one. Each step types the next upper end of the
// range into Edit14, exactly as a person would, so the field's rules, the pass, the lists, the
// readouts and the sound follow. F5 again, Esc, a click in the window or any key stops it where
// it is; the key or click itself then does what it always does.

#include "BuildUp.h"
#include "FieldValues.h"
#include "Tovenal_unit.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Watches the whole application while the animation runs: the first key or click stops it. F5
// and Esc only stop it; anything else goes on to where it was meant.
class AnimationStopper final : public QObject {
public:
    AnimationStopper(TForm1* form, QAction* toggle) : m_form(form), m_toggle(toggle) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_form->animating())
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
            if (event->type() == QEvent::KeyPress || ownKey)
                m_form->stopAnimation();
            if (ownKey)
                event->accept();
            return ownKey;
        }
        case QEvent::MouseButtonPress:
            if (watched->isWidgetType())
                m_form->stopAnimation();
            return false;
        default:
            return false;
        }
    }

private:
    TForm1* m_form;
    QAction* m_toggle;
};

} // namespace

void TForm1::buildAnimation(QAction* animate) {
    m_animationTimer = new QTimer(widget());
    QObject::connect(m_animationTimer, &QTimer::timeout, widget(), [this] { animationStep(); });
    m_animationStopper = std::make_unique<AnimationStopper>(this, animate);
}

bool TForm1::animating() const {
    return m_animationTimer->isActive();
}

int TForm1::animationInterval() const {
    return m_animationTimer->interval();
}

// Starts from the range's lower end, typed at once; a running animation stops instead.
void TForm1::toggleAnimation() {
    if (animating()) {
        stopAnimation();
        return;
    }
    const spectrum::BuildUpSteps steps = spectrum::buildUpSteps(valueOf(Edit13), valueOf(Edit10));
    if (steps.count() == 0)
        return;
    m_animationNext = steps.first;
    m_animationTimer->start(spectrum::buildUpStepMilliseconds(steps.count()));
    QApplication::instance()->installEventFilter(m_animationStopper.get());
    animationStep();
}

// Types the next upper end; the last one ends the animation.
void TForm1::animationStep() {
    if (!animating())
        return;
    const int k = m_animationNext++;
    if (k >= valueOf(Edit10))
        stopAnimation();
    Edit14->SetText(IntToStr(k));
}

void TForm1::stopAnimation() {
    m_animationTimer->stop();
    QApplication::instance()->removeEventFilter(m_animationStopper.get());
}
