#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

// How every part of Tachoria says that something could not be done: the
// value asked for, or one message for the user saying why not.
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

template <typename T = Done>
class Outcome {
public:
    // Implicit, so that a function returns its value or a Failure alike.
    Outcome(T value) : state_(std::move(value)) {}
    Outcome(Failure failure) : state_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    // The value; only when ok().
    const T& operator*() const { return std::get<T>(state_); }
    T& operator*() { return std::get<T>(state_); }
    const T* operator->() const { return &std::get<T>(state_); }

    // The value, or nothing for a failure.
    std::optional<T> ToOptional() const {
        return ok() ? std::optional<T>(std::get<T>(state_)) : std::nullopt;
    }

    // Why there is no value; only when !ok().
    const std::string& message() const { return std::get<Failure>(state_).message; }

    friend bool operator==(const Outcome&, const Outcome&) = default;

private:
    std::variant<T, Failure> state_;
};

}  // namespace tachoria
