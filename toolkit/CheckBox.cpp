#include "CheckBox.h"

#include "EventDispatch.h"
#include "Form.h"

#include <QCheckBox>

TCheckBox::TCheckBox(TForm* form) : TCheckBox(form, new QCheckBox(form->clientWidget())) {}

TCheckBox::TCheckBox(TForm* form, QCheckBox* box) : TControl(form, box), m_box(box) {
    m_box->setAutoFillBackground(true);
    QObject::connect(m_box, &QCheckBox::toggled, [this] {
        if (eventsEnabled())
            EventDispatch::raise(OnClick, this);
    });
}

QString TCheckBox::GetText() const {
    return m_box->text();
}

void TCheckBox::SetText(const QString& text) {
    m_box->setText(text);
}

bool TCheckBox::GetChecked() const {
    return m_box->isChecked();
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == m_box->isChecked())
        return;
    EventDispatch::write([&] { m_box->setChecked(checked); });
}
