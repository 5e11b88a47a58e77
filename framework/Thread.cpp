#include "framework/Thread.h"
#include "framework/ErrorBox.h"
#include "framework/HiddenWindow.h"
#include <process.h>

namespace qv {

namespace {
const UINT kHandOverMessage = WM_APP + 1;
} // namespace

// Where the worker posts its hand-overs: they run inside the creating thread's message handling.
class HandOverWindow : public HiddenWindow {
public:
    explicit HandOverWindow(Thread& thread) : HiddenWindow("QvThreadHandOver"), thread_(thread) {}

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
        if (message != kHandOverMessage)
            return false;
        result = 0;
        thread_.RunHandOver(static_cast<LONG>(wParam)); // may destroy the thread and this window
        return true;
    }

private:
    Thread& thread_;
};

Thread::Thread()
    : running_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      wake_(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      terminate_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      handedOver_(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      handOverWindow_(std::make_unique<HandOverWindow>(*this)) {}

Thread::~Thread() {
    Finish();
    if (aliveDuringHandOver_)
        *aliveDuringHandOver_ = false;
    handOverWindow_.reset();
    for (HANDLE h : {running_, wake_, terminate_, handedOver_})
        if (h)
            CloseHandle(h);
}

namespace {
// What the worker gets: its object, and the gate it waits at before it may touch that object.
struct StartOrder {
    Thread* thread;
    HANDLE gate;
};
} // namespace

// The worker starts through the C runtime's _beginthread, the one start function that crtdll.dll
// (the released program's runtime) has, so the runtime sets up and frees its per-thread data.
// That function closes its own handle when the thread ends; so the worker first waits at a gate
// until this thread holds a duplicate, which Finish waits on and closes. Should the duplicate
// fail, the gate stays shut for good: the worker never runs, the object may go, and Finished()
// is true at once, as when no thread starts at all.
void Thread::Start() {
    HANDLE gate = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!gate)
        return;
    auto* order = new StartOrder{this, gate};
    const uintptr_t started = _beginthread(ThreadProc, 0, order);
    if (started == 0 || started == static_cast<uintptr_t>(-1)) {
        delete order;
        CloseHandle(gate);
        return;
    }
    if (DuplicateHandle(GetCurrentProcess(), reinterpret_cast<HANDLE>(started), GetCurrentProcess(),
                        &handle_, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
        SetEvent(gate);
    } else {
        handle_ = nullptr;
    }
}

void __cdecl Thread::ThreadProc(void* start) {
    const StartOrder order = *static_cast<StartOrder*>(start);
    WaitForSingleObject(order.gate, INFINITE);
    delete static_cast<StartOrder*>(start);
    CloseHandle(order.gate);
    try {
        order.thread->Execute();
    } catch (...) {
        ReportCurrentException();
    }
}

void Thread::Pause() {
    if (pauses_++ == 0)
        ResetEvent(running_);
    InterlockedIncrement(&pauseGeneration_);
    SetEvent(wake_);
}

void Thread::Resume() {
    if (pauses_ > 0 && --pauses_ == 0)
        SetEvent(running_);
}

void Thread::SetPriority(int priority) {
    if (handle_)
        SetThreadPriority(handle_, priority);
}

int Thread::Priority() const {
    return handle_ ? GetThreadPriority(handle_) : THREAD_PRIORITY_NORMAL;
}

void Thread::Finish() {
    if (!handle_)
        return;
    terminated_ = true;
    SetEvent(terminate_);
    // The worker never waits for this thread without also waiting for `terminate_`, so this
    // cannot deadlock and needs no message pumping (no other tick can sneak in here).
    WaitForSingleObject(handle_, INFINITE);
    CloseHandle(handle_);
    handle_ = nullptr;
}

bool Thread::WaitWhilePaused() {
    HANDLE events[2] = {terminate_, running_};
    return WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1 && !terminated_;
}

bool Thread::Sleep(DWORD ms) {
    HANDLE events[2] = {terminate_, wake_};
    return WaitForMultipleObjects(2, events, FALSE, ms) == WAIT_TIMEOUT && !terminated_;
}

bool Thread::Synchronize(std::function<void()> call) {
    if (terminated_)
        return false;
    pendingCall_ = std::move(call);
    LONG generation = pauseGeneration_;
    if (!PostMessageA(handOverWindow_->Handle(), kHandOverMessage, static_cast<WPARAM>(generation),
                      0))
        return true; // queue full: this hand-over is lost, the next one comes
    HANDLE events[2] = {terminate_, handedOver_};
    return WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1 && !terminated_;
}

void Thread::RunHandOver(LONG generation) {
    bool alive = true;
    if (!Paused() && !terminated_ && generation == pauseGeneration_) {
        std::function<void()> call = pendingCall_;
        aliveDuringHandOver_ = &alive;
        try {
            call();
        } catch (...) {
            ReportCurrentException();
        }
        if (!alive)
            return; // the call destroyed this thread object; the worker has ended
        aliveDuringHandOver_ = nullptr;
    }
    SetEvent(handedOver_);
}

} // namespace qv
