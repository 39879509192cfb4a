#include "PeriodText.h"
#include "Tovenal_unit.h"

void TForm1::UpdatePeriod() {
    const std::array<int, 8> multipliers = {
        StrToIntDef(Edit1->GetText(), 0), StrToIntDef(Edit2->GetText(), 0),
        StrToIntDef(Edit3->GetText(), 0), StrToIntDef(Edit4->GetText(), 0),
        StrToIntDef(Edit5->GetText(), 0), StrToIntDef(Edit6->GetText(), 0),
        StrToIntDef(Edit7->GetText(), 0), StrToIntDef(Edit8->GetText(), 0)};
    l_period->SetText(
        QString::fromStdString(PeriodText(multipliers, StrToIntDef(Edit9->GetText(), 0))));
}
