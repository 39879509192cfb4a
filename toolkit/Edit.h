#pragma once

#include "Control.h"

class QLineEdit;

// A key pressed in a control: the handler sees the key (a Qt::Key) and sets it to 0 to keep the
// control from acting on it.
using TKeyEvent = std::function<void(TObject* sender, int& key)>;

// A one-line edit field. Any change of its text, typed or written, raises OnChange at once;
// writing the text it already holds raises nothing. OnKeyDown comes before the field acts on a key.
class TEdit : public TControl {
public:
    explicit TEdit(QWidget* parent);

    QString GetText() const override;
    void SetText(const QString& text) override;
    void SelectAll();

    QLineEdit* lineEdit() const { return m_edit; }

    TNotifyEvent OnChange;
    TKeyEvent OnKeyDown;

private:
    explicit TEdit(QLineEdit* edit);

    QLineEdit* m_edit;
};
