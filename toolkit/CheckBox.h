#pragma once

#include "Control.h"

class QCheckBox;

// A check box. Toggling it, by a click or by setting the other state from the program, raises
// OnClick at once; setting the state it already has raises nothing.
class TCheckBox : public TControl {
public:
    explicit TCheckBox(TForm* form);

    QString GetText() const override;
    void SetText(const QString& text) override;
    bool GetChecked() const;
    void SetChecked(bool checked);

    QCheckBox* checkBox() const { return m_box; }

    TNotifyEvent OnClick;

private:
    TCheckBox(TForm* form, QCheckBox* box);

    QCheckBox* m_box;
};
