// The presentation: a full-HD slide of the dearest pass, drawn as the presentation window draws it
// on every pass, against the window's own pass with its picture (BM_Pass).
#include "Export.h"
#include "Limits.h"
#include "Slide.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

void BM_Present1080p(benchmark::State& state) {
    // As BM_Pass at N = 200: the window's packet, range 1 ... 200, the envelope filled; with the
    // measures the presentation asks for.
    Setup setup;
    setup.harmonics = spectrum::kMaxHarmonics;
    setup.rangeFrom = 1;
    setup.rangeTo = spectrum::kMaxHarmonics;
    spectrum::PassInput input = passInputOf(setup);
    input.measures = true;
    const spectrum::PassResult pass = spectrum::computePass(input);
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paintSlide(painter, image.size(), pass);
    }
}
BENCHMARK(BM_Present1080p)->Unit(benchmark::kMicrosecond);

} // namespace
