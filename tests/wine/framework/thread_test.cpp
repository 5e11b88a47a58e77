#include "framework/Thread.h"
#include <gtest/gtest.h>

namespace {

// A worker whose work is done at once: its thread ends before the owner does anything else.
class QuickWorker : public qv::Thread {
public:
    QuickWorker() { Start(); }
    ~QuickWorker() override { Finish(); }
    volatile DWORD threadId = 0;

protected:
    void Execute() override { threadId = GetCurrentThreadId(); }
};

// A handle of another thread of this process, opened by its id (OpenThread is looked up: it is
// newer than the headers the tests see).
HANDLE OpenThreadById(DWORD id) {
    using OpenThreadFn = HANDLE(WINAPI*)(DWORD, BOOL, DWORD);
    auto open = reinterpret_cast<OpenThreadFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "OpenThread")));
    return open ? open(SYNCHRONIZE, FALSE, id) : nullptr;
}

} // namespace

// The runtime's thread start closes its own handle when the thread ends; the owner's handle
// stays valid until Finish, which waits on it and closes it.
TEST(Thread, OwnerKeepsAValidHandleOfAWorkerThatHasEnded) {
    QuickWorker worker;
    ASSERT_FALSE(worker.Finished());
    for (int i = 0; i < 500 && !worker.threadId; ++i)
        Sleep(10);
    const DWORD id = worker.threadId;
    ASSERT_NE(id, 0u);
    HANDLE ended = OpenThreadById(id);
    ASSERT_NE(ended, nullptr);
    EXPECT_EQ(WaitForSingleObject(ended, 5000), WAIT_OBJECT_0);
    CloseHandle(ended);
    // A closed handle would answer THREAD_PRIORITY_ERROR_RETURN.
    EXPECT_EQ(worker.Priority(), THREAD_PRIORITY_NORMAL);
    worker.Finish();
    EXPECT_TRUE(worker.Finished());
}
