#include "Label.h"

#include <QLabel>

TLabel::TLabel(QWidget* parent) : TLabel(new QLabel(parent)) {}

TLabel::TLabel(QLabel* label) : TControl(label), m_label(label) {
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
