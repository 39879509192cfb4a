// The window for those who cannot see it or use a mouse: what assistive technology reads and is
// told, the readouts under the mouse, the keys.

#include "FieldKeys.h"
#include "Language.h"
#include "MeasuresWindow.h"
#include "ReferenceFile.h"
#include "WindowFixture.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>
#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QtPlugin>

using namespace Qt::StringLiterals;

namespace {

// The objects that announced a change to assistive technology.
std::vector<QObject*> announced;

// The three plots, as assistive technology finds them among the window's children.
QList<QAccessibleInterface*> plots() {
    QList<QAccessibleInterface*> charts;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(Form1->widget());
    for (int i = 0; i < window->childCount(); ++i)
        if (window->child(i)->role() == QAccessible::Chart)
            charts << window->child(i);
    return charts;
}

// The names of the controls that take focus, in the order they stand on the window.
QString names() {
    QString text;
    for (QWidget* child : Form1->widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->focusPolicy() & Qt::TabFocus)
            text += QAccessible::queryAccessibleInterface(child)->text(QAccessible::Name) + u'\n';
    return text;
}

// The period, f1, the plots and the item that sounds the signal as a screen reader reads them,
// "name (description) [lines]", marked "!" when they announced a change since the first pass.
QString readings() {
    QList<QAccessibleInterface*> objects = plots();
    for (const TControl* label : {Form1->f1, Form1->l_period})
        objects.prepend(QAccessible::queryAccessibleInterface(label->widget()));
    objects.append(QAccessible::queryAccessibleInterface(listenItem()));
    QString text;
    for (QAccessibleInterface* object : objects)
        text += QStringLiteral("%1%2 (%3) [%4]\n")
                    .arg(std::ranges::count(announced, object->object()) ? u"! "_s : QString(),
                         object->text(QAccessible::Name), object->text(QAccessible::Description))
                    .arg(object->childCount());
    // The measures window, while it is open: its name, then each line as a line of its list.
    const QWidget* measures = Form1->widget()->findChild<MeasuresWindow*>()->window();
    if (measures && measures->isVisible()) {
        QAccessibleInterface* list =
            QAccessible::queryAccessibleInterface(measures->findChild<QListWidget*>());
        text += QAccessible::queryAccessibleInterface(const_cast<QWidget*>(measures))
                    ->text(QAccessible::Name) +
                u":\n"_s;
        for (int n = 0; n < list->childCount(); ++n)
            text += u"  "_s + list->child(n)->text(QAccessible::Name) + u'\n';
    }
    return text;
}

class Accessibility : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        showActive();
        announced.clear();
    }
};

} // namespace

// A bridge to assistive technology that records what it is told; Qt never deletes its bridges.
class RecordingBridgePlugin : public QAccessibleBridgePlugin, public QAccessibleBridge {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "AccessibilityBridge.json")
public:
    QAccessibleBridge* create(const QString&) override { return this; }
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override {
        if (event->type() == QAccessible::NameChanged ||
            event->type() == QAccessible::DescriptionChanged)
            announced.push_back(event->object());
    }
};
Q_IMPORT_PLUGIN(RecordingBridgePlugin)

// The transcript in tests/reference/screen-reader.txt: the names, then the readings after each
// line of steps, and what the mouse reads where it rests.
TEST_F(Accessibility, ScreenReaderReadsTheReviewedTranscript) {
    QString shown = names();
    QString expected;
    for (const QString& line : QString::fromUtf8(referenceBytes(u"screen-reader.txt"_s))
                                   .split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'>')) {
            EXPECT_EQ(shown.toStdString(), expected.toStdString());
            play(line.mid(1));
            shown = readings();
            expected.clear();
        } else if (line.startsWith(u'?')) {
            const QStringList at = line.section(u' ', 1, 1).split(u',');
            const QString hint = Form1->OnHint(Form1, QPoint(at[0].toInt(), at.value(1).toInt()));
            const QString read = QString(line.section(u' ', 0, 1) + u' ' + hint).trimmed();
            EXPECT_EQ(line.toStdString(), read.toStdString());
        } else if (!line.startsWith(u'#')) {
            expected += line + u'\n';
        }
    }
    EXPECT_EQ(shown.toStdString(), expected.toStdString());
}

