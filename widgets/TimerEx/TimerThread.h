#pragma once
#include "framework/Thread.h"

namespace qv {

class TTimerEx;

// The worker of a threaded TTimerEx: sleeps the owner's current interval, then hands the tick
// to the user-interface thread and waits until it has run. It reads the owner's Interval and
// ThreadPriority; the owner pauses, resumes and ends it.
class TTimerThread : public Thread {
public:
    explicit TTimerThread(TTimerEx& owner);
    ~TTimerThread() override;

protected:
    void Execute() override;

private:
    TTimerEx& owner_;
};

} // namespace qv
