// A value or the message that says why there is none.
#pragma once
#include <optional>
#include <string>
#include <utility>

namespace zelmdb {

template <class T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    static Result Fail(std::string message) {
        Result r;
        r.error_ = std::move(message);
        return r;
    }
    bool ok() const { return value_.has_value(); }
    T& value() { return *value_; }
    const T& value() const { return *value_; }
    const std::string& error() const { return error_; }

private:
    Result() = default;
    std::optional<T> value_;
    std::string error_;
};

}  // namespace zelmdb
