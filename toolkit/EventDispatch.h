#pragma once

#include "Object.h"

#include <exception>
#include <functional>

// Runs the handlers that controls raise, and carries their exceptions past Qt's frames.
//
// A handler raised inside a programmatic write (SetText, SetChecked) runs nested inside that
// write. Qt must not be unwound by an exception, so one escaping such a handler is held and
// rethrown by the write once Qt has returned: it then stops the handler that wrote, exactly as if
// the nested call had been direct. At the top of an event the exception goes to the application's
// error display and the event loop goes on.
namespace EventDispatch {

void raise(const TNotifyEvent& handler, TObject* sender);

// Where an exception that escapes a handler at the top of an event goes: the application installs
// its error display here. Without a sink the exception is dropped.
using ErrorSink = std::function<void(std::exception_ptr)>;
void setErrorSink(ErrorSink sink);

// Runs a write that may raise events; rethrows what a nested handler let escape.
template <class Write> void write(Write&& performWrite);

// How many handlers are running now, nested in one another.
int handlerDepth();
// The deepest nesting seen since the last reset (tests assert the handlers converge).
int maxHandlerDepth();
void resetMaxHandlerDepth();

namespace detail {
void enterWrite();
void leaveWrite() noexcept;
void rethrowPending();
} // namespace detail

template <class Write> void write(Write&& performWrite) {
    detail::enterWrite();
    try {
        performWrite();
    } catch (...) {
        detail::leaveWrite();
        throw;
    }
    detail::leaveWrite();
    detail::rethrowPending();
}

} // namespace EventDispatch
