#include "event_yield.h"

#include "run_error.h"

#include <QCoreApplication>

namespace pixmint {

EventYield::EventYield(const bool* abortRequested, int sliceMs)
    : m_active(true), m_abort(abortRequested), m_sliceMs(sliceMs)
{
    m_sinceLast.start();
}

void EventYield::slowTick()
{
    m_countdown = kCallsPerClockRead;
    if (m_sinceLast.elapsed() >= m_sliceMs)
        processEvents();
}

void EventYield::tickNow()
{
    if (!m_active)
        return;
    m_countdown = kCallsPerClockRead;
    if (m_sinceLast.elapsed() >= m_sliceMs)
        processEvents();
}

void EventYield::processEvents()
{
    m_longestGapMs = std::max(m_longestGapMs, m_sinceLast.elapsed());
    QCoreApplication::processEvents();
    ++m_yields;
    m_sinceLast.restart();
    if (m_abort && *m_abort)
        throw WorkAborted();
}

}  // namespace pixmint
