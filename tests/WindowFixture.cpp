#include "WindowFixture.h"

#include "Language.h"

#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

const auto failOnError = [](const Exception& error) {
    ADD_FAILURE() << "unexpected error display: " << error.what();
};

void WindowTest::SetUp() {
    SetDecimalSeparator(u'.');
    Application->OnException = [this](const Exception& error) { errors << error.Message; };
    Application->CreateForm(Form1);
}

void WindowTest::TearDown() {
    Application->ReleaseForms();
    loadLanguage(QStringLiteral("ru"));
    Application->OnException = failOnError;
    EXPECT_TRUE(errors.isEmpty()) << "error display reached: " << errors.join(u'\n').toStdString();
}

QString WindowTest::summary() {
    const auto text = [](int number) {
        const QLineEdit* edit = field(number)->lineEdit();
        const bool selected = !edit->text().isEmpty() && edit->selectedText() == edit->text();
        return selected ? edit->text() + u'*' : edit->text();
    };
    const auto greyed = [](const TControl* control, const QString& shown) {
        return control->GetEnabled() ? shown : u'(' + shown + u')';
    };
    QStringList packet;
    for (int number = 1; number <= 9; ++number)
        packet << text(number);
    QStringList options;
    for (const TCheckBox* box : {Form1->CheckBox1, Form1->CheckBox2, Form1->CheckBox3})
        options << greyed(box, box->GetChecked() ? QStringLiteral("x") : QStringLiteral("o"));
    return QStringLiteral("%1 | %2 | %3: %4 | %5")
        .arg(packet.join(u' '), Form1->l_period->GetText(), text(10),
             greyed(field(13), text(13) + QStringLiteral("..") + text(14)), options.join(u' '));
}

QString WindowTest::state() {
    const QStringList amplitudes = Form1->ListBox1->Lines();
    const QStringList phases = Form1->ListBox2->Lines();
    QString text = summary() + QStringLiteral("\nf1 = ") + Form1->f1->GetText() + u'\n';
    for (qsizetype i = 0; i < std::max(amplitudes.size(), phases.size()); ++i)
        text += amplitudes.value(i) + QStringLiteral(" | ") + phases.value(i) + u'\n';
    return text;
}

void WindowTest::showActive() {
    perform(QStringLiteral("activate"));
    Form1->Show();
    Form1->widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1->widget()));
}

// The window suites run under Qt's offscreen platform with the program's own style and font.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    Application->Initialize(argc, argv);
    loadLanguage(QStringLiteral("ru")); // as the program starts: Russian, whatever the locale
    // The language chosen in a test is remembered in a scratch folder, not in the user's settings.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    Application->OnException = failOnError;
    const int result = RUN_ALL_TESTS();
    Application->Shutdown();
    return result;
}
