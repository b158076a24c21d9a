// When the changes that the shut-down would write go to the disk while the
// program runs: soon after they are made, a burst of them in one write.
#pragma once

#include "framework/Types.h"

class CSaveSchedule {
public:
    // A burst is over once it pauses this long...
    static const DWORD QUIET_MS = 250;
    // ...and no change waits longer than this for its write, however long the burst.
    static const DWORD LATEST_MS = 1000;
    // What DueIn answers when no write is to be started.
    static const DWORD NEVER = 0xFFFFFFFF;

    virtual ~CSaveSchedule() = default;

    // Times are tick counts in milliseconds; they may wrap around.
    void Changed(DWORD dwNow);
    // A write takes every change made so far.
    void WriteStarted();
    void WriteEnded();

    // Milliseconds until a write is to start (0: now). NEVER when nothing waits,
    // or while a write runs: the next one starts after it, when it is due.
    DWORD DueIn(DWORD dwNow) const;
    bool IsWriting() const { return m_bWriting; }

private:
    bool m_bPending = false;
    bool m_bWriting = false;
    DWORD m_dwFirstChange = 0; // the oldest change not yet written
    DWORD m_dwLastChange = 0;
};
