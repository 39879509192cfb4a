#include "WindowFixture.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
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

// The pixel columns [left, right) of each character of a caption that is not a blank.
std::vector<std::pair<int, int>> inkColumns(const QString& text, const QFont& font, int start) {
    const QFontMetrics metrics(font);
    std::vector<std::pair<int, int>> columns;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u' ') {
            const int left = start + metrics.horizontalAdvance(text.left(i));
            columns.emplace_back(left, left + metrics.horizontalAdvance(text[i]));
        }
    }
    return columns;
}

// The name a screen reader announces for a widget.
QString nameOf(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
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
    // f1 has grown to the width of its new text; list lines stand 13 pixels apart.
    EXPECT_GE(Form1->f1->widget()->width(),
              QFontMetrics(Form1->f1->label()->font()).horizontalAdvance(Form1->f1->GetText()));
    const QListWidget* list = Form1->ListBox1->listWidget();
    ASSERT_GT(list->count(), 1);
    EXPECT_EQ(list->visualItemRect(list->item(1)).top() - list->visualItemRect(list->item(0)).top(),
              13);
}

TEST_F(WindowTest, WindowAndControlsStandAsDesignedInTabOrder) {
    QWidget* window = Form1->widget();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tovenal импульсов"));
    EXPECT_EQ(window->minimumSize(), QSize(988, 606));
    EXPECT_EQ(window->maximumSize(), QSize(988, 606));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(Application->MainForm(), Form1);

    // The texts as built: no handler has run (f1 and l_period as before the first pass, the range
    // not reset by the count's handler), and the constructor has shown the period.
    const QString frequencyRange = QStringLiteral("Диапазон частот") + blanks(12) + u'с' +
                                   blanks(17) + QStringLiteral("по") + blanks(18) +
                                   QStringLiteral("кГц");
    const QString harmonicRange =
        QStringLiteral("Диапазон гармоник") + blanks(6) + u'с' + blanks(18) + QStringLiteral("по");
    struct Placed {
        const char* name;
        TControl* control;
        QRect bounds;
        QString text;
    };
    const std::vector<Placed> placed = {
        {"Label1", Form1->Label1, {8, 520, 303, 13}, packetCaption()},
        {"Label2",
         Form1->Label2,
         {8, 536, 111, 13},
         QStringLiteral("Множители времяни") + blanks(2)},
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
        // The controls that take input, in tab order.
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
        {"RadioButton1", Form1->RadioButton1, {600, 496, 313, 17}, frequencyRange},
        {"RadioButton2", Form1->RadioButton2, {600, 472, 289, 17}, harmonicRange},
        {"Edit11", Form1->Edit11, {752, 496, 41, 21}, QStringLiteral("0.3")},
        {"Edit12", Form1->Edit12, {816, 496, 41, 21}, QStringLiteral("3.6")},
        {"Edit13", Form1->Edit13, {752, 472, 41, 21}, QStringLiteral("0")},
        {"Edit14", Form1->Edit14, {816, 472, 41, 21}, QStringLiteral("20")},
    };
    const QSet<const TControl*> disabled = {Form1->RadioButton1, Form1->Edit11, Form1->Edit12};
    std::vector<const QWidget*> tabOrder;
    for (const Placed& control : placed) {
        SCOPED_TRACE(control.name);
        const QWidget* widget = control.control->widget();
        // A label takes the width of its text, so only its corner is fixed.
        if (qobject_cast<const QLabel*>(widget) != nullptr)
            EXPECT_EQ(widget->pos(), control.bounds.topLeft());
        else
            EXPECT_EQ(widget->geometry(), control.bounds);
        EXPECT_EQ(control.control->GetText(), control.text);
        EXPECT_EQ(widget->parentWidget(), window);
        EXPECT_TRUE(widget->isVisibleTo(window));
        EXPECT_EQ(control.control->GetEnabled(), !disabled.contains(control.control));
        if ((widget->focusPolicy() & Qt::TabFocus) != 0)
            tabOrder.push_back(widget);
    }
    // One round of the focus chain, keeping what the Tab key can stop at.
    std::vector<const QWidget*> chain;
    QWidget* widget = Form1->Button2->widget();
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && !widget->isWindow())
            chain.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != Form1->Button2->widget() && chain.size() < 100);
    EXPECT_EQ(tabOrder.size(), 22u);
    EXPECT_EQ(chain, tabOrder);

    EXPECT_EQ(QList<bool>({Form1->CheckBox1->GetChecked(), Form1->CheckBox2->GetChecked(),
                           Form1->CheckBox3->GetChecked(), Form1->RadioButton1->GetChecked(),
                           Form1->RadioButton2->GetChecked()}),
              QList<bool>({false, true, true, false, true}));
    EXPECT_EQ(Form1->ListBox1->Count() + Form1->ListBox2->Count(), 0);
}

