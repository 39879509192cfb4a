// Harmonic count Edit10, harmonic range Edit13 ... Edit14, and the display options.
// "Value" is the text read leniently (not a number counts as 0); "strict value" raises on text
// that is not a number, and is used only on fields the handlers keep canonical.

#include "Recalculate.h"
#include "Tovenal_unit.h"

namespace {

constexpr int kMaxCount = 200;

int valueOf(const TEdit* field) {
    return StrToIntDef(field->GetText(), 0);
}
int strictValueOf(const TEdit* field) {
    return StrToInt(field->GetText());
}

void recalculateAll() {
    Form1->UpdatePeriod();
    Recalculate();
}

// Each range field is enabled exactly while its radio button is checked.
void enableRangeFields() {
    const bool harmonicRange = Form1->RadioButton2->GetChecked();
    const bool frequencyRange = Form1->RadioButton1->GetChecked();
    Form1->Edit13->SetEnabled(harmonicRange);
    Form1->Edit14->SetEnabled(harmonicRange);
    Form1->Edit11->SetEnabled(frequencyRange);
    Form1->Edit12->SetEnabled(frequencyRange);
}

} // namespace

void TForm1::Edit10Change(TObject* /*Sender*/) {
    TForm1* form = Form1;
    if (valueOf(form->Edit10) == 0)
        form->Edit10->SetText(QStringLiteral("1"));
    // The range follows the count as typed, before the count is capped.
    if (strictValueOf(form->Edit10) < strictValueOf(form->Edit13))
        form->Edit13->SetText(form->Edit10->GetText());
    if (strictValueOf(form->Edit10) < strictValueOf(form->Edit14))
        form->Edit14->SetText(form->Edit10->GetText());
    if (valueOf(form->Edit10) > kMaxCount)
        form->Edit10->SetText(IntToStr(kMaxCount));
    form->Edit10->SetText(IntToStr(valueOf(form->Edit10)));
    recalculateAll();
    // A new count resets the harmonic range to 1 ... N.
    if (form->Edit14->GetEnabled())
        form->Edit14->SetText(form->Edit10->GetText());
    if (form->Edit14->GetEnabled())
        form->Edit13->SetText(QStringLiteral("1"));
}

void TForm1::Edit13Change(TObject* /*Sender*/) {
    TForm1* form = Form1;
    form->Edit13->SetText(IntToStr(valueOf(form->Edit13)));
    if (valueOf(form->Edit13) > strictValueOf(form->Edit10))
        form->Edit13->SetText(IntToStr(strictValueOf(form->Edit10)));
    if (valueOf(form->Edit13) == valueOf(form->Edit10))
        form->Edit10->SelectAll();
    recalculateAll();
    // The upper end is raised after the pass; its own handler draws the corrected range.
    if (valueOf(form->Edit13) > strictValueOf(form->Edit14))
        form->Edit14->SetText(IntToStr(strictValueOf(form->Edit13)));
}

void TForm1::Edit14Change(TObject* /*Sender*/) {
    TForm1* form = Form1;
    if (valueOf(form->Edit14) > strictValueOf(form->Edit10))
        form->Edit14->SetText(IntToStr(strictValueOf(form->Edit10)));
    if (valueOf(form->Edit14) < strictValueOf(form->Edit13))
        form->Edit14->SetText(IntToStr(strictValueOf(form->Edit13)));
    // Text that is not a number becomes the lower end.
    form->Edit14->SetText(
        IntToStr(StrToIntDef(form->Edit14->GetText(), strictValueOf(form->Edit13))));
    // The count is selected, so that the next digit typed there replaces it.
    form->Edit10->SelectAll();
    recalculateAll();
}

void TForm1::CheckBox1Click(TObject* /*Sender*/) {
    Recalculate();
}

void TForm1::CheckBox2Click(TObject* /*Sender*/) {
    Recalculate();
}

void TForm1::CheckBox3Click(TObject* /*Sender*/) {
    // Turning the envelope on or off always leaves the fill option unticked.
    Form1->CheckBox2->SetChecked(false);
    Form1->CheckBox2->SetEnabled(Form1->CheckBox3->GetChecked());
    Recalculate();
}

void TForm1::RadioButton1Click(TObject* /*Sender*/) {
    enableRangeFields();
}

void TForm1::RadioButton2Click(TObject* /*Sender*/) {
    enableRangeFields();
}
