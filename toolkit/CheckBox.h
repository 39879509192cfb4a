#pragma once

#include "ButtonControl.h"

class QCheckBox;

// A check box. Toggling it, by a click or by setting the other state from the program, raises
// OnClick at once; setting the state it already has raises nothing.
class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(QWidget* parent);

    QCheckBox* checkBox() const { return m_box; }

private:
    explicit TCheckBox(QCheckBox* box);

    QCheckBox* m_box;
};
