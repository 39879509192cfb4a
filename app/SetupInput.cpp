#include "SetupInput.h"

#include "FieldValues.h"
#include "InputFields.h"

void applySetup(const InputFields& fields, const Setup& setup) {
    const auto segments = fields.segments;
    for (std::size_t n = 0; n < segments.size(); ++n)
        segments[n]->SetText(IntToStr(setup.packet[n]));
    fields.unitTime->SetText(IntToStr(setup.unitTime));
    fields.harmonics->SetText(IntToStr(setup.harmonics));
    // The lower end first: raising it lifts the upper end along, never past the count.
    fields.rangeFrom->SetText(IntToStr(setup.rangeFrom));
    fields.rangeTo->SetText(IntToStr(setup.rangeTo));
    fields.showAll->SetChecked(setup.showAll);
    // Ticking "Огибающая" unticks "залить", so the fill comes second.
    fields.envelope->SetChecked(setup.envelope != EnvelopeMode::Off);
    fields.fill->SetChecked(setup.envelope == EnvelopeMode::Fill);
}

Setup currentSetup(const InputFields& fields) {
    Setup setup;
    const auto segments = fields.segments;
    for (std::size_t n = 0; n < segments.size(); ++n)
        setup.packet[n] = valueOf(segments[n]);
    setup.unitTime = valueOf(fields.unitTime);
    setup.harmonics = valueOf(fields.harmonics);
    setup.rangeFrom = valueOf(fields.rangeFrom);
    setup.rangeTo = valueOf(fields.rangeTo);
    setup.showAll = fields.showAll->GetChecked();
    setup.envelope = !fields.envelope->GetChecked() ? EnvelopeMode::Off
                     : fields.fill->GetChecked()    ? EnvelopeMode::Fill
                                                    : EnvelopeMode::Curve;
    return setup;
}
