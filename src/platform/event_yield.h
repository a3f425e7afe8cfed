#pragma once

#include <QElapsedTimer>

namespace pixmint {

// Lets the windows process their pending events during long work, but only when about
// 15 ms of work have passed since the last time: the windows repaint and react as often
// as a person notices, and a large picture is not slowed down by millions of event-loop
// turns. Reading the clock is itself cheap but not free, so it is read once every
// kCallsPerClockRead calls of tick().
//
// An inactive yield (the default, and what the command-line tool uses) does nothing.
// When the abort flag it watches becomes true, tick() throws WorkAborted.
class EventYield {
public:
    EventYield() = default;
    explicit EventYield(const bool* abortRequested, int sliceMs = 15);

    // Called after every small unit of work: a pixel of the page packing, a number of the
    // layout.
    void tick()
    {
        if (m_active && --m_countdown <= 0)
            slowTick();
    }
    // Processes events now if the slice is over, whatever the call count; for loops whose
    // unit of work is larger, such as a picture row.
    void tickNow();

    bool isActive() const { return m_active; }
    // True when an active yield's slice is over: the next tickNow() processes events. For
    // work that must finish a step before events may run.
    bool due() const { return m_active && m_sinceLast.elapsed() >= m_sliceMs; }
    // How many times events were processed so far (for tests and benchmarks).
    long long yields() const { return m_yields; }
    // The longest time between two event processings so far, in milliseconds.
    qint64 longestGapMs() const { return m_longestGapMs; }

private:
    void slowTick();
    void processEvents();

    static constexpr int kCallsPerClockRead = 256;
    bool m_active = false;
    const bool* m_abort = nullptr;
    int m_sliceMs = 15;
    int m_countdown = kCallsPerClockRead;
    long long m_yields = 0;
    qint64 m_longestGapMs = 0;
    QElapsedTimer m_sinceLast;
};

}  // namespace pixmint
