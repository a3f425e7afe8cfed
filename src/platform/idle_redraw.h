#pragma once

#include <functional>

class QWidget;

namespace pixmint {

// Coalesces a window's redraw requests: schedule() asks once for a redraw when the event
// loop is next idle, however often it is called before then, and the redraw runs only if
// the window is still visible. A live preview then follows a dragged slider without
// drawing once per step.
class IdleRedraw {
public:
    IdleRedraw(QWidget* window, std::function<void()> redraw);

    void schedule();

private:
    QWidget* m_window;
    std::function<void()> m_redraw;
    bool m_scheduled = false;
};

}  // namespace pixmint
