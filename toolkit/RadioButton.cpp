#include "RadioButton.h"

#include "Form.h"

#include <QRadioButton>

TRadioButton::TRadioButton(TForm* form)
    : TRadioButton(form, new QRadioButton(form->clientWidget())) {}

TRadioButton::TRadioButton(TForm* form, QRadioButton* button)
    : TButtonControl(form, button), m_button(button) {
    m_button->setAutoFillBackground(true);
    QObject::connect(m_button, &QRadioButton::toggled, [this](bool isChecked) {
        if (isChecked)
            raiseClick();
    });
}
