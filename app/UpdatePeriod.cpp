#include "PeriodText.h"
#include "Tovenal_unit.h"

// The period in whole microseconds from the integer values of the fields; text that is not a whole
// number counts as 0.
void TForm1::UpdatePeriod() {
    std::array<int, 8> multipliers{};
    const auto segments = segmentFields();
    for (std::size_t n = 0; n < segments.size(); ++n)
        multipliers[n] = StrToIntDef(segments[n]->GetText(), 0);
    l_period->SetText(QString::fromStdString(
        spectrum::periodText(multipliers, StrToIntDef(Edit9->GetText(), 0))));
}
