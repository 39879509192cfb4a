#pragma once

#include "Control.h"

class QLineEdit;

// A one-line edit field. Any change of its text, typed or written, raises OnChange at once;
// writing the text it already holds raises nothing.
class TEdit : public TControl {
public:
    explicit TEdit(QWidget* parent);

    QString GetText() const override;
    void SetText(const QString& text) override;
    void SelectAll();

    QLineEdit* lineEdit() const { return m_edit; }

    TNotifyEvent OnChange;

private:
    explicit TEdit(QLineEdit* edit);

    QLineEdit* m_edit;
};
