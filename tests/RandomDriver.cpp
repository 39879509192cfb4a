#include "RandomDriver.h"

#include "EventDispatch.h"
#include "PeriodText.h"
#include "Recalculate.h"
#include "Tovenal_unit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <array>
#include <sstream>

TEdit* field(int number) {
    TEdit* const fields[] = {Form1->Edit1,  Form1->Edit2,  Form1->Edit3,  Form1->Edit4,
                             Form1->Edit5,  Form1->Edit6,  Form1->Edit7,  Form1->Edit8,
                             Form1->Edit9,  Form1->Edit10, Form1->Edit11, Form1->Edit12,
                             Form1->Edit13, Form1->Edit14};
    return fields[number - 1];
}

namespace {

TCheckBox* checkBox(int number) {
    TCheckBox* const boxes[] = {Form1->CheckBox1, Form1->CheckBox2, Form1->CheckBox3};
    return boxes[number - 1];
}

TRadioButton* radioButton(int number) {
    return number == 1 ? Form1->RadioButton1 : Form1->RadioButton2;
}

const QString kKeys = QStringLiteral("0123456789012345678901234567890123456789-+ aZж.,");

const std::array<QString, 22> kPastes = {QString(),
                                         QStringLiteral("0"),
                                         QStringLiteral("1"),
                                         QStringLiteral("999"),
                                         QStringLiteral("1000"),
                                         QStringLiteral("-3"),
                                         QStringLiteral("-"),
                                         QStringLiteral("+5"),
                                         QStringLiteral("007"),
                                         QStringLiteral(" 5"),
                                         QStringLiteral("5 "),
                                         QStringLiteral("0x1F"),
                                         QStringLiteral("1e5"),
                                         QStringLiteral("١٢"),
                                         QStringLiteral("abc"),
                                         QStringLiteral("Огибающая"),
                                         QStringLiteral("12345678901"),
                                         QStringLiteral("12345678901234567890"),
                                         QStringLiteral("-2147483648"),
                                         QStringLiteral("2147483647"),
                                         QStringLiteral("2147483648"),
                                         QStringLiteral("250")};

bool isCanonical(const QString& text) {
    const int value = StrToIntDef(text, 0);
    return text == IntToStr(value) && (value != 0 || text == QStringLiteral("0"));
}

// Types text key by key; keys outside ASCII arrive as text with no key code, as from an input
// method.
void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

std::string quoted(const QString& text) {
    return '"' + text.toStdString() + '"';
}

} // namespace

std::string DriverAction::describe() const {
    std::ostringstream out;
    switch (kind) {
    case Kind::TypeKey:
        out << "type " << quoted(text) << " into Edit" << target;
        break;
    case Kind::Paste:
        out << "paste " << quoted(text) << " over Edit" << target;
        break;
    case Kind::ClearField:
        out << "select all and delete in Edit" << target;
        break;
    case Kind::Backspace:
        out << "backspace in Edit" << target;
        break;
    case Kind::MoveCursor:
        out << "put the cursor at " << position << " in Edit" << target;
        break;
    case Kind::ClickCheckBox:
        out << "click CheckBox" << target;
        break;
    case Kind::ClickRadio:
        out << "click RadioButton" << target;
        break;
    case Kind::ClickFreeArea:
        out << "click the free client area";
        break;
    case Kind::Activate:
        out << "activate the window";
        break;
    }
    return out.str();
}

int RandomDriver::pick(int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(m_random);
}

