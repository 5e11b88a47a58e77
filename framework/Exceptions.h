#pragma once
#include <exception>
#include <string>
#include <utility>

namespace qv {

// The base exception class: handlers raise it with a message; the dispatch shows that message
// in the standard error box and the program goes on. It derives from std::exception, not
// std::runtime_error, whose string code brings about 85 KB into the release.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// Silent abort: unwinds an operation without an error box.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

} // namespace qv
