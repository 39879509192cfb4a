#include "WindowFixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <vector>

namespace {

QString blanks(int count) {
    return QString(count, u' ');
}

// "Вид посылки", 21 blanks, then the segment kinds 1 0 1 0 1 0 1 0 six blanks apart.
QString packetCaption() {
    QString caption = QStringLiteral("Вид посылки") + blanks(21) + u'1';
    for (const char digit : {'0', '1', '0', '1', '0', '1', '0'})
        caption += blanks(6) + QChar::fromLatin1(digit);
    return caption;
}

QString frequencyRangeCaption() {
    return QStringLiteral("Диапазон частот") + blanks(12) + QStringLiteral("с") + blanks(17) +
           QStringLiteral("по") + blanks(18) + QStringLiteral("кГц");
}

QString harmonicRangeCaption() {
    return QStringLiteral("Диапазон гармоник") + blanks(6) + QStringLiteral("с") + blanks(18) +
           QStringLiteral("по");
}

struct Placed {
    const char* name;
    TControl* control;
    QRect bounds;
    QString text;
};

QString textOf(const QWidget* widget) {
    if (const auto* box = qobject_cast<const QCheckBox*>(widget))
        return box->text();
    if (const auto* radio = qobject_cast<const QRadioButton*>(widget))
        return radio->text();
    return {};
}

// Where the caption of a check box or radio button starts, in the window.
int captionLeft(const QAbstractButton* button, QStyle::SubElement contents) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect rect = button->style()->subElementRect(contents, &option, button);
    return button->geometry().left() + rect.left();
}

int countPixels(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) & 0xffffffu) == colour ? 1 : 0;
    return count;
}

} // namespace

TEST_F(WindowTest, SavesDefaultWindowPicture) {
    Form1->Show();
    activate();
    const QImage shot = Form1->widget()->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(988, 606));
    EXPECT_TRUE(shot.save(QDir(QCoreApplication::applicationDirPath())
                              .absoluteFilePath(QStringLiteral("default-window.png"))));
}

