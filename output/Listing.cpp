#include "Listing.h"

#include "ListingText.h"

using namespace spectrum;

QStringList amplitudeLines(const PassResult& pass) {
    QStringList lines;
    for (const ListedHarmonic& listed : pass.listed)
        lines << QString::fromStdString(amplitudeLineText(listed.k, listed.millivolts));
    return lines;
}

QStringList phaseLines(const PassResult& pass) {
    QStringList lines;
    for (const ListedHarmonic& listed : pass.listed)
        lines << QString::fromStdString(phaseLineText(listed.k, listed.degrees, listed.negligible));
    return lines;
}
