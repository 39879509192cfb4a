#pragma once

#include "Control.h"

class QRadioButton;

// A radio button; the radio buttons of one form exclude each other. OnClick is raised when it
// becomes checked, by a click or from the program; a click on a checked button raises nothing.
class TRadioButton : public TControl {
public:
    explicit TRadioButton(TForm* form);

    QString GetText() const override;
    void SetText(const QString& text) override;
    bool GetChecked() const;
    void SetChecked(bool checked);

    QRadioButton* radioButton() const { return m_button; }

    TNotifyEvent OnClick;

private:
    TRadioButton(TForm* form, QRadioButton* button);

    QRadioButton* m_button;
};
