#include "EventDispatch.h"

#include "Application.h"

namespace EventDispatch {
namespace {
int writeDepth = 0;
int depth = 0;
int deepest = 0;
std::exception_ptr pending;
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
        } else if (Application) {
            Application->HandleException(std::current_exception());
        }
    }
    --depth;
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
