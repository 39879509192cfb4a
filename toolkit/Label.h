#pragma once

#include "Control.h"

class QLabel;

// A static caption; it takes the width of its text, so it grows with what is written into it.
class TLabel : public TControl {
public:
    explicit TLabel(QWidget* parent);

    QString GetText() const override;
    void SetText(const QString& text) override;

    QLabel* label() const { return m_label; }

private:
    explicit TLabel(QLabel* label);

    QLabel* m_label;
};
