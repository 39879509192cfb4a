// The window for those who cannot see it or use a mouse, under Qt's offscreen platform: what
// assistive technology reads, the readouts under the mouse, the keys. A recording accessibility
// bridge gets every event the window sends to assistive technology.

#include "Readouts.h"
#include "Tovenal_unit.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>
#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QtPlugin>
#include <gtest/gtest.h>

namespace {

std::vector<std::pair<QObject*, QAccessible::Event>> events;

class RecordingBridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override {
        events.emplace_back(event->object(), event->type());
    }
};

bool announced(QObject* object, QAccessible::Event type) {
    return std::count(events.begin(), events.end(), std::pair{object, type}) > 0;
}

QAccessibleInterface* face(const TControl* control) {
    return QAccessible::queryAccessibleInterface(control->widget());
}

QString nameOf(const TControl* control) {
    return face(control)->text(QAccessible::Name);
}

// The child of the window that a screen reader knows by this name.
QAccessibleInterface* panel(const char* name) {
    QAccessibleInterface* window = face(Form1);
    for (int i = 0; i < window->childCount(); ++i)
        if (window->child(i)->text(QAccessible::Name) == QString::fromUtf8(name))
            return window->child(i);
    return nullptr;
}

class Accessibility : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(u'.');
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        Application->CreateForm(Form1);
        Form1->Show();
        Form1->activate(Form1);
        events.clear();
    }
    void TearDown() override { Application->ReleaseForms(); }
};

} // namespace

class RecordingBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "AccessibilityBridge.json")
public:
    QAccessibleBridge* create(const QString&) override { return new RecordingBridge; }
};
Q_IMPORT_PLUGIN(RecordingBridgePlugin)

TEST_F(Accessibility, EveryControlReadsAsWhatItShows) {
    EXPECT_EQ(nameOf(Form1->l_period), "300");
    EXPECT_EQ(nameOf(Form1->f1), "3.33333333333333");
    EXPECT_EQ(face(Form1->l_period)->text(QAccessible::Description), "Период посылки, мкс");
    EXPECT_EQ(face(Form1->f1)->text(QAccessible::Description), "f1, кГц");
    Form1->Edit9->SetText("200");
    EXPECT_EQ(nameOf(Form1->l_period), "600");
    EXPECT_EQ(nameOf(Form1->f1), "1.66666666666667");
    EXPECT_TRUE(announced(Form1->l_period->widget(), QAccessible::NameChanged));
    EXPECT_TRUE(announced(Form1->f1->widget(), QAccessible::NameChanged));

    // One control of each kind: an edit reads as its value, a label as its text, a button as its
    // caption up to the blanks that make room for fields, a list line by line.
    const TForm1& f = *Form1;
    EXPECT_EQ(face(f.Edit10)->text(QAccessible::Value), "20");
    EXPECT_EQ(nameOf(f.Label5), "Период посылки:");
    for (const TButtonControl* button :
         std::initializer_list<const TButtonControl*>{f.Button2, f.CheckBox3, f.RadioButton2})
        EXPECT_TRUE(button->GetText().startsWith(nameOf(button))) << nameOf(button).toStdString();
    EXPECT_EQ(face(f.ListBox2)->child(3)->text(QAccessible::Name), f.ListBox2->Line(3));
}

