// The three plots for those who cannot see them, or want their numbers: an invisible accessible
// region over each plot, described anew by every pass, and the readout under the resting mouse.

#include "PixelMath.h"
#include "Readouts.h"
#include "Tovenal_unit.h"

void TForm1::buildPanels() {
    const auto panel = [this](const char* name, int left, int top, int right, int bottom) {
        TAccessibleRegion* region = Create<TAccessibleRegion>();
        region->SetBounds(left, top, right - left, bottom - top);
        region->SetText(QString::fromUtf8(name));
        return region;
    };
    // The spectrum frame holds both plots; they part halfway between the amplitude axis and the
    // arrow of the phase axis.
    using plot::kSpectrumFrame;
    using plot::kWaveFrame;
    const int split = (plot::kAmplitudeZero + plot::kPhaseTop) / 2;
    m_amplitudePanel = panel("Амплитудный спектр", kSpectrumFrame.left, kSpectrumFrame.top,
                             kSpectrumFrame.right, split);
    m_phasePanel = panel("Фазовый спектр", kSpectrumFrame.left, split, kSpectrumFrame.right,
                         kSpectrumFrame.bottom);
    m_signalPanel = panel("Восстановленный сигнал", kWaveFrame.left, kWaveFrame.top,
                          kWaveFrame.right, kWaveFrame.bottom);
    OnHint = [this](TObject*, QPoint at) { return pointReadout(m_pass, at); };
}

// Each spectrum plot reads as one line per harmonic, the signal as one line per harmonic it sums;
// a line's text is made only when a screen reader reads it.
void TForm1::showReadouts(bool filledEnvelope) {
    const spectrum::PassResult& pass = m_pass;
    m_amplitudePanel->SetAccessibleDescription(amplitudeSummary(pass, filledEnvelope));
    m_phasePanel->SetAccessibleDescription(phaseSummary(pass));
    m_signalPanel->SetAccessibleDescription(signalSummary(pass));
    const auto harmonic = [this](int k) { return harmonicReadout(m_pass, k); };
    const int harmonics = pass.computed ? pass.N + 1 : 0;
    m_amplitudePanel->SetLines(harmonics, harmonic);
    m_phasePanel->SetLines(harmonics, harmonic);
    m_signalPanel->SetLines(
        pass.computed ? static_cast<int>(std::max(
                            static_cast<long long>(pass.rangeTo) - pass.rangeFrom + 1, 0LL))
                      : 0,
        [this](int n) { return harmonicReadout(m_pass, m_pass.rangeFrom + n); });
}
