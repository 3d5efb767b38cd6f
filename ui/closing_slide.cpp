#include "ui/closing_slide.h"

#include <algorithm>

namespace velk::ui {

int RunClosingSlide(WindowPort& window, Desktop& desktop) {
    const int screenWidth = window.screenWidth();
    const int maxCycles = std::max(1, (screenWidth - window.geometry().top) / SlideMoveStep + 1);
    int cycles = 0;
    for (;;) {
        WindowGeometry g = window.geometry();
        const int topBefore = g.top;
        g.top += SlideMoveStep;
        g.left += SlideMoveStep;
        g.width -= SlideShrinkStep;
        g.height -= SlideShrinkStep;
        window.setGeometry(g);
        desktop.processEventsOnce();
        ++cycles;
        const int top = window.geometry().top;
        if (top > screenWidth || top <= topBefore || cycles >= maxCycles) {
            return cycles;
        }
    }
}

}  // namespace velk::ui
