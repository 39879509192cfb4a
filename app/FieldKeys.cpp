#include "FieldKeys.h"

#include "FieldValues.h"
#include "Limits.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>
#include <algorithm>
#include <vector>

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
const char* const kFieldKeys = QT_TRANSLATE_NOOP(
    "FieldKeys", "Клавиши Tovenal\n"
                 "\n"
                 "Tab, Shift+Tab — следующее и предыдущее поле\n"
                 "Стрелка вверх, стрелка вниз — число в поле на 1 больше, меньше\n"
                 "Page Up, Page Down — число в поле на 10 больше, меньше\n"
                 "F1 — эта справка\n"
                 "\n"
                 "Меню правой кнопки мыши (там же «Примеры»):\n");
const char* const kOtherKeys = QT_TRANSLATE_NOOP(
    "FieldKeys", "Ctrl+C в списке — копировать выделенную строку или все строки\n"
                 "\n"
                 "Мышь над линией спектра или над сигналом показывает их значения.");

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

FieldKeys::FieldKeys(TForm& form, const InputFields& fields, const QMenu& menu)
    : QObject(form.widget()), m_fields(fields), m_menu(menu) {
    std::vector<TEdit*> stepped(fields.segments.begin(), fields.segments.end());
    stepped.insert(stepped.end(),
                   {fields.unitTime, fields.harmonics, fields.rangeFrom, fields.rangeTo});
    for (TEdit* field : stepped)
        field->OnKeyDown = [this, field](TObject*, int& key) { stepField(field, key); };
    form.AddShortCut(QKeySequence(Qt::Key_F1), [this](TObject*) { ShowMessage(keysText()); });
}

QString FieldKeys::keysText() const {
    QString help = tr(kFieldKeys);
    for (const QAction* action : m_menu.actions())
        if (!action->shortcut().isEmpty())
            help += shortcutLine(action);
    return help + tr(kOtherKeys);
}

// The limits of the field's own rules; the range ends lie within the count, the upper end no
// lower than the lower end.
std::pair<int, int> FieldKeys::stepLimits(const TEdit* field) const {
    const int count = valueOf(m_fields.harmonics);
    if (field == m_fields.harmonics)
        return {spectrum::kHarmonicsRule.least, spectrum::kHarmonicsRule.greatest};
    if (field == m_fields.rangeFrom)
        return {spectrum::kRangeFromRule.least, count};
    if (field == m_fields.rangeTo)
        return {valueOf(m_fields.rangeFrom), count};
    if (field == m_fields.unitTime)
        return {spectrum::kUnitTimeRule.least, spectrum::kUnitTimeRule.greatest};
    const auto& segments = m_fields.segments;
    const auto& rule = spectrum::kSegmentRules[static_cast<std::size_t>(
        std::ranges::find(segments, field) - segments.begin())];
    return {rule.least, rule.greatest};
}

// A step stops at the limit it would pass, and never moves the number against its own way: at a
// limit nothing happens.
void FieldKeys::stepField(TEdit* field, int& key) {
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
