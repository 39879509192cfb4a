#include "WindowFixture.h"

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
