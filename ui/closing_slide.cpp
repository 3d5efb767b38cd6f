#include "ui/closing_slide.h"

#include <algorithm>

namespace velk::ui {

int RunClosingSlide(WindowPort& window, Desktop& desktop) {
    const int screenWidth = window.screenWidth();
    const int maxCycles =
        std::max(1, (screenWidth - window.windowGeometry().top) / SlideMoveStep + 1);
    int cycles = 0;
    for (;;) {
        WindowGeometry g = window.windowGeometry();
        const int topBefore = g.top;
        g.top += SlideMoveStep;
        g.left += SlideMoveStep;
        g.width -= SlideShrinkStep;
        g.height -= SlideShrinkStep;
        window.setWindowGeometry(g);
        desktop.processEventsOnce();
        ++cycles;
        const int top = window.windowGeometry().top;
        if (top > screenWidth || top <= topBefore || cycles >= maxCycles) {
            return cycles;
        }
    }
}

}  // namespace velk::ui
