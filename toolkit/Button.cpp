#include "Button.h"

#include <QPushButton>

TButton::TButton(QWidget* parent) : TButton(new QPushButton(parent)) {}

TButton::TButton(QPushButton* button) : TButtonControl(button), m_button(button) {
    QObject::connect(m_button, &QPushButton::clicked, [this] { raiseClick(); });
}
