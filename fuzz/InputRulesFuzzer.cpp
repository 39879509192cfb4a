// Fuzzes the input rules of the real window: each input is a sequence of pastes into the fields
// and clicks on the options, played on a freshly built window; after every step the window's
// invariants must hold and nothing may reach the error display.

#include "Application.h"
#include "EventDispatch.h"
#include "RandomDriver.h"
#include "Tovenal_unit.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::vector<QString> errorsShown;

// One step per line: the first byte picks the control, the rest is the text to paste.
DriverAction actionOf(const QByteArray& line) {
    DriverAction action;
    const auto selector = static_cast<std::uint8_t>(line.isEmpty() ? 0 : line.front());
    const QString text = QString::fromUtf8(line.mid(1));
    if (selector % 16 < 14) {
        action.kind = DriverAction::Kind::Paste;
        action.target = 1 + selector % 16;
        action.text = text;
    } else if (selector % 16 == 14) {
        action.kind = DriverAction::Kind::ClickCheckBox;
        action.target = 1 + selector / 16 % 3;
    } else {
        action.kind = DriverAction::Kind::ClickRadio;
        action.target = 1 + selector / 16 % 2;
    }
    return action;
}

bool enabled(const DriverAction& action) {
    if (action.kind != DriverAction::Kind::Paste)
        return true;
    TEdit* const fields[] = {Form1->Edit1,  Form1->Edit2,  Form1->Edit3,  Form1->Edit4,
                             Form1->Edit5,  Form1->Edit6,  Form1->Edit7,  Form1->Edit8,
                             Form1->Edit9,  Form1->Edit10, Form1->Edit11, Form1->Edit12,
                             Form1->Edit13, Form1->Edit14};
    return fields[action.target - 1]->GetEnabled();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application->Initialize(*argc, *argv);
    SetDecimalSeparator(u'.');
    Application->OnException = [](const Exception& error) { errorsShown.push_back(error.Message); };
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Application->CreateForm(Form1);
    EventDispatch::raise(Form1->OnActivate, Form1);
    errorsShown.clear();
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& line : input.split('\n')) {
        const DriverAction action = actionOf(line);
        if (!enabled(action))
            continue;
        EventDispatch::resetMaxHandlerDepth();
        Perform(action);
        const std::string failure = CheckInvariants(EventDispatch::maxHandlerDepth(), errorsShown);
        if (!failure.empty()) {
            std::fprintf(stderr, "after %s: %s\n", action.describe().c_str(), failure.c_str());
            std::abort();
        }
    }
    Application->ReleaseForms();
    return 0;
}
