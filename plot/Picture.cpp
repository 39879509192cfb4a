#include "Picture.h"

#include "Drawing.h"
#include "Overlays.h"
#include "PixelMath.h"
#include "SpectrumLines.h"
#include "Waveform.h"

void DrawPass(TCanvas& canvas, const spectrum::PassResult& pass, bool filledEnvelope) {
    if (!pass.computed) {
        DrawEmptyPanels(canvas);
        return;
    }
    DrawAxes(canvas, pass.N, pass.fmax);
    DrawEnvelope(canvas, pass.envelope, filledEnvelope);
    // Under the stems, so that harmonic K's own stem stays on top.
    DrawBandwidthLine(canvas, pass);
    for (int k = 0; k <= pass.N; ++k) {
        const spectrum::HarmonicLine& line = pass.harmonics[static_cast<std::size_t>(k)];
        const double f = spectrum::harmonicFrequency(k, pass.timing.T);
        if (const auto h = plot::amplitudeSteps(line.amplitude))
            DrawAmplitudeLine(canvas, *h, f, pass.fmax);
        if (const auto p = plot::phasePixels(line.phase))
            DrawPhaseLine(canvas, *p, f, pass.fmax);
    }
    DrawSegmentMarkers(canvas, pass.timing.T, pass.boundaries);
    DrawIdealSignal(canvas, pass);
    DrawWaveform(canvas, pass.waveform);
}
