#include "BuildUpGif.h"

#include "BuildUp.h"
#include "Export.h"
#include "GifWriter.h"
#include "PixelMath.h"

std::optional<QByteArray> buildUpGif(const Setup& setup, int scale, int frameMs, QString* error,
                                     const spectrum::PictureOverlays& overlays) {
    const spectrum::PassInput input = passInputOf(setup, overlays);
    const spectrum::BuildUpSteps steps = spectrum::buildUpSteps(input.rangeFrom, input.rangeTo);
    GifWriter gif(QSize(plot::kPictureWidth, plot::kPictureHeight) * scale);
    for (int k = steps.first; k <= steps.last; ++k) {
        const spectrum::PassResult pass = spectrum::computePass(spectrum::buildUpFrame(input, k));
        const int delay = k == steps.last ? spectrum::kBuildUpHoldMilliseconds : frameMs;
        if (!gif.addFrame(scaledPicture(pictureOf(pass, filledEnvelope(setup)), scale), delay))
            break;
    }
    std::optional<QByteArray> bytes = gif.finish();
    if (!bytes && error != nullptr)
        *error = gif.error();
    return bytes;
}
