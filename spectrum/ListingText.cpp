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

long double degreesOf(double phase) {
    return Extended(phase) * 360 / (2 * Extended(kPi));
}

int listedPhase(double phase) {
    return truncateToInt(degreesOf(phase));
}

std::string amplitudeLineText(int k, int millivolts) {
    return std::to_string(k) + " = " + std::to_string(millivolts);
}

std::string phaseText(int degrees, bool negligible) {
    const std::string text = std::to_string(degrees);
    return negligible ? "(" + text + ")" : text;
}

std::string phaseLineText(int k, int degrees, bool negligible) {
    return std::to_string(k) + " = " + phaseText(degrees, negligible);
}

} // namespace spectrum
