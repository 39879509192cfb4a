// The nine fields of the pulse packet: segment multipliers Edit1 ... Edit8 and the unit time Edit9.
// Each correction rewrites the field, which runs its handler again inside the write; the nested
// run finds nothing left to correct, so the rules come to rest after one or two nested runs.

#include "Tovenal_unit.h"

namespace {

int valueOf(const TEdit* field) {
    return StrToIntDef(field->GetText(), 0);
}

// Clamps the field to 999 and writes it in canonical decimal form (no leading zeros, no plus;
// text that is not a number becomes 0).
void canonicalise(TEdit* field) {
    if (valueOf(field) > TForm1::kMaxMultiplier)
        field->SetText(IntToStr(TForm1::kMaxMultiplier));
    field->SetText(IntToStr(valueOf(field)));
}

} // namespace

// The first pulse, the last gap and the unit time: 0 becomes 1; 999 is selected so that the next
// keystroke replaces it.
void TForm1::correctNonZeroField(TEdit* field) {
    canonicalise(field);
    if (valueOf(field) == 0)
        field->SetText(QStringLiteral("1"));
    if (valueOf(field) == kMaxMultiplier)
        field->SelectAll();
    UpdatePeriod();
    Recalculate();
}

// The inner pulses and gaps may be 0; 0 and 999 are selected so that a typed digit replaces them.
void TForm1::correctField(TEdit* field) {
    canonicalise(field);
    if (const int value = valueOf(field); value == 0 || value == kMaxMultiplier)
        field->SelectAll();
    UpdatePeriod();
    Recalculate();
}

void TForm1::Edit1Change(TObject* /*Sender*/) {
    correctNonZeroField(Edit1);
}
void TForm1::Edit2Change(TObject* /*Sender*/) {
    correctField(Edit2);
}
void TForm1::Edit3Change(TObject* /*Sender*/) {
    correctField(Edit3);
}
void TForm1::Edit4Change(TObject* /*Sender*/) {
    correctField(Edit4);
}
void TForm1::Edit5Change(TObject* /*Sender*/) {
    correctField(Edit5);
}
void TForm1::Edit6Change(TObject* /*Sender*/) {
    correctField(Edit6);
}
void TForm1::Edit7Change(TObject* /*Sender*/) {
    correctField(Edit7);
}
void TForm1::Edit8Change(TObject* /*Sender*/) {
    correctNonZeroField(Edit8);
}
void TForm1::Edit9Change(TObject* /*Sender*/) {
    correctNonZeroField(Edit9);
}
