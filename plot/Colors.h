#pragma once

#include "Canvas.h"

// Colour words (0x00BBGGRR) of the plots.
namespace PlotColor {
inline constexpr TColor kBlack = 0x000000;
inline constexpr TColor kGrid = 0xC8C8C8;          // (200, 200, 200)
inline constexpr TColor kEnvelope = 0xFAFAC8;      // (200, 250, 250) pale cyan
inline constexpr TColor kAmplitudeStem = 0xC83203; // (3, 50, 200) blue
inline constexpr TColor kPhaseStem = 0x963296;     // (150, 50, 150) purple
inline constexpr TColor kCap = 0x6432FA;           // (250, 50, 100) red
inline constexpr TColor kMarker = 0x64FAC8;        // (200, 250, 100) light green
// Drawn only when asked for.
inline constexpr TColor kIdealSignal = 0x0080FF; // (255, 128, 0) orange
inline constexpr TColor kBandwidth = 0x009600;   // (0, 150, 0) dark green
} // namespace PlotColor
