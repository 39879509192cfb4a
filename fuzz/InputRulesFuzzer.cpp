// Fuzzes the input rules of the real window with sequences of pastes and clicks: after every step
// the window's invariants must hold and nothing may reach the error display.

#include "Application.h"
#include "RandomDriver.h"
#include "Tovenal_unit.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// One step per line: the first byte picks the control, the rest is the text to paste. A paste
// into a greyed field, which no user can make, is no step.
QString stepOf(const QByteArray& line) {
    const int selector = static_cast<std::uint8_t>(line.isEmpty() ? 0 : line.front());
    if (selector % 16 == 14)
        return QStringLiteral("CheckBox%1").arg(1 + selector / 16 % 3);
    if (selector % 16 == 15)
        return QStringLiteral("RadioButton%1").arg(1 + selector / 16 % 2);
    if (!field(1 + selector % 16)->GetEnabled())
        return {};
    return QStringLiteral("Edit%1=").arg(1 + selector % 16) + QString::fromUtf8(line.mid(1));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application->Initialize(*argc, *argv);
    SetDecimalSeparator(u'.');
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> lines =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\n');
    qsizetype next = 0;
    const DriverResult result =
        playChecked([&] { return stepOf(lines[next++]); }, static_cast<std::size_t>(lines.size()));
    if (!result.failure.empty()) {
        std::fprintf(stderr, "after %s: %s\n", qPrintable(result.prefix.back()),
                     result.failure.c_str());
        std::abort();
    }
    return 0;
}
