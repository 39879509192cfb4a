#pragma once

// What leaves the program: the picture of a pass as PNG, SVG or PDF, the harmonics and the rebuilt
// signal as CSV. Each gives the whole file's bytes; writing them is the caller's job.

#include "Pass.h"
#include "Setup.h"

#include <QByteArray>
#include <QImage>

#include <functional>

class QPainter;

// What the window computes once the set-up has been typed in, with what the picture adds.
spectrum::PassInput passInputOf(const Setup& setup, const spectrum::PictureOverlays& overlays = {});
bool filledEnvelope(const Setup& setup);

// The picture of a pass, pixel for pixel the window's.
QImage pictureOf(const spectrum::PassResult& pass, bool filled);
// Each pixel an exact scale x scale block.
QImage scaledPicture(const QImage& picture, int scale);
QByteArray pngOf(const QImage& picture, int scale);
// The same drawing as vectors on any painter, one unit per pixel of the window.
void paintPicture(QPainter& painter, const spectrum::PassResult& pass, bool filled);
QByteArray svgOf(const spectrum::PassResult& pass, bool filled);
// Any drawing as an SVG or a one-page PDF of `size` window pixels, at 96 pixels per inch.
QByteArray svgOfDrawing(QSize size, const std::function<void(QPainter&)>& paint);
QByteArray pdfOfDrawing(QSize size, const std::function<void(QPainter&)>& paint);
QByteArray pdfOf(const spectrum::PassResult& pass, bool filled);

// The harmonics table: the set-up, the period and f1 as comments, then one row per harmonic
// 0 ... N with full-precision values and the numbers the window's lists show.
QByteArray harmonicsCsv(const spectrum::PassResult& pass, const Setup& setup);
// The rebuilt period as the waveform panel draws it: one row per sample.
QByteArray signalCsv(const spectrum::PassResult& pass);
