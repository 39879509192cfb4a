#pragma once

#include "Control.h"

#include <QStringList>

class QListWidget;

// A list of text lines in the order added, 13 pixels apart, with a vertical scroll bar once they
// no longer fit.
class TListBox : public TControl {
public:
    static constexpr int kRowHeight = 13;

    explicit TListBox(QWidget* parent);

    QString GetText() const override;
    void SetText(const QString& text) override;

    void Clear();
    void Add(const QString& line);
    void Add(const QStringList& lines);
    int Count() const;
    QString Line(int index) const;
    QStringList Lines() const;
    // The selected line, or every line when none is selected, one per line: what Ctrl+C in the
    // list puts on the clipboard.
    QString CopiedText() const;
    void CopyToClipboard() const;

    QListWidget* listWidget() const { return m_list; }

private:
    explicit TListBox(QListWidget* list);

    QListWidget* m_list;
};
