#include "CheckBox.h"

#include "Form.h"

#include <QCheckBox>

TCheckBox::TCheckBox(TForm* form) : TCheckBox(form, new QCheckBox(form->clientWidget())) {}

TCheckBox::TCheckBox(TForm* form, QCheckBox* box) : TButtonControl(form, box), m_box(box) {
    m_box->setAutoFillBackground(true);
    QObject::connect(m_box, &QCheckBox::toggled, [this] { raiseClick(); });
}
