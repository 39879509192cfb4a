#include "ListingText.h"

#include "Coefficients.h"

using Extended = long double;

bool IsSignificant(double amplitude) {
    return Extended(amplitude) * 1000 > 2.0;
}

int ListedAmplitude(double amplitude) {
    return TruncateToInt(Extended(amplitude) * 1000);
}

int ListedPhase(double phase) {
    return TruncateToInt(Extended(phase) * 360 / (2 * Extended(kPi)));
}

std::string AmplitudeLineText(int k, int millivolts) {
    return std::to_string(k) + " = " + std::to_string(millivolts);
}

std::string PhaseLineText(int k, int degrees) {
    return std::to_string(k) + " = " + std::to_string(degrees);
}

std::string BracketedPhaseLineText(int k, int degrees) {
    return std::to_string(k) + " = (" + std::to_string(degrees) + ")";
}
