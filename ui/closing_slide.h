// The closing slide: the window drifts down and right while it shrinks.
#pragma once

namespace velk::ui {

// A window's outer geometry and the screen's width, in twips.
class SlideFrame {
public:
    virtual ~SlideFrame() = default;
    virtual int left() const = 0;
    virtual int top() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void setLeft(int twips) = 0;
    virtual void setTop(int twips) = 0;
    virtual void setWidth(int twips) = 0;
    virtual void setHeight(int twips) = 0;
    virtual int screenWidth() const = 0;
    // Called after every cycle: lets the platform carry out the changes.
    virtual void showChanges() = 0;
    // True once the slide has taken as long as it may.
    virtual bool timeIsUp() const = 0;
};

inline constexpr int SlideMoveStep = 30;    // twips added to Top and Left per cycle
inline constexpr int SlideShrinkStep = 60;  // twips taken from Width and Height per cycle

// Runs cycles until Top lies beyond the screen's width, Top stops growing
// (the platform refused the move), or time is up; always at least one cycle.
// Returns the number of cycles run.
int RunClosingSlide(SlideFrame& frame);

}  // namespace velk::ui
