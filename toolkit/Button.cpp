#include "Button.h"

#include "EventDispatch.h"
#include "Form.h"

#include <QPushButton>

TButton::TButton(TForm* form) : TButton(form, new QPushButton(form->clientWidget())) {}

TButton::TButton(TForm* form, QPushButton* button) : TControl(form, button), m_button(button) {
    QObject::connect(m_button, &QPushButton::clicked, [this] {
        if (eventsEnabled())
            EventDispatch::raise(OnClick, this);
    });
}

QString TButton::GetText() const {
    return m_button->text();
}

void TButton::SetText(const QString& text) {
    m_button->setText(text);
}
