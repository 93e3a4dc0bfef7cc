#pragma once

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

template <typename T>
class Outcome;

namespace detail {
template <typename T>
struct IsOutcome : std::false_type {};
template <typename T>
struct IsOutcome<Outcome<T>> : std::true_type {};
}  // namespace detail

// Ignoring an Outcome would drop its failure unseen.
template <typename T = Done>
class [[nodiscard]] Outcome {
public:
    using value_type = T;

    // Implicit, so that a function returns its value or a Failure alike, and
    // passes on another outcome's failure with `return other.failure();`.
    Outcome(T value) : state_(std::move(value)) {}
    Outcome(Failure failure) : state_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    // The value; only when ok().
    const T& operator*() const { return std::get<T>(state_); }
    T& operator*() { return std::get<T>(state_); }
    const T* operator->() const { return &std::get<T>(state_); }

    // The value, or the fallback for a failure.
    template <typename U>
    T value_or(U&& fallback) const& {
        return ok() ? std::get<T>(state_) : static_cast<T>(std::forward<U>(fallback));
    }
    template <typename U>
    T value_or(U&& fallback) && {
        return ok() ? std::get<T>(std::move(state_)) : static_cast<T>(std::forward<U>(fallback));
    }

    // The value, or nothing for a failure.
    std::optional<T> ToOptional() const {
        return ok() ? std::optional<T>(std::get<T>(state_)) : std::nullopt;
    }

    // Why there is no value; only when !ok().
    const std::string& message() const { return std::get<Failure>(state_).message; }
    const Failure& failure() const { return std::get<Failure>(state_); }

    // Outcome of f(value); a failure is passed on and f is not called.
    template <typename F>
    auto transform(
        F&& f) const& -> Outcome<std::remove_cvref_t<std::invoke_result_t<F, const T&>>> {
        if (!ok()) return failure();
        return std::forward<F>(f)(std::get<T>(state_));
    }
    template <typename F>
    auto transform(F&& f) && -> Outcome<std::remove_cvref_t<std::invoke_result_t<F, T&&>>> {
        if (!ok()) return std::get<Failure>(std::move(state_));
        return std::forward<F>(f)(std::get<T>(std::move(state_)));
    }

    // f(value), itself an Outcome, for a step that may fail in turn; a
    // failure is passed on and f is not called.
    template <typename F>
    auto and_then(F&& f) const& -> std::remove_cvref_t<std::invoke_result_t<F, const T&>> {
        static_assert(
            detail::IsOutcome<std::remove_cvref_t<std::invoke_result_t<F, const T&>>>::value,
            "and_then takes a function that returns an Outcome");
        if (!ok()) return failure();
        return std::forward<F>(f)(std::get<T>(state_));
    }
    template <typename F>
    auto and_then(F&& f) && -> std::remove_cvref_t<std::invoke_result_t<F, T&&>> {
        static_assert(detail::IsOutcome<std::remove_cvref_t<std::invoke_result_t<F, T&&>>>::value,
                      "and_then takes a function that returns an Outcome");
        if (!ok()) return std::get<Failure>(std::move(state_));
        return std::forward<F>(f)(std::get<T>(std::move(state_)));
    }

    friend bool operator==(const Outcome&, const Outcome&) = default;

private:
    std::variant<T, Failure> state_;
};

}  // namespace tachoria
