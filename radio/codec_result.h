#pragma once

#include <QString>
#include <optional>
#include <utility>

// The outcome of a memory-map conversion: a value, or the reason there is none in
// words for the user. A decoding caller turns the reason into a link failure; an
// encoding caller stops before anything is sent.
template <typename T> class CodecResult {
public:
    static CodecResult success(T value) {
        CodecResult result;
        result.value_ = std::move(value);
        return result;
    }
    static CodecResult failure(QString error) {
        CodecResult result;
        result.error_ = std::move(error);
        return result;
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *value_; }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    const QString& error() const { return error_; }

private:
    CodecResult() = default;
    std::optional<T> value_;
    QString error_;
};
