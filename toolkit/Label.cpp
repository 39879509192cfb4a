#include "Label.h"

#include "Form.h"

#include <QLabel>

TLabel::TLabel(TForm* form) : TLabel(form, new QLabel(form->clientWidget())) {}

TLabel::TLabel(TForm* form, QLabel* label) : TControl(form, label), m_label(label) {
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setContentsMargins(0, 0, 0, 0);
}

QString TLabel::GetText() const {
    return m_label->text();
}

void TLabel::SetText(const QString& text) {
    if (text == m_label->text())
        return;
    m_label->setText(text);
    m_label->resize(m_label->sizeHint().width(), m_label->height());
}
