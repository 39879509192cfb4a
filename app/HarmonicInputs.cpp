// Harmonic count Edit10, harmonic range Edit13 ... Edit14, and the display options.

#include "FieldValues.h"
#include "Limits.h"
#include "Tovenal_unit.h"

namespace {

// Each range field is enabled exactly while its radio button is checked.
void enableRangeFields(const TForm1& form) {
    form.Edit13->SetEnabled(form.RadioButton2->GetChecked());
    form.Edit14->SetEnabled(form.RadioButton2->GetChecked());
    form.Edit11->SetEnabled(form.RadioButton1->GetChecked());
    form.Edit12->SetEnabled(form.RadioButton1->GetChecked());
}

} // namespace

void TForm1::Edit10Change(TObject* /*Sender*/) {
    if (valueOf(Edit10) == 0)
        Edit10->SetText(IntToStr(spectrum::kHarmonicsRule.least));
    // The range follows the count as typed, before the count is capped.
    if (strictValueOf(Edit10) < strictValueOf(Edit13))
        Edit13->SetText(Edit10->GetText());
    if (strictValueOf(Edit10) < strictValueOf(Edit14))
        Edit14->SetText(Edit10->GetText());
    if (valueOf(Edit10) > spectrum::kHarmonicsRule.greatest)
        Edit10->SetText(IntToStr(spectrum::kHarmonicsRule.greatest));
    Edit10->SetText(IntToStr(valueOf(Edit10)));
    UpdatePeriod();
    Recalculate();
    // A new count resets the harmonic range to 1 ... N. Writing the upper end cannot disable the
    // range fields, so one test of the radio button's choice covers both writes.
    if (Edit14->GetEnabled()) {
        Edit14->SetText(Edit10->GetText());
        Edit13->SetText(IntToStr(spectrum::kRangeFromAfterNewCount));
    }
}

void TForm1::Edit13Change(TObject* /*Sender*/) {
    Edit13->SetText(IntToStr(valueOf(Edit13)));
    if (valueOf(Edit13) > strictValueOf(Edit10))
        Edit13->SetText(IntToStr(strictValueOf(Edit10)));
    if (valueOf(Edit13) == valueOf(Edit10))
        Edit10->SelectAll();
    UpdatePeriod();
    Recalculate();
    // The upper end is raised after the pass; its own handler draws the corrected range.
    if (valueOf(Edit13) > strictValueOf(Edit14))
        Edit14->SetText(IntToStr(strictValueOf(Edit13)));
}

void TForm1::Edit14Change(TObject* /*Sender*/) {
    if (valueOf(Edit14) > strictValueOf(Edit10))
        Edit14->SetText(IntToStr(strictValueOf(Edit10)));
    if (valueOf(Edit14) < strictValueOf(Edit13))
        Edit14->SetText(IntToStr(strictValueOf(Edit13)));
    // Text that is not a number becomes the lower end.
    Edit14->SetText(IntToStr(StrToIntDef(Edit14->GetText(), strictValueOf(Edit13))));
    // The count is selected, so that the next digit typed there replaces it.
    Edit10->SelectAll();
    UpdatePeriod();
    Recalculate();
}

void TForm1::CheckBox1Click(TObject* /*Sender*/) {
    Recalculate();
}

void TForm1::CheckBox2Click(TObject* /*Sender*/) {
    Recalculate();
}

void TForm1::CheckBox3Click(TObject* /*Sender*/) {
    // Turning the envelope on or off always leaves the fill option unticked.
    CheckBox2->SetChecked(false);
    CheckBox2->SetEnabled(CheckBox3->GetChecked());
    Recalculate();
}

void TForm1::RadioButton1Click(TObject* /*Sender*/) {
    enableRangeFields(*this);
}

void TForm1::RadioButton2Click(TObject* /*Sender*/) {
    enableRangeFields(*this);
}
