// The window for those who cannot see it or use a mouse: what assistive technology reads and is
// told, the readouts under the mouse, the keys.

#include "Readouts.h"
#include "WindowFixture.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>
#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QtPlugin>

using namespace Qt::StringLiterals;

namespace {

// The objects that announced a change to assistive technology.
std::vector<QObject*> announced;

class RecordingBridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override {
        if (event->type() == QAccessible::NameChanged ||
            event->type() == QAccessible::DescriptionChanged)
            announced.push_back(event->object());
    }
};

// The three plots, as assistive technology finds them among the window's children.
QList<QAccessibleInterface*> plots() {
    QList<QAccessibleInterface*> charts;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(Form1->widget());
    for (int i = 0; i < window->childCount(); ++i)
        if (window->child(i)->role() == QAccessible::Chart)
            charts << window->child(i);
    return charts;
}

// The period, f1 and the plots, "name (description) [lines]" as a screen reader reads them, marked
// "!" when they announced a change since the window's first pass.
std::string readings() {
    QList<QAccessibleInterface*> objects = plots();
    for (const TControl* label : {Form1->f1, Form1->l_period})
        objects.prepend(QAccessible::queryAccessibleInterface(label->widget()));
    QStringList lines;
    for (QAccessibleInterface* object : objects)
        lines << QStringLiteral("%1%2 (%3) [%4]")
                     .arg(std::ranges::count(announced, object->object()) ? u"! "_s : QString(),
                          object->text(QAccessible::Name), object->text(QAccessible::Description))
                     .arg(object->childCount());
    return lines.join(u'\n').toStdString();
}

class Accessibility : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        Form1->Show();
        perform(QStringLiteral("activate"));
        announced.clear();
    }
};

} // namespace

class RecordingBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "AccessibilityBridge.json")
public:
    QAccessibleBridge* create(const QString&) override {
        static RecordingBridge bridge; // Qt never deletes its bridges
        return &bridge;
    }
};
Q_IMPORT_PLUGIN(RecordingBridgePlugin)

TEST_F(Accessibility, PeriodF1PlotsAndTheMouseReadTheLastPass) {
    EXPECT_EQ(
        readings(),
        "300 (Период посылки, мкс) [0]\n3.33333333333333 (f1, кГц) [0]\n"
        "Амплитудный спектр (Число гармоник 20, f1 = 3,33 кГц, наибольшая частота 66,67 кГц. "
        "Наибольшая амплитуда 551 мВ у гармоники 1. Пренебрежимо малы гармоники 3, 6, 9, 12, "
        "15, 18. Огибающая показана залитой.) [21]\n"
        "Фазовый спектр (Число гармоник 20. Фазы по списку: 90° у гармоники 0; 30° у гармоник "
        "1, 4, 7, 10, 13, 16, 19; -29° у гармоник 2, 5, 8, 11, 14, 17, 20.) [21]\n"
        "Восстановленный сигнал (Гармоники с 0 по 20, период 300 мкс. Наибольшее значение "
        "1,09 В, наименьшее -0,0858 В.) [21]");
    const QList<QAccessibleInterface*> panels = plots(); // amplitude, phase, signal
    ASSERT_EQ(panels.size(), 3);
    EXPECT_EQ(panels[0]->rect(),
              QRect(Form1->widget()->mapToGlobal(QPoint(10, 10)), QSize(510, 235)));
    EXPECT_EQ(panels[1]->child(5)->text(QAccessible::Name).toStdString(),
              "k = 5; f = 16,67 кГц; A = 110 мВ; φ = -29°");
    EXPECT_EQ(panels[1]->indexOfChild(panels[1]->child(5)), 5);

    // The mouse resting on a stem or on the rebuilt signal reads its values.
    const struct {
        QPoint at;
        const char* text;
    } cases[] = {
        {{151, 220}, "k = 5; f = 16,67 кГц; A = 110 мВ; φ = -29°"}, // amplitude stem 5, top at 208
        {{149, 378}, "k = 5; f = 16,67 кГц; A = 110 мВ; φ = -29°"}, // phase stem 5, down to 376
        {{70, 118}, "k = 1; f = 3,33 кГц; A = 551 мВ; φ = 30°"},    // the cap of stem 1
        {{616, 262}, "t = 42 мкс; u = 0,98 В"},                     // sample 56 at 0.98 V
        {{695, 321}, "t = 101,25 мкс; u = 0,32 В"}, // the falling edge, 6 pixels over sample 135
        {{154, 220}, ""},                           // four pixels beside stem 5
        {{150, 200}, ""},                           // five pixels above its cap
        {{616, 270}, ""},                           // eight pixels under the curve
    };
    for (const auto& [at, text] : cases)
        EXPECT_EQ(Form1->OnHint(Form1, at).toStdString(), text) << at.x() << ',' << at.y();
    // The window shows them as tooltips, through the invisible panels over the plots.
    QHelpEvent help(QEvent::ToolTip, {151, 220}, Form1->widget()->mapToGlobal(QPoint(151, 220)));
    QApplication::sendEvent(Form1->widget(), &help);
    EXPECT_EQ(QToolTip::text().toStdString(), "k = 5; f = 16,67 кГц; A = 110 мВ; φ = -29°");

    // Every pass announces what changed.
    play(QStringLiteral("Edit9=200 Edit10=5 Edit14=3 CheckBox2"));
    EXPECT_EQ(
        readings(),
        "! 600 (Период посылки, мкс) [0]\n! 1.66666666666667 (f1, кГц) [0]\n"
        "! Амплитудный спектр (Число гармоник 5, f1 = 1,67 кГц, наибольшая частота 8,33 кГц. "
        "Наибольшая амплитуда 551 мВ у гармоники 1. Пренебрежимо мала гармоника 3. Огибающая "
        "показана линией.) [6]\n"
        "! Фазовый спектр (Число гармоник 5. Фазы по списку: 90° у гармоники 0; 30° у гармоник "
        "1, 4; -29° у гармоник 2, 5.) [6]\n"
        "! Восстановленный сигнал (Гармоники с 1 по 3, период 600 мкс. Наибольшее значение "
        "0,83 В, наименьшее -0,41 В.) [3]");
    EXPECT_TRUE(panels[2]->child(0)->text(QAccessible::Name).startsWith(u"k = 1;"));

    // A packet that cannot be computed: nothing to read but why.
    perform(QStringLiteral("Edit2=-3"));
    EXPECT_TRUE(
        readings().ends_with("Восстановленный сигнал (Нет расчёта: период посылки или число "
                             "гармоник вне допустимых пределов.) [0]"));
}