TEST_F(Accessibility, PanelsDescribeTheLastPassLineByLine) {
    QAccessibleInterface* amplitude = panel("Амплитудный спектр");
    QAccessibleInterface* phase = panel("Фазовый спектр");
    QAccessibleInterface* signal = panel("Восстановленный сигнал");
    ASSERT_TRUE(amplitude && phase && signal);
    EXPECT_EQ(amplitude->text(QAccessible::Description),
              "Число гармоник 20, f1 = 3,33 кГц, наибольшая частота 66,67 кГц. Наибольшая "
              "амплитуда 551 мВ у гармоники 1. Пренебрежимо малы гармоники 3, 6, 9, 12, 15, 18. "
              "Огибающая показана залитой.");
    EXPECT_EQ(phase->text(QAccessible::Description),
              "Число гармоник 20. Фазы по списку: 90° у гармоники 0; 30° у гармоник 1, 4, 7, 10, "
              "13, 16, 19; -29° у гармоник 2, 5, 8, 11, 14, 17, 20.");
    EXPECT_EQ(signal->text(QAccessible::Description),
              "Гармоники с 0 по 20, период 300 мкс. Наибольшее значение 1,09 В, наименьшее "
              "-0,0858 В.");
    EXPECT_EQ(amplitude->rect(),
              QRect(Form1->widget()->mapToGlobal(QPoint(10, 10)), QSize(510, 235)));
    ASSERT_EQ(phase->childCount(), 21);
    EXPECT_EQ(phase->child(5)->text(QAccessible::Name),
              "k = 5; f = 16,67 кГц; A = 110 мВ; φ = -29°");
    EXPECT_EQ(phase->indexOfChild(phase->child(5)), 5);

    // A new count: every panel says so, announces it, and reads the new harmonics.
    Form1->Edit10->SetText("5");
    for (QAccessibleInterface* plot : {amplitude, phase, signal})
        EXPECT_TRUE(announced(plot->object(), QAccessible::DescriptionChanged));
    EXPECT_TRUE(amplitude->text(QAccessible::Description).startsWith("Число гармоник 5,"));
    EXPECT_TRUE(signal->text(QAccessible::Description).startsWith("Гармоники с 1 по 5,"));
    EXPECT_EQ(phase->childCount(), 6); // harmonics 0 ... 5
    ASSERT_EQ(signal->childCount(), 5);
    EXPECT_TRUE(signal->child(0)->text(QAccessible::Name).startsWith("k = 1;"));
    Form1->CheckBox3->SetChecked(false);
    EXPECT_TRUE(amplitude->text(QAccessible::Description).endsWith("Огибающая не показана."));

    // A packet that cannot be computed: nothing to read but why.
    Form1->Edit2->SetText("-3");
    EXPECT_TRUE(signal->text(QAccessible::Description).startsWith("Нет расчёта: период"));
    EXPECT_EQ(amplitude->childCount(), 0);
}

TEST_F(Accessibility, MouseReadsStemsAndWaveformAndStillClicks) {
    const struct {
        QPoint at;
        const char* text;
    } cases[] = {
        {{151, 220}, "k = 5; f = 16,67 кГц; A = 110 мВ; φ = -29°"}, // amplitude stem 5, top at 208
        {{149, 378}, "k = 5; f = 16,67 кГц; A = 110 мВ; φ = -29°"}, // phase stem 5, down to 376
        {{70, 118}, "k = 1; f = 3,33 кГц; A = 551 мВ; φ = 30°"},    // the cap of stem 1
        {{616, 262}, "t = 42 мкс; u = 0,98 В"},                     // sample 56 at 0.98 V
        {{154, 220}, ""},                                           // four pixels beside stem 5
        {{150, 200}, ""},                                           // five pixels above its cap
        {{616, 270}, ""},                                           // eight pixels under the curve
    };
    for (const auto& hover : cases)
        EXPECT_EQ(pointReadout(Form1->lastPass(), hover.at), QString::fromUtf8(hover.text))
            << hover.at.x() << ", " << hover.at.y();

    // The real tooltip lies over the window and leaves its picture as it was.
    QHelpEvent help(QEvent::ToolTip, {616, 262}, Form1->widget()->mapToGlobal(QPoint(616, 262)));
    QApplication::sendEvent(Form1->widget(), &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "t = 42 мкс; u = 0,98 В");
    const QImage shot = Form1->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot, QImage(TOVENAL_SOURCE_DIR "/docs/default-window.png")
                        .convertToFormat(QImage::Format_RGB32));
    // Hand-computed: stem 1 (551 mV) stands in column 70 up to its cap in row 120; the waveform
    // passes 0.98 V in column 616.
    EXPECT_EQ(shot.pixel(70, 150) & 0xffffffu, 0x0332c8u);
    EXPECT_EQ(shot.pixel(70, 120) & 0xffffffu, 0xfa3264u);
    EXPECT_EQ(shot.pixel(616, 262) & 0xffffffu, 0x000000u);

    // Clicks on the plots reach the window through the invisible panels.
    int clicks = 0;
    Form1->OnClick = [&](TObject*) { ++clicks; };
    for (const QPoint at : {QPoint(250, 120), QPoint(250, 400), QPoint(700, 360)})
        QTest::mouseClick(Form1->widget()->windowHandle(), Qt::LeftButton, {}, at);
    EXPECT_EQ(clicks, 3);
}

