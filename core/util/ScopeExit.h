// Runs a callable when the scope that holds it ends, unless released first: the one way to undo
// a step on every path out of a function (return, early return, exception).
//
//     auto restore = ScopeExit([&] { Busy = false; });
//
// The callable runs from a destructor, so it must not throw; an exception from it ends the
// program. Movable so a factory can hand a guard out; a moved-from guard does nothing.
#pragma once
#include <type_traits>
#include <utility>

namespace lw {

template <class F> class ScopeExit {
public:
    static_assert(std::is_invocable_v<F&>, "ScopeExit needs a callable without arguments");

    explicit ScopeExit(F f) noexcept(std::is_nothrow_move_constructible_v<F>) : Fn(std::move(f)) {}
    ScopeExit(ScopeExit&& other) noexcept(std::is_nothrow_move_constructible_v<F>)
        : Fn(std::move(other.Fn)), Armed(std::exchange(other.Armed, false)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ScopeExit& operator=(ScopeExit&&) = delete;
    ~ScopeExit() noexcept {
        if (Armed) Fn();
    }

    // The callable will not run.
    void Release() noexcept { Armed = false; }

private:
    F Fn;
    bool Armed = true;
};

template <class F> ScopeExit(F) -> ScopeExit<F>;

} // namespace lw
