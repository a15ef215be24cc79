#pragma once
// Where the game's handlers are called from Qt. A run-time error that escapes a handler is
// caught right there, before it could unwind through Qt's own frames (which cannot carry
// it), and ends the program as the runtime ends it (QtHost::fail).

#include <exception>
#include <string>

#include "platform/runtime/errors.h"

namespace qthost {

// Tells the running host that a run-time error nobody handled ends the program.
void Fail(int number, const std::string& description);

// Runs @p deliver, a call into the game's handlers; an error escaping it ends the program.
template <class Deliver>
void Guarded(Deliver&& deliver) {
    constexpr int kInternalError = 51;
    try {
        deliver();
    } catch (const vb::RuntimeError& error) {
        Fail(error.Number(), error.Description());
    } catch (const std::exception& error) {
        Fail(kInternalError, error.what());
    }
}

}  // namespace qthost
