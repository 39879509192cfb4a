#include "RadioButton.h"

#include <QRadioButton>

TRadioButton::TRadioButton(QWidget* parent) : TRadioButton(new QRadioButton(parent)) {}

TRadioButton::TRadioButton(QRadioButton* button) : TButtonControl(button), m_button(button) {
    m_button->setAutoFillBackground(true);
    QObject::connect(m_button, &QRadioButton::toggled, [this](bool isChecked) {
        if (isChecked)
            raiseClick();
    });
}
