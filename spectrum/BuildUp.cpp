#include "BuildUp.h"

#include <algorithm>

namespace spectrum {

int buildUpStepMilliseconds(int steps) {
    return steps <= 0
               ? kBuildUpStepMilliseconds
               : std::clamp(kLongestBuildUpMilliseconds / steps, 1, kBuildUpStepMilliseconds);
}

BuildUpSteps buildUpSteps(int rangeFrom, int last) {
    return {rangeFrom, last};
}

PassInput buildUpFrame(PassInput input, int k) {
    input.rangeTo = k;
    return input;
}

} // namespace spectrum
