#include "Listing.h"

#include "ListingText.h"
#include "Tovenal_unit.h"

void ClearLists() {
    Form1->ListBox1->Clear();
    Form1->ListBox2->Clear();
}

void ListHarmonic(int k, double amplitude, double phase) {
    const auto amplitudeLine = [&] {
        return QString::fromStdString(AmplitudeLineText(k, ListedAmplitude(amplitude)));
    };
    if (IsSignificant(amplitude)) {
        Form1->ListBox1->Add(amplitudeLine());
        Form1->ListBox2->Add(QString::fromStdString(PhaseLineText(k, ListedPhase(phase))));
    } else if (Form1->CheckBox1->GetChecked()) {
        Form1->ListBox2->Add(QString::fromStdString(BracketedPhaseLineText(k, ListedPhase(phase))));
        Form1->ListBox1->Add(amplitudeLine());
    }
}
