#pragma once

#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

// How every part of Tachoria says that something could not be done: the
// value asked for, or one message for the user saying why not. Written by
// hand because std::expected is missing from some toolchains that build the
// core (clang 14, emscripten's libc++).
namespace tachoria {

// Why a value could not be given, in the user's terms: one line that names
// what to correct.
struct Failure {
    std::string message;

    friend bool operator==(const Failure&, const Failure&) = default;
};

// The value of an action that gives nothing but may fail (saving a file).
struct Done {
    friend bool operator==(const Done&, const Done&) = default;
};

template <typename T, typename E>
class Outcome;

namespace detail {
template <typename T>
struct IsOutcome : std::false_type {};
template <typename T, typename E>
struct IsOutcome<Outcome<T, E>> : std::true_type {};
}  // namespace detail

// Ignoring an Outcome would drop its failure unseen. `E` is Failure, or a
// Failure that says more for a caller that needs it (a tire's refusal says
// what kind of text it was); any such failure passes on as a plain one.
template <typename T = Done, typename E = Failure>
class [[nodiscard]] Outcome {
    static_assert(std::is_base_of_v<Failure, E>, "a failure carries a Failure's message");

public:
    using value_type = T;
    using failure_type = E;

    // Implicit, so that a function returns its value or a failure alike, and
    // passes on another outcome's failure with `return other.failure();`.
    Outcome(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Outcome(E failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    // The same outcome with the plainer failure `E` that `E2` extends.
    template <typename E2>
    requires(!std::is_same_v<E2, E> && std::is_base_of_v<E, E2>)
        Outcome(const Outcome<T, E2>& other)
        : Outcome(other.ok() ? Outcome(*other) : Outcome(E(other.failure()))) {}
    template <typename E2>
    requires(!std::is_same_v<E2, E> && std::is_base_of_v<E, E2>) Outcome(Outcome<T, E2>&& other)
        : Outcome(other.ok() ? Outcome(std::move(*other)) : Outcome(E(other.failure()))) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The value; only when ok().
    const T& operator*() const { return std::get<0>(state_); }
    T& operator*() { return std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }

    // The value, or the fallback for a failure.
    template <typename U>
    T value_or(U&& fallback) const& {
        return ok() ? std::get<0>(state_) : static_cast<T>(std::forward<U>(fallback));
    }
    template <typename U>
    T value_or(U&& fallback) && {
        return ok() ? std::get<0>(std::move(state_)) : static_cast<T>(std::forward<U>(fallback));
    }

    // The value, or nothing for a failure.
    std::optional<T> ToOptional() const {
        return ok() ? std::optional<T>(std::get<0>(state_)) : std::nullopt;
    }

    // Why there is no value; only when !ok().
    const std::string& message() const { return std::get<1>(state_).message; }
    const E& failure() const { return std::get<1>(state_); }

    // Outcome of f(value); a failure is passed on and f is not called.
    template <typename F>
    auto transform(
        F&& f) const& -> Outcome<std::remove_cvref_t<std::invoke_result_t<F, const T&>>, E> {
        if (!ok()) {
            return failure();
        }
        return std::invoke(std::forward<F>(f), std::get<0>(state_));
    }
    template <typename F>
    auto transform(F&& f) && -> Outcome<std::remove_cvref_t<std::invoke_result_t<F, T&&>>, E> {
        if (!ok()) {
            return std::get<1>(std::move(state_));
        }
        return std::invoke(std::forward<F>(f), std::get<0>(std::move(state_)));
    }

    // f(value), itself an Outcome, for a step that may fail in turn; a
    // failure is passed on and f is not called.
    template <typename F>
    auto and_then(F&& f) const& -> std::remove_cvref_t<std::invoke_result_t<F, const T&>> {
        static_assert(
            detail::IsOutcome<std::remove_cvref_t<std::invoke_result_t<F, const T&>>>::value,
            "and_then takes a function that returns an Outcome");
        if (!ok()) {
            return failure();
        }
        return std::invoke(std::forward<F>(f), std::get<0>(state_));
    }
    template <typename F>
    auto and_then(F&& f) && -> std::remove_cvref_t<std::invoke_result_t<F, T&&>> {
        static_assert(detail::IsOutcome<std::remove_cvref_t<std::invoke_result_t<F, T&&>>>::value,
                      "and_then takes a function that returns an Outcome");
        if (!ok()) {
            return std::get<1>(std::move(state_));
        }
        return std::invoke(std::forward<F>(f), std::get<0>(std::move(state_)));
    }

    friend bool operator==(const Outcome&, const Outcome&) = default;

private:
    std::variant<T, E> state_;
};

}  // namespace tachoria
