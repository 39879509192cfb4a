#include "PlotReadouts.h"

#include "PassPublisher.h"
#include "PixelMath.h"
#include "Readouts.h"
#include "Vcl.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace {

TAccessibleRegion* panel(TForm& form, const QString& name, int left, int top, int right,
                         int bottom) {
    auto* region = form.Create<TAccessibleRegion>();
    region->SetBounds(left, top, right - left, bottom - top);
    region->SetText(name);
    return region;
}

const char* const kAmplitudeName = QT_TRANSLATE_NOOP("PlotReadouts", "Амплитудный спектр");
const char* const kPhaseName = QT_TRANSLATE_NOOP("PlotReadouts", "Фазовый спектр");
const char* const kSignalName = QT_TRANSLATE_NOOP("PlotReadouts", "Восстановленный сигнал");

// The spectrum frame holds both plots; they part halfway between the amplitude axis and the arrow
// of the phase axis.
constexpr int kSpectrumSplit = (plot::kAmplitudeZero + plot::kPhaseTop) / 2;

} // namespace

PlotReadouts::PlotReadouts(TForm& form, const PassPublisher& passes)
    : QObject(form.widget()), m_passes(passes),
      m_amplitudePanel(panel(form, tr(kAmplitudeName), plot::kSpectrumFrame.left,
                             plot::kSpectrumFrame.top, plot::kSpectrumFrame.right, kSpectrumSplit)),
      m_phasePanel(panel(form, tr(kPhaseName), plot::kSpectrumFrame.left, kSpectrumSplit,
                         plot::kSpectrumFrame.right, plot::kSpectrumFrame.bottom)),
      m_signalPanel(panel(form, tr(kSignalName), plot::kWaveFrame.left, plot::kWaveFrame.top,
                          plot::kWaveFrame.right, plot::kWaveFrame.bottom)) {
    form.OnHint = [&passes](TObject*, QPoint at) { return pointReadout(passes.latest(), at); };
    connect(&passes, &PassPublisher::published, this, &PlotReadouts::follow);
}

// The summaries follow with the pass a change of language brings.
bool PlotReadouts::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        m_amplitudePanel->SetText(tr(kAmplitudeName));
        m_phasePanel->SetText(tr(kPhaseName));
        m_signalPanel->SetText(tr(kSignalName));
    }
    return QObject::event(event);
}

// Each spectrum plot reads as one line per harmonic, the signal as one line per harmonic it sums;
// a line's text is made only when a screen reader reads it.
void PlotReadouts::follow(const spectrum::PassResult& pass) {
    m_amplitudePanel->SetAccessibleDescription(amplitudeSummary(pass, pass.filledEnvelope));
    m_phasePanel->SetAccessibleDescription(phaseSummary(pass));
    m_signalPanel->SetAccessibleDescription(signalSummary(pass));
    const PassPublisher& passes = m_passes;
    const auto harmonic = [&passes](int k) { return harmonicReadout(passes.latest(), k); };
    const int harmonics = pass.computed ? pass.N + 1 : 0;
    m_amplitudePanel->SetLines(harmonics, harmonic);
    m_phasePanel->SetLines(harmonics, harmonic);
    // Wide: a range typed at the ends of the int type must not overflow here.
    const long long summed =
        pass.computed ? std::max(static_cast<long long>(pass.rangeTo) - pass.rangeFrom + 1, 0LL)
                      : 0;
    m_signalPanel->SetLines(static_cast<int>(summed), [&passes](int n) {
        return harmonicReadout(passes.latest(), passes.latest().rangeFrom + n);
    });
}
