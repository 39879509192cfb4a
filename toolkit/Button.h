#pragma once

#include "ButtonControl.h"

class QPushButton;

// A push button; OnClick on every click.
class TButton : public TButtonControl {
public:
    explicit TButton(TForm* form);

    QPushButton* pushButton() const { return m_button; }

private:
    TButton(TForm* form, QPushButton* button);

    QPushButton* m_button;
};
