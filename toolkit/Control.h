#pragma once

#include "Object.h"

#include <QString>

class QWidget;
class TForm;

// A control on a form, over the Qt widget that shows it.
class TControl : public TObject {
public:
    TControl(TForm* form, QWidget* widget);

    virtual QString GetText() const = 0;
    virtual void SetText(const QString& text) = 0;
    bool GetEnabled() const;
    void SetEnabled(bool enabled);
    virtual void Refresh();

    void SetBounds(int left, int top, int width, int height);
    // The name a screen reader announces for the control.
    void SetAccessibleName(const QString& name);
    QWidget* widget() const { return m_widget; }
    TForm* form() const { return m_form; }

protected:
    void attachWidget(QWidget* widget) { m_widget = widget; }
    // Controls raise no events while their form is being built.
    bool eventsEnabled() const;

private:
    TForm* m_form;
    QWidget* m_widget;
};
