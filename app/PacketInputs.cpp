// The nine fields of the pulse packet: segment multipliers Edit1 ... Edit8 and the unit time Edit9.
// Each correction rewrites the field, which runs its handler again inside the write; the nested
// run finds nothing left to correct, so the rules come to rest after one or two nested runs.

#include "FieldValues.h"
#include "Limits.h"
#include "Tovenal_unit.h"

#include <algorithm>

namespace {

// Clamps the field to its greatest value and writes it in canonical decimal form (no leading
// zeros, no plus; text that is not a number becomes 0). A field that may not be 0 (the first
// pulse, the last gap, the unit time) turns 0 into its least value. A field at 0 or at its
// greatest value is selected, so that the next keystroke replaces it.
void correct(TEdit* field, const spectrum::FieldRule& rule) {
    if (valueOf(field) > rule.greatest)
        field->SetText(IntToStr(rule.greatest));
    field->SetText(IntToStr(valueOf(field)));
    if (rule.least > 0 && valueOf(field) == 0)
        field->SetText(IntToStr(rule.least));
    if (const int value = valueOf(field); value == 0 || value == rule.greatest)
        field->SelectAll();
}

} // namespace

void TForm1::packetFieldChanged(TEdit* field) {
    const auto segments = inputFields().segments;
    const auto segment = std::ranges::find(segments, field);
    correct(field,
            segment == segments.end()
                ? spectrum::kUnitTimeRule
                : spectrum::kSegmentRules[static_cast<std::size_t>(segment - segments.begin())]);
    UpdatePeriod();
    Recalculate();
}

void TForm1::Edit1Change(TObject* /*Sender*/) {
    packetFieldChanged(Edit1);
}
void TForm1::Edit2Change(TObject* /*Sender*/) {
    packetFieldChanged(Edit2);
}
void TForm1::Edit3Change(TObject* /*Sender*/) {
    packetFieldChanged(Edit3);
}
void TForm1::Edit4Change(TObject* /*Sender*/) {
    packetFieldChanged(Edit4);
}
void TForm1::Edit5Change(TObject* /*Sender*/) {
    packetFieldChanged(Edit5);
}
void TForm1::Edit6Change(TObject* /*Sender*/) {
    packetFieldChanged(Edit6);
}
void TForm1::Edit7Change(TObject* /*Sender*/) {
    packetFieldChanged(Edit7);
}
void TForm1::Edit8Change(TObject* /*Sender*/) {
    packetFieldChanged(Edit8);
}
void TForm1::Edit9Change(TObject* /*Sender*/) {
    packetFieldChanged(Edit9);
}
