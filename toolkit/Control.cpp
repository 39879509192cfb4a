#include "Control.h"

#include <QWidget>

TControl::TControl(QWidget* widget) : m_widget(widget) {}

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

void TControl::SetAccessibleName(const QString& name) {
    m_widget->setAccessibleName(name);
}

void TControl::SetAccessibleDescription(const QString& description) {
    m_widget->setAccessibleDescription(description);
}
