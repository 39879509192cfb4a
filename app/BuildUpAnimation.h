#pragma once

// "Анимация гармоник": the harmonics added one by one. Each step types the next upper end of the
// range into Edit14, exactly as a person would, so the field's rules, the pass and everything that
// follows the pass run as for typing. F5 again, Esc, a click in the window or any key stops it
// where it is; the key or click itself then does what it always does.

#include "InputFields.h"

#include <QObject>

#include <memory>

class QAction;
class QMenu;
class QTimer;
class TForm;

class BuildUpAnimation final : public QObject {
    Q_OBJECT

public:
    BuildUpAnimation(TForm& form, const InputFields& fields);
    ~BuildUpAnimation() override;

    void addItem(QMenu& menu);
    // Starts from the range's lower end, typed at once; a running build-up stops instead.
    void toggle();
    // Types the next upper end, as the timer does on each tick; the last one ends the build-up.
    void step();
    void stop();
    bool running() const;
    // Milliseconds between two steps of the running build-up.
    int interval() const;

private:
    TForm& m_form;
    InputFields m_fields;
    QTimer* m_timer;
    std::unique_ptr<QObject> m_stopper;
    int m_next = 0;
};
