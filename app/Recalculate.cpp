// The recalculation pass: the one code that computes a pass from the window's inputs. It reads
// them all afresh, computes the pass as a value and shows it (f1, the picture, both lists), then
// publishes it to the window's features. The period label, which the pass reads, is written first
// by the input handlers. (The handlers read their own fields to correct them, the keys to step
// them, and a set-up is read from the fields to be saved; none of them computes a pass.) What the
// features ask of a pass besides (the measures, the drawings switched on) comes from the
// publisher.

#include "FieldValues.h"
#include "ImageCanvas.h"
#include "Listing.h"
#include "PassPublisher.h"
#include "PeriodText.h"
#include "Picture.h"
#include "Tovenal_unit.h"

namespace {

spectrum::PassInput readInputs(const TForm1& form, const PassPublisher& passes) {
    spectrum::PassInput input;
    input.packet.period = StrToFloat(form.l_period->GetText());
    input.packet.unitTime = StrToFloat(form.Edit9->GetText());
    // The pulses first, then the gaps; the last gap enters only through the period.
    const auto segments = form.inputFields().segments;
    for (const std::size_t n : {0, 2, 4, 6, 1, 3, 5})
        input.packet.multipliers[n] = StrToFloat(segments[n]->GetText());
    input.harmonics = StrToInt(form.Edit10->GetText());
    input.rangeFrom = StrToInt(form.Edit13->GetText());
    input.rangeTo = StrToInt(form.Edit14->GetText());
    input.envelope = form.CheckBox3->GetChecked();
    input.showAll = form.CheckBox1->GetChecked();
    input.filledEnvelope = form.CheckBox2->GetChecked();
    input.overlays = passes.overlays();
    input.measures = passes.measuresWanted();
    return input;
}

} // namespace

// The period in whole microseconds from the integer values of the fields; text that is not a whole
// number counts as 0.
void TForm1::UpdatePeriod() {
    std::array<int, 8> multipliers{};
    const auto segments = inputFields().segments;
    for (std::size_t n = 0; n < segments.size(); ++n)
        multipliers[n] = valueOf(segments[n]);
    l_period->SetText(QString::fromStdString(spectrum::periodText(multipliers, valueOf(Edit9))));
}

void TForm1::Recalculate() {
    spectrum::PassResult pass = spectrum::computePass(readInputs(*this, *m_passes));
    // A packet that cannot be computed shows no f1, the empty panels and empty lists until the
    // next usable input.
    f1->SetText(pass.computed ? FloatToStr(pass.f1) : QString());
    DrawPass(*GetCanvas(), pass, pass.filledEnvelope);
    ListBox1->Clear();
    ListBox2->Clear();
    ListBox1->Add(amplitudeLines(pass));
    ListBox2->Add(phaseLines(pass));
    m_passes->publish(std::move(pass));
}
