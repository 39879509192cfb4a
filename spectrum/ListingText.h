#pragma once

// The texts of the amplitude and phase lists.

#include <string>

namespace spectrum {

// Amplitude above 2 mV, strictly (an unordered comparison is not above).
bool isSignificant(double amplitude);
// A phase in degrees, 360 / (2 x 3.14) per radian, in extended precision.
long double degreesOf(double phase);
// Millivolts and whole degrees, truncated toward zero.
int listedAmplitude(double amplitude);
int listedPhase(double phase);

// "k = V" of the amplitude list.
std::string amplitudeLineText(int k, int millivolts);
// The phase as the phase list shows it: "D", or "(D)" for a negligible harmonic shown anyway.
std::string phaseText(int degrees, bool negligible);
// "k = D" or "k = (D)".
std::string phaseLineText(int k, int degrees, bool negligible);

} // namespace spectrum
