#include "CheckBox.h"

#include <QCheckBox>

TCheckBox::TCheckBox(QWidget* parent) : TCheckBox(new QCheckBox(parent)) {}

TCheckBox::TCheckBox(QCheckBox* box) : TButtonControl(box), m_box(box) {
    m_box->setAutoFillBackground(true);
    QObject::connect(m_box, &QCheckBox::toggled, [this] { raiseClick(); });
}