TEST_F(Accessibility, KeysStepFieldsWithinTheirLimits) {
    const struct {
        TEdit* TForm1::*field;
        const char* start;
        Qt::Key key;
        const char* text;               // the field after the key
        const char* range;              // the harmonic range after the key
        const char* otherEnd = nullptr; // of the range, written before the field's start
    } cases[] = {
        {&TForm1::Edit2, "0", Qt::Key_Down, "0", "0…20"},
        {&TForm1::Edit3, "995", Qt::Key_PageUp, "999", "0…20"},
        {&TForm1::Edit4, "5", Qt::Key_PageDown, "0", "0…20"},
        {&TForm1::Edit2, "-3", Qt::Key_Down, "-3", "0…20"}, // typed below the limit: no jump up
        {&TForm1::Edit1, "1", Qt::Key_Down, "1", "0…20"},   // not even the field's own rules run
        {&TForm1::Edit8, "2", Qt::Key_PageDown, "1", "0…20"},
        {&TForm1::Edit9, "100", Qt::Key_PageDown, "90", "0…20"},
        {&TForm1::Edit10, "20", Qt::Key_Up, "21", "1…21"},
        {&TForm1::Edit10, "195", Qt::Key_PageUp, "200", "1…200"},
        {&TForm1::Edit10, "200", Qt::Key_Up, "200", "1…200"},
        {&TForm1::Edit10, "1", Qt::Key_Down, "1", "1…1"},
        {&TForm1::Edit13, "0", Qt::Key_PageUp, "10", "10…20"},
        {&TForm1::Edit13, "20", Qt::Key_Up, "20", "20…20"},
        {&TForm1::Edit13, "5", Qt::Key_Up, "6", "6…6", "5"},
        {&TForm1::Edit14, "4", Qt::Key_PageDown, "0", "0…0"},
        {&TForm1::Edit14, "5", Qt::Key_Down, "5", "5…5", "5"},
    };
    for (const auto& step : cases) {
        TearDown(); // a fresh window for each case
        SetUp();
        TEdit* field = Form1->*step.field;
        if (step.otherEnd)
            (field == Form1->Edit13 ? Form1->Edit14 : Form1->Edit13)->SetText(step.otherEnd);
        field->SetText(step.start);
        SCOPED_TRACE(&step - cases);
        const QString start = field->GetText();
        const auto passes = Form1->passCount();
        QTest::keyClick(field->lineEdit(), step.key);
        EXPECT_EQ(field->GetText(), step.text);
        EXPECT_EQ(Form1->Edit13->GetText() + u'…' + Form1->Edit14->GetText(), step.range);
        // A step runs the field's rules and the pass as typing does; at a limit nothing runs.
        EXPECT_EQ(Form1->passCount() > passes, field->GetText() != start);
    }
}

TEST_F(Accessibility, F1ListsTheKeys) {
    Form1->widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1->widget()));
    // The message box is modal: read and close it from inside its own event loop.
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QTest::keyClick(Form1->Edit1->lineEdit(), Qt::Key_F1);
    for (const char* key : {"Tab", "Стрелка вверх", "Page Up", "F1", "Ctrl+S", "Ctrl+Shift+E"})
        EXPECT_TRUE(shown.contains(QString::fromUtf8(key))) << key;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    Application->Initialize(argc, argv);
    Application->OnException = [](const Exception& error) {
        ADD_FAILURE() << "unexpected error display: " << error.what();
    };
    const int result = RUN_ALL_TESTS();
    Application->Shutdown();
    return result;
}

#include "AccessibilityTests.moc"
