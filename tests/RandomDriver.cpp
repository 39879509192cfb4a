#include "RandomDriver.h"

#include "EventDispatch.h"
#include "Language.h"
#include "PeriodText.h"
#include "Tovenal_unit.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

const QString kKeys = QStringLiteral("0123456789012345678901234567890123456789-+ aZж.,");
const QStringList kPastes =
    QStringLiteral("|0|1|999|1000|-3|-|+5|007| 5|5 |0x1F|1e5|١٢|abc|Огибающая|12345678901|"
                   "12345678901234567890|-2147483648|2147483647|2147483648|250")
        .split(u'|');

// Keys outside ASCII arrive as text with no key code, as from an input method.
void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void editField(TEdit* target, QChar op, const QString& text) {
    QLineEdit* edit = target->lineEdit();
    if (op == u'=' || op == u':')
        edit->selectAll();
    if (op == u'=')
        edit->insert(text);
    else if (op == u'!')
        target->SetText(text);
    else if (op == u':' && text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else if (op == u':' || op == u'+')
        typeKeys(edit, text);
    else if (op == u'<')
        QTest::keyClick(edit, Qt::Key_Backspace);
    else if (op == u'@')
        edit->setCursorPosition(std::min(text.toInt(), static_cast<int>(edit->text().size())));
}

// "=1" or "=0" sets the state from the program; anything else is the user's click.
void setOrClick(auto* button, QChar op, const QString& text) {
    if (op == u'=')
        button->SetChecked(text == u"1");
    else
        QTest::mouseClick(button->widget(), Qt::LeftButton, {}, QPoint(6, 8));
}

// The field holds the plain decimal text of its value.
bool canonical(int number) {
    const QString text = field(number)->GetText();
    return text == IntToStr(StrToIntDef(text, 0));
}

// What the window promises at rest; the names of the promises broken.
QStringList brokenInvariants() {
    QStringList broken;
    std::array<int, 8> multipliers{};
    for (int number = 1; number <= 9; ++number) {
        const int value = StrToIntDef(field(number)->GetText(), 0);
        if (!canonical(number) || value > 999 || (value == 0 && (number == 1 || number >= 8)))
            broken << QStringLiteral("Edit%1 \"%2\"").arg(number).arg(field(number)->GetText());
        if (number <= 8)
            multipliers[static_cast<std::size_t>(number - 1)] = value;
    }
    if (Form1->l_period->GetText().toStdString() !=
        spectrum::periodText(multipliers, StrToIntDef(field(9)->GetText(), 0)))
        broken << QStringLiteral("l_period");
    const int count = StrToIntDef(field(10)->GetText(), 0);
    if (!canonical(10) || count == 0 || count > 200)
        broken << QStringLiteral("count");
    const int lower = StrToIntDef(field(13)->GetText(), 0);
    const int upper = StrToIntDef(field(14)->GetText(), 0);
    if (!canonical(13) || !canonical(14) || lower > upper || upper > count)
        broken << QStringLiteral("range %1 ... %2").arg(lower).arg(upper);
    const int lines = Form1->ListBox1->Count();
    if (lines != Form1->ListBox2->Count() || lines > std::max(count, 0) + 1)
        broken << QStringLiteral("list lengths");
    if (Form1->CheckBox2->GetEnabled() != Form1->CheckBox3->GetChecked())
        broken << QStringLiteral("\"залить\" greyed");
    return broken;
}

// What a person or a cat can do next to the window as it is, drawn at random from the seed.
std::function<QString()> randomSteps(std::uint64_t seed) {
    return [random = std::mt19937_64(seed)]() mutable -> QString {
        const auto pick = [&random](qsizetype count) {
            return std::uniform_int_distribution<int>(0, static_cast<int>(count) - 1)(random);
        };
        const int roll = pick(100);
        if (roll < 80) {
            std::vector<int> enabled;
            for (int number = 1; number <= 14; ++number)
                if (field(number)->GetEnabled())
                    enabled.push_back(number);
            const QString name = QStringLiteral("Edit%1").arg(enabled[pick(std::ssize(enabled))]);
            if (roll < 45)
                return name + u'+' + kKeys[pick(kKeys.size())];
            if (roll < 60)
                return name + u'=' + kPastes[pick(kPastes.size())];
            if (roll < 74)
                return name + (roll < 67 ? u':' : u'<');
            return name + u'@' + QString::number(pick(4));
        }
        if (roll < 90)
            return QStringLiteral("CheckBox%1").arg(1 + pick(3));
        if (roll < 95)
            return QStringLiteral("RadioButton%1").arg(1 + pick(2));
        return roll < 98 ? QStringLiteral("click") : QStringLiteral("activate");
    };
}

} // namespace

