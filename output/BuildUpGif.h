#pragma once

// The build-up of a set-up's range as an animated GIF: frame k is, pixel for pixel, the PNG that
// the set-up with the range's upper end at k exports, for k from the range's lower end to its
// upper end, with the same --scale or --slide.

#include "CommandLine.h"
#include "Pass.h"
#include "Setup.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// The file, or nothing with the reason in `error`. Every frame adds the same overlays. A build-up
// of 200 large frames takes a minute: `progress` hears of each frame once it is encoded.
std::optional<QByteArray>
buildUpGif(const Setup& setup, const PictureSize& picture, int frameMs, QString* error,
           const spectrum::PictureOverlays& overlays = {},
           const std::function<void(int frame, int frames)>& progress = {});
