// The functions through which libstdc++'s templates (strings, vectors, allocators) raise their
// errors. libstdc++'s own versions all sit in one object file and throw std::length_error and
// its relatives, whose constructors bring in the old copy-on-write string and, through it,
// std::random_device: about 85 KB of a release program that has room for 260. Defining all of
// that file's functions here keeps it out of every program linked with the framework.
//
// Each keeps libstdc++'s message. The types derived from std::logic_error and
// std::runtime_error become qv::Exception, which the program's one exception barrier shows as
// it showed them (it catches std::exception; nothing in the program or in libstdc++ catches
// those types by name). The others carry no text and stay the standard types, so code that
// catches std::bad_alloc still does.
#include "framework/Exceptions.h"
#include <bits/functexcept.h>
#include <cstdarg>
#include <cstddef>
#include <new>
#include <typeinfo>

namespace {

[[noreturn]] void Raise(const char* message) {
    throw qv::Exception(message);
}

// The one format libstdc++ passes: %s, %zu and %%, as its __snprintf_lite reads them.
std::string Format(const char* format, va_list args) {
    std::string text;
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            text += va_arg(args, const char*);
            p += 1;
        } else if (p[0] == '%' && p[1] == 'z' && p[2] == 'u') {
            text += std::to_string(va_arg(args, std::size_t));
            p += 2;
        } else if (p[0] == '%' && p[1] == '%') {
            text += '%';
            p += 1;
        } else {
            text += *p;
        }
    }
    return text;
}

} // namespace

namespace std {

void __throw_bad_exception() {
    throw bad_exception();
}
void __throw_bad_alloc() {
    throw bad_alloc();
}
void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}
void __throw_bad_cast() {
    throw bad_cast();
}
void __throw_bad_typeid() {
    throw bad_typeid();
}

void __throw_logic_error(const char* message) {
    Raise(message);
}
void __throw_domain_error(const char* message) {
    Raise(message);
}
void __throw_invalid_argument(const char* message) {
    Raise(message);
}
void __throw_length_error(const char* message) {
    Raise(message);
}
void __throw_out_of_range(const char* message) {
    Raise(message);
}
void __throw_runtime_error(const char* message) {
    Raise(message);
}
void __throw_range_error(const char* message) {
    Raise(message);
}
void __throw_overflow_error(const char* message) {
    Raise(message);
}
void __throw_underflow_error(const char* message) {
    Raise(message);
}

void __throw_out_of_range_fmt(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = Format(format, args);
    va_end(args);
    throw qv::Exception(std::move(text));
}

} // namespace std
