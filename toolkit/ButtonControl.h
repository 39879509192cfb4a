#pragma once

#include "Control.h"

class QAbstractButton;

// What push buttons, check boxes and radio buttons share: a caption, a click event and, for the
// last two, a checked state.
class TButtonControl : public TControl {
public:
    QString GetText() const override;
    void SetText(const QString& text) override;

    TNotifyEvent OnClick;

protected:
    TButtonControl(TForm* form, QAbstractButton* button);

    bool checked() const;
    // Setting the state it already has does nothing; the other state raises, nested inside the
    // write, whatever the control raises on a change of state.
    void setChecked(bool checked);
    void raiseClick();
    QAbstractButton* button() const { return m_button; }

private:
    QAbstractButton* m_button;
};
