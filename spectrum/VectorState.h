#pragma once

// Some of Qt's vectorised routines return with the upper halves of the AVX registers still in
// use. Until they are cleared, every SSE instruction of the C library's sin, cos, atan2 and sqrt
// pays a transition penalty: on this project's machines a pass's maths ran 15 times slower after
// the first picture. Clearing them takes one instruction; the pass does it before its maths.
namespace spectrum {
void clearUpperVectorState();
}
