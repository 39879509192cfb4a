#include "Control.h"

#include "Form.h"

#include <QWidget>

TControl::TControl(TForm* form, QWidget* widget) : m_form(form), m_widget(widget) {}

bool TControl::GetEnabled() const {
    return m_widget->isEnabled();
}

void TControl::SetEnabled(bool enabled) {
    m_widget->setEnabled(enabled);
}

void TControl::Refresh() {
    m_widget->repaint();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    m_widget->setGeometry(left, top, width, height);
}

bool TControl::eventsEnabled() const {
    return m_form == nullptr || !m_form->IsLoading();
}

void TControl::SetAccessibleName(const QString& name) {
    m_widget->setAccessibleName(name);
}
