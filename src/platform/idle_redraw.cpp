#include "idle_redraw.h"

#include <QTimer>
#include <QWidget>

#include <utility>

namespace pixmint {

IdleRedraw::IdleRedraw(QWidget* window, std::function<void()> redraw)
    : m_window(window), m_redraw(std::move(redraw))
{
}

void IdleRedraw::schedule()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    // The window is the context: a request still pending when it is destroyed is dropped.
    QTimer::singleShot(0, m_window, [this] {
        m_scheduled = false;
        if (m_window->isVisible())
            m_redraw();
    });
}

}  // namespace pixmint
