// The keys of the window: Up, Down, PageUp and PageDown step the number in a field, F1 lists the
// keys. A step writes the new number as if it were typed, so the field's rules and the pass run.

#include "FieldValues.h"
#include "Limits.h"
#include "Tovenal_unit.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <algorithm>

namespace {

// Up and Down step by 1, PageUp and PageDown by 10; any other key is no step.
int stepOf(int key) {
    switch (key) {
    case Qt::Key_Up:
        return 1;
    case Qt::Key_Down:
        return -1;
    case Qt::Key_PageUp:
        return 10;
    case Qt::Key_PageDown:
        return -10;
    default:
        return 0;
    }
}

// The keys of the fields; the menu's shortcuts follow, read from the menu itself.
const char* const kFieldKeys = "Клавиши Tovenal\n"
                               "\n"
                               "Tab, Shift+Tab — следующее и предыдущее поле\n"
                               "Стрелка вверх, стрелка вниз — число в поле на 1 больше, меньше\n"
                               "Page Up, Page Down — число в поле на 10 больше, меньше\n"
                               "F1 — эта справка\n"
                               "\n"
                               "Меню правой кнопки мыши (там же «Примеры»):\n";
const char* const kOtherKeys = "Ctrl+C в списке — копировать выделенную строку или все строки\n"
                               "\n"
                               "Мышь над линией спектра или над сигналом показывает их значения.";

// "Ctrl+S — сохранить рисунок": the shortcut, the item's name without its ellipsis and in lower
// case, and what the item's "what's this" adds.
QString shortcutLine(const QAction* action) {
    QString name = action->text().remove(u'…');
    if (!name.isEmpty())
        name[0] = name[0].toLower();
    const QString more = action->whatsThis();
    return action->shortcut().toString(QKeySequence::NativeText) + QStringLiteral(" — ") + name +
           (more.isEmpty() ? QString() : u' ' + more) + u'\n';
}

} // namespace

void TForm1::wireKeyboard() {
    for (TEdit* field :
         {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit13, Edit14})
        field->OnKeyDown = [this, field](TObject*, int& key) { stepField(field, key); };
    AddShortCut(QKeySequence(Qt::Key_F1), [this](TObject* sender) { showKeys(sender); });
}

void TForm1::showKeys(TObject* /*Sender*/) {
    QString help = QString::fromUtf8(kFieldKeys);
    for (const QAction* action : m_contextMenu->actions())
        if (!action->shortcut().isEmpty())
            help += shortcutLine(action);
    ShowMessage(help + QString::fromUtf8(kOtherKeys));
}

// The limits of the field's own rules; the range ends lie within the count, the upper end no
// lower than the lower end.
std::pair<int, int> TForm1::stepLimits(const TEdit* field) const {
    if (field == Edit10)
        return {1, spectrum::kMaxHarmonics};
    if (field == Edit13)
        return {0, valueOf(Edit10)};
    if (field == Edit14)
        return {valueOf(Edit13), valueOf(Edit10)};
    const bool nonZero = field == Edit1 || field == Edit8 || field == Edit9;
    return {nonZero ? 1 : 0, highestOf(field)};
}

// A step stops at the limit it would pass, and never moves the number against its own way: at a
// limit nothing happens.
void TForm1::stepField(TEdit* field, int& key) {
    const int step = stepOf(key);
    if (step == 0)
        return;
    key = 0;
    const auto [lowest, highest] = stepLimits(field);
    const long long value = valueOf(field);
    if (lowest > highest)
        return;
    const long long next = std::clamp<long long>(value + step, lowest, highest);
    if ((next - value) * step > 0)
        field->SetText(IntToStr(next));
}
