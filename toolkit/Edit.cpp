#include "Edit.h"

#include "EventDispatch.h"
#include "Form.h"

#include <QLineEdit>

TEdit::TEdit(TForm* form) : TEdit(form, new QLineEdit(form->clientWidget())) {}

TEdit::TEdit(TForm* form, QLineEdit* edit) : TControl(form, edit), m_edit(edit) {
    m_edit->setTextMargins(0, 0, 0, 0);
    QObject::connect(m_edit, &QLineEdit::textChanged, [this] {
        if (eventsEnabled())
            EventDispatch::raise(OnChange, this);
    });
}

QString TEdit::GetText() const {
    return m_edit->text();
}

void TEdit::SetText(const QString& text) {
    if (text == m_edit->text())
        return;
    EventDispatch::write([&] { m_edit->setText(text); });
}

void TEdit::SelectAll() {
    m_edit->selectAll();
}
