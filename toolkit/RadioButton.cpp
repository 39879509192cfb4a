#include "RadioButton.h"

#include "EventDispatch.h"
#include "Form.h"

#include <QRadioButton>

TRadioButton::TRadioButton(TForm* form)
    : TRadioButton(form, new QRadioButton(form->clientWidget())) {}

TRadioButton::TRadioButton(TForm* form, QRadioButton* button)
    : TControl(form, button), m_button(button) {
    m_button->setAutoFillBackground(true);
    QObject::connect(m_button, &QRadioButton::toggled, [this](bool checked) {
        if (checked && eventsEnabled())
            EventDispatch::raise(OnClick, this);
    });
}

QString TRadioButton::GetText() const {
    return m_button->text();
}

void TRadioButton::SetText(const QString& text) {
    m_button->setText(text);
}

bool TRadioButton::GetChecked() const {
    return m_button->isChecked();
}

void TRadioButton::SetChecked(bool checked) {
    if (checked == m_button->isChecked())
        return;
    EventDispatch::write([&] { m_button->setChecked(checked); });
}
