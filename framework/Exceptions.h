#pragma once
#include <stdexcept>
#include <string>

namespace qv {

// The base exception class: handlers raise it with a message; the dispatch shows that message
// in the standard error box and the program goes on.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
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