TEST_F(WindowTest, WindowIsAFixedFormWithItsCaption) {
    QWidget* window = Form1->widget();
    EXPECT_EQ(Form1->GetText(), QStringLiteral("Tovenal импульсов"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tovenal импульсов"));
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->size(), QSize(988, 606));
    EXPECT_EQ(window->minimumSize(), QSize(988, 606));
    EXPECT_EQ(window->maximumSize(), QSize(988, 606));
    EXPECT_EQ(Form1->GetCanvas()->image().size(), QSize(988, 606));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(Application->MainForm(), Form1);
}

TEST_F(WindowTest, LabelsStandWhereDesignedWithTheirCaptions) {
    const std::vector<Placed> labels = {
        {"Label1", Form1->Label1, {8, 520, 303, 13}, packetCaption()},
        {"Label2", Form1->Label2, {8, 536, 111, 13}, QStringLiteral("Множители времяни  ")},
        {"Label3", Form1->Label3, {8, 568, 149, 13}, QStringLiteral("Время единичного импульса:")},
        {"Label4", Form1->Label4, {192, 568, 20, 13}, QStringLiteral("мкс")},
        {"Label5", Form1->Label5, {232, 568, 88, 13}, QStringLiteral("Период посылки:")},
        {"l_period", Form1->l_period, {320, 568, 9, 20}, QStringLiteral("300")},
        {"Label7", Form1->Label7, {368, 568, 20, 13}, QStringLiteral("мкс")},
        {"Label11", Form1->Label11, {376, 528, 111, 13}, QStringLiteral("Количество гармоник")},
        {"Label6", Form1->Label6, {808, 48, 15, 13}, QStringLiteral("мВ")},
        {"Label8", Form1->Label8, {416, 568, 74, 13}, QStringLiteral("Амплитуда 1 В")},
        {"Label9", Form1->Label9, {544, 48, 15, 13}, QStringLiteral("f1=")},
        {"f1", Form1->f1, {560, 48, 6, 13}, QStringLiteral("1")},
        {"Label10", Form1->Label10, {664, 48, 18, 13}, QStringLiteral("кГц")},
        {"Label12", Form1->Label12, {712, 8, 57, 13}, QStringLiteral("Амплитуды")},
        {"Label13", Form1->Label13, {848, 8, 31, 13}, QStringLiteral("Фазы")},
    };
    EXPECT_EQ(packetCaption().size(), 11 + 21 + 1 + 7 * 7);
    for (const Placed& label : labels) {
        SCOPED_TRACE(label.name);
        // A label takes the width of its text, so only its corner is fixed.
        EXPECT_EQ(label.control->widget()->pos(), label.bounds.topLeft());
        EXPECT_EQ(label.control->GetText(), label.text);
        EXPECT_TRUE(label.control->GetEnabled());
        EXPECT_TRUE(label.control->widget()->isVisibleTo(Form1->widget()));
        EXPECT_EQ(label.control->widget()->focusPolicy(), Qt::NoFocus);
    }
    // l_period is sized to "300" by now, f1 is still as designed.
    EXPECT_GE(Form1->l_period->widget()->width(), 9);
    EXPECT_GE(Form1->f1->widget()->width(), 6);
}

TEST_F(WindowTest, InputControlsStandWhereDesignedWithTheirTextsAndStates) {
    const std::vector<Placed> controls = {
        {"Button2", Form1->Button2, {848, 544, 105, 33}, QStringLiteral("Выход")},
        {"Edit1", Form1->Edit1, {128, 536, 25, 21}, QStringLiteral("1")},
        {"Edit2", Form1->Edit2, {152, 536, 25, 21}, QStringLiteral("0")},
        {"Edit3", Form1->Edit3, {176, 536, 25, 21}, QStringLiteral("0")},
        {"Edit4", Form1->Edit4, {200, 536, 25, 21}, QStringLiteral("0")},
        {"Edit5", Form1->Edit5, {224, 536, 25, 21}, QStringLiteral("0")},
        {"Edit6", Form1->Edit6, {248, 536, 25, 21}, QStringLiteral("0")},
        {"Edit7", Form1->Edit7, {272, 536, 25, 21}, QStringLiteral("0")},
        {"Edit8", Form1->Edit8, {296, 536, 25, 21}, QStringLiteral("2")},
        {"Edit9", Form1->Edit9, {160, 568, 25, 21}, QStringLiteral("100")},
        {"Edit10", Form1->Edit10, {496, 528, 25, 21}, QStringLiteral("20")},
        {"ListBox1", Form1->ListBox1, {712, 48, 89, 201}, QString()},
        {"ListBox2", Form1->ListBox2, {848, 48, 97, 201}, QString()},
        {"CheckBox1", Form1->CheckBox1, {760, 24, 129, 17}, QStringLiteral("Показывать все")},
        {"CheckBox2", Form1->CheckBox2, {608, 184, 57, 17}, QStringLiteral("залить")},
        {"CheckBox3", Form1->CheckBox3, {592, 160, 81, 17}, QStringLiteral("Огибающая")},
        {"RadioButton1", Form1->RadioButton1, {600, 496, 313, 17}, frequencyRangeCaption()},
        {"RadioButton2", Form1->RadioButton2, {600, 472, 289, 17}, harmonicRangeCaption()},
        {"Edit11", Form1->Edit11, {752, 496, 41, 21}, QStringLiteral("0.3")},
        {"Edit12", Form1->Edit12, {816, 496, 41, 21}, QStringLiteral("3.6")},
        {"Edit13", Form1->Edit13, {752, 472, 41, 21}, QStringLiteral("0")},
        {"Edit14", Form1->Edit14, {816, 472, 41, 21}, QStringLiteral("20")},
    };
    const std::vector<const TControl*> disabled = {Form1->RadioButton1, Form1->Edit11,
                                                   Form1->Edit12};
    for (const Placed& placed : controls) {
        SCOPED_TRACE(placed.name);
        const QWidget* widget = placed.control->widget();
        EXPECT_EQ(widget->geometry(), placed.bounds);
        EXPECT_EQ(widget->parentWidget(), Form1->widget());
        EXPECT_TRUE(widget->isVisibleTo(Form1->widget()));
        const bool shouldBeEnabled =
            std::find(disabled.begin(), disabled.end(), placed.control) == disabled.end();
        EXPECT_EQ(placed.control->GetEnabled(), shouldBeEnabled);
        if (qobject_cast<const QListWidget*>(widget) == nullptr) {
            const QString caption = textOf(widget);
            EXPECT_EQ(caption.isNull() ? placed.control->GetText() : caption, placed.text);
        }
    }
    EXPECT_EQ(Form1->RadioButton1->GetText(), frequencyRangeCaption());
    EXPECT_EQ(Form1->CheckBox1->GetText(), QStringLiteral("Показывать все"));

    EXPECT_FALSE(Form1->CheckBox1->GetChecked());
    EXPECT_TRUE(Form1->CheckBox2->GetChecked());
    EXPECT_TRUE(Form1->CheckBox3->GetChecked());
    EXPECT_FALSE(Form1->RadioButton1->GetChecked());
    EXPECT_TRUE(Form1->RadioButton2->GetChecked());
    EXPECT_EQ(Form1->ListBox1->Count(), 0);
    EXPECT_EQ(Form1->ListBox2->Count(), 0);
}

TEST_F(WindowTest, TabOrderRunsFromTheExitButtonThroughTheFields) {
    const std::vector<const TControl*> expected = {
        Form1->Button2,      Form1->Edit1,        Form1->Edit2,     Form1->Edit3,
        Form1->Edit4,        Form1->Edit5,        Form1->Edit6,     Form1->Edit7,
        Form1->Edit8,        Form1->Edit9,        Form1->Edit10,    Form1->ListBox1,
        Form1->ListBox2,     Form1->CheckBox1,    Form1->CheckBox2, Form1->CheckBox3,
        Form1->RadioButton1, Form1->RadioButton2, Form1->Edit11,    Form1->Edit12,
        Form1->Edit13,       Form1->Edit14};
    std::vector<const QWidget*> wanted;
    for (const TControl* control : expected)
        wanted.push_back(control->widget());

    // One round of the focus chain, keeping what the Tab key can stop at.
    std::vector<const QWidget*> chain;
    QWidget* widget = Form1->Button2->widget();
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isWindow() == false)
            chain.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != Form1->Button2->widget() && chain.size() < 100);
    EXPECT_EQ(chain, wanted);
}

