#include "WindowFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

void WindowTest::SetUp() {
    SetDecimalSeparator(u'.');
    Application->OnException = [this](const Exception& error) { errors << error.Message; };
    Application->CreateForm(Form1);
}

void WindowTest::TearDown() {
    Application->ReleaseForms();
    Application->OnException = [](const Exception& error) {
        ADD_FAILURE() << "unexpected error display: " << error.what();
    };
}

void WindowTest::type(TEdit* field, const QString& keys) {
    QTest::keyClicks(field->lineEdit(), keys);
}

void WindowTest::typeOver(TEdit* field, const QString& keys) {
    field->SelectAll();
    type(field, keys);
}

void WindowTest::clear(TEdit* field) {
    field->SelectAll();
    QTest::keyClick(field->lineEdit(), Qt::Key_Delete);
}

bool WindowTest::wholeTextSelected(const TEdit* field) {
    const QLineEdit* edit = field->lineEdit();
    return !edit->text().isEmpty() && edit->selectedText() == edit->text();
}

bool WindowTest::anythingSelected(const TEdit* field) {
    return field->lineEdit()->hasSelectedText();
}

QImage WindowTest::picture() {
    return Form1->GetCanvas()->image();
}

QImage WindowTest::screen() {
    return Form1->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString WindowTest::summary() {
    const auto text = [](int number) {
        return field(number)->GetText() + QString(wholeTextSelected(field(number)) ? "*" : "");
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
             greyed(Form1->Edit13, text(13) + QStringLiteral("..") + text(14)), options.join(u' '));
}

QString WindowTest::state() {
    const QStringList amplitudes = Form1->ListBox1->Lines();
    const QStringList phases = Form1->ListBox2->Lines();
    QString text = summary() + QStringLiteral("\nf1 = ") + Form1->f1->GetText() + u'\n';
    for (qsizetype i = 0; i < std::max(amplitudes.size(), phases.size()); ++i)
        text += amplitudes.value(i) + QStringLiteral(" | ") + phases.value(i) + u'\n';
    return text;
}