TEdit* field(int number) {
    TEdit* const fields[] = {Form1->Edit1,  Form1->Edit2,  Form1->Edit3,  Form1->Edit4,
                             Form1->Edit5,  Form1->Edit6,  Form1->Edit7,  Form1->Edit8,
                             Form1->Edit9,  Form1->Edit10, Form1->Edit11, Form1->Edit12,
                             Form1->Edit13, Form1->Edit14};
    return fields[number - 1];
}

// The item of the context menu with these shortcut keys ("Ctrl+I").
QAction* menuItem(const QString& keys) {
    for (QAction* action : Form1->contextMenu().actions())
        if (action->shortcut().toString() == keys)
            return action;
    throw std::invalid_argument("no menu item with the keys " + keys.toStdString());
}

void perform(const QString& step) {
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z]*)(\\d*)(.?)(.*)$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch part = pattern.match(step);
    const QString kind = part.captured(1);
    const int number = part.captured(2).toInt();
    const QChar op = part.captured(3).isEmpty() ? QChar() : part.captured(3).front();
    if (kind == u"activate")
        EventDispatch::raise(Form1->OnActivate, Form1);
    else if (kind == u"click")
        QTest::mouseClick(Form1->widget(), Qt::LeftButton, {}, QPoint(600, 100));
    else if (kind == u"Edit")
        editField(field(number), op, part.captured(4));
    else if (kind == u"CheckBox")
        setOrClick(std::array{Form1->CheckBox1, Form1->CheckBox2, Form1->CheckBox3}.at(number - 1),
                   op, part.captured(4));
    else if (kind == u"Menu")
        menuItem(part.captured(4))->trigger();
    else if (kind == u"Language")
        Form1->widget()->findChild<Language*>()->choose(part.captured(4));
    else if (kind == u"RadioButton")
        setOrClick(std::array{Form1->RadioButton1, Form1->RadioButton2}.at(number - 1), op,
                   part.captured(4));
}

void play(const QString& steps) {
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts))
        perform(step);
}

DriverResult playChecked(const std::function<QString()>& next, std::size_t count) {
    QStringList errorsShown;
    const auto previousDisplay = Application->OnException;
    Application->OnException = [&](const Exception& error) { errorsShown << error.Message; };
    Application->CreateForm(Form1);
    perform(QStringLiteral("activate"));
    DriverResult result;
    for (std::size_t step = 0; step < count && result.failure.empty(); ++step) {
        result.prefix << next();
        EventDispatch::resetMaxHandlerDepth();
        perform(result.prefix.back());
        const int depth = EventDispatch::maxHandlerDepth();
        result.deepestNesting = std::max(result.deepestNesting, depth);
        QStringList broken = errorsShown + brokenInvariants();
        if (depth > kMaxHandlerNesting)
            broken << QStringLiteral("handlers nested %1 deep").arg(depth);
        result.failure = broken.join(QStringLiteral("; ")).toStdString();
    }
    if (result.failure.empty())
        result.prefix.clear();
    Application->ReleaseForms();
    Application->OnException = previousDisplay;
    return result;
}

DriverResult playRandomSession(std::uint64_t seed, std::size_t actions) {
    return playChecked(randomSteps(seed), actions);
}