TEST_F(WindowTest, PeriodLabelHasItsOwnLargerNavyFont) {
    const QLabel* period = Form1->l_period->label();
    EXPECT_EQ(period->font().pixelSize(), 16);
    EXPECT_EQ(period->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    // Every other control keeps the 11-pixel window font.
    for (const TControl* control :
         {static_cast<const TControl*>(Form1->Label1), static_cast<const TControl*>(Form1->f1),
          static_cast<const TControl*>(Form1->Edit1),
          static_cast<const TControl*>(Form1->RadioButton2),
          static_cast<const TControl*>(Form1->Button2)})
        EXPECT_EQ(control->widget()->font().pixelSize(), 11);
    EXPECT_NE(Form1->f1->label()->palette().color(QPalette::WindowText), QColor(0, 0, 128));

    // On screen: "300" in navy, the label before it in black.
    Form1->Show();
    const QImage shot = Form1->widget()->grab().toImage();
    const QRect periodArea = Form1->l_period->widget()->geometry();
    EXPECT_GT(countPixels(shot, periodArea, 0x000080), 20);
    EXPECT_EQ(countPixels(shot, periodArea, 0x000000), 0);
    const QRect captionArea = Form1->Label5->widget()->geometry();
    EXPECT_GT(countPixels(shot, captionArea, 0x000000), 20);
    EXPECT_EQ(countPixels(shot, captionArea, 0x000080), 0);
    // Sixteen pixels high: taller than the caption beside it.
    EXPECT_GT(QFontMetrics(period->font()).ascent(),
              QFontMetrics(Form1->Label5->label()->font()).ascent());
}

TEST_F(WindowTest, BlanksInTheCaptionsKeepTheirWordsClearOfTheFields) {
    // The segment kinds of Label1 each stand over their field.
    const QLabel* kinds = Form1->Label1->label();
    const QFontMetrics metrics(kinds->font());
    const QString caption = kinds->text();
    const TEdit* const fields[] = {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4,
                                   Form1->Edit5, Form1->Edit6, Form1->Edit7, Form1->Edit8};
    int field = 0;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'0' && caption[i] != u'1')
            continue;
        ASSERT_LT(field, 8);
        const int left = kinds->x() + metrics.horizontalAdvance(caption.left(i));
        const int right = left + metrics.horizontalAdvance(caption[i]);
        const QRect under = fields[field]->widget()->geometry();
        EXPECT_GE(left, under.left()) << "digit " << field + 1;
        EXPECT_LE(right, under.right() + 1) << "digit " << field + 1;
        ++field;
    }
    EXPECT_EQ(field, 8);

    // The range captions read "from [field] to [field]": each word stands in a gap before, between
    // or after the two fields laid over the caption, none under a field.
    const auto checkWords = [](const QAbstractButton* button, const QRect& first,
                               const QRect& second) {
        SCOPED_TRACE(button->text().toStdString());
        const QFontMetrics font(button->font());
        const QString text = button->text();
        const int start = captionLeft(button, QStyle::SE_RadioButtonContents);
        // The first and one past the last pixel column of a word between blanks, or at the start.
        const auto span = [&](const QString& word) {
            const qsizetype at = text.startsWith(word) ? 0 : text.indexOf(u' ' + word) + 1;
            const int left = start + font.horizontalAdvance(text.left(at));
            return std::pair(left, left + font.horizontalAdvance(word));
        };
        const auto title = span(text.section(u' ', 0, 1));
        const auto from = span(QStringLiteral("с"));
        const auto to = span(QStringLiteral("по"));
        EXPECT_LE(title.second, from.first);
        EXPECT_LE(from.second, first.left());
        EXPECT_GT(to.first, first.right());
        EXPECT_LE(to.second, second.left());
        if (text.endsWith(QStringLiteral("кГц"))) {
            EXPECT_GT(span(QStringLiteral("кГц")).first, second.right());
        }
    };
    checkWords(Form1->RadioButton2->radioButton(), Form1->Edit13->widget()->geometry(),
               Form1->Edit14->widget()->geometry());
    checkWords(Form1->RadioButton1->radioButton(), Form1->Edit11->widget()->geometry(),
               Form1->Edit12->widget()->geometry());
}

