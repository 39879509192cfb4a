#include "ListingText.h"

#include "Coefficients.h"

namespace spectrum {

using Extended = long double;

bool isSignificant(double amplitude) {
    return Extended(amplitude) * 1000 > 2.0;
}

int listedAmplitude(double amplitude) {
    return truncateToInt(Extended(amplitude) * 1000);
}

int listedPhase(double phase) {
    return truncateToInt(Extended(phase) * 360 / (2 * Extended(kPi)));
}

std::string amplitudeLineText(int k, int millivolts) {
    return std::to_string(k) + " = " + std::to_string(millivolts);
}

std::string phaseLineText(int k, int degrees) {
    return std::to_string(k) + " = " + std::to_string(degrees);
}

std::string bracketedPhaseLineText(int k, int degrees) {
    return std::to_string(k) + " = (" + std::to_string(degrees) + ")";
}

} // namespace spectrum
