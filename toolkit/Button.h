#pragma once

#include "ButtonControl.h"

class QPushButton;

// A push button; OnClick on every click.
class TButton : public TButtonControl {
public:
    explicit TButton(QWidget* parent);

    QPushButton* pushButton() const { return m_button; }

private:
    explicit TButton(QPushButton* button);

    QPushButton* m_button;
};