TEST_F(Accessibility, PlotsAndTheMouseReadTheLastPass) {
    const QList<QAccessibleInterface*> panels = plots(); // amplitude, phase, signal
    ASSERT_EQ(panels.size(), 3);
    EXPECT_EQ(panels[0]->rect(),
              QRect(Form1->widget()->mapToGlobal(QPoint(10, 10)), QSize(510, 235)));
    // A plot's lines, asked for by their number: "-" for none.
    const auto line = [&panels](int panel, int number) {
        const QAccessibleInterface* child = panels[panel]->child(number);
        EXPECT_TRUE(!child || panels[panel]->indexOfChild(child) == number);
        return child ? child->text(QAccessible::Name).toStdString() : "-";
    };
    EXPECT_EQ(line(1, 5), "k = 5; f = 16,67 кГц; A = 110 мВ; φ = -29°");
    EXPECT_EQ(line(1, 21), "-"); // one past the last harmonic
    EXPECT_EQ(line(2, 0), "k = 0; f = 0 кГц; A = 333 мВ; φ = 90°");
    EXPECT_EQ(line(2, -1), "-");

    // The window shows what the mouse reads as tooltips, through the invisible panels over the
    // plots.
    QHelpEvent help(QEvent::ToolTip, {151, 220}, Form1->widget()->mapToGlobal(QPoint(151, 220)));
    QApplication::sendEvent(Form1->widget(), &help);
    EXPECT_EQ(QToolTip::text().toStdString(), "k = 5; f = 16,67 кГц; A = 110 мВ; φ = -29°");

    // The signal reads the harmonics it sums.
    perform(u"Edit13=2"_s);
    EXPECT_EQ(line(2, 0).substr(0, 6), "k = 2;");
}

// A step writes the new number as typing does: the field's rules and the pass run, and at a limit
// nothing runs. The program's own writes, the field and key, then the field and the range.
const StepRow kKeySteps[] = {
    {"Edit2!0", "2 Down", "0 0…20"},
    {"Edit3!995", "3 PgUp", "999 0…20"},
    {"Edit4!5", "4 PgDown", "0 0…20"},
    {"Edit2!-3", "2 Down", "-3 0…20"}, // typed below the limit: no jump up
    {"Edit1!1", "1 Down", "1 0…20"},
    {"Edit8!2", "8 PgDown", "1 0…20"},
    {"Edit9!100", "9 PgDown", "90 0…20"},
    {"Edit9!1", "9 Down", "1 0…20"},
    {"Edit10!20", "10 Up", "21 1…21"},
    {"Edit10!195", "10 PgUp", "200 1…200"},
    {"Edit10!200", "10 Up", "200 1…200"},
    {"Edit10!1", "10 Down", "1 1…1"},
    {"Edit13!0", "13 PgUp", "10 10…20"},
    {"Edit13!20", "13 Up", "20 20…20"},
    {"Edit14!5 Edit13!5", "13 Up", "6 6…6"},
    {"Edit14!4", "14 PgDown", "0 0…0"},
    {"Edit13!5 Edit14!5", "14 Down", "5 5…5"},
};

class Keys : public Accessibility, public ::testing::WithParamInterface<StepRow> {};

TEST_P(Keys, StepFieldsWithinTheirLimits) {
    const auto& [steps, press, after] = GetParam();
    play(QString::fromUtf8(steps));
    const QStringList key = QString::fromUtf8(press).split(u' ');
    TEdit* const edit = field(key[0].toInt());
    const QString start = edit->GetText();
    const auto passes = Form1->passes().count();
    QTest::keyClick(edit->lineEdit(), QKeySequence(key[1])[0].key());
    const QString shown =
        edit->GetText() + u' ' + Form1->Edit13->GetText() + u'…' + Form1->Edit14->GetText();
    EXPECT_EQ(shown.toStdString(), after);
    EXPECT_EQ(Form1->passes().count() > passes, edit->GetText() != start);
}

