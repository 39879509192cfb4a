#pragma once

// The pass for a lecture hall: the picture's two panels as large as a surface allows, beside the
// packet, its timing, the count and range, and three headline measures, in type that reads from
// the back of the room. The full-screen presentation and the slide exports draw it alike, on any
// surface from 320 x 200 to 7680 x 4320 of any shape.

#include "Pass.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QTransform>

class QPainter;

// Draws the whole slide of `pass` on the rectangle (0, 0) ... `size` of the painter.
void paintSlide(QPainter& painter, QSize size, const spectrum::PassResult& pass);
// Where the slide of that size puts the picture: window pixels to slide pixels, one uniform
// scale and a shift, so that a point on the slide can be read back as a point of the picture.
QTransform slidePictureTransform(QSize size);

QImage slideImage(const spectrum::PassResult& pass, QSize size);
QByteArray slidePng(const spectrum::PassResult& pass, QSize size);
QByteArray slideSvg(const spectrum::PassResult& pass, QSize size);
// One page of exactly the slide, at the window's 96 pixels per inch.
QByteArray slidePdf(const spectrum::PassResult& pass, QSize size);