TEST_F(WindowTest, FirstPassFillsTheListsAndTheFrequency) {
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("300"));
    EXPECT_EQ(Form1->f1->GetText(), QStringLiteral("1"));
    EXPECT_EQ(Form1->ListBox1->Count(), 0);
    EXPECT_EQ(Form1->ListBox2->Count(), 0);
    activate();
    // 1 / 300 us = 3.333... kHz, in fifteen significant digits.
    EXPECT_EQ(Form1->f1->GetText(), QStringLiteral("3.33333333333333"));
    EXPECT_EQ(Form1->l_period->GetText(), QStringLiteral("300"));
    EXPECT_GT(Form1->ListBox1->Count(), 1);
    EXPECT_EQ(Form1->ListBox2->Count(), Form1->ListBox1->Count());
    // f1 has grown to the width of its new text.
    EXPECT_GE(Form1->f1->widget()->width(),
              QFontMetrics(Form1->f1->label()->font())
                  .horizontalAdvance(QStringLiteral("3.33333333333333")));
    // Lines stand 13 pixels apart.
    const QListWidget* list = Form1->ListBox1->listWidget();
    EXPECT_EQ(list->visualItemRect(list->item(1)).top() - list->visualItemRect(list->item(0)).top(),
              13);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WindowTest, ScreenReadersAnnounceEveryInputByItsCaptions) {
    const auto announced = [](const TControl* control) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control->widget());
        return face ? face->text(QAccessible::Name) : QString();
    };
    EXPECT_EQ(announced(Form1->Edit9), "Время единичного импульса, мкс");
    EXPECT_EQ(announced(Form1->Edit10), "Количество гармоник");
    EXPECT_EQ(announced(Form1->Edit13), "Диапазон гармоник с");
    EXPECT_EQ(announced(Form1->Edit14), "Диапазон гармоник по");
    EXPECT_EQ(announced(Form1->Edit1), "Множители времяни, отрезок 1 (вид посылки 1)");
    EXPECT_EQ(announced(Form1->Edit8), "Множители времяни, отрезок 8 (вид посылки 0)");
    EXPECT_EQ(announced(Form1->ListBox1), "Амплитуды, мВ");
    EXPECT_EQ(announced(Form1->CheckBox3), "Огибающая");
    EXPECT_EQ(announced(Form1->RadioButton2), "Диапазон гармоник");
    const TControl* const inputs[] = {
        Form1->Edit1,        Form1->Edit2,     Form1->Edit3,     Form1->Edit4,
        Form1->Edit5,        Form1->Edit6,     Form1->Edit7,     Form1->Edit8,
        Form1->Edit9,        Form1->Edit10,    Form1->Edit11,    Form1->Edit12,
        Form1->Edit13,       Form1->Edit14,    Form1->ListBox1,  Form1->ListBox2,
        Form1->CheckBox1,    Form1->CheckBox2, Form1->CheckBox3, Form1->RadioButton1,
        Form1->RadioButton2, Form1->Button2};
    QStringList names;
    for (const TControl* input : inputs)
        names << announced(input);
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size()) << "names repeat";
}

TEST_F(WindowTest, FrequencyRangeRowIsGreyed) {
    Form1->Show();
    const auto captionInk = [](const TControl* control) {
        const QImage shot = control->widget()->grab().toImage();
        int black = 0;
        int other = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 20; x < shot.width(); ++x) {
                const QRgb pixel = shot.pixel(x, y) & 0xffffffu;
                black += pixel == 0;
                other += pixel != 0 && qGray(pixel) < 200;
            }
        return std::pair(black, other);
    };
    const auto [greyedBlack, greyedInk] = captionInk(Form1->RadioButton1);
    EXPECT_EQ(greyedBlack, 0);
    EXPECT_GT(greyedInk, 20);
    EXPECT_GT(captionInk(Form1->RadioButton2).first, 20);
}
