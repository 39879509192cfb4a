#pragma once

// The texts of the amplitude and phase lists.

#include <string>

namespace spectrum {

// Amplitude above 2 mV, strictly (an unordered comparison is not above).
bool isSignificant(double amplitude);
// Millivolts and whole degrees (360 / (2 x 3.14) per radian), truncated toward zero.
int listedAmplitude(double amplitude);
int listedPhase(double phase);

// "k = V", "k = D" and, for a negligible harmonic shown anyway, "k = (D)".
std::string amplitudeLineText(int k, int millivolts);
std::string phaseLineText(int k, int degrees);
std::string bracketedPhaseLineText(int k, int degrees);

} // namespace spectrum
