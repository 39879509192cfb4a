#include "ButtonControl.h"

#include "EventDispatch.h"

#include <QAbstractButton>

TButtonControl::TButtonControl(QAbstractButton* button) : TControl(button), m_button(button) {}

QString TButtonControl::GetText() const {
    return m_button->text();
}

void TButtonControl::SetText(const QString& text) {
    m_button->setText(text);
}

bool TButtonControl::GetChecked() const {
    return m_button->isChecked();
}

void TButtonControl::SetChecked(bool checked) {
    if (checked == m_button->isChecked())
        return;
    EventDispatch::write([&] { m_button->setChecked(checked); });
}

void TButtonControl::raiseClick() {
    if (eventsEnabled())
        EventDispatch::raise(OnClick, this);
}