DriverAction RandomDriver::next() {
    DriverAction action;
    const int roll = pick(100);
    if (roll < 80) {
        std::vector<int> enabled;
        for (int number = 1; number <= 14; ++number)
            if (field(number)->GetEnabled())
                enabled.push_back(number);
        action.target = enabled[static_cast<std::size_t>(pick(static_cast<int>(enabled.size())))];
        if (roll < 45) {
            action.kind = DriverAction::Kind::TypeKey;
            action.text = kKeys[pick(static_cast<int>(kKeys.size()))];
        } else if (roll < 60) {
            action.kind = DriverAction::Kind::Paste;
            action.text = kPastes[static_cast<std::size_t>(pick(static_cast<int>(kPastes.size())))];
        } else if (roll < 67) {
            action.kind = DriverAction::Kind::ClearField;
        } else if (roll < 74) {
            action.kind = DriverAction::Kind::Backspace;
        } else {
            action.kind = DriverAction::Kind::MoveCursor;
            action.position = pick(4);
        }
    } else if (roll < 90) {
        action.kind = DriverAction::Kind::ClickCheckBox;
        action.target = 1 + pick(3);
    } else if (roll < 95) {
        action.kind = DriverAction::Kind::ClickRadio;
        action.target = 1 + pick(2);
    } else if (roll < 98) {
        action.kind = DriverAction::Kind::ClickFreeArea;
    } else {
        action.kind = DriverAction::Kind::Activate;
    }
    return action;
}

void perform(const QString& step) {
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z]+)(\\d*)(.?)(.*)$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch parts = pattern.match(step);
    const QString kind = parts.captured(1);
    const int number = parts.captured(2).toInt();
    const QString op = parts.captured(3);
    const QString text = parts.captured(4);
    if (kind == u"activate") {
        EventDispatch::raise(Form1->OnActivate, Form1);
    } else if (kind == u"click") {
        QTest::mouseClick(Form1->widget(), Qt::LeftButton, {}, QPoint(600, 100));
    } else if (kind == u"Edit") {
        QLineEdit* edit = field(number)->lineEdit();
        if (op == u"=" || op == u":")
            edit->selectAll();
        if (op == u"=")
            edit->insert(text);
        else if (op == u":" && text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else if (op == u":" || op == u"+")
            typeKeys(edit, text);
        else if (op == u"<")
            QTest::keyClick(edit, Qt::Key_Backspace);
        else if (op == u"@")
            edit->setCursorPosition(std::min(text.toInt(), static_cast<int>(edit->text().size())));
    } else {
        TCheckBox* box = kind == u"CheckBox" ? checkBox(number) : nullptr;
        TRadioButton* radio = kind == u"RadioButton" ? radioButton(number) : nullptr;
        if (op == u"=" && box)
            box->SetChecked(text == u"1");
        else if (op == u"=" && radio)
            radio->SetChecked(text == u"1");
        else
            QTest::mouseClick(box ? box->widget() : radio->widget(), Qt::LeftButton, {},
                              QPoint(6, 8));
    }
}

void play(const QString& steps) {
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts))
        perform(step);
}

void Perform(const DriverAction& action) {
    using Kind = DriverAction::Kind;
    switch (action.kind) {
    case Kind::TypeKey:
        typeKeys(field(action.target)->lineEdit(), action.text);
        break;
    case Kind::Paste: {
        // A paste replaces the selection, or the whole text when it was all selected.
        QLineEdit* edit = field(action.target)->lineEdit();
        edit->selectAll();
        edit->insert(action.text);
        break;
    }
    case Kind::ClearField:
        field(action.target)->lineEdit()->selectAll();
        QTest::keyClick(field(action.target)->lineEdit(), Qt::Key_Delete);
        break;
    case Kind::Backspace:
        QTest::keyClick(field(action.target)->lineEdit(), Qt::Key_Backspace);
        break;
    case Kind::MoveCursor: {
        QLineEdit* edit = field(action.target)->lineEdit();
        edit->setCursorPosition(std::min(action.position, static_cast<int>(edit->text().size())));
        break;
    }
    case Kind::ClickCheckBox:
        QTest::mouseClick(checkBox(action.target)->checkBox(), Qt::LeftButton, {}, QPoint(6, 8));
        break;
    case Kind::ClickRadio:
        QTest::mouseClick(radioButton(action.target)->radioButton(), Qt::LeftButton, {},
                          QPoint(6, 8));
        break;
    case Kind::ClickFreeArea:
        QTest::mouseClick(Form1->widget(), Qt::LeftButton, {}, QPoint(600, 100));
        break;
    case Kind::Activate:
        EventDispatch::raise(Form1->OnActivate, Form1);
        break;
    }
}