TEST_F(WindowTest, PeriodLabelHasItsOwnLargerNavyFont) {
    const QColor navy(0, 0, 128);
    EXPECT_EQ(Form1->l_period->label()->font().pixelSize(), 16);
    EXPECT_EQ(Form1->l_period->label()->palette().color(QPalette::WindowText), navy);
    // Every other control keeps the 11-pixel window font.
    for (const TControl* control : std::initializer_list<const TControl*>{
             Form1->Label5, Form1->f1, Form1->Edit1, Form1->RadioButton2, Form1->Button2})
        EXPECT_EQ(control->widget()->font().pixelSize(), 11);

    // On screen: "300" in navy, the caption before it in black.
    Form1->Show();
    const QImage shot = Form1->widget()->grab().toImage();
    const QRect period = Form1->l_period->widget()->geometry();
    const QRect caption = Form1->Label5->widget()->geometry();
    EXPECT_GT(countPixels(shot, period, navy.rgb() & 0xffffffu), 20);
    EXPECT_EQ(countPixels(shot, period, kBlackPixel), 0);
    EXPECT_GT(countPixels(shot, caption, kBlackPixel), 20);
}

TEST_F(WindowTest, BlanksInTheCaptionsKeepTheirWordsClearOfTheFields) {
    // The segment kinds, the last eight characters of Label1, each stand over their field.
    const QLabel* kinds = Form1->Label1->label();
    const auto digits = inkColumns(kinds->text(), kinds->font(), kinds->x());
    const TEdit* const fields[] = {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4,
                                   Form1->Edit5, Form1->Edit6, Form1->Edit7, Form1->Edit8};
    ASSERT_GE(digits.size(), 8u);
    for (std::size_t k = 0; k < 8; ++k) {
        const auto [left, right] = digits[digits.size() - 8 + k];
        const QRect under = fields[k]->widget()->geometry();
        EXPECT_GE(left, under.left()) << "digit " << k + 1;
        EXPECT_LE(right, under.right() + 1) << "digit " << k + 1;
    }

    // The range captions read "from [field] to [field]": no letter stands under either field.
    const auto checkWords = [](const QAbstractButton* button, const TEdit* from, const TEdit* to) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        for (const auto& [left, right] :
             inkColumns(button->text(), button->font(), button->x() + contents.left()))
            for (const TEdit* field : {from, to})
                EXPECT_TRUE(right <= field->widget()->x() ||
                            left > field->widget()->geometry().right())
                    << button->text().toStdString() << ": letter at " << left;
    };
    checkWords(Form1->RadioButton2->radioButton(), Form1->Edit13, Form1->Edit14);
    checkWords(Form1->RadioButton1->radioButton(), Form1->Edit11, Form1->Edit12);
}

TEST_F(WindowTest, ScreenReadersAnnounceEveryInputByItsCaptions) {
    const auto announced = [](const TControl* control) { return nameOf(control->widget()); };
    EXPECT_EQ(announced(Form1->Edit9), "Время единичного импульса, мкс");
    EXPECT_EQ(announced(Form1->Edit13), "Диапазон гармоник с");
    EXPECT_EQ(announced(Form1->Edit14), "Диапазон гармоник по");
    EXPECT_EQ(announced(Form1->Edit1), "Множители времяни, отрезок 1 (вид посылки 1)");
    EXPECT_EQ(announced(Form1->Edit8), "Множители времяни, отрезок 8 (вид посылки 0)");
    EXPECT_EQ(announced(Form1->ListBox1), "Амплитуды, мВ");
    // Every control the Tab key stops at has a name of its own.
    QSet<QString> names;
    int inputs = 0;
    for (QWidget* child : Form1->widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if ((child->focusPolicy() & Qt::TabFocus) != 0) {
            names << nameOf(child);
            ++inputs;
        }
    }
    EXPECT_EQ(inputs, 22);
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_EQ(names.size(), inputs) << "names repeat";
}

TEST_F(WindowTest, FrequencyRangeRowIsGreyed) {
    Form1->Show();
    // Black and other dark pixels of a caption, right of the button's indicator.
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
