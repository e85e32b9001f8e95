// The module boundary: every call from a wrapper into the library goes
// through callRoutine, so that no C++ exception reaches the interpreter.
#pragma once

#include <new>
#include <type_traits>

namespace vtx::py {

// Warning 53 "Not enough memory", named after the routine that was running.
void warnNoMemory();

// Runs one library call. An allocation that fails anywhere inside it ends the
// routine with warning 53, and the wrapper goes on as after a routine that
// rejected its arguments: a function result is then 0.
template <typename Call>
auto callRoutine(Call&& call) noexcept -> decltype(call()) {
    using R = decltype(call());
    try {
        return call();
    } catch (const std::bad_alloc&) {
        warnNoMemory();
    }
    if constexpr (!std::is_void_v<R>) return R{};
}

}  // namespace vtx::py
