// Fuzzes the set-up file reader: any bytes are either refused with one line naming the file and a
// line of it, or give a set-up within the fields' limits that writes and reads back unchanged.

#include "FuzzCheck.h"
#include "SetupFile.h"

#include <QRegularExpression>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static const QRegularExpression lineBreak(QStringLiteral("[\\p{Cc}\\p{Zl}\\p{Zp}]"));
    const Setup untouched{.unitTime = 7};
    Setup setup = untouched;
    if (const auto error = readSetup(bytes, QStringLiteral("f.tovenal"), setup)) {
        check(error->startsWith(QStringLiteral("f.tovenal:")) && !error->contains(lineBreak));
        check(setup == untouched);
        return 0;
    }
    check(!checkSetup(setup));
    Setup again = untouched;
    check(!readSetup(setupFileText(setup), QStringLiteral("f.tovenal"), again));
    check(again == setup);
    return 0;
}
