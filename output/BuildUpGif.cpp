#include "BuildUpGif.h"

#include "BuildUp.h"
#include "Export.h"
#include "GifWriter.h"
#include "PixelMath.h"
#include "Slide.h"

std::optional<QByteArray> buildUpGif(const Setup& setup, const PictureSize& picture, int frameMs,
                                     QString* error, const spectrum::PictureOverlays& overlays,
                                     const std::function<void(int frame, int frames)>& progress) {
    const spectrum::PassInput input = passInputOf(setup, overlays);
    const spectrum::BuildUpSteps steps = spectrum::buildUpSteps(input.rangeFrom, input.rangeTo);
    GifWriter gif(
        picture.slide.value_or(QSize(plot::kPictureWidth, plot::kPictureHeight) * picture.scale));
    for (int k = steps.first; k <= steps.last; ++k) {
        const spectrum::PassResult pass = spectrum::computePass(spectrum::buildUpFrame(input, k));
        const int delay = k == steps.last ? spectrum::kBuildUpHoldMilliseconds : frameMs;
        const QImage frame =
            picture.slide ? slideImage(pass, *picture.slide)
                          : scaledPicture(pictureOf(pass, filledEnvelope(setup)), picture.scale);
        if (!gif.addFrame(frame, delay))
            break;
        if (progress)
            progress(k - steps.first + 1, steps.count());
    }
    std::optional<QByteArray> bytes = gif.finish();
    if (!bytes && error != nullptr)
        *error = gif.error();
    return bytes;
}