INSTANTIATE_TEST_SUITE_P(Table, Keys, ::testing::ValuesIn(kKeySteps));

// The keys of the fields, then every shortcut of the context menu as its item names it.
TEST_F(Accessibility, F1ListsTheKeysAndTheMenusShortcuts) {
    // The list comes in a modal message box: read and close it from inside its own event loop.
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QTest::keyClick(Form1->Edit1->lineEdit(), Qt::Key_F1);
    EXPECT_EQ(QString(shown + u'\n').toStdString(),
              referenceBytes(u"keys-help.txt"_s).toStdString());
}

// The window in English with its measures window open, its menus and its help: no text in Russian
// but the name of the language itself, no item without a name.
TEST_F(Accessibility, EnglishLeavesNothingInRussian) {
    play(u"Language:en Menu:Ctrl+M"_s);
    QStringList texts{names(),
                      readings(),
                      Form1->widget()->windowTitle(),
                      Form1->widget()->findChild<FieldKeys*>()->keysText(),
                      Form1->OnHint(Form1, {151, 220}),
                      Form1->OnHint(Form1, {600, 262}),
                      plots()[0]->child(5)->text(QAccessible::Name)};
    for (QWidget* control : Form1->widget()->findChildren<QWidget*>()) {
        const QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control);
        texts << read->text(QAccessible::Name) << read->text(QAccessible::Description);
    }
    const std::function<void(const QMenu*)> readMenu = [&](const QMenu* menu) {
        for (const QAction* item : menu->actions()) {
            EXPECT_TRUE(item->isSeparator() || !item->text().isEmpty());
            if (item->text() != u"Русский")
                texts << item->text() << item->toolTip() << item->statusTip() << item->whatsThis();
            if (item->menu())
                readMenu(item->menu());
        }
    };
    readMenu(&Form1->contextMenu());
    static const QRegularExpression cyrillic(u"\\p{Cyrillic}"_s);
    for (const QString& text : texts)
        EXPECT_FALSE(text.contains(cyrillic)) << text.toStdString();
}

// The design fixes every control's size: in English a caption stays within its button or box (with
// the box's mark), and a label, which takes its text's width, ends before the next control on its
// row.
TEST_F(Accessibility, EnglishCaptionsFitTheirControls) {
    perform(u"Language:en"_s);
    const QList<QWidget*> controls =
        Form1->widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int checked = 0;
    for (const QWidget* control : controls) {
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        if (!label && !button)
            continue;
        const QString text = label ? label->text() : button->text();
        const QFontMetrics metrics(control->font());
        int room = control->width();
        int needed = metrics.horizontalAdvance(text);
        if (qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control))
            needed = button->sizeHint().width();
        if (label) {
            room = Form1->widget()->width() - control->x();
            for (const QWidget* other : controls)
                if (other != control && other->x() > control->x() &&
                    other->y() < control->geometry().bottom() &&
                    other->geometry().bottom() > control->y() &&
                    other->isVisibleTo(Form1->widget()))
                    room = std::min(room, other->x() - control->x());
        }
        EXPECT_LE(needed, room) << text.toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 21); // 15 labels, the button, 3 boxes, 2 radio buttons
}

// The choice is remembered for the next start, where the command line wins over it; a damaged
// setting starts in Russian.
TEST_F(Accessibility, LanguageIsRememberedAndTheCommandLineWins) {
    perform(u"Language:en"_s);
    EXPECT_EQ(startLanguage(std::nullopt), u"en");
    EXPECT_EQ(startLanguage(u"ru"_s), u"ru");
    QSettings().setValue(u"language"_s, u"english"_s);
    EXPECT_EQ(startLanguage(std::nullopt), u"ru");
}

#include "AccessibilityTests.moc"
