#include "EventDispatch.h"

#include <algorithm>

namespace EventDispatch {
namespace {
int writeDepth = 0;
int depth = 0;
int deepest = 0;
std::exception_ptr pending;

// Function-local, so that the application object may install its sink during static
// initialisation.
ErrorSink& errorSink() {
    static ErrorSink sink;
    return sink;
}
} // namespace

void raise(const TNotifyEvent& handler, TObject* sender) {
    if (!handler)
        return;
    ++depth;
    deepest = std::max(deepest, depth);
    try {
        handler(sender);
    } catch (...) {
        if (writeDepth > 0) {
            if (!pending)
                pending = std::current_exception();
        } else if (errorSink()) {
            errorSink()(std::current_exception());
        }
    }
    --depth;
}

void setErrorSink(ErrorSink sink) {
    errorSink() = std::move(sink);
}

int handlerDepth() {
    return depth;
}
int maxHandlerDepth() {
    return deepest;
}
void resetMaxHandlerDepth() {
    deepest = depth;
}

namespace detail {
void enterWrite() {
    ++writeDepth;
}
void leaveWrite() noexcept {
    --writeDepth;
}
void rethrowPending() {
    if (pending) {
        std::exception_ptr error;
        std::swap(error, pending);
        std::rethrow_exception(error);
    }
}
} // namespace detail

} // namespace EventDispatch
