#pragma once
#include <windows.h>
#include <functional>
#include <memory>

namespace qv {

class HandOverWindow;

// A worker thread that the user-interface thread pauses, resumes and ends, and that hands work
// to the user-interface thread and waits until it has run (Synchronize).
//
// Pausing never freezes the worker at an arbitrary point (no SuspendThread): the worker only
// stops in its own waits (WaitWhilePaused, Sleep, Synchronize). So a pause cannot deadlock and
// the worker can always be ended cleanly, also mid-sleep or while it waits in a hand-over.
// Pause, Resume, SetPriority and Finish belong to the thread that created the object.
class Thread {
public:
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;
    // A derived class must call Finish() in its own destructor, before its members go.
    virtual ~Thread();

    // Pauses nest: each Pause needs one Resume. A pause also cuts the worker's current sleep
    // short and drops a hand-over that has not run yet.
    void Pause();
    void Resume();
    bool Paused() const { return pauses_ > 0; }

    void SetPriority(int priority); // THREAD_PRIORITY_* value
    int Priority() const;

    // Tells the worker to end and waits until it has; a no-op once done. Safe while the worker
    // sleeps, is paused or waits in a hand-over, also from inside the handed-over call.
    void Finish();
    bool Finished() const { return handle_ == nullptr; }

protected:
    // The worker starts paused (one pause level) once Start() is called.
    Thread();
    // Call at the end of the derived constructor, once everything the worker reads is in place.
    void Start();
    virtual void Execute() = 0;

    // Worker side.
    bool Terminated() const { return terminated_; }
    // Blocks while the thread is paused; false when the thread is told to end.
    bool WaitWhilePaused();
    // Sleeps `ms` milliseconds; true when the full time passed, false when a pause or the end
    // cut it short.
    bool Sleep(DWORD ms);
    // Runs `call` on the creating thread inside its message handling and waits until it has
    // run or been dropped (paused or told to end in between). An exception from the call goes
    // to the standard error box there. Returns false when the thread is told to end.
    bool Synchronize(std::function<void()> call);

private:
    friend class HandOverWindow;
    static void __cdecl ThreadProc(void* start);
    void RunHandOver(LONG generation);

    HANDLE handle_ = nullptr;     // the worker's handle, this object's own (see Start)
    HANDLE running_ = nullptr;    // manual reset: set while not paused
    HANDLE wake_ = nullptr;       // auto reset: a pause cuts the current sleep short
    HANDLE terminate_ = nullptr;  // manual reset: set once the worker is told to end
    HANDLE handedOver_ = nullptr; // auto reset: the pending hand-over has run or was dropped
    std::unique_ptr<HandOverWindow> handOverWindow_;
    int pauses_ = 1;
    volatile LONG pauseGeneration_ = 0;
    volatile bool terminated_ = false;
    std::function<void()> pendingCall_;
    bool* aliveDuringHandOver_ = nullptr;
};

} // namespace qv
