#pragma once

// The texts of the amplitude and phase lists.

#include <string>

// Amplitude above 2 mV, strictly (an unordered comparison is not above).
bool IsSignificant(double amplitude);
// Millivolts and whole degrees (360 / (2 x 3.14) per radian), truncated toward zero.
int ListedAmplitude(double amplitude);
int ListedPhase(double phase);

// "k = V", "k = D" and, for a negligible harmonic shown anyway, "k = (D)".
std::string AmplitudeLineText(int k, int millivolts);
std::string PhaseLineText(int k, int degrees);
std::string BracketedPhaseLineText(int k, int degrees);
