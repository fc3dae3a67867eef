// A value or the message that says why there is none, and TRY, which hands a failure up.
#pragma once
#include <optional>
#include <string>
#include <utility>

// A failure not yet tied to a value type: every Result takes one, so TRY can return it from a
// function of any result type.
struct Failure {
    std::string message;
};

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : error_(std::move(failure.message)) {}
    static Result Fail(std::string message) { return Failure{std::move(message)}; }
    bool ok() const { return value_.has_value(); }
    T& value() { return *value_; }
    const T& value() const { return *value_; }
    const std::string& error() const { return error_; }

private:
    std::optional<T> value_;
    std::string error_;
};

// Done, or the message that says why not.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failed_(true), error_(std::move(failure.message)) {}
    static Result Fail(std::string message) { return Failure{std::move(message)}; }
    bool ok() const { return !failed_; }
    const std::string& error() const { return error_; }

private:
    bool failed_ = false;
    std::string error_;
};

using Status = Result<void>;

// Returns the failure of EXPR from the enclosing function, whatever its result type.
#define TRY(expr)                                                        \
    do {                                                                 \
        auto&& try_result_ = (expr);                                     \
        if (!try_result_.ok()) return Failure{try_result_.error()};      \
    } while (false)

#define TRY_CONCAT_(a, b) a##b
#define TRY_NAME_(line) TRY_CONCAT_(try_result_, line)
// Declares NAME from the value of EXPR, or returns its failure.
#define TRY_ASSIGN(name, expr)                                                          \
    auto&& TRY_NAME_(__LINE__) = (expr);                                                \
    if (!TRY_NAME_(__LINE__).ok()) return Failure{TRY_NAME_(__LINE__).error()};         \
    auto name = std::move(TRY_NAME_(__LINE__).value())
