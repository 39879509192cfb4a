// The window's inputs as a set-up: typed in with the same writes a person would make, so the
// fields' rules and the passes run exactly as for typing, and read back for saving and exporting.

#include "FieldValues.h"
#include "Tovenal_unit.h"

void TForm1::applySetup(const Setup& setup) {
    const auto segments = segmentFields();
    for (std::size_t n = 0; n < segments.size(); ++n)
        segments[n]->SetText(IntToStr(setup.packet[n]));
    Edit9->SetText(IntToStr(setup.unitTime));
    Edit10->SetText(IntToStr(setup.harmonics));
    // The lower end first: raising it lifts the upper end along, never past the count.
    Edit13->SetText(IntToStr(setup.rangeFrom));
    Edit14->SetText(IntToStr(setup.rangeTo));
    CheckBox1->SetChecked(setup.showAll);
    // Ticking "Огибающая" unticks "залить", so the fill comes second.
    CheckBox3->SetChecked(setup.envelope != EnvelopeMode::Off);
    CheckBox2->SetChecked(setup.envelope == EnvelopeMode::Fill);
}

Setup TForm1::currentSetup() const {
    Setup setup;
    const auto segments = segmentFields();
    for (std::size_t n = 0; n < segments.size(); ++n)
        setup.packet[n] = valueOf(segments[n]);
    setup.unitTime = valueOf(Edit9);
    setup.harmonics = valueOf(Edit10);
    setup.rangeFrom = valueOf(Edit13);
    setup.rangeTo = valueOf(Edit14);
    setup.showAll = CheckBox1->GetChecked();
    setup.envelope = !CheckBox3->GetChecked()  ? EnvelopeMode::Off
                     : CheckBox2->GetChecked() ? EnvelopeMode::Fill
                                               : EnvelopeMode::Curve;
    return setup;
}
