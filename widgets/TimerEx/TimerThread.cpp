#include "widgets/TimerEx/TimerThread.h"
#include "widgets/TimerEx/TimerEx.h"

namespace qv {

TTimerThread::TTimerThread(TTimerEx& owner) : owner_(owner) {
    Start();
}

TTimerThread::~TTimerThread() {
    Finish();
}

void TTimerThread::Execute() {
    SetThreadPriority(GetCurrentThread(), ThreadPriorityValue(owner_.ThreadPriority()));
    // The interval is read anew for every sleep, so a tick that changes it takes effect at once.
    while (WaitWhilePaused()) {
        if (Sleep(owner_.Interval()))
            Synchronize([this] { owner_.Timer(); });
    }
}

} // namespace qv
