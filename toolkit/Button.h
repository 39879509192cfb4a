#pragma once

#include "Control.h"

class QPushButton;

// A push button; OnClick on every click.
class TButton : public TControl {
public:
    explicit TButton(TForm* form);

    QString GetText() const override;
    void SetText(const QString& text) override;

    QPushButton* pushButton() const { return m_button; }

    TNotifyEvent OnClick;

private:
    TButton(TForm* form, QPushButton* button);

    QPushButton* m_button;
};
