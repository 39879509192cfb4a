#pragma once

#include "ButtonControl.h"

class QRadioButton;

// A radio button; the radio buttons of one form exclude each other. OnClick is raised when it
// becomes checked, by a click or from the program; a click on a checked button raises nothing.
class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(QWidget* parent);

    QRadioButton* radioButton() const { return m_button; }

private:
    explicit TRadioButton(QRadioButton* button);

    QRadioButton* m_button;
};
