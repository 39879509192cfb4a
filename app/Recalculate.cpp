// The recalculation pass: the only code that reads the window's inputs. It reads them all afresh,
// computes the pass as a value, keeps it and shows it: f1, the picture, both lists and the
// readouts of the plots. The period label, which the pass reads, is written first by the input
// handlers.

#include "FieldValues.h"
#include "ImageCanvas.h"
#include "Listing.h"
#include "PeriodText.h"
#include "Picture.h"
#include "Tovenal_unit.h"

// The period in whole microseconds from the integer values of the fields; text that is not a whole
// number counts as 0.
void TForm1::UpdatePeriod() {
    std::array<int, 8> multipliers{};
    const auto segments = segmentFields();
    for (std::size_t n = 0; n < segments.size(); ++n)
        multipliers[n] = valueOf(segments[n]);
    l_period->SetText(QString::fromStdString(spectrum::periodText(multipliers, valueOf(Edit9))));
}

spectrum::PassInput TForm1::readInputs() const {
    spectrum::PassInput input;
    input.packet.period = StrToFloat(l_period->GetText());
    input.packet.unitTime = StrToFloat(Edit9->GetText());
    // The pulses first, then the gaps; the last gap enters only through the period.
    const auto segments = segmentFields();
    for (const std::size_t n : {0, 2, 4, 6, 1, 3, 5})
        input.packet.multipliers[n] = StrToFloat(segments[n]->GetText());
    input.harmonics = StrToInt(Edit10->GetText());
    input.rangeFrom = StrToInt(Edit13->GetText());
    input.rangeTo = StrToInt(Edit14->GetText());
    input.envelope = CheckBox3->GetChecked();
    input.showAll = CheckBox1->GetChecked();
    return input;
}

void TForm1::Recalculate() {
    ++m_passes;
    m_pass = spectrum::computePass(readInputs());
    m_filled = CheckBox2->GetChecked();
    // A packet that cannot be computed shows no f1, the empty panels and empty lists until the
    // next usable input.
    f1->SetText(m_pass.computed ? FloatToStr(m_pass.f1) : QString());
    DrawPass(*GetCanvas(), m_pass, m_filled);
    ListBox1->Clear();
    ListBox2->Clear();
    ListBox1->Add(amplitudeLines(m_pass));
    ListBox2->Add(phaseLines(m_pass));
    showReadouts(m_filled);
    updateSound();
}
