#include "ui/closing_slide.h"

namespace velk::ui {

int RunClosingSlide(SlideFrame& frame) {
    int cycles = 0;
    for (;;) {
        const int topBefore = frame.top();
        frame.setTop(frame.top() + SlideMoveStep);
        frame.setLeft(frame.left() + SlideMoveStep);
        frame.setWidth(frame.width() - SlideShrinkStep);
        frame.setHeight(frame.height() - SlideShrinkStep);
        frame.showChanges();
        ++cycles;
        const int top = frame.top();
        if (top > frame.screenWidth() || top <= topBefore || frame.timeIsUp()) {
            return cycles;
        }
    }
}

}  // namespace velk::ui
