// GoogleTest's Notification uses std::mutex, which the win32 thread model of this GCC lacks.
// This stands in for it with a Win32 event; it is force-included into GoogleTest and the tests.
#pragma once
#if defined(_WIN32) && defined(__cplusplus)
#include <windows.h>
#define GTEST_HAS_NOTIFICATION_ 1
namespace testing {
namespace internal {
class Notification {
public:
    Notification() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(event_); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

private:
    HANDLE event_;
};
} // namespace internal
} // namespace testing
#endif
