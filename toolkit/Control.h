#pragma once

#include "Object.h"

#include <QString>

class QWidget;

// A control on a form, over the Qt widget that shows it. A control raises no events until its
// form has been built (the form enables them when it is loaded).
class TControl : public TObject {
public:
    explicit TControl(QWidget* widget);

    virtual QString GetText() const = 0;
    virtual void SetText(const QString& text) = 0;
    bool GetEnabled() const;
    void SetEnabled(bool enabled);
    virtual void Refresh();

    void SetBounds(int left, int top, int width, int height);
    // The name a screen reader announces for the control; a label without one announces its text.
    void SetAccessibleName(const QString& name);
    // What a screen reader says the control is for, after its name.
    void SetAccessibleDescription(const QString& description);
    QWidget* widget() const { return m_widget; }

    void enableEvents() { m_eventsEnabled = true; }

protected:
    void attachWidget(QWidget* widget) { m_widget = widget; }
    bool eventsEnabled() const { return m_eventsEnabled; }

private:
    QWidget* m_widget;
    bool m_eventsEnabled = false;
};