TEST_F(Accessibility, KeysStepFieldsWithinTheirLimitsAndF1ListsThem) {
    // A step writes the new number as typing does: the field's rules and the pass run; at a limit
    // nothing runs.
    const struct {
        const char* steps; // what the program writes before the key
        int field;
        Qt::Key key;
        const char* after; // the field, then the harmonic range
    } cases[] = {
        {"Edit2!0", 2, Qt::Key_Down, "0 0…20"},
        {"Edit3!995", 3, Qt::Key_PageUp, "999 0…20"},
        {"Edit4!5", 4, Qt::Key_PageDown, "0 0…20"},
        {"Edit2!-3", 2, Qt::Key_Down, "-3 0…20"}, // typed below the limit: no jump up
        {"Edit1!1", 1, Qt::Key_Down, "1 0…20"},
        {"Edit8!2", 8, Qt::Key_PageDown, "1 0…20"},
        {"Edit9!100", 9, Qt::Key_PageDown, "90 0…20"},
        {"Edit9!1", 9, Qt::Key_Down, "1 0…20"},
        {"Edit10!20", 10, Qt::Key_Up, "21 1…21"},
        {"Edit10!195", 10, Qt::Key_PageUp, "200 1…200"},
        {"Edit10!200", 10, Qt::Key_Up, "200 1…200"},
        {"Edit10!1", 10, Qt::Key_Down, "1 1…1"},
        {"Edit13!0", 13, Qt::Key_PageUp, "10 10…20"},
        {"Edit13!20", 13, Qt::Key_Up, "20 20…20"},
        {"Edit14!5 Edit13!5", 13, Qt::Key_Up, "6 6…6"},
        {"Edit14!4", 14, Qt::Key_PageDown, "0 0…0"},
        {"Edit13!5 Edit14!5", 14, Qt::Key_Down, "5 5…5"},
    };
    for (const auto& [steps, number, key, after] : cases) {
        TearDown(); // a fresh window for each case
        SetUp();
        play(QString::fromUtf8(steps));
        const QString start = field(number)->GetText();
        const auto passes = Form1->passCount();
        QTest::keyClick(field(number)->lineEdit(), key);
        const QString range = Form1->Edit13->GetText() + u'…' + Form1->Edit14->GetText();
        EXPECT_EQ(QString(field(number)->GetText() + u' ' + range).toStdString(), after) << steps;
        EXPECT_EQ(Form1->passCount() > passes, field(number)->GetText() != start) << steps;
    }

    // F1 lists the keys and the menu's shortcuts, named as the menu names them. The list comes in
    // a modal message box: read and close it from inside its own event loop.
    Form1->widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1->widget()));
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QTest::keyClick(Form1->Edit1->lineEdit(), Qt::Key_F1);
    EXPECT_TRUE(shown.contains(u"Стрелка вверх") && shown.contains(u"Page Up") &&
                shown.contains(u"F1"));
    for (const QAction* action : Form1->contextMenu()->actions())
        if (!action->shortcut().isEmpty()) { // "Сохранить рисунок…" as "Ctrl+S — сохранить рисунок"
            const QString name = action->text().remove(u'…');
            EXPECT_TRUE(shown.contains(action->shortcut().toString() + u" — " + name[0].toLower() +
                                       name.mid(1)))
                << name.toStdString();
        }
}

#include "AccessibilityTests.moc"