std::string CheckInvariants(int maxHandlerDepth, const std::vector<QString>& errorsShown) {
    std::ostringstream failure;
    if (!errorsShown.empty())
        failure << "error display reached: " << errorsShown.front().toStdString() << "; ";
    if (maxHandlerDepth > kMaxHandlerNesting)
        failure << "handlers nested " << maxHandlerDepth << " deep; ";

    std::array<int, 8> multipliers{};
    for (int number = 1; number <= 9; ++number) {
        const QString text = field(number)->GetText();
        const int value = StrToIntDef(text, 0);
        const bool mayBeZero = number >= 2 && number <= 7;
        if (!isCanonical(text) || value > 999 || (!mayBeZero && value == 0))
            failure << "Edit" << number << " holds " << quoted(text) << "; ";
        if (number <= 8)
            multipliers[static_cast<std::size_t>(number - 1)] = value;
    }
    const QString period =
        QString::fromStdString(PeriodText(multipliers, StrToIntDef(Form1->Edit9->GetText(), 0)));
    if (Form1->l_period->GetText() != period)
        failure << "l_period " << quoted(Form1->l_period->GetText()) << " for " << quoted(period)
                << "; ";

    const QString countText = Form1->Edit10->GetText();
    const int count = StrToIntDef(countText, 0);
    if (!isCanonical(countText) || count > 200 || count == 0)
        failure << "Edit10 holds " << quoted(countText) << "; ";
    const QString lowerText = Form1->Edit13->GetText();
    const QString upperText = Form1->Edit14->GetText();
    if (!isCanonical(lowerText) || !isCanonical(upperText))
        failure << "range " << quoted(lowerText) << " ... " << quoted(upperText) << "; ";
    const int lower = StrToIntDef(lowerText, 0);
    const int upper = StrToIntDef(upperText, 0);
    if (lower > count || upper > count || lower > upper)
        failure << "range " << lower << " ... " << upper << " for count " << count << "; ";

    const int amplitudeLines = Form1->ListBox1->Count();
    const int phaseLines = Form1->ListBox2->Count();
    if (amplitudeLines != phaseLines || amplitudeLines > std::max(count, 0) + 1)
        failure << "lists of " << amplitudeLines << " and " << phaseLines << " lines; ";
    if (Form1->CheckBox2->GetEnabled() != Form1->CheckBox3->GetChecked())
        failure << "\"залить\" enabled while \"Огибающая\" is "
                << (Form1->CheckBox3->GetChecked() ? "on" : "off") << "; ";
    return failure.str();
}

DriverResult PlayRandomSession(std::uint64_t seed, std::size_t actions) {
    std::vector<QString> errorsShown;
    auto previousDisplay = Application->OnException;
    Application->OnException = [&](const Exception& error) {
        errorsShown.push_back(error.Message);
    };
    Application->CreateForm(Form1);
    EventDispatch::raise(Form1->OnActivate, Form1);

    DriverResult result;
    RandomDriver driver(seed);
    std::vector<DriverAction> played;
    for (std::size_t i = 0; i < actions; ++i) {
        const DriverAction action = driver.next();
        played.push_back(action);
        EventDispatch::resetMaxHandlerDepth();
        Perform(action);
        const int depth = EventDispatch::maxHandlerDepth();
        result.deepestNesting = std::max(result.deepestNesting, depth);
        result.actionsPlayed = i + 1;
        // Invariants are checked after every action, so the first failure ends the shortest
        // failing prefix.
        result.failure = CheckInvariants(depth, errorsShown);
        if (!result.failure.empty()) {
            result.prefix = played;
            break;
        }
    }
    Application->ReleaseForms();
    Application->OnException = previousDisplay;
    return result;
}
