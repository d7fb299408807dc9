#pragma once
// Temporarily replaces a process-wide hook (the error reporter, the settings file, the instance
// factory, ...) and puts the previous one back when the scope ends, so tests and tools can swap
// one in without leaking it into the next user.
//
// A hook is a small struct naming the value and where it lives:
//     struct ErrorReporterHook { using Value = ErrorReporter*; static Value& Slot(); };
// and optionally `static std::mutex& Mutex();` when other threads read the slot.

#include <mutex>
#include <type_traits>
#include <utility>

namespace morvessa {

template <class Hook>
class ScopedOverride {
public:
    using Value = typename Hook::Value;

    explicit ScopedOverride(Value value) { previous_ = Exchange(std::move(value)); }
    // Pointer hooks take the object itself, which must outlive the scope.
    explicit ScopedOverride(std::remove_pointer_t<Value>& target) requires std::is_pointer_v<Value>
        : ScopedOverride(&target)
    {
    }
    ~ScopedOverride() { Exchange(std::move(previous_)); }

    ScopedOverride(const ScopedOverride&) = delete;
    ScopedOverride& operator=(const ScopedOverride&) = delete;

private:
    static Value Exchange(Value value)
    {
        if constexpr (requires { Hook::Mutex(); }) {
            std::lock_guard lock(Hook::Mutex());
            return std::exchange(Hook::Slot(), std::move(value));
        } else {
            return std::exchange(Hook::Slot(), std::move(value));
        }
    }

    Value previous_{};
};

}  // namespace morvessa
