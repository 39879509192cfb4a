#include "Edit.h"

#include "EventDispatch.h"

#include <QLineEdit>

TEdit::TEdit(QWidget* parent) : TEdit(new QLineEdit(parent)) {}

TEdit::TEdit(QLineEdit* edit) : TControl(edit), m_edit(edit) {
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
