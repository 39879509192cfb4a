// The nine fields of the pulse packet: segment multipliers Edit1 ... Edit8 and the unit time Edit9.
// Each correction rewrites the field, which runs its handler again inside the write; the nested
// run finds nothing left to correct, so the rules come to rest after one or two nested runs.

#include "FieldValues.h"
#include "Limits.h"
#include "Tovenal_unit.h"

namespace {

// Clamps the field to its largest value and writes it in canonical decimal form (no leading
// zeros, no plus; text that is not a number becomes 0).
void canonicalise(TEdit* field, int highest) {
    if (valueOf(field) > highest)
        field->SetText(IntToStr(highest));
    field->SetText(IntToStr(valueOf(field)));
}

} // namespace

int TForm1::highestOf(const TEdit* field) const {
    return field == Edit9 ? spectrum::kMaxUnitTime : spectrum::kMaxMultiplier;
}

// The first pulse, the last gap and the unit time: 0 becomes 1; 999 is selected so that the next
// keystroke replaces it.
void TForm1::correctNonZeroField(TEdit* field) {
    canonicalise(field, highestOf(field));
    if (valueOf(field) == 0)
        field->SetText(QStringLiteral("1"));
    if (valueOf(field) == highestOf(field))
        field->SelectAll();
    UpdatePeriod();
    Recalculate();
}

// The inner pulses and gaps may be 0; 0 and 999 are selected so that a typed digit replaces them.
void TForm1::correctField(TEdit* field) {
    canonicalise(field, highestOf(field));
    if (const int value = valueOf(field); value == 0 || value == highestOf(field))
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
