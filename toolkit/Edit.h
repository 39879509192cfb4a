#pragma once

#include "Control.h"

class QLineEdit;

// A one-line edit field. Any change of its text, typed or written, raises OnChange at once;
// writing the text it already holds raises nothing.
class TEdit : public TControl {
public:
    explicit TEdit(TForm* form);

    QString GetText() const override;
    void SetText(const QString& text) override;
    void SelectAll();

    QLineEdit* lineEdit() const { return m_edit; }

    TNotifyEvent OnChange;

private:
    TEdit(TForm* form, QLineEdit* edit);

    QLineEdit* m_edit;
};
