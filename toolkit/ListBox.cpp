#include "ListBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QStyledItemDelegate>

namespace {

// Ctrl+C in the list copies its lines, as a text field copies its text.
class CopyKeyFilter : public QObject {
public:
    CopyKeyFilter(const TListBox* list, QObject* parent) : QObject(parent), m_list(list) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool copy =
            (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
        if (!copy)
            return QObject::eventFilter(watched, event);
        event->accept();
        if (event->type() == QEvent::KeyPress)
            m_list->CopyToClipboard();
        return true;
    }

private:
    const TListBox* m_list;
};

class FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), TListBox::kRowHeight};
    }
};

} // namespace

TListBox::TListBox(QWidget* parent) : TListBox(new QListWidget(parent)) {}

TListBox::TListBox(QListWidget* list) : TControl(list), m_list(list) {
    m_list->setItemDelegate(new FixedRowDelegate(m_list));
    m_list->setUniformItemSizes(true);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->installEventFilter(new CopyKeyFilter(this, m_list));
}

QString TListBox::GetText() const {
    const auto* item = m_list->currentItem();
    return item ? item->text() : QString();
}

void TListBox::SetText(const QString& text) {
    const auto found = m_list->findItems(text, Qt::MatchExactly);
    m_list->setCurrentItem(found.isEmpty() ? nullptr : found.front());
}

void TListBox::Clear() {
    m_list->clear();
}

void TListBox::Add(const QString& line) {
    m_list->addItem(line);
}

void TListBox::Add(const QStringList& lines) {
    m_list->addItems(lines);
}

int TListBox::Count() const {
    return m_list->count();
}

QString TListBox::Line(int index) const {
    return m_list->item(index)->text();
}

QStringList TListBox::Lines() const {
    QStringList lines;
    for (int i = 0; i < m_list->count(); ++i)
        lines << m_list->item(i)->text();
    return lines;
}

QString TListBox::CopiedText() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? Lines().join(u'\n') : selected.front()->text();
}

void TListBox::CopyToClipboard() const {
    QGuiApplication::clipboard()->setText(CopiedText());
}
