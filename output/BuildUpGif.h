#pragma once

// The build-up of a set-up's range as an animated GIF: frame k is, pixel for pixel, the PNG that
// the set-up with the range's upper end at k exports, for k from the range's lower end to its
// upper end.

#include "Pass.h"
#include "Setup.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The file, or nothing with the reason in `error`. Every frame adds the same overlays.
std::optional<QByteArray> buildUpGif(const Setup& setup, int scale, int frameMs, QString* error,
                                     const spectrum::PictureOverlays& overlays = {});
