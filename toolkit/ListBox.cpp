#include "ListBox.h"

#include <QListWidget>
#include <QStyledItemDelegate>

namespace {

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
