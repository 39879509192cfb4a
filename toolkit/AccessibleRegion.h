#pragma once

#include "Control.h"

#include <functional>

// An invisible part of a form that assistive technology reads: a name (its text), a description
// that is announced whenever it changes, and lines that a screen reader walks through one by one.
// It paints nothing and lets every mouse event through to the form.
class TAccessibleRegion : public TControl {
public:
    explicit TAccessibleRegion(QWidget* parent);

    QString GetText() const override;
    void SetText(const QString& name) override;
    // The region holds count lines; the text of a line is asked for only when it is read.
    void SetLines(int count, std::function<QString(int line)> text);
};
