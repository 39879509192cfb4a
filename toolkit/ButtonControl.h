#pragma once

#include "Control.h"

class QAbstractButton;

// What push buttons, check boxes and radio buttons share: a caption, a click event and, for the
// last two, a checked state.
class TButtonControl : public TControl {
public:
    QString GetText() const override;
    void SetText(const QString& text) override;

    // The checked state of check boxes and radio buttons. Setting the state the control already has
    // does nothing; the other state raises, nested inside the write, whatever the control raises
    // on a change of state.
    bool GetChecked() const;
    void SetChecked(bool checked);

    TNotifyEvent OnClick;

protected:
    explicit TButtonControl(QAbstractButton* button);

    void raiseClick();
    QAbstractButton* button() const { return m_button; }

private:
    QAbstractButton* m_button;
};
