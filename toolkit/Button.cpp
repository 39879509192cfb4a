#include "Button.h"

#include "Form.h"

#include <QPushButton>

TButton::TButton(TForm* form) : TButton(form, new QPushButton(form->clientWidget())) {}

TButton::TButton(TForm* form, QPushButton* button)
    : TButtonControl(form, button), m_button(button) {
    QObject::connect(m_button, &QPushButton::clicked, [this] { raiseClick(); });
}
